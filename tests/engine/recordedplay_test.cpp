// The computer's guesses over a few thousand games, compared with those recorded from the engine
// before its search was made faster. The search has many equivalent ways of being written and
// only one order of trying things, which decides every guess shown; a rewrite that tries the same
// things in another order still wins its games but plays other guesses, and shows here. The codes
// and colour orders come from the seeded source, so the records hold for the standard library the
// project builds with (its real distribution draws the same numbers on every machine).
#include "engine/codes.h"
#include "play/autoplay.h"
#include "play/game.h"
#include "statistics/simulation.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace tc {
namespace {

using namespace testkit;

struct Playedgames {
    uint64_t fingerprint = 1469598103934665603ull; // FNV-1a over every guess of every game
    int games = 0, faults = 0, trials = 0;
};

// Plays `games` simulated games of the setting against random codes, each with a random colour
// order and, when `errors` is not empty, the hints of those trials falsified.
Playedgames Play(Gamesetting s, const std::string& errors, int starttrial, int games,
                 uint64_t seed) {
    s.Hinttype = errors.empty() ? Hintkind::Noerror : Hintkind::Errors;
    if (starttrial > 1) s.Starttype = Startkind::Middle;
    Seededrandom draws(seed);
    testkit::Plaingame plain(seed + 1);
    Game& g = plain.g;
    g.Setting = s;
    g.Rec.Runkind = Run::Simulate;
    g.Rec.Demomode = -1;
    g.Wait.Setkey(Waitkey::Demo);
    Playedgames out;
    auto add = [&](char c) { out.fingerprint = (out.fingerprint ^ uint8_t(c)) * 1099511628211ull; };
    for (int i = 0; i < games; ++i) {
        int blanks = 0;
        const Str code = Randomcode(s, draws, blanks);
        g.Plan.Colourorder = Shufflecolours(s, draws);
        if (!errors.empty()) g.Plan.Errortrials = errors;
        if (starttrial > 1) g.Plan.Starttrial = starttrial;
        if (!Simulategame(g, code)) ++out.faults;
        for (int t = 1; t <= g.Rec.Finaltrial && t < Trialslots; ++t) {
            for (char c : g.Rec.Guesses[t]) add(c);
            add(';');
        }
        add('|');
        ++out.games;
        out.trials += g.Rec.Finaltrial;
    }
    return out;
}

struct Recorded {
    const char* name;
    Gamesetting setting;
    const char* errors;
    int starttrial, games;
    int trials;           // the trials of all games together
    uint64_t fingerprint; // of all their guesses
};

TEST(Recordedplay, EveryGuessAsRecorded) {
    const Recorded cases[] = {
        {"10 colours, length 8, any repetition, random order", Makesetting(10, 8, Any, Random), "",
         1, 6000, 41157, 0xc3ae9eeb58c35ba0ull},
        {"the same with the hints of trials 2 and 5 falsified", Makesetting(10, 8, Any, Random),
         "25", 1, 2000, 14790, 0xf234c719932a8fcdull},
        {"9 colours, 3 - 7, at most 3 of a colour, random order",
         Makesetting(9, 7, 3, Random, true), "", 1, 4000, 29888, 0x1d5c830e64b404c6ull},
        {"8 colours, length 5, no repetition, random order, trial 2 falsified",
         Makesetting(8, 5, 1, Random), "2", 1, 3000, 17256, 0x815b9c3e39c60cf2ull},
        {"8 colours, length 5, any repetition, random order, from trial 3",
         Makesetting(8, 5, Any, Random), "", 3, 3000, 16960, 0x540f12e3ceeb2302ull},
        {"10 colours, length 8, any repetition, fixed order", Makesetting(10, 8, Any, Fixed), "", 1,
         3000, 18488, 0x42cec8955fff5af0ull},
        {"7 colours, 3 - 5, any repetition, fixed order", Makesetting(7, 5, Any, Fixed, true), "",
         1, 3000, 17586, 0x1d7b83774c11d05eull},
        {"6 colours, length 4, at most 2 of a colour, random order", Makesetting(6, 4, 2, Random),
         "", 1, 3000, 13314, 0xbe75f2e1bbe5f13eull},
    };
    uint64_t seed = 100;
    for (const Recorded& c : cases) {
        const Playedgames p = Play(c.setting, c.errors, c.starttrial, c.games, seed += 10);
        EXPECT_EQ(p.faults, 0) << c.name;
        EXPECT_EQ(p.trials, c.trials) << c.name;
        EXPECT_EQ(p.fingerprint, c.fingerprint) << c.name;
    }
}

} // namespace
} // namespace tc
