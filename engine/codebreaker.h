#pragma once
// The computer codebreaker. It reasons about copies of colours: every guess uses some copies for
// the first time, and a depth-first search over the answered trials assigns to each trial how many
// of its first-time copies are in the code. The search state survives between guesses, so each
// new answer only repairs the assumption. In random order the guess is then arranged so that it
// reproduces every earlier black count.
#include "engine/codes.h"
#include "play/gamerecord.h"
#include "settings/gamesetting.h"
#include <array>
#include <cstdint>

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
    std::array<int16_t, 10> Used{}, Absent{};
    bool Nosolution = false;
    Str Skeleton;

    // Counts search steps (distributions tried, arrangement sets tested); a measure of work.
    uint64_t Steps = 0;

private:
    enum class Outcome { Guess, Nosolution };
    Outcome Searchcolours();
    bool Openlevel(int k);
    bool Nextchoice(bool pursue, Str& t, const Str& colours, const Str& counts);
    void Buildskeleton(int upto);
    void Findroom();
    void Spreadold();
    void Spreadfresh(int n);
    // Composes (and in random order arranges) the guess; false when no old-colour
    // distribution can be arranged, which gives the colour assumption up.
    bool Composeguess();
    bool Arrange(const Str& multiset);
    bool Placeblacks();
    bool Fillfree();
    bool Fillable() const;
    bool Unplace();
    void Undo(int level);
    bool Openclosed(char c) const { return Absent[c - '0'] > 0; }
    // Offers the search result to the game; true when a replay goes on with the next trial.
    bool Offerguess(Outcome o);

    const Gamesetting& s_;
    Gamerecord& r_;
    Offerhost* host_ = nullptr;

    int Level = 0;
    bool Consistent = true;
    Str Oldcolours, Oldroom, Freshcolours, Freshroom;
    int Oldtotal = 0, Freshtotal = 0;
    Str Oldadd, Freshdist;

    // Arrangement state (random order).
    Str Multiset, Pool, Arrangement;
    std::array<int8_t, 10> Left{}; // colours of the multiset not yet placed for black marks
    std::array<bool, 9> Fixed{};
    std::array<Str, Trialslots> Blackset{};
    std::array<uint16_t, 9> Tried{}; // characters tried at a position, as bits
    // Seen[t][p]: the colours that guesses 1..t-1 hold at position p, as bits; an arrangement
    // may not repeat them outside the positions chosen for black marks.
    std::array<std::array<uint16_t, 8>, Trialslots> Seen{};
    int Alevel = 0;
    bool Failed = false;
};

} // namespace tc
