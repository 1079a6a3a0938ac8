#include "bench/benchgames.h"
#include "engine/codes.h"
#include "play/autoplay.h"
#include "statistics/simulation.h"
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <ctime>
#include <numeric>
#include <thread>

namespace tcbench {

using Clock = std::chrono::steady_clock;

Gamesetting Makesetting(int colours, int length, int maxrepeat, bool fixedorder, bool errors) {
    Gamesetting s;
    s.Whoguess = Role::Watch;
    s.Ncolours = colours;
    s.Codelength = length;
    s.Fixedlength = 1;
    s.Maxblanks = 0;
    s.Maxrepeat = maxrepeat;
    s.Ordertype = fixedorder ? Orderkind::Fixed : Orderkind::Random;
    s.Starttype = Startkind::Trialone;
    s.Starttrial = 1;
    s.Hinttype = errors ? Hintkind::Errors : Hintkind::Noerror;
    return s;
}

std::vector<Str> Allcodes(const Gamesetting& s) {
    std::vector<Str> codes;
    tc::Odometer odometer(s);
    do codes.push_back(odometer.Code());
    while (odometer.Next());
    return codes;
}

std::vector<Str> Spreadcodes(const Gamesetting& s, size_t n) {
    const std::vector<Str> all = Allcodes(s);
    if (n >= all.size()) return all;
    std::vector<Str> sample;
    sample.reserve(n);
    for (size_t i = 0; i < n; ++i) sample.push_back(all[i * all.size() / n]);
    return sample;
}

std::vector<Str> Indexcodes(const Gamesetting& s, size_t n) {
    int64_t total = 1;
    for (int p = 0; p < s.Codelength; ++p) total *= s.Ncolours;
    int64_t stride = std::max<int64_t>(1, total / static_cast<int64_t>(n));
    while (stride > 1 && std::gcd(stride, int64_t{10}) != 1) --stride;
    std::vector<Str> codes;
    codes.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        int64_t index = static_cast<int64_t>(i) * stride % total;
        Str code(s.Codelength, '0');
        for (int p = s.Codelength - 1; p >= 0; --p) {
            code[p] = static_cast<char>('0' + index % s.Ncolours);
            index /= s.Ncolours;
        }
        codes.push_back(code);
    }
    return codes;
}

Simgame::Simgame(const Gamesetting& s, uint64_t seed)
    : rnd(seed), game(std::make_unique<tc::Game>(rnd, records, clock)) {
    // The same preparation as the command line's simulation.
    tc::Preparerun(*game, s, Run::Simulate);
}

namespace {

bool Ended(const tc::Game& g) {
    return g.Rec.Status == Gamestatus::Win || g.Rec.Status == Gamestatus::Nextdemo;
}

// Plays one game to its end as the self-play host does, timing each timer tick and button press
// individually. A call that ends the game (the win) did not search and is not reported; every
// other call asked the engine for a guess, or for the replay of a trial after a correction.
// `onstep`(index, nanos, worksteps, trial) gets each search step. True for a counted win.
template <class F>
bool Playtimed(tc::Game& g, const Str& code, const std::string& errors, const Str& colourorder,
               F&& onstep) {
    g.Rec.Answer = code;
    g.Rec.Answerblanks = tc::Countchar(code, 'b');
    if (!errors.empty()) g.Plan.Errortrials = errors;
    if (!colourorder.empty()) g.Plan.Colourorder = colourorder;
    g.Gamestarter.Initialize();
    g.Gamestarter.Startgame();
    int index = 0;
    auto timed = [&](auto&& call) {
        const uint64_t work = g.Engine.Steps;
        const int trial = g.Rec.Trial;
        const auto t0 = Clock::now();
        call();
        const auto t1 = Clock::now();
        if (Ended(g)) return;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t1 - t0).count();
        onstep(index++, static_cast<uint32_t>(ns), static_cast<uint32_t>(g.Engine.Steps - work),
               trial);
    };
    timed([&] { g.Computerplay.Getguess(); });
    for (;;) {
        if (g.Message.Visible) {
            if (g.Message.Key != tc::Waitkey::Continueplaying) break;
            timed([&] { g.Messagebutton(tc::Boxbutton::Cmdmid); });
        } else if (g.Tmrbuffer.Enabled) {
            timed([&] { g.Gameending.Tmrbuffer_Timer(); });
        } else if (g.Tmrdelay.Enabled && g.Rec.Status != Gamestatus::Nextdemo) {
            timed([&] { g.Steptimer.Tmrdelay_Timer(); });
        } else {
            break;
        }
    }
    return g.Rec.Status == Gamestatus::Nextdemo;
}

// Keeps the `Keep` greatest steps by `key`.
template <class Key> void Keeptop(std::vector<Stepref>& top, const Stepref& s, Key key) {
    constexpr size_t Keep = 16;
    if (top.size() < Keep) {
        top.push_back(s);
        return;
    }
    auto least = std::min_element(top.begin(), top.end(), [&](const Stepref& a, const Stepref& b) {
        return key(a) < key(b);
    });
    if (key(s) > key(*least)) *least = s;
}

