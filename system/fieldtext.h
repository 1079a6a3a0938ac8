#pragma once
// Text from outside the program (a path, a name read from a file, a saved game's status) set into
// a message or printed: control characters (also those of Unicode's C1 range) and bytes that are
// not UTF-8 become \xHH, so nothing shown can forge a line, move the cursor or send a terminal an
// escape sequence.
#include <string>

namespace tc {

std::string Fieldtext(const std::string& text);

} // namespace tc
