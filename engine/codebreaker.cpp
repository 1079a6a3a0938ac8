#include "engine/codebreaker.h"
#include <algorithm>
#include <bit>
#include <cstring>

namespace tc {

namespace {

char Digit(int v) {
    return static_cast<char>('0' + v);
}
int Val(char c) {
    return c - '0';
}

// Bits set in a mask of positions; the table keeps it a load on machines without the instruction.
constexpr auto Bitcounts = [] {
    std::array<int8_t, 256> t{};
    for (int m = 1; m < 256; ++m) t[m] = static_cast<int8_t>(t[m >> 1] + (m & 1));
    return t;
}();
int Count(unsigned mask) {
    return Bitcounts[mask & 0xff];
}

// Appends Expand(counts, colours) to `out` without building it. Counts are digits; while there
// is room, each colour is written nine times (eight in one store) and the length advanced by its
// count, which avoids a loop of unforeseeable length per colour.
void Appendexpanded(Str& out, const Str& counts, const Str& colours) {
    int at = out.size();
    char* const text = out.begin(); // the storage, Str::Capacity characters
    for (int i = 0; i < counts.size(); ++i) {
        const int n = Val(counts[i]);
        if (at + 9 > Str::Capacity) {
            for (int k = 0; k < n; ++k) text[at + k] = colours[i];
        } else {
            const uint64_t copies = static_cast<uint8_t>(colours[i]) * 0x0101010101010101ull;
            std::memcpy(text + at, &copies, sizeof copies);
            text[at + 8] = colours[i];
        }
        at += n;
    }
    out.resize(at);
}

// The same test as Validcode, without building the allowed characters each time: the length,
// colours of the setting or blanks where allowed, the repetition limits and, in fixed order,
// sorted order (blanks last).
bool Validguess(const Str& x, const Gamesetting& s) {
    if (x.size() != s.Codelength) return false;
    // The copies of rank r (colour r, blanks 10) in bits 5r..5r+4 of a word held in a register;
    // bit 5r+4 stays clear (at most eight copies), so all ranks are compared with their limits at
    // once: the guard bit of limit + 16 - copies is cleared where copies exceed the limit.
    constexpr uint64_t Fields = 0x0000210842108421ull; // 1 in each of the ten colour fields
    constexpr uint64_t Guards = (Fields | uint64_t{1} << 50) << 4;
    uint64_t copies = 0;
    int previous = 0;
    for (char c : x) {
        int rank;
        if (c >= '0' && c < '0' + s.Ncolours)
            rank = Val(c);
        else if (c == 'b' && s.Maxblanks > 0)
            rank = 10;
        else
            return false;
        if (s.Fixedorder() && rank < previous) return false;
        previous = rank;
        copies += uint64_t{1} << (5 * rank);
    }
    if (s.Maxrepeat < 0 || s.Maxblanks < 0) return false; // no count is that small
    const uint64_t limits = Fields * static_cast<uint64_t>(Minimum<int>(s.Maxrepeat, 15)) |
                            static_cast<uint64_t>(Minimum<int>(s.Maxblanks, 15)) << 50;
    return (((limits | Guards) - copies) & Guards) == Guards;
}

// The sum over the colours of the smaller of two counts; the counts are bytes below 0x80, eight
// colours to a word: where a byte of a is at least that of b, (a | 0x80) - b keeps the top bit.
int Sharedcopies(const std::array<int8_t, 16>& a, const std::array<int8_t, 16>& b) {
    constexpr uint64_t Top = 0x8080808080808080ull, Ones = 0x0101010101010101ull;
    uint64_t x[2], y[2];
    std::memcpy(x, a.data(), sizeof x);
    std::memcpy(y, b.data(), sizeof y);
    uint64_t sum = 0;
    for (int w = 0; w < 2; ++w) {
        const uint64_t bigger = (((x[w] | Top) - y[w]) & Top) >> 7; // 1 where x is at least y
        const uint64_t keep = bigger * 0xff;
        sum += (y[w] & keep) | (x[w] & ~keep);
    }
    return static_cast<int>(sum * Ones >> 56); // at most 80
}

// One copy of colour x (or Hole) in the counts of Left: 1 in byte x.
constexpr auto Units = [] {
    std::array<std::array<uint64_t, 2>, 16> u{};
    for (int x = 0; x < 16; ++x)
        u[static_cast<size_t>(x)][static_cast<size_t>(x >> 3)] = uint64_t{1} << (8 * (x & 7));
    return u;
}();

// Per byte, the bits set; of a word or of a vector of words.
template <class T> T Bytecounts(T x) {
    x -= x >> 1 & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + (x >> 2 & 0x3333333333333333ull);
    return (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0full;
}

// The 8 x 8 bit matrix with row r in byte r, transposed: bit c of byte r becomes bit r of byte c.
uint64_t Transpose8(uint64_t x) {
    uint64_t t = (x ^ (x >> 7)) & 0x00aa00aa00aa00aaull;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000cccc0000ccccull;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000f0f0f0f0ull;
    return x ^ t ^ (t << 28);
}

} // namespace

Codebreaker::Lanes Codebreaker::Unit(int x) {
    return Lanes{Units[static_cast<size_t>(x)][0], Units[static_cast<size_t>(x)][1]};
}

void Codebreaker::Clear() {
    for (int t = 0; t < Trialslots; ++t) {
        Newcolours[t].clear();
        Newcounts[t].clear();
        Choice[t].clear();
        Described[t].clear();
    }
    // Cleared whole rather than guess by guess as the guesses change: each game starts here.
    Samelanes = {};
    Used.fill(0);
    Absent.fill(0);
    Nosolution = false;
    Skeleton.clear();
    Level = 0;
    Consistent = true;
    Prepared = 0;
    Foundtrial = 0;
    Havekept = false;
}

void Codebreaker::Recordnew() {
    const int t = r_.Trial;
    const Str& g = r_.Currentstring;
    // The runs of the sorted guess are the counts of its colours, in ascending order; blanks
    // sort last and are cut off.
    int runs[10] = {};
    for (char c : g)
        if (c >= '0' && c <= '9') ++runs[Val(c)];
    // Without a branch per colour: each colour and count is written and kept only when new,
    // into local buffers (a store into a string could alias anything) copied whole.
    char colours[16], counts[16];
    int n = 0;
    for (int c = 0; c < 10; ++c) {
        int& used = Used[c];
        colours[n] = Digit(c);
        counts[n] = Digit(runs[c] - used);
        n += runs[c] > used;
        used = Maximum<int>(used, runs[c]);
    }
    for (auto [out, text] :
         {std::pair{&Newcolours[t], colours}, std::pair{&Newcounts[t], counts}}) {
        out->resize(sizeof colours);
        std::memcpy(out->begin(), text, sizeof colours);
        out->resize(n);
    }
}

void Codebreaker::Nextguess() {
    for (;;) {
        Nosolution = false;
        Level = r_.Trial;
        ++r_.Trial;
        Describeguesses();
        // The skeleton counts of the levels that keep their choices: still those of the last
        // search when it ended in a guess; the choices may also have been restored from a saved
        // game (after a Clear).
        Havesize[1] = 0;
        Have[1].fill(0);
        if (!Havekept)
            for (int k = 2; k < Level; ++k) Addchoice(k);
        Consistent = true;
        if (Level >= 1) Openlevel(Level);
        const Outcome o = Searchcolours();
        Havekept = o == Outcome::Guess;
        if (!Offerguess(o)) return;
        Recordnew(); // the replay goes on with the next known trial
    }
}

void Codebreaker::Buildskeleton(int upto) {
    Skeleton.clear();
    for (int u = 1; u <= upto; ++u) Appendexpanded(Skeleton, Choice[u], Newcolours[u]);
    Skeletoncolours = 0;
    for (char c : Skeleton) Skeletoncolours |= 1u << Val(c);
}

void Codebreaker::Addchoice(int k) {
    // In two words held in registers and stored whole: Openlevel reads the row as words at once.
    uint64_t have[2];
    std::memcpy(have, Have[k - 1].data(), sizeof have);
    int size = Havesize[k - 1];
    const Str& choice = Choice[k - 1];
    const Str& colours = Newcolours[k - 1];
    for (int i = 0; i < choice.size(); ++i) {
        const int x = Val(colours[i]), n = Val(choice[i]);
        const uint64_t add = static_cast<uint64_t>(n) << (8 * (x & 7));
        have[0] += x < 8 ? add : 0;
        have[1] += x >= 8 ? add : 0;
        size += n;
    }
    std::memcpy(Have[k].data(), have, sizeof have);
    Havesize[k] = static_cast<int8_t>(size);
}

bool Codebreaker::Openlevel(int k) {
    ++Steps;
    Choice[k].clear();
    // The skeleton of levels 1..k-1 as counts of colours, from that of levels 1..k-2: the levels
    // below k keep their choices while k is open. Shared copies with a guess are the smaller
    // count of each colour.
    if (k > 1) Addchoice(k);
    const auto& have = Have[k];
    const int size = Havesize[k];
    const int common = Sharedcopies(have, Colourcount[k]);
    const Str& colours = Newcolours[k];
    const Str& counts = Newcounts[k];
    int avail = 0;
    for (int i = 0; i < colours.size(); ++i) avail += !Openclosed(colours[i]) * Val(counts[i]);
    const int need = r_.Corrects[k] - common;
    if (need < 0 || need > avail || size + need > s_.Codelength) {
        Consistent = false;
        return false;
    }
    // The first copies still open take what is needed; every copy not taken is absent.
    int taken = 0;
    Str& choice = Choice[k];
    choice.resize(colours.size());
    for (int i = 0; i < colours.size(); ++i) {
        const int c = Val(colours[i]), n = Val(counts[i]);
        const int x = need > 0 && Absent[c] == 0 ? Minimum(n, need - taken) : 0;
        taken += x;
        choice[i] = Digit(x);
        Absent[c] = Absent[c] + n - x;
    }
    Consistent = true;
    return true;
}

bool Codebreaker::Nextchoice(bool pursue, Str& t, const Str& colours, const Str& counts) {
    const Str current = t;
    const int len = t.size();
    if (len < 2) return false;
    for (;;) {
        ++Steps;
        int p = len - 1;
        while (p >= 1 && !(t[p] < counts[p] && t[p - 1] > '0')) --p;
        if (p < 1) return false;
        const int j = p - 1;
        int s = 1;
        for (int i = j + 1; i < len; ++i) s += Val(t[i]);
        --t[j];
        int placed = 0;
        for (int i = j + 1; i < len; ++i) {
            const int v = Minimum(Val(counts[i]), s - placed);
            t[i] = Digit(v);
            placed += v;
        }
        if (!pursue) return true;
        bool rejected = false;
        for (int i = 0; i < len && !rejected; ++i)
            rejected = t[i] > '0' && Absent[Val(colours[i])] != Val(counts[i]) - Val(current[i]);
        if (!rejected) return true;
    }
}

void Codebreaker::Findroom() {
    Oldcolours.clear();
    Oldroom.clear();
    Freshcolours.clear();
    Freshroom.clear();
    Oldtotal = Freshtotal = 0;
    for (char c : r_.Colourorder) {
        const int used = Used[Val(c)];
        if (used >= s_.Maxrepeat || Openclosed(c)) continue;
        const int room = s_.Maxrepeat - used;
        if (Skeletoncolours >> Val(c) & 1) {
            Oldcolours.push_back(c);
            Oldroom.push_back(Digit(room));
            Oldtotal += room;
        } else {
            Freshcolours.push_back(c);
            Freshroom.push_back(Digit(room));
            Freshtotal += room;
        }
    }
    if (!s_.Fixedorder()) {
        Oldcolours.push_back('#');
        Oldroom.push_back(Digit(s_.Codelength));
    }
    if (s_.Maxblanks >= 1) {
        Freshcolours.push_back('b');
        Freshroom.push_back(Digit(s_.Maxblanks));
        Freshtotal += s_.Maxblanks;
    }
}

void Codebreaker::Spreadold() {
    Oldadd = Str(Oldcolours.size(), '0');
    const int free = s_.Codelength - Skeleton.size();
    int given = 0;
    for (int i = 0; i < Oldcolours.size() && given < free; ++i) {
        const int g = Minimum(Val(Oldroom[i]), free - given);
        Oldadd[i] = Digit(g);
        given += g;
    }
}

void Codebreaker::Spreadfresh(int n) {
    const int count = Freshcolours.size();
    Freshdist = Str(count, '0');
    if (count == 0 || n >= s_.Codelength) return;
    const int need = s_.Codelength - n;
    int given = 0, idle = 0;
    for (int i = 0; given < need && idle < count; i = i + 1 == count ? 0 : i + 1) {
        const int rem = need - given;
        const int room = Val(Freshroom[i]) - Val(Freshdist[i]);
        // Half of rem rounded half up, Int(rem / 2 + 0.5), in integers.
        const int g = Minimum(Minimum(Maximum((rem + 1) / 2, 1), room), rem);
        Freshdist[i] = Digit(Val(Freshdist[i]) + g);
        given += g;
        idle = g > 0 ? 0 : idle + 1; // every colour full: the room check prevents this
    }
}

bool Codebreaker::Composeguess() {
    for (;;) {
        Str old = Skeleton;
        Appendexpanded(old, Oldadd, Oldcolours);
        if (s_.Fixedorder()) {
            Spreadfresh(old.size());
            Str guess = old + Expand(Freshdist, Freshcolours);
            Sortstring(guess);
            r_.Currentstring = guess;
            return true;
        }
        // The placeholder "#" is the last old colour and the skeleton holds none.
        const int h = Val(Oldadd[Oldadd.size() - 1]);
        if (h <= Freshtotal && Arrange(old)) {
            Spreadfresh(old.size() - h);
            const Str fresh = Expand(Freshdist, Freshcolours);
            int next = 0;
            for (char& c : Arrangement)
                if (c == '#') c = fresh[next++];
            r_.Currentstring = Arrangement;
            return true;
        }
        if (!Nextchoice(false, Oldadd, Oldcolours, Oldroom)) return false;
    }
}

Codebreaker::Outcome Codebreaker::Searchcolours() {
    const int trial = r_.Trial;
    for (;;) {
        if (Consistent) {
            // Every answered trial has a consistent choice: try to complete the code.
            Buildskeleton(trial - 1);
            Oldcolours.clear();
            Freshcolours.clear();
            Oldtotal = Freshtotal = 0;
            bool done = Skeleton.size() >= s_.Codelength;
            if (!done) {
                Findroom();
                done = Oldtotal + Freshtotal >= s_.Codelength - Skeleton.size();
            }
            if (done) {
                if (trial < s_.Starttrial || trial <= r_.Claimtrial) return Outcome::Guess;
                Spreadold();
                if (Composeguess()) return Outcome::Guess;
            }
            Consistent = false;
            Level = trial;
        }
        // Backtrack to the last level with another distribution.
        for (;;) {
            if (--Level <= 0) {
                Level = 0;
                Nosolution = true;
                return Outcome::Nosolution;
            }
            Str& choice = Choice[Level];
            const Str& colours = Newcolours[Level];
            const Str& counts = Newcounts[Level];
            Str next = choice;
            if (Nextchoice(true, next, colours, counts)) {
                for (int i = 0; i < next.size(); ++i)
                    Absent[Val(colours[i])] = Absent[Val(colours[i])] + choice[i] - next[i];
                choice = next;
                break;
            }
            for (int i = 0; i < choice.size(); ++i)
                Absent[Val(colours[i])] =
                    Absent[Val(colours[i])] - (Val(counts[i]) - Val(choice[i]));
            choice.clear();
        }
        // Advance through the later levels.
        Consistent = true;
        while (Consistent && Level < trial - 1) Openlevel(++Level);
    }
}

// ---- Arranging a guess in random order ----

void Codebreaker::Describeguesses() {
    const int trial = r_.Trial;
    const int L = s_.Codelength;
    int from = 1;
    while (from < trial && from < Prepared && Described[from] == r_.Guesses[from]) ++from;
    if (from < Foundtrial) Foundtrial = 0; // a guess it was found against changed
    for (int u = from; u < trial; ++u) {
        const Str& g = r_.Guesses[u];
        // The lanes hold what was described for u last, if anything since they were cleared.
        Laneguess(u, Described[u], -1);
        Laneguess(u, g, 1);
        Described[u] = g;
        auto& holds = Holds[u];
        holds.fill(0);
        unsigned first = 0;
        for (int p = 0; p < L; ++p) {
            // A blank fixes nothing: it is counted in place 15, which is then cleared.
            const unsigned digit = static_cast<unsigned>(g[p] - '0');
            const bool colour = digit <= 9;
            const int x = colour ? static_cast<int>(digit) : 15;
            Colourat[u][p] = static_cast<int8_t>(colour ? x : -1);
            holds[x] = static_cast<uint8_t>(holds[x] | 1u << p);
            first |= (colour & ~Before[u][x] >> p & 1u) << p;
        }
        holds[15] = 0;
        Firstable[u] = static_cast<uint8_t>(first);
        // The union with the earlier guesses and the copies of each colour, eight to a word.
        uint64_t h[2], b[2];
        std::memcpy(h, holds.data(), sizeof h);
        std::memcpy(b, Before[u].data(), sizeof b);
        for (int w = 0; w < 2; ++w) {
            b[w] |= h[w];
            h[w] = Bytecounts(h[w]);
        }
        std::memcpy(Before[u + 1].data(), b, sizeof b);
        std::memcpy(Colourcount[u].data(), h, sizeof h);
    }
    Prepared = trial;
    // What every arrangement of this search starts from: the marks stay while it runs.
    uint64_t over[4] = {};
    Markless = false;
    for (int u = 1; u < trial; ++u) {
        // A trial with fewer than no black marks fails at its level whatever is set.
        Markless |= r_.Blacks[u] < 0;
        const uint64_t start = 0x7f - Minimum<int>(r_.Blacks[u], 0x7f);
        over[u >> 3] |= (start & 0xff) << (8 * (u & 7));
    }
    Overstart[0] = Lanes{over[0], over[1]};
    Overstart[1] = Lanes{over[2], over[3]};
    Foundmarks = Foundtrial != 0 && Foundtrial <= trial &&
                 std::equal(Foundblacks.begin() + 1, Foundblacks.begin() + Foundtrial,
                            r_.Blacks.begin() + 1);
}

void Codebreaker::Laneguess(int u, const Str& g, int sign) {
    // Lane u is byte u & 7 of word (u >> 3) & 1 of vector u >> 4.
    const uint64_t one = static_cast<uint64_t>(sign) << (8 * (u & 7));
    const int n = Minimum(g.size(), 8);
    for (int p = 0; p < n; ++p) {
        const unsigned x = static_cast<unsigned>(g[p] - '0');
        if (x <= 9) Samelanes[p][x][u >> 4][u >> 3 & 1] += one;
    }
}

bool Codebreaker::Arrange(const Str& multiset) {
    const int L = s_.Codelength;
    // The counts in two words held in registers; the placeholders are not counted.
    uint64_t low = 0, high = 0;
    for (int j = 0; j < L; ++j) {
        const bool hole = multiset[j] == '#';
        const unsigned x = static_cast<unsigned>(Val(multiset[j]));
        Pool[j] = static_cast<int8_t>(hole ? Hole : x);
        const uint64_t one = uint64_t{!hole} << (8 * (x & 7));
        low += x < 8 ? one : 0;
        high += x < 8 ? 0 : one;
    }
    Left = Lanes{low, high};
    const uint64_t unset = 0x0101010101010101ull * static_cast<uint8_t>(Unset);
    std::memcpy(Placed.data(), &unset, sizeof unset);
    Free = static_cast<uint8_t>((1u << L) - 1);
    if (Markless) return false;
    Over = Overstart;
    const auto left = Left;
    Resuming = Resumable();
    if (Resuming)
        for (int u = 1; u < Foundtrial; ++u) {
            // The positions where guess u is the first to have the found arrangement's colour.
            unsigned set = 0;
            for (int p = 0; p < L; ++p) set |= (Colourat[u][p] == Foundplaced[p]) << p;
            Resume[u] = static_cast<uint8_t>(set & Firstable[u]);
        }
    const bool found = Placeblacks(1);
    Resuming = false;
    if (found) {
        Foundleft = left;
        Foundplaced = Placed;
        Foundtrial = r_.Trial;
        Foundblacks = r_.Blacks;
        Foundmarks = true;
    }
    return found;
}

bool Codebreaker::Resumable() const {
    // The guesses are the same while Foundtrial stands, and Foundmarks compares the marks
    // (Describeguesses); the counts are compared as two words.
    const Lanes differ = Left ^ Foundleft;
    return Foundmarks && (differ[0] | differ[1]) == 0;
}

// Sets position p to colour x; false when a trial with the same colour there gets more black
// marks than it had (it stays so, whatever follows). Only later trials can: p is where the
// level's guess is the first to have x.
[[gnu::always_inline]] inline bool Codebreaker::Fix(int p, int x) {
    Placed[p] = static_cast<int8_t>(x);
    Free = static_cast<uint8_t>(Free & ~(1u << p));
    Left -= Unit(x);
    const auto& add = Samelanes[p][x];
    constexpr uint64_t Top = 0x8080808080808080ull;
    const Lanes top = ((Over[0] += add[0]) | (Over[1] += add[1])) & Lanes{Top, Top};
    return !(top[0] | top[1]);
}

// Satisfies the black marks of trials `level` .. Trial-1, then fills the rest. Black-mark sets
// are tried in lexicographic order, so the first arrangement found is the same as that of a
// plain walk through every set; the tests below only skip sets that cannot be completed.
bool Codebreaker::Placeblacks(int level) {
    Resuming &= level < Foundtrial; // the levels after the found ones start from their first set
    if (level == r_.Trial) return Completable(level, true) && Fillfree();
    // The marks the trial still needs from the set positions.
    int lane;
    if constexpr (std::endian::native == std::endian::little)
        lane = reinterpret_cast<const uint8_t*>(Over.data())[level]; // lane u is byte u
    else
        lane = static_cast<int>(Over[level >> 4][level >> 3 & 1] >> (8 * (level & 7)) & 0xff);
    const int k = 0x7f - lane;
    if (k == 0) return Placeblacks(level + 1);
    // Where the level's guess has a colour still to place: its positions of every colour, kept
    // for the colours with copies left, eight colours to a word.
    constexpr uint64_t Top = 0x8080808080808080ull, Below = 0x7f7f7f7f7f7f7f7full;
    uint64_t holds[2];
    std::memcpy(holds, Holds[level].data(), sizeof holds);
    const uint64_t left[2] = {Left[0], Left[1]};
    uint64_t held = 0;
    for (int w = 0; w < 2; ++w) held |= holds[w] & (((left[w] + Below) & Top) >> 7) * 0xff;
    held |= held >> 32;
    held |= held >> 16;
    held |= held >> 8;
    return Chooseset(level, k, static_cast<uint8_t>(Free & Firstable[level] & held));
}

// Picks the remaining k positions of the set among `candidates`, smallest first.
bool Codebreaker::Chooseset(int level, int k, uint8_t candidates) {
    const auto over = Over;
    if (Resuming) {
        // The sets before the found one's were tried then: start at its next position, which
        // on the found path is a candidate (anything else starts afresh).
        const int from = std::countr_zero((Resume[level] & Free) | 0x100u);
        Resuming = (candidates >> from & 1) != 0;
        if (Resuming) candidates = static_cast<uint8_t>(candidates & 0xffu << from);
    }
    while (Count(candidates) >= k) {
        const int p = std::countr_zero(candidates);
        candidates = static_cast<uint8_t>(candidates & (candidates - 1));
        const int x = Colourat[level][p];
        if (Leftof(x) == 0) {
            Resuming = false;
            continue;
        }
        ++Steps;
        if (Fix(p, x) && (k > 1 ? Chooseset(level, k - 1, candidates)
                                : Completable(level + 1, false) && Placeblacks(level + 1)))
            return true;
        Resuming = false; // past the found sets, every set counts
        Placed[p] = Unset;
        Free = static_cast<uint8_t>(Free | 1u << p);
        Left += Unit(x);
        Over = over;
    }
    return false;
}

// Whether the unplaced colours can still stand in the free positions, each where no guess
// before `level` has it: a later trial can only fix a colour where it is the first guess to hold
// it, and the final filling avoids every earlier colour. Hall's condition on each colour; with
// `exact` also on all of them together and on every set of colours, which decides it (the
// placeholders fit anywhere). Between the levels the test on each colour alone prunes nearly as
// many sets as the whole one and costs half as much.
bool Codebreaker::Completable(int level, bool exact) const {
    // Per colour, eight to a word: the room is where the level's earlier guesses lack it; a byte
    // of Left above its room's count clears that byte's top bit of (count | 0x80) - Left. Colours
    // without copies left (and places 10..15, never held, Left 0) pass and add no room.
    constexpr uint64_t Ones = 0x0101010101010101ull;
    const Lanes top = Broadcast(0x80), below = Broadcast(0x7f);
    const Lanes left = Left;
    Lanes before;
    std::memcpy(&before, Before[level].data(), sizeof before);
    const Lanes room = Broadcast(Free) & ~before;
    const Lanes shortof = ~((Bytecounts(room) | top) - left) & top;
    if (!exact) return !(shortof[0] | shortof[1]);
    const Lanes present = (left + below) & top;
    const Lanes used = room & ((present - (present >> 7)) | present);
    uint64_t all = used[0] | used[1];
    all |= all >> 32;
    all |= all >> 16;
    all |= all >> 8;
    const int total = static_cast<int>((left[0] + left[1]) * Ones >> 56);
    if ((shortof[0] | shortof[1]) || Count(static_cast<unsigned>(all)) < total) return false;
    return !exact || Hallcondition(level);
}

// Hall's condition on every set of the colours left: rare enough (once an arrangement) to gather
// the rooms again.
bool Codebreaker::Hallcondition(int level) const {
    const auto& before = Before[level];
    uint8_t mask[10];
    int count[10], n = 0;
    // The colours with copies left, as bits: the top bit of each byte of Left + 0x7f, gathered.
    const uint64_t left[2] = {Left[0], Left[1]};
    unsigned present = 0;
    for (int w = 0; w < 2; ++w) {
        const uint64_t tops = (left[w] + 0x7f7f7f7f7f7f7f7full) & 0x8080808080808080ull;
        present |= static_cast<unsigned>((tops >> 7) * 0x0102040810204080ull >> 56) << (8 * w);
    }
    for (present &= 0x3ff; present; present &= present - 1) {
        const int x = std::countr_zero(present);
        mask[n] = static_cast<uint8_t>(Free & ~before[x]);
        count[n++] = Leftof(x);
    }
    if (n <= 2) return true;
    uint8_t unionof[1 << 10];
    int sum[1 << 10];
    unionof[0] = 0;
    sum[0] = 0;
    for (int set = 1; set < (1 << n); ++set) {
        const int i = std::countr_zero(static_cast<unsigned>(set));
        const int rest = set & (set - 1);
        unionof[set] = static_cast<uint8_t>(unionof[rest] | mask[i]);
        sum[set] = sum[rest] + count[i];
        if (Count(unionof[set]) < sum[set]) return false;
    }
    return true;
}

// Fills the free positions, left to right, each with the first character of the pool that no
// earlier guess holds there and that has not yet been tried there; steps back when stuck. The pool
// is the multiset by index, a set bit of `taken` an index in use; a character is taken from its
// first free index and given back to its first taken one, so the scan order follows the pool
// exactly as a string of characters and "+" marks would.
bool Codebreaker::Fillfree() {
    const int L = s_.Codelength;
    const unsigned all = (1u << L) - 1;
    // Where each colour (10 for the placeholder) stands in the multiset; at each free position,
    // the indices whose colour an earlier guess holds there (the placeholder is none of them):
    // row j of a bit matrix is where an earlier guess has the colour of index j, its transpose
    // the indices per position.
    unsigned at[16] = {};
    std::array<uint8_t, 16> before{};
    std::memcpy(before.data(), Before[r_.Trial].data(), 10);
    uint64_t rows = 0;
    for (int j = 0; j < L; ++j) {
        at[Pool[j]] |= 1u << j;
        rows |= static_cast<uint64_t>(before[static_cast<size_t>(Pool[j])] & Free) << (8 * j);
    }
    const uint64_t seen = Transpose8(rows);
    unsigned taken = 0;
    for (unsigned set = all & ~Free; set; set &= set - 1) {
        const unsigned copies = at[Placed[std::countr_zero(set)]] & ~taken;
        taken |= copies & (0u - copies);
    }
    // The free positions in order, and per free position the indices of the colours tried there.
    int8_t spot[8];
    int n = 0;
    for (unsigned set = Free; set; set &= set - 1)
        spot[n++] = static_cast<int8_t>(std::countr_zero(set));
    unsigned tried[8] = {};
    int i = 0;
    while (i < n) {
        const int p = spot[i];
        int8_t& here = Placed[p];
        if (here != Unset) {
            const unsigned mine = at[here] & taken;
            taken &= ~(mine & (0u - mine));
            here = Unset;
        }
        const unsigned open =
            all & ~taken & ~tried[i] & ~static_cast<unsigned>(seen >> (8 * p) & 0xff);
        if (open) {
            const int j = std::countr_zero(open);
            Steps += static_cast<uint64_t>(j + 1); // pool entries looked at
            here = Pool[j];
            taken |= 1u << j;
            tried[i] |= at[here];
            ++i;
            continue;
        }
        Steps += static_cast<uint64_t>(L);
        tried[i] = 0;
        if (--i < 0) {
            for (int q = 0; q < n; ++q) Placed[spot[q]] = Unset;
            return false;
        }
    }
    // The digits of the colours and "#" for the placeholders, a word at a time.
    constexpr uint64_t Ones = 0x0101010101010101ull, Top = 0x8080808080808080ull;
    uint64_t placed;
    std::memcpy(&placed, Placed.data(), sizeof placed);
    const uint64_t other = placed ^ (Hole * Ones);                 // zero bytes: placeholders
    const uint64_t kept = (((other & ~Top) + ~Top) | other) & Top; // top bit: not a placeholder
    const uint64_t digits = placed + '0' * Ones, mask = (kept >> 7) * 0xff;
    const uint64_t text = (digits & mask) | ('#' * Ones & ~mask);
    Arrangement.resize(8);
    std::memcpy(Arrangement.begin(), &text, sizeof text);
    Arrangement.resize(L);
    return true;
}

// ---- The end of every search ----

bool Codebreaker::Offerguess(Outcome o) {
    const int trial = r_.Trial;
    const bool fresh = trial >= s_.Starttrial && r_.Claimtrial < trial;
    // The engine repeats a guess only when the answer it got for it cannot be true. With blanks
    // the repeat need not be of the last trial: the marks of a guess that holds every colour of
    // the code but a blank too few look the same as those of the code itself. The rows given
    // before a middle start are on the board too.
    if (o == Outcome::Guess && fresh)
        for (int u = 1; u < trial; ++u)
            if (r_.Guesses[u] == r_.Currentstring) {
                Nosolution = true;
                o = Outcome::Nosolution;
                break;
            }
    if (o == Outcome::Nosolution) {
        if (s_.Whoguess == Role::Youguess) {
            if (!r_.Errortrials.empty() && trial >= r_.Errortrial(0) && r_.Errorpending) {
                r_.Detecttrial = trial;
                host_->Errorcase();
            } else {
                host_->Reportbug("");
            }
        } else if (s_.Whoguess == Role::Computerguesses && host_->Playermarks()) {
            host_->Inconsistent();
        } else if (!r_.Errorpending) {
            --r_.Trial;
            host_->Reportbug("");
        } else {
            r_.Claimtrial = Maximum(s_.Starttrial - 1, trial - 1);
            host_->Inconsistent();
        }
        return false;
    }
    if (fresh)
        r_.Inputblanks = Countchar(r_.Currentstring, 'b');
    else
        r_.Currentstring = r_.Guesses[trial];
    if (!Validguess(r_.Currentstring, s_)) {
        host_->Reportbug(r_.Currentstring.str());
        return false;
    }
    if (s_.Whoguess == Role::Youguess) {
        ++r_.Checkmode;
        if (r_.Checkmode <= r_.Claimtrial + 1) return true;
        host_->Errorcase();
    } else if (s_.Whoguess == Role::Computerguesses && host_->Playermarks()) {
        if (trial < s_.Starttrial)
            host_->Startdelay(1);
        else
            host_->Getresult();
    } else {
        const int demo = host_->Demodelay();
        host_->Startdelay(demo > 0 && fresh ? demo : 1);
    }
    return false;
}

} // namespace tc
