#pragma once
// The computer codebreaker. It reasons about copies of colours: every guess uses some copies for
// the first time, and a depth-first search over the answered trials assigns to each trial how many
// of its first-time copies are in the code. The search state survives between guesses, so each
// new answer only repairs the assumption. In random order the guess is then arranged so that it
// reproduces every earlier black count.
#include "engine/codes.h"
#include "engine/gamerecord.h"
#include "engine/gamesetting.h"
#include <array>
#include <cstdint>
#include <cstring>

namespace tc {

// What the game does with the end of a search. The engine decides which; the game acts.
class Offerhost {
public:
    virtual ~Offerhost() = default;
    virtual void Errorcase() = 0;
    virtual void Inconsistent() = 0;
    virtual void Getresult() = 0;
    virtual void Reportbug(const std::string& guess) = 0;
    // Arms the step timer with this interval in milliseconds.
    virtual void Startdelay(int interval) = 0;
    // The player marks the computer's guesses ("Computer guesses", marking "No").
    virtual bool Playermarks() const = 0;
    // The step delay of the demo's speed bar, or 0 outside the demo.
    virtual int Demodelay() const = 0;
};

class Codebreaker {
public:
    Codebreaker(const Gamesetting& setting, Gamerecord& record) : s_(setting), r_(record) {}

    void Sethost(Offerhost* host) { host_ = host; }

    // Empties the search state: at the start of a game and before the replay of a correction.
    void Clear();
    // Records the first-time copies of the guess of trial `Trial` (held in `Currentstring`).
    void Recordnew();
    // Advances `Trial` and searches for its guess; ends in the host's hands through Offerguess.
    void Nextguess();

    // Search state, readable for saving games and for tests.
    std::array<Str, Trialslots> Newcolours{}, Newcounts{}, Choice{};
    std::array<int, 10> Used{}, Absent{};
    bool Nosolution = false;
    Str Skeleton;

    // Counts search steps (distributions tried, arrangement sets tested); a measure of work.
    uint64_t Steps = 0;

private:
    enum class Outcome { Guess, Nosolution };
    Outcome Searchcolours();
    bool Openlevel(int k);
    // Have[k] from Have[k - 1] and the choice of level k - 1.
    void Addchoice(int k);
    bool Nextchoice(bool pursue, Str& t, const Str& colours, const Str& counts);
    void Buildskeleton(int upto);
    // Brings the facts about the answered guesses up to date; once a search.
    void Describeguesses();
    void Findroom();
    void Spreadold();
    void Spreadfresh(int n);
    // Composes (and in random order arranges) the guess; false when no old-colour
    // distribution can be arranged, which gives the colour assumption up.
    bool Composeguess();
    bool Arrange(const Str& multiset);
    bool Placeblacks(int level);
    bool Chooseset(int level, int k, uint8_t candidates);
    bool Completable(int level, bool exact) const;
    [[gnu::noinline]] bool Hallcondition(int level) const;
    bool Fix(int p, int x);
    // Adds (or with -1 takes away) guess u's colours to Samelanes.
    void Laneguess(int u, const Str& g, int sign);
    bool Fillfree();
    bool Openclosed(char c) const { return Absent[c - '0'] > 0; }
    // Offers the search result to the game; true when a replay goes on with the next trial.
    bool Offerguess(Outcome o);

    const Gamesetting& s_;
    Gamerecord& r_;
    Offerhost* host_ = nullptr;

    int Level = 0;
    // Have[k]: the skeleton of levels 1..k-1 as counts of colours; Havesize[k] its length.
    // (Sixteen bytes a row, the last six 0, so that rows compare eight colours at a time.)
    std::array<std::array<int8_t, 16>, Trialslots> Have{};
    std::array<int8_t, Trialslots> Havesize{};
    bool Havekept = false; // Have[2..Level] are those of the choices: the last search found a guess
    bool Consistent = true;
    unsigned Skeletoncolours = 0; // the colours of the skeleton, as bits
    Str Oldcolours, Oldroom, Freshcolours, Freshroom;
    int Oldtotal = 0, Freshtotal = 0;
    Str Oldadd, Freshdist;

    // Arrangement state (random order). Positions are bits 0..L-1 of a mask; colours are 0..9 and
    // Hole, the placeholder of a fresh colour.
    static constexpr int8_t Hole = 10, Unset = -1;
    std::array<int8_t, 8> Pool{};   // the multiset being arranged, in its order
    std::array<int8_t, 8> Placed{}; // the colour set at each position, or Unset
    uint8_t Free = 0;               // positions not yet set for black marks
    // Sixteen lanes a vector; the compilers lower it to what the target has.
    using Lanes = uint64_t __attribute__((vector_size(16)));
    // Byte x: the copies of colour x of the multiset not yet placed for black marks. Changed a
    // vector at a time, never a byte, so that reading it whole waits for no partial store.
    Lanes Left{};
    static Lanes Unit(int x);
    int Leftof(int x) const {
        uint8_t n;
        std::memcpy(&n, reinterpret_cast<const unsigned char*>(&Left) + x, 1);
        return n;
    }
    // Byte u of Over is 0x7f less the black marks trial u may still get from the set positions, so
    // one mark too many sets its top bit; all trials are checked at once. Unanswered trials start
    // at 0, which eight positions cannot overflow.
    std::array<Lanes, 2> Over{};
    // Over before any position is set, from the marks of the answered trials; Markless when one
    // of them has fewer than no black marks (no arrangement then).
    std::array<Lanes, 2> Overstart{};
    bool Markless = false;
    // Byte b in every lane.
    static Lanes Broadcast(uint8_t b) {
        const uint64_t w = b * 0x0101010101010101ull;
        return Lanes{w, w};
    }
    // Facts about the answered guesses, kept while they stay the same: for guess u and colour
    // x, Holds[u][x] is where guess u has x; Before[u][x] is where an earlier guess has x
    // (an arrangement may not repeat those outside the positions chosen for black marks);
    // Firstable[u] is where guess u could be the first to put its colour; Colourcount[u][x] is how
    // many copies of x guess u has; byte u of Samelanes[p][x] is 1 when guess u has x at p,
    // what setting x at p adds to Over.
    int Prepared = 0; // guesses 1..Prepared-1 are described
    std::array<Str, Trialslots> Described{};
    std::array<std::array<uint8_t, 16>, Trialslots> Holds{};  // colours 10..15 never held
    std::array<std::array<uint8_t, 16>, Trialslots> Before{}; // colours 10..15 never held
    std::array<uint8_t, Trialslots> Firstable{};
    std::array<std::array<std::array<Lanes, 2>, 10>, 8> Samelanes{};
    std::array<std::array<int8_t, 8>, Trialslots> Colourat{}; // the colour of guess u at p, or -1
    std::array<std::array<int8_t, 16>, Trialslots> Colourcount{};
    Str Arrangement; // the arrangement found, with "#" for the fresh colours
    // The last arrangement found, the multiset's counts and the trials it was found against.
    // Every choice of black-mark sets before it failed those trials, and later trials only add
    // conditions: a later search of the same multiset may start at its sets (Resume[level],
    // while Resuming, for the levels below Foundtrial).
    Lanes Foundleft{};
    std::array<int8_t, 8> Foundplaced{};
    int Foundtrial = 0; // 0: none
    std::array<int, Trialslots> Foundblacks{};
    std::array<uint8_t, Trialslots> Resume{};
    bool Resuming = false;
    bool Foundmarks = false; // the trials before Foundtrial have the marks it was found against
    // Whether the search of the multiset counted in Left may start at the last one found.
    bool Resumable() const;
};

} // namespace tc
