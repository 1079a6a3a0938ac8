#include "system/fieldtext.h"

namespace tc {

std::string Fieldtext(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c != 0x7F) {
            out += ch;
            continue;
        }
        out += '\\';
        if (c == '\n')
            out += 'n';
        else if (c == '\r')
            out += 'r';
        else if (c == '\t')
            out += 't';
        else
            out += {'x', digits[c >> 4], digits[c & 0xF]};
    }
    return out;
}

} // namespace tc
