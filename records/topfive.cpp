#include "records/topfive.h"
#include "engine/warnings.h"

#include "records/winners.h"
#include "settings/settingtexts.h"
#include "system/fieldtext.h"
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace tc {

namespace {

std::string_view Trimmed(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

int Winnersplace(const Winnersrecord& r, int slot, int seconds, int attempts) {
    // Pushing out a fifth entry takes a better game, not an equal one.
    const int last = Entryindex(slot, Nplaces);
    if (r.Duration[last] < seconds || (r.Duration[last] == seconds && r.Attempt[last] <= attempts))
        return 0;
    for (int p = 1; p <= Nplaces; ++p) {
        const int i = Entryindex(slot, p);
        if (r.Duration[i] > seconds || (r.Duration[i] == seconds && r.Attempt[i] >= attempts))
            return p;
    }
    return 0;
}

void Insertwinner(Winnersrecord& r, int slot, int place, const std::string& name, int seconds,
                  int attempts) {
    for (int q = Nplaces; q > place; --q) {
        const int to = Entryindex(slot, q), from = Entryindex(slot, q - 1);
        r.Player[to] = r.Player[from];
        r.Duration[to] = r.Duration[from];
        r.Attempt[to] = r.Attempt[from];
    }
    const int i = Entryindex(slot, place);
    r.Player[i] = name;
    r.Duration[i] = seconds;
    r.Attempt[i] = attempts;
}

bool Emptyentry(const Winnersrecord& r, int slot, int place) {
    const int i = Entryindex(slot, place);
    return r.Duration[i] == Emptyduration && r.Attempt[i] == Emptyattempt;
}

std::string Namebytes(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // Two-byte sequences reach up to U+07FF; only those up to U+00FF have a byte of their
        // own, and every longer sequence stands for a character beyond it.
        size_t len = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
        bool whole = len > 1 && i + len <= text.size();
        for (size_t k = 1; whole && k < len; ++k)
            whole = Continuation(static_cast<unsigned char>(text[i + k]));
        if (!whole) {
            out += '?';
            ++i;
            continue;
        }
        const unsigned code =
            len == 2 ? ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu)
                     : 0x100;
        out += code >= 0x80 && code <= 0xFF ? static_cast<char>(code) : '?';
        i += len;
    }
    return out;
}

std::string Nametext(const std::string& bytes) {
    std::string out;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Firstcharacters(const std::string& text, int n) {
    int seen = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (!Continuation(static_cast<unsigned char>(text[i])) && seen++ == n)
            return text.substr(0, i);
    return text;
}

std::string Recordname(const std::string& typed) {
    return typed.empty() ? "xxx" : Firstcharacters(typed, Namelength);
}

std::string Averagetext(float average) {
    const double v = average;
    if (!std::isfinite(v) || std::fabs(v) >= 1e15) return Generalnumber(average);
    // Halves round away from zero, as the list's number format does.
    const long long tenths = std::llround(std::fabs(v) * 10);
    std::string text = v < 0 && tenths != 0 ? "-" : "";
    if (tenths >= 10) text += std::to_string(tenths / 10);
    return text + "." + std::to_string(tenths % 10);
}

Winnerstexts Listtexts(const Winnersrecord& r, int slot) {
    Winnerstexts t;
    const int population = r.Population[slot];
    if (population != 0)
        t.Statistics = "Population Size:   " + std::to_string(population) +
                       "\nAverage No. of Attempts:   " + Averagetext(r.Average[slot]);
    else
        t.Statistics = "\n                  No Data Available";
    for (int p = 1; p <= Nplaces; ++p) {
        const int i = Entryindex(slot, p);
        TC_FALSE_RESTRICT_BEGIN
        // A line feed in a name read from the file must not start a line of the list.
        t.Names += " " + std::to_string(p) + ".  " + Fieldtext(Nametext(r.Player[i])) + "\n\n";
        TC_FALSE_RESTRICT_END
        if (r.Duration[i] != Emptyduration) t.Times += Converttime(r.Duration[i]);
        t.Times += "\n\n";
        // A win in 27 attempts (a middle start at trial 0) is a real entry: only an entry
        // nobody has taken shows no attempts.
        if (!Emptyentry(r, slot, p)) t.Attempts += std::to_string(r.Attempt[i]);
        t.Attempts += "\n\n";
    }
    return t;
}

std::optional<int> Populationvalue(const std::string& text) {
    const std::string_view s = Trimmed(text);
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < 0 ||
        v > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return v;
}

std::optional<float> Averagevalue(const std::string& text) {
    const std::string_view s = Trimmed(text);
    float v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v) || v < 0)
        return std::nullopt;
    return v + 0.0f; // no negative zero
}

int Leadingnumber(const std::string& text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') ++i;
    long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        v = std::min(v * 10 + (text[i] - '0'), 100000L);
    if (negative) v = -v;
    return static_cast<int>(std::clamp<long>(v, std::numeric_limits<int16_t>::min(),
                                             std::numeric_limits<int16_t>::max()));
}

} // namespace tc
