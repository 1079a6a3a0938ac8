#include "system/fieldtext.h"

namespace tc {

std::string Fieldtext(const std::string& text) {
    std::string out;
    const auto hex = [&out](unsigned char c) {
        static const char digits[] = "0123456789ABCDEF";
        out += "\\x";
        out += digits[c >> 4];
        out += digits[c & 0xF];
    };
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t len = c < 0x80                 ? 1
                           : c >= 0xC2 && c <= 0xDF ? 2
                           : c >= 0xE0 && c <= 0xEF ? 3
                           : c >= 0xF0 && c <= 0xF4 ? 4
                                                    : 0;
        bool whole = len > 0 && i + len <= text.size();
        for (size_t k = 1; whole && k < len; ++k)
            whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        const bool control = c < 0x20 || c == 0x7F ||
                             (c == 0xC2 && whole && static_cast<unsigned char>(text[i + 1]) < 0xA0);
        if (!whole || control) {
            for (size_t k = 0; k < (whole ? len : 1); ++k)
                hex(static_cast<unsigned char>(text[i + k]));
            i += whole ? len : 1;
            continue;
        }
        out.append(text, i, len);
        i += len;
    }
    return out;
}

} // namespace tc
