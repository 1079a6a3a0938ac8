#include "engine/codebreaker.h"
#include <algorithm>

namespace tc {

namespace {

char Digit(int v) {
    return static_cast<char>('0' + v);
}
int Val(char c) {
    return c - '0';
}

// Next set of the same size in lexicographic order; false after the last set.
// With `from` below the last index, skips every set that shares the positions up to `from`.
bool Nextpositions(Str& set, int L, int from = -1) {
    const int k = set.size();
    for (int j = from < 0 ? k - 1 : from; j >= 0; --j) {
        if (Val(set[j]) < L - k + j + 1) {
            const int v = Val(set[j]) + 1;
            for (int i = j; i < k; ++i) set[i] = Digit(v + i - j);
            return true;
        }
    }
    return false;
}

bool Lastset(const Str& set, int L) {
    const int k = set.size();
    for (int j = 0; j < k; ++j)
        if (Val(set[j]) != L - k + j + 1) return false;
    return true;
}

// One bit per colour digit and one for the placeholder "#"; a blank has none, so it never
// forbids anything.
uint16_t Bit(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint16_t>(1u << (c - '0'));
    return c == '#' ? static_cast<uint16_t>(1u << 10) : 0;
}

} // namespace

void Codebreaker::Clear() {
    for (int t = 0; t < Trialslots; ++t) {
        Newcolours[t].clear();
        Newcounts[t].clear();
        Choice[t].clear();
        Blackset[t].clear();
    }
    Used.fill(0);
    Absent.fill(0);
    Nosolution = false;
    Skeleton.clear();
    Level = 0;
    Consistent = true;
}

void Codebreaker::Recordnew() {
    const int t = r_.Trial;
    Str g = r_.Currentstring;
    Sortstring(g); // already sorted in fixed order
    if (const int b = g.find('b'); b >= 0) g.resize(b);
    Newcolours[t].clear();
    Newcounts[t].clear();
    for (int i = 0; i < g.size();) {
        const char c = g[i];
        int run = 0;
        while (i < g.size() && g[i] == c) ++i, ++run;
        int16_t& used = Used[Val(c)];
        if (run > used) {
            Newcolours[t].push_back(c);
            Newcounts[t].push_back(Digit(run - used));
            used = static_cast<int16_t>(run);
        }
    }
}

void Codebreaker::Nextguess() {
    for (;;) {
        Nosolution = false;
        Level = r_.Trial;
        ++r_.Trial;
        Consistent = true;
        if (Level >= 1) Openlevel(Level);
        if (!Offerguess(Searchcolours())) return;
        Recordnew(); // the replay goes on with the next known trial
    }
}

void Codebreaker::Buildskeleton(int upto) {
    Skeleton.clear();
    for (int u = 1; u <= upto; ++u) Skeleton += Expand(Choice[u], Newcolours[u]);
}

bool Codebreaker::Openlevel(int k) {
    ++Steps;
    Choice[k].clear();
    Buildskeleton(k - 1);
    const int common = Countcommon(Skeleton, r_.Guesses[k]);
    const Str& colours = Newcolours[k];
    const Str& counts = Newcounts[k];
    int avail = 0;
    for (int i = 0; i < colours.size(); ++i)
        if (!Openclosed(colours[i])) avail += Val(counts[i]);
    const int need = r_.Corrects[k] - common;
    if (need < 0 || need > avail || Skeleton.size() + need > s_.Codelength) {
        Consistent = false;
        return false;
    }
    int taken = 0;
    for (int i = 0; i < colours.size(); ++i) {
        const int c = Val(colours[i]), n = Val(counts[i]);
        if (need > 0 && Absent[c] == 0) {
            const int x = Minimum(n, need - taken);
            taken += x;
            Choice[k].push_back(Digit(x));
            Absent[c] = static_cast<int16_t>(n - x);
        } else {
            Choice[k].push_back('0');
            Absent[c] = static_cast<int16_t>(Absent[c] + n);
        }
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
        if (Skeleton.contains(c)) {
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
    for (int i = 0; given < need && idle < count; i = (i + 1) % count) {
        const int rem = need - given;
        const int room = Val(Freshroom[i]) - Val(Freshdist[i]);
        const int g = Minimum(Minimum(Maximum(static_cast<int>(rem / 2.0 + 0.5), 1), room), rem);
        Freshdist[i] = Digit(Val(Freshdist[i]) + g);
        given += g;
        idle = g > 0 ? 0 : idle + 1; // every colour full: the room check prevents this
    }
}

bool Codebreaker::Composeguess() {
    for (;;) {
        const Str old = Skeleton + Expand(Oldadd, Oldcolours);
        if (s_.Fixedorder()) {
            Spreadfresh(old.size());
            Str guess = old + Expand(Freshdist, Freshcolours);
            Sortstring(guess);
            r_.Currentstring = guess;
            return true;
        }
        const int h = Countchar(old, '#');
        if (h <= Freshtotal) {
            Spreadfresh(old.size() - h);
            if (Arrange(old)) {
                const Str fresh = Expand(Freshdist, Freshcolours);
                int next = 0;
                for (char& c : Arrangement)
                    if (c == '#') c = fresh[next++];
                r_.Currentstring = Arrangement;
                return true;
            }
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
                    Absent[Val(colours[i])] =
                        static_cast<int16_t>(Absent[Val(colours[i])] + choice[i] - next[i]);
                choice = next;
                break;
            }
            for (int i = 0; i < choice.size(); ++i)
                Absent[Val(colours[i])] = static_cast<int16_t>(Absent[Val(colours[i])] -
                                                               (Val(counts[i]) - Val(choice[i])));
            choice.clear();
        }
        // Advance through the later levels.
        Consistent = true;
        while (Consistent && Level < trial - 1) Openlevel(++Level);
    }
}

// ---- Arranging a guess in random order ----

bool Codebreaker::Arrange(const Str& multiset) {
    const int trial = r_.Trial;
    for (int t = 2; t <= trial; ++t)
        for (int p = 0; p < s_.Codelength; ++p)
            Seen[t][p] = static_cast<uint16_t>(Seen[t - 1][p] | Bit(r_.Guesses[t - 1][p]));
    Multiset = multiset;
    Left.fill(0);
    for (char c : multiset)
        if (c != '#') ++Left[Val(c)];
    Arrangement = Str(s_.Codelength, '*');
    Fixed.fill(false);
    Alevel = 1;
    Failed = false;
    return Placeblacks();
}

void Codebreaker::Undo(int level) {
    for (char pc : Blackset[level]) {
        const int p = Val(pc) - 1;
        ++Left[Val(Arrangement[p])];
        Arrangement[p] = '*';
        Fixed[p + 1] = false;
    }
}

bool Codebreaker::Unplace() {
    for (;;) {
        if (--Alevel <= 0) {
            Failed = true;
            return false;
        }
        Str& set = Blackset[Alevel];
        if (set.empty()) continue;
        Undo(Alevel);
        if (!Lastset(set, s_.Codelength)) return true; // the caller steps it to its next set
        set.clear();
    }
}

bool Codebreaker::Placeblacks() {
    const int L = s_.Codelength;
    const int trial = r_.Trial;
    bool going = true, choosing = false;
    int k = 0;
    for (;;) {
        if (Alevel == trial) {
            if (Fillfree()) return true;
            for (int p = 0; p < L; ++p)
                if (!Fixed[p + 1]) Arrangement[p] = '*';
            if (!Unplace()) return false;
            going = false;
            choosing = true;
        } else if (going) {
            const Str& g = r_.Guesses[Alevel];
            Blackset[Alevel].clear();
            int common = 0;
            for (int p = 0; p < L; ++p) common += Arrangement[p] == g[p];
            const int blacks = r_.Blacks[Alevel];
            if (common == blacks) {
                ++Alevel;
                continue;
            }
            if (common > blacks) {
                if (!Unplace()) return false;
            } else {
                k = blacks - common;
            }
            choosing = true;
        } else {
            going = true;
        }
        while (choosing) {
            Str& set = Blackset[Alevel];
            const Str& g = r_.Guesses[Alevel];
            bool have = true;
            if (set.empty())
                for (int i = 1; i <= k; ++i) set.push_back(Digit(i));
            else
                have = Nextpositions(set, L);
            while (have) {
                ++Steps;
                std::array<int8_t, 10> scratch = Left;
                int failed = -1;
                for (int i = 0; i < set.size() && failed < 0; ++i) {
                    const int p = Val(set[i]) - 1;
                    const char x = g[p];
                    if (x != 'b' && Arrangement[p] == '*' && scratch[Val(x)] > 0 &&
                        !(Seen[Alevel][p] & Bit(x)))
                        --scratch[Val(x)];
                    else
                        failed = i;
                }
                if (failed < 0) break;
                // The test of a position depends only on the positions before it, so every set
                // with the same beginning fails too.
                have = Nextpositions(set, L, failed);
            }
            if (have) {
                for (char pc : set) {
                    const int p = Val(pc) - 1;
                    Arrangement[p] = g[p];
                    Fixed[p + 1] = true;
                    --Left[Val(g[p])];
                }
                choosing = false;
                ++Alevel;
            } else {
                set.clear();
                if (!Unplace()) return false;
            }
        }
    }
}

bool Codebreaker::Fillable() const {
    // A perfect matching of free positions to unplaced pool characters, by augmenting paths.
    const int L = s_.Codelength;
    const auto& seen = Seen[r_.Trial];
    int slotof[8], posof[8];
    std::fill(slotof, slotof + 8, -1);
    std::fill(posof, posof + 8, -1);
    auto usable = [&](int p, int j) { return Pool[j] != '+' && !(seen[p] & Bit(Pool[j])); };
    for (int p = 0; p < L; ++p) {
        if (Fixed[p + 1]) continue;
        bool visited[8] = {};
        // Iterative search of an augmenting path from position p.
        int stack[9], top = 0, via[8];
        stack[top++] = p;
        int found = -1;
        while (top > 0 && found < 0) {
            const int q = stack[--top];
            for (int j = 0; j < L && found < 0; ++j) {
                if (visited[j] || !usable(q, j)) continue;
                visited[j] = true;
                via[j] = q;
                if (posof[j] < 0)
                    found = j;
                else
                    stack[top++] = posof[j];
            }
        }
        if (found < 0) return false;
        for (int j = found;;) {
            const int q = via[j];
            const int previous = slotof[q];
            slotof[q] = j;
            posof[j] = q;
            if (q == p) break;
            j = previous;
        }
    }
    return true;
}

bool Codebreaker::Fillfree() {
    const int L = s_.Codelength;
    const int trial = r_.Trial;
    Pool = Multiset;
    for (int p = 0; p < L; ++p)
        if (Arrangement[p] != '*')
            for (int j = 0; j < L; ++j)
                if (Pool[j] == Arrangement[p]) {
                    Pool[j] = '+';
                    break;
                }
    Tried.fill(0);
    if (!Fillable()) return false; // the search below would end the same way, only slower
    int p = 1;
    while (p <= L) {
        if (Fixed[p]) {
            ++p;
            continue;
        }
        char& here = Arrangement[p - 1];
        if (here != '*') {
            for (int j = 0; j < L; ++j)
                if (Pool[j] == '+' && Multiset[j] == here) {
                    Pool[j] = here;
                    break;
                }
            here = '*';
        }
        bool placed = false;
        for (int j = 0; j < L && !placed; ++j) {
            ++Steps;
            const char x = Pool[j];
            if (x == '+' || (Tried[p] & Bit(x)) || (Seen[trial][p - 1] & Bit(x))) continue;
            here = x;
            Pool[j] = '+';
            Tried[p] = static_cast<uint16_t>(Tried[p] | Bit(x));
            placed = true;
        }
        if (placed) {
            ++p;
            continue;
        }
        Tried[p] = 0;
        do {
            --p;
            if (p >= 1 && Fixed[p]) Tried[p] = 0;
        } while (p >= 1 && Fixed[p]);
        if (p < 1) return false;
    }
    return true;
}

// ---- The end of every search ----

bool Codebreaker::Offerguess(Outcome o) {
    const int trial = r_.Trial;
    const bool fresh = trial >= s_.Starttrial && r_.Claimtrial < trial;
    // The engine repeats a guess only when the answer it got for it cannot be true. With blanks
    // the repeat need not be of the last trial: the marks of a guess that holds every colour of
    // the code but a blank too few look the same as those of the code itself.
    if (o == Outcome::Guess && fresh)
        for (int u = Maximum(1, static_cast<int>(s_.Starttrial)); u < trial; ++u)
            if (r_.Guesses[u] == r_.Currentstring) {
                Nosolution = true;
                o = Outcome::Nosolution;
                break;
            }
    if (o == Outcome::Nosolution) {
        if (s_.Whoguess == 1) {
            if (!r_.Errortrials.empty() && trial >= r_.Errortrial(0) && r_.Errorpending) {
                r_.Detecttrial = static_cast<int16_t>(trial);
                host_->Errorcase();
            } else {
                host_->Reportbug("");
            }
        } else if (s_.Whoguess == 2 && host_->Playermarks()) {
            host_->Inconsistent();
        } else if (!r_.Errorpending) {
            --r_.Trial;
            host_->Reportbug("");
        } else {
            r_.Claimtrial = static_cast<int16_t>(Maximum(s_.Starttrial - 1, trial - 1));
            host_->Inconsistent();
        }
        return false;
    }
    if (fresh)
        r_.Inputblanks = static_cast<int16_t>(Countchar(r_.Currentstring, 'b'));
    else
        r_.Currentstring = r_.Guesses[trial];
    if (!Validcode(r_.Currentstring, s_)) {
        host_->Reportbug(r_.Currentstring.str());
        return false;
    }
    if (s_.Whoguess == 1) {
        ++r_.Checkmode;
        if (r_.Checkmode <= r_.Claimtrial + 1) return true;
        host_->Errorcase();
    } else if (s_.Whoguess == 2 && host_->Playermarks()) {
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
