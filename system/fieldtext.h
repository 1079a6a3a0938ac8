#pragma once
// Text from outside the program (a path, a name read from a file, a saved game's status) set into
// a message: its control characters are shown as escapes, so a line feed in a file name cannot
// forge a line of the message and a tab cannot push the rest aside.
#include <string>

namespace tc {

// `text` with each control character (below 0x20, and 0x7F) written as "\n", "\r", "\t" or
// "\x" and two hexadecimal digits; everything else, UTF-8 included, as it is.
std::string Fieldtext(const std::string& text);

} // namespace tc
