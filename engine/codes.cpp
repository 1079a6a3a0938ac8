#include "engine/codes.h"

namespace tc {

Str Alphabet(const Gamesetting& s) {
    return Str(Digits.substr(0, static_cast<size_t>(s.Ncolours)));
}

Str Allowedchars(const Gamesetting& s) {
    Str a = Alphabet(s);
    if (s.Maxblanks > 0) a.push_back('b');
    return a;
}

Hint Markguess(const Str& g, const Str& c, const Gamesetting& s) {
    // The rule's first-free pairing of the unmatched positions pairs, for each character, the
    // smaller of its unmatched counts in guess and code, so counting gives the same marks. Marking
    // runs once a trial in every simulated game: the sums below avoid branches that depend on the
    // characters.
    const int L = g.size();
    uint8_t unmatched[256] = {}; // code characters not at their place in the guess
    int black = 0, blanks = 0, white = 0;
    for (int i = 0; i < L; ++i) {
        const bool same = g[i] == c[i], blank = g[i] == 'b';
        black += same & !blank;
        blanks += same & blank;
        unmatched[static_cast<uint8_t>(c[i])] += !same;
    }
    for (int i = 0; i < L; ++i) {
        uint8_t& left = unmatched[static_cast<uint8_t>(g[i])];
        const bool pairs = (g[i] != c[i]) & (g[i] != 'b') & (left > 0);
        left = static_cast<uint8_t>(left - pairs);
        white += pairs;
    }
    Hint h;
    h.black = s.Fixedorder() ? black + white : black;
    h.white = white;
    h.blanks = blanks;
    return h;
}

int Countcommon(const Str& s, const Str& guess) {
    bool used[Str::Capacity] = {};
    int n = 0;
    for (char x : s)
        for (int j = 0; j < guess.size(); ++j)
            if (!used[j] && guess[j] == x) {
                used[j] = true;
                ++n;
                break;
            }
    return n;
}

int Countchar(std::string_view s, char c) {
    int n = 0;
    for (char x : s) n += x == c;
    return n;
}

void Sortstring(Str& s) {
    const int L = s.size();
    for (int pass = 0; pass < L - 1; ++pass)
        for (int j = 0; j < L - 1; ++j)
            if (s[j] != s[j + 1] && (s[j] == 'b' || (s[j + 1] != 'b' && s[j] > s[j + 1])))
                Swap(s[j], s[j + 1]);
}

bool Checkstring(const Str& x, std::string_view a, const Gamesetting& s) {
    if (s.Fixedorder())
        for (int i = 0; i + 1 < x.size(); ++i)
            if (a.find(x[i]) > a.find(x[i + 1])) return false;
    // One count of every character rather than a count per allowed one: the simulation's
    // odometer tests each string it steps through.
    uint8_t copies[256] = {};
    for (char c : x) ++copies[static_cast<uint8_t>(c)];
    for (char c : a) {
        const int limit = c == 'b' ? s.Maxblanks : s.Maxrepeat;
        if (copies[static_cast<uint8_t>(c)] > limit) return false;
    }
    return true;
}

bool Validcode(const Str& x, const Gamesetting& s) {
    const Str a = Allowedchars(s);
    if (x.size() != s.Codelength) return false;
    for (char c : x)
        if (!a.contains(c)) return false;
    return Checkstring(x, a, s);
}

bool Isnewstring(const Gamerecord& r, const Gamesetting& s) {
    const int last = s.Whoguess == Role::Youguess ? r.Trial : r.Trial - 1;
    for (int t = 1; t <= last && t < Trialslots; ++t)
        if (r.Guesses[t] == r.Currentstring) return false;
    return true;
}

Str Randomcode(const Gamesetting& s, Randomsource& rnd, int& blanks) {
    const int L = s.Codelength;
    Str colours = Alphabet(s);
    Str positions(Str(std::string_view("12345678").substr(0, static_cast<size_t>(L))));
    Str code(L, '#');
    blanks = s.Fixedlength ? 0 : static_cast<int>(rnd.Rnd() * (s.Maxblanks + 1));
    auto draw = [&](Str& pool) {
        const int k = static_cast<int>(rnd.Rnd() * pool.size());
        const char c = pool[k];
        for (int i = k; i + 1 < pool.size(); ++i) pool[i] = pool[i + 1];
        pool.resize(pool.size() - 1);
        return c;
    };
    while (positions.size() - blanks > 0) {
        const char colour = draw(colours);
        const int remaining = positions.size() - blanks;
        const int times = 1 + static_cast<int>(rnd.Rnd() * Minimum(remaining, s.Maxrepeat));
        for (int i = 0; i < times; ++i) code[draw(positions) - '1'] = colour;
    }
    for (char& c : code)
        if (c == '#') c = 'b';
    if (s.Fixedorder()) Sortstring(code);
    return code;
}

void Makecode(std::string_view kind, Gamerecord& r, const Gamesetting& s, Randomsource& rnd) {
    int blanks = 0;
    if (kind == "Answer") {
        r.Answer = Randomcode(s, rnd, blanks);
        r.Answerblanks = blanks;
        return;
    }
    do {
        r.Currentstring = Randomcode(s, rnd, blanks);
    } while (r.Currentstring == r.Answer || !Isnewstring(r, s));
}

Str Shufflecolours(const Gamesetting& s, Randomsource& rnd) {
    Str pool = Alphabet(s), result;
    for (int n = 0; n < s.Ncolours; ++n) {
        const int k = static_cast<int>(rnd.Rnd() * pool.size());
        result.push_back(pool[k]);
        for (int i = k; i + 1 < pool.size(); ++i) pool[i] = pool[i + 1];
        pool.resize(pool.size() - 1);
    }
    return result;
}

Str Expand(const Str& counts, const Str& colours) {
    Str out;
    for (int i = 0; i < counts.size(); ++i)
        for (int k = 0; k < counts[i] - '0'; ++k) out.push_back(colours[i]);
    return out;
}

int Largestblack(int length, int blanks, int white) {
    // L - 1 blacks and one white cannot both be true.
    int b = white == 1 && blanks == 0 ? length - 2 : length - blanks - white;
    if (b == length) b = length - 1; // all blacks is a win, which WIN reports
    return b;
}

int Largestwhite(int length, int blanks, int black) {
    return black == length - 1 ? 0 : length - blanks - black;
}

} // namespace tc