// The quickest of `reps` replays of one step: what the step costs without interruptions.
uint32_t Retime(tc::Game& g, const Benchcase& c, const Stepref& s, int reps) {
    uint32_t best = UINT32_MAX;
    for (int r = 0; r < reps; ++r)
        Playtimed(g, s.code, c.errors, s.colourorder, [&](int index, uint32_t ns, uint32_t, int) {
            if (index == s.index) best = std::min(best, ns);
        });
    return best;
}

} // namespace

Timingresult Timesteps(const Benchcase& c, int rounds, uint64_t seed) {
    Simgame sim(c.setting, seed);
    tc::Game& g = *sim.game;
    Timingresult out;
    out.nanos.reserve(c.codes.size() * static_cast<size_t>(rounds) * 8);
    std::vector<Stepref> slowest, heaviest;
    for (int r = 0; r < rounds; ++r)
        for (const Str& code : c.codes) {
            // The colour order comes from the seeded source; remember it for the replays.
            const bool won = Playtimed(
                g, code, c.errors, Str(), [&](int index, uint32_t ns, uint32_t work, int trial) {
                    out.nanos.push_back(ns);
                    const Stepref s{ns, work, code, Str(), index, trial};
                    Keeptop(slowest, s, [](const Stepref& x) { return x.nanos; });
                    Keeptop(heaviest, s, [](const Stepref& x) { return x.worksteps; });
                });
            for (auto* top : {&slowest, &heaviest})
                for (Stepref& s : *top)
                    if (s.colourorder.empty()) s.colourorder = g.Rec.Colourorder;
            ++out.games;
            if (!won) ++out.faults;
        }
    for (const Stepref& s : slowest) out.rawmax = std::max(out.rawmax, s.nanos);
    // Re-time the slowest steps (interruptions by the system among them) and the steps with the
    // most engine work; the greatest re-timed figure is the step's own cost.
    for (auto* top : {&slowest, &heaviest})
        for (Stepref s : *top) {
            s.nanos = Retime(g, c, s, 5);
            if (s.nanos >= out.worst.nanos) out.worst = s;
        }
    return out;
}

Runresult Simulate(const Benchcase& c, int threads, int passes, const Str& colourorder,
                   uint64_t seed) {
    // Each thread's counters on their own cache line.
    struct alignas(64) Slot {
        Runresult r;
    };
    std::vector<Slot> part(static_cast<size_t>(threads));
    auto worker = [&](int w) {
        Simgame sim(c.setting, seed + static_cast<uint64_t>(w) * 7919);
        tc::Game& g = *sim.game;
        tc::Simulationtotals totals;
        Runresult& mine = part[static_cast<size_t>(w)].r;
        auto play = [&](const Str& code) {
            if (!colourorder.empty()) g.Plan.Colourorder = colourorder;
            if (!c.errors.empty()) g.Plan.Errortrials = c.errors;
            const bool won = tc::Simulategame(g, code);
            totals.Count(g.Rec.Attempts, g.Rec.Finaltrial);
            ++mine.games;
            if (won)
                mine.attempts += g.Rec.Attempts;
            else
                ++mine.faults;
        };
        timespec cpu0{}, cpu1{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
        for (int pass = 0; pass < passes; ++pass) {
            if (c.sampled) {
                for (size_t i = 0; i < c.codes.size(); ++i)
                    if (static_cast<int>(i % static_cast<size_t>(threads)) == w) play(c.codes[i]);
                continue;
            }
            // Every thread walks the whole odometer and plays its share, as the command line does.
            tc::Odometer odometer(c.setting);
            for (int64_t i = 0;; ++i) {
                if (i % threads == w) play(odometer.Code());
                if (!odometer.Next()) break;
            }
        }
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
        mine.cpuseconds = static_cast<double>(cpu1.tv_sec - cpu0.tv_sec) +
                          static_cast<double>(cpu1.tv_nsec - cpu0.tv_nsec) * 1e-9;
    };
    const auto start = Clock::now();
    std::vector<std::thread> pool;
    for (int w = 0; w < threads; ++w) pool.emplace_back(worker, w);
    for (auto& t : pool) t.join();
    Runresult all;
    all.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const Slot& slot : part) {
        const Runresult& r = slot.r;
        all.games += r.games;
        all.faults += r.faults;
        all.attempts += r.attempts;
        all.cpuseconds += r.cpuseconds;
    }
    return all;
}

double Odometerseconds(const Gamesetting& s, const Str& start, int64_t n) {
    tc::Odometer odometer(s, start);
    const auto t0 = Clock::now();
    int64_t i = 0;
    while (i < n && odometer.Next()) ++i;
    const double secs = std::chrono::duration<double>(Clock::now() - t0).count();
    return i > 0 ? secs / static_cast<double>(i) : 0.0;
}

} // namespace tcbench
