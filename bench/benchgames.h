#pragma once
// The pieces the engine benchmark is built from: the measured settings, their code lists, a game
// set up the way the exhaustive simulation sets it up, a timed version of the self-play loop and
// the threaded simulation run.
#include "play/game.h"
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tcbench {

using tc::Gamesetting;
using tc::Gamestatus;
using tc::Hintkind;
using tc::Orderkind;
using tc::Role;
using tc::Run;
using tc::Startkind;
using tc::Str;

// "Watch computer play" from trial 1 with a fixed length.
Gamesetting Makesetting(int colours, int length, int maxrepeat, bool fixedorder, bool errors);

// Every valid code of the setting in odometer order.
std::vector<Str> Allcodes(const Gamesetting& s);
// `n` codes spread evenly through the odometer order (every k-th valid code).
std::vector<Str> Spreadcodes(const Gamesetting& s, size_t n);
// `n` codes of a setting with any repetition in random order, read as the base-10 digits of
// indices stepped through 0 .. Ncolours^L - 1; the stride is kept coprime to 10 so that the
// low positions vary too.
std::vector<Str> Indexcodes(const Gamesetting& s, size_t n);

// One measured setting. Codes are either walked with the odometer by each thread, as the
// command line's simulation does, or taken from a fixed sample.
struct Benchcase {
    std::string name;
    Gamesetting setting;
    std::string errors; // planned falsified trials, "" for none
    bool sampled = false;
    std::vector<Str> codes; // every code, or the sample
};

// A game prepared as the exhaustive simulation prepares it, with its own seeded chance.
struct Simgame {
    Simgame(const Gamesetting& s, uint64_t seed);
    tc::Seededrandom rnd;
    tc::Norecords records;
    tc::Systemclock clock;
    std::unique_ptr<tc::Game> game;
};

// One search step, from the answered trials to the next guess being offered (or the
// inconsistency being reported), where to find it again, and the engine's own count of work.
struct Stepref {
    uint32_t nanos = 0;
    uint32_t worksteps = 0;
    Str code, colourorder;
    int index = 0; // the step's place in its game, from 0
    int trial = 0; // the trial counter before the step
};

struct Timingresult {
    int64_t games = 0;
    int64_t faults = 0; // games that did not end in a counted win
    std::vector<uint32_t> nanos;
    uint32_t rawmax = 0; // the slowest step as measured, interruptions included
    Stepref worst;       // the slowest step when re-timed in isolation
};

// Plays the case's codes `rounds` times, each game with a colour order drawn from a seeded
// source, timing every search step individually. The slowest steps and those with the most
// engine work are then replayed a few times each and re-timed at their quickest.
Timingresult Timesteps(const Benchcase& c, int rounds, uint64_t seed);

struct Runresult {
    int64_t games = 0;
    int64_t faults = 0;
    int64_t attempts = 0;
    double seconds = 0;    // wall time
    double cpuseconds = 0; // summed over the threads; below threads x seconds when others ran
};

// The exhaustive simulation of the case (or of its sample) on `threads` threads, each with its own
// game, codes interleaved by index; repeated `passes` times. `colourorder` fixes the computer's
// colour order; empty draws one per game from a seeded source.
Runresult Simulate(const Benchcase& c, int threads, int passes, const Str& colourorder,
                   uint64_t seed);

// Seconds per step of the simulation's odometer, measured over `n` consecutive codes from `start`.
double Odometerseconds(const Gamesetting& s, const Str& start, int64_t n);

} // namespace tcbench
