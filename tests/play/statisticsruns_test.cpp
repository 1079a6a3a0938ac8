// The statistics runs inside the program, in virtual time: the list of every setting's figures,
// the ten-game sweep over all settings and the exhaustive simulation of one setting.
#include "play/game.h"
#include "records/winners.h"
#include "records/winnersbook.h"
#include "settings/settingtexts.h"
#include "statistics/simulation.h"
#include "system/timerhost.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"
#include "tests/tools/clirun.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <numeric>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tc {
namespace {

using testkit::Tempfolder;

// What each won game of a run looked like when it ended.
struct Wonlog : Gameobserver {
    explicit Wonlog(const Game& g) : game(g) {}
    void Won() override {
        answers.push_back(game.Rec.Answer.str());
        attempts.push_back(game.Rec.Attempts);
        trials.push_back(game.Rec.Trial);
        settings.push_back(game.Setting);
    }
    void Bug(const std::string& guess) override { bugs.push_back(guess); }
    const Game& game;
    std::vector<std::string> answers;
    std::vector<int> attempts, trials;
    std::vector<Gamesetting> settings;
    std::vector<std::string> bugs;
};

// A loaded main window on a virtual clock; with a folder, the records keeper works on the
// Winners files there.
struct Rig : testkit::Virtualgame {
    explicit Rig(const std::filesystem::path* folder = nullptr) : Virtualgame(folder) {
        g.Main.Visible = true; // as the title leaves it
        g.Observer = &log;
    }
    // Picks texts in the setting menu's lists, in the order given.
    void Choose(std::initializer_list<std::pair<Combolist Settinglists::*, const char*>> picks) {
        for (const auto& [list, text] : picks)
            ASSERT_TRUE(g.Main.Lists.Choose(g.Main.Lists.*list, text)) << text;
    }
    // Lets virtual time run until the run is over and its message, if any, has shown.
    void Finish(int64_t step = 10, int64_t limit = 100'000'000) {
        for (int64_t t = 0; t < limit && g.Rec.Runkind != Run::None; t += step) {
            clock.advance(step);
        }
        ASSERT_TRUE(g.Rec.Runkind == Run::None) << "the run did not end";
    }

    Wonlog log{g};
};

using L = Settinglists;

// Opens the setting menu, chooses a "Watch computer play" setting and starts the simulation.
void Startsimulation(Rig& r, const char* colours, const char* length, const char* order,
                     const char* repeat, int speed = 0) {
    r.g.Menus.Mnuset_Click();
    r.Choose({{&L::Cbwho, "Watch computer play"},
              {&L::Cbcolour, colours},
              {&L::Cblength, length},
              {&L::Cborder, order},
              {&L::Cbrepeat, repeat}});
    r.g.Demorun.Hsbspeed_Change(speed);
    r.g.Statisticsruns.Cmdsimulate_Click();
    r.clock.Sync();
}

struct Message {
    long long total = -1, population = -1;
    std::string average;
    int maxattempts = -1, maxtrials = -1;
};

Message Parse(const std::string& text) {
    static const std::regex form("Average number of attempts: (\\d+) / (\\d+) = ([0-9.e+-]+)\n"
                                 "Maximum number of attempts: (\\d+)\n"
                                 "Maximum number of trials: (\\d+)");
    std::smatch m;
    Message out;
    if (!std::regex_match(text, m, form)) {
        ADD_FAILURE() << "the message reads:\n" << text;
        return out;
    }
    out.total = std::stoll(m[1]);
    out.population = std::stoll(m[2]);
    out.average = m[3];
    out.maxattempts = std::stoi(m[4]);
    out.maxtrials = std::stoi(m[5]);
    return out;
}

// The quotient as the message writes it: up to 15 significant digits, no trailing zeros.
std::string Quotient(long long total, long long population) {
    std::ostringstream s;
    s.precision(15);
    s << static_cast<double>(total) / static_cast<double>(population);
    return s.str();
}

// The message and the histogram agree with the games the observer saw.
void Expectmessage(const Rig& r, size_t games) {
    const Game& g = r.g;
    ASSERT_EQ(r.log.attempts.size(), games);
    EXPECT_TRUE(g.Statbox.Visible);
    EXPECT_EQ(g.Statbox.Title, "Statistics");
    EXPECT_EQ(g.Statbox.Icon, Boxicon::Information);
    const Message m = Parse(g.Statbox.Text);
    const long long total = std::accumulate(r.log.attempts.begin(), r.log.attempts.end(), 0LL);
    EXPECT_EQ(m.population, static_cast<long long>(games));
    EXPECT_EQ(m.total, total);
    EXPECT_EQ(m.average, Quotient(total, static_cast<long long>(games)));
    EXPECT_EQ(m.maxattempts, *std::max_element(r.log.attempts.begin(), r.log.attempts.end()));
    EXPECT_EQ(m.maxtrials, *std::max_element(r.log.trials.begin(), r.log.trials.end()));
    std::map<int, long long> seen;
    for (int a : r.log.attempts) ++seen[a];
    const std::map<int, long long> shown(g.Statbox.Histogram.begin(), g.Statbox.Histogram.end());
    EXPECT_EQ(shown, seen);
    long long sum = 0;
    for (const auto& [a, n] : g.Statbox.Histogram) sum += n;
    EXPECT_EQ(sum, static_cast<long long>(games));
}

TEST(Simulationrun, FiveColoursNoRepetitionPlaysEveryCodeOnceInOdometerOrder) {
    {
        Rig r;
        Startsimulation(r, "5", "3", "Random order", "No repetition");
        r.Finish();
        EXPECT_TRUE(r.log.bugs.empty());
        std::vector<std::string> all;
        for (char a = '0'; a <= '4'; ++a)
            for (char b = '0'; b <= '4'; ++b)
                for (char c = '0'; c <= '4'; ++c)
                    if (a != b && b != c && a != c) all.push_back({a, b, c});
        EXPECT_EQ(r.log.answers, all); // built in increasing order: 012, 013, ..., 432
        ASSERT_EQ(r.log.answers.size(), 60u);
        EXPECT_EQ(r.log.answers.front(), "012");
        EXPECT_EQ(r.log.answers.back(), "432");
        Expectmessage(r, 60);
        // Every game was the computer's alone, marked by itself, from trial 1.
        for (const Gamesetting& s : r.log.settings) {
            EXPECT_EQ(s.Whoguess, Role::Watch);
            EXPECT_EQ(s.Starttrial, 1);
            EXPECT_EQ(s.Hinttype, Hintkind::Noerror);
        }
        EXPECT_TRUE(r.g.Rec.Runkind == Run::None);
        EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    }
    {
        Rig r;
        Startsimulation(r, "5", "3", "Fixed order", "No repetition");
        r.Finish();
        EXPECT_EQ(r.log.answers, (std::vector<std::string>{"012", "013", "014", "023", "024", "034",
                                                           "123", "124", "134", "234"}));
        Expectmessage(r, 10);
    }
}

TEST(Simulationrun, UnspecifiedLengthPlaysOneBlankAndSkipsTwo) {
    Rig r;
    Startsimulation(r, "6", "Unspecified (3 - 4)", "Random order", "No repetition");
    r.Finish();
    EXPECT_TRUE(r.log.bugs.empty());
    const std::set<std::string> played(r.log.answers.begin(), r.log.answers.end());
    EXPECT_EQ(played.size(), r.log.answers.size()) << "a code was played twice";
    // 6*5*4*3 without a blank, 4 places for one blank times 6*5*4.
    EXPECT_EQ(r.log.answers.size(), 360u + 480u);
    EXPECT_TRUE(played.count("01b2"));
    EXPECT_TRUE(played.count("b543"));
    EXPECT_FALSE(played.count("0bb1"));
    EXPECT_FALSE(played.count("bb01"));
    for (const std::string& a : r.log.answers) EXPECT_LE(std::count(a.begin(), a.end(), 'b'), 1);
    // Odometer order with the blank after the digits.
    auto rank = [](const std::string& s) {
        std::string k = s;
        std::replace(k.begin(), k.end(), 'b', ':');
        return k;
    };
    for (size_t i = 1; i < r.log.answers.size(); ++i)
        ASSERT_LT(rank(r.log.answers[i - 1]), rank(r.log.answers[i])) << r.log.answers[i];
    EXPECT_EQ(r.log.answers.front(), "0123");
    EXPECT_EQ(r.log.answers.back(), "b543");
    Expectmessage(r, 840);
}

TEST(Simulationrun, FullSpeedPlaysAndShowsWhatTheStepByStepRunDoes) {
    const auto shown = [](const Game& g) {
        const Fmmain& m = g.Main;
        return m.Picrecord.Spokentext() + "|" + m.Picanswer.Spokentext() + "|" +
               std::to_string(m.Picrecord.Ops.size()) + "/" +
               std::to_string(m.Picanswer.Ops.size());
    };
    Rig slow, fast;
    for (Rig* r : {&slow, &fast}) Startsimulation(*r, "6", "4", "Random order", "No repetition", 1);
    // Steps across several games, the drawing held back in one run until the end.
    fast.g.Boardview.Holddrawing(true);
    for (int step = 0; step < 23; ++step)
        for (Rig* r : {&slow, &fast}) r->g.Steptimer.Tmrdelay_Timer();
    EXPECT_NE(shown(fast.g), shown(slow.g));
    fast.g.Boardview.Holddrawing(false);
    EXPECT_EQ(shown(fast.g), shown(slow.g));
    // The rest at full speed: the same games, figures and last picture as step by step.
    fast.g.Demorun.Hsbspeed_Change(0);
    for (Rig* r : {&slow, &fast}) r->clock.Sync(), r->Finish();
    EXPECT_EQ(fast.log.answers, slow.log.answers);
    EXPECT_EQ(fast.log.attempts, slow.log.attempts);
    EXPECT_EQ(fast.g.Statbox.Text, slow.g.Statbox.Text);
    EXPECT_EQ(shown(fast.g), shown(slow.g));
}

TEST(Simulationrun, CancelStillReportsTheGamesCounted) {
    Rig r;
    // A step every 10 ms, so the run can be stopped between games.
    Startsimulation(r, "5", "3", "Random order", "No repetition", 1);
    ASSERT_EQ(r.g.Tmrdelay.Interval, 10);
    for (int t = 0; t < 600'000 && r.g.Statisticsruns.Simtotals().Population < 7; t += 10)
        r.clock.advance(10);
    ASSERT_EQ(r.g.Statisticsruns.Simtotals().Population, 7);
    // The board press is what stops a run while its menus are shut.
    r.g.Demorun.Picrecord_MouseDown(1);
    r.clock.Sync();
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    r.clock.advance(10);
    r.log.attempts.resize(7);
    r.log.trials.resize(7);
    Expectmessage(r, 7);
    EXPECT_TRUE(r.g.Rec.Runkind == Run::None);
    // No further game is played once the message is up.
    const size_t won = r.log.answers.size();
    r.clock.advance(60'000);
    EXPECT_EQ(r.log.answers.size(), won);
    EXPECT_FALSE(r.g.Rec.Inplay());
}

TEST(Simulationrun, CancelBeforeTheFirstGameEndsLeavesNoSimulationBehind) {
    Rig r;
    Startsimulation(r, "5", "3", "Random order", "No repetition", 1);
    r.g.Demorun.Picrecord_MouseDown(1);
    r.clock.Sync();
    r.clock.advance(1000);
    EXPECT_FALSE(r.g.Statbox.Visible); // nothing was counted, so nothing to report
    EXPECT_EQ(r.g.Rec.Runkind, Run::None);
    // The next games draw their own codes rather than replaying the simulation's first one.
    r.Choose({{&L::Cbwho, "You guess"}});
    std::set<std::string> answers;
    for (int i = 0; i < 4; ++i) {
        r.g.Gamestarter.Cmdstart_Click();
        answers.insert(r.g.Rec.Answer.str());
        r.g.Gamestarter.Finishgame();
    }
    EXPECT_GT(answers.size(), 1u) << *answers.begin();
}

// The program's simulation and the command line give the same figures for the same colour order.
TEST(Simulationrun, SameFiguresAsTheCommandLine) {
    struct Case {
        const char *colours, *length, *order, *repeat, *cli, *colourorder;
    };
    const Case cases[] = {
        {"6", "4", "Random order", "No repetition",
         "--colours 6 --length 4 --repeat none --order random", "250314"},
        {"6", "Unspecified (3 - 4)", "Random order", "Each colour at most 2 times",
         "--colours 6 --length 4 --unspecified --repeat 2 --order random", "405132"},
        {"7", "5", "Fixed order", "May be repeated any times",
         "--colours 7 --length 5 --repeat any --order fixed", "6302154"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cli);
        Rig r;
        r.g.Statisticsruns.Simorder = Str(c.colourorder);
        Startsimulation(r, c.colours, c.length, c.order, c.repeat);
        r.Finish();
        ASSERT_TRUE(r.g.Statbox.Visible);

        const testkit::Clirun cli = testkit::Cli(
            std::string("simulate ") + c.cli + " --colour-order " + c.colourorder + " --threads 2");
        ASSERT_EQ(cli.status, 0) << cli.out;

        std::istringstream lines(cli.out);
        std::string line, message;
        for (int i = 0; i < 3 && std::getline(lines, line); ++i) message += (i ? "\n" : "") + line;
        EXPECT_EQ(r.g.Statbox.Text, message);
        std::vector<std::pair<int, long long>> histogram;
        int attempts;
        long long n;
        while (lines >> attempts >> n) histogram.emplace_back(attempts, n);
        EXPECT_EQ(r.g.Statbox.Histogram, histogram);
    }
}

TEST(Simulationrun, ProgressShowsGamesDoneAndRate) {
    Rig r;
    Startsimulation(r, "5", "3", "Random order", "No repetition", 1);
    const Scrollbar& p = r.g.Main.Progress;
    for (int t = 0; t < 600'000 && r.g.Statisticsruns.Simtotals().Population < 20; t += 10)
        r.clock.advance(10);
    ASSERT_EQ(r.g.Statisticsruns.Simtotals().Population, 20);
    EXPECT_TRUE(p.Visible);
    EXPECT_EQ(p.Value, 20);
    EXPECT_EQ(p.Max, 60);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(p.Caption, m,
                                 std::regex("20 / 60 games   (\\d+) games/s   (\\d+) s left")))
        << p.Caption;
    // Games per second of virtual time since the start, and the seconds the rest takes at that
    // rate.
    const double seconds = static_cast<double>(r.clock.Ticks()) / 1000.0;
    const double rate = 20 / seconds;
    EXPECT_NEAR(std::stod(m[1]), rate, 1.0);
    EXPECT_NEAR(std::stod(m[2]), 40 / rate, 1.0);
}

TEST(Simulationrun, ProgressHidesWhenTheSimulationEnds) {
    for (int speed : {0, 1}) {
        Rig r;
        Startsimulation(r, "5", "3", "Random order", "No repetition", speed);
        r.Finish();
        EXPECT_TRUE(r.g.Statbox.Visible);
        EXPECT_FALSE(r.g.Main.Progress.Visible)
            << "speed " << speed << ": " << r.g.Main.Progress.Caption;
    }
}

// The sweep: ten games of each of the 356 settings, in the order of its rules.
std::vector<Gamesetting> Sweeporder() {
    std::vector<Gamesetting> out;
    auto lengths = [&](int c, bool unspecified) {
        for (int n = unspecified ? 4 : 3; n <= c - 2; ++n)
            for (int order : {1, 2})
                for (int rep = 1; rep <= n; ++rep)
                    out.push_back(testkit::Makesetting(c, n, rep, order, unspecified));
    };
    for (int c = 5; c <= 10; ++c) {
        lengths(c, false);
        lengths(c, true);
    }
    return out;
}

bool Samesetting(const Gamesetting& a, const Gamesetting& b) {
    return a.Whoguess == b.Whoguess && a.Ncolours == b.Ncolours && a.Codelength == b.Codelength &&
           a.Fixedlength == b.Fixedlength && a.Maxblanks == b.Maxblanks &&
           a.Ordertype == b.Ordertype && a.Maxrepeat == b.Maxrepeat && a.Starttype == b.Starttype &&
           a.Hinttype == b.Hinttype;
}

TEST(Sweeprun, TenGamesOfEverySettingInOrderWrittenToTheWinnersFiles) {
    Tempfolder folder;
    ASSERT_TRUE(Restorewinners(folder.Path(), testkit::Testclock()));
    Rig r(&folder.Path());
    // A setting of the player's own, to come back after the sweep.
    r.g.Menus.Mnuset_Click();
    r.Choose({{&L::Cbwho, "You guess"},
              {&L::Cbcolour, "7"},
              {&L::Cblength, "5"},
              {&L::Cbstart, "Middle"},
              {&L::Cborder, "Random order"},
              {&L::Cbrepeat, "Each colour at most 2 times"}});
    const Savedchoices before = r.g.Main.Lists.Save();
    r.g.Demorun.Hsbspeed_Change(0);
    r.g.Statisticsruns.Cmdinitstat_Click();
    r.clock.Sync();
    EXPECT_EQ(r.g.Rec.Runkind, Run::Initstat);
    EXPECT_EQ(r.g.Wait.Key(), "Demo");
    for (const Menuitem* m :
         {&r.g.Main.Mnugame, &r.g.Main.Mnumedia, &r.g.Main.Mnuoption, &r.g.Main.Mnuhelp})
        EXPECT_FALSE(m->Enabled);
    for (const Toolbutton& b : r.g.Main.Tlbgame) EXPECT_FALSE(b.Enabled);

    const auto start = std::chrono::steady_clock::now();
    r.Finish(1000);
    const double real =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("sweep_real_seconds", std::to_string(real));
    std::printf("[ sweep    ] 3560 games in %.2f s of real time, %.1f s of virtual time\n", real,
                static_cast<double>(r.clock.Ticks()) / 1000.0);

    EXPECT_TRUE(r.log.bugs.empty());
    const std::vector<Gamesetting> order = Sweeporder();
    ASSERT_EQ(order.size(), 356u);
    ASSERT_EQ(r.log.settings.size(), 3560u);
    for (size_t i = 0; i < r.log.settings.size(); ++i)
        ASSERT_TRUE(Samesetting(r.log.settings[i], order[i / 10]))
            << "game " << i << ": " << testkit::Describe(r.log.settings[i]) << ", expected "
            << testkit::Describe(order[i / 10]);
    const Gamesetting& first = r.log.settings.front();
    EXPECT_EQ(first.Ncolours, 5);
    EXPECT_EQ(first.Codelength, 3);
    EXPECT_EQ(first.Fixedlength, 1);
    EXPECT_EQ(first.Ordertype, Orderkind::Fixed);
    EXPECT_EQ(first.Maxrepeat, 1);
    const Gamesetting& last = r.log.settings.back();
    EXPECT_EQ(last.Ncolours, 10);
    EXPECT_EQ(last.Fixedlength, 0);
    EXPECT_EQ(last.Codelength, 8);
    EXPECT_EQ(last.Maxblanks, 5);
    EXPECT_EQ(last.Ordertype, Orderkind::Random);
    EXPECT_EQ(last.Maxrepeat, 8);

    // The player's setting is back, and the window idle with no sweep counter left.
    EXPECT_EQ(r.g.Main.Lists.Save(), before);
    EXPECT_EQ(r.g.Setting.Whoguess, Role::Youguess);
    EXPECT_EQ(r.g.Setting.Ncolours, 7);
    EXPECT_EQ(r.g.Setting.Codelength, 5);
    EXPECT_EQ(r.g.Setting.Starttype, Startkind::Middle);
    EXPECT_EQ(r.g.Setting.Maxrepeat, 2);
    EXPECT_EQ(r.g.Statisticsruns.Initcount(), 0);
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    EXPECT_FALSE(r.g.Rec.Demomode);
    EXPECT_FALSE(r.g.Main.Progress.Visible);
    EXPECT_FALSE(r.g.Statbox.Visible); // only a simulation reports
    EXPECT_TRUE(r.g.Main.Mnugame.Enabled);

    // Every setting of the sweep holds ten games and their mean; no other slot was touched.
    ASSERT_TRUE(Checkwinners(folder.Path()).Verdict == Winnersverdict::Fine);
    std::map<std::pair<int, int>, double> sums; // (colours, slot) -> attempts
    for (size_t i = 0; i < r.log.settings.size(); ++i)
        sums[{r.log.settings[i].Ncolours, Settingslot(r.log.settings[i])}] += r.log.attempts[i];
    for (int c = 5; c <= 10; ++c) {
        const Loadedrecord file = Readwinners(Winnersfile(folder.Path(), c));
        ASSERT_EQ(file.Status, Filestatus::Ok) << c;
        int counted = 0;
        for (int slot = 0; slot < Nslots; ++slot) {
            const auto it = sums.find({c, slot});
            if (it == sums.end()) {
                EXPECT_EQ(file.Record.Population[slot], 0) << c << " colours, slot " << slot;
                continue;
            }
            ++counted;
            EXPECT_EQ(file.Record.Population[slot], 10) << c << " colours, slot " << slot;
            EXPECT_NEAR(file.Record.Average[slot], it->second / 10, 1e-4)
                << c << " colours, slot " << slot;
        }
        EXPECT_EQ(counted, std::count_if(order.begin(), order.end(),
                                         [c](const Gamesetting& o) { return o.Ncolours == c; }));
    }
}

TEST(Sweeprun, ALastBatchThatCannotBeWrittenIsTold) {
    Tempfolder folder;
    ASSERT_TRUE(Restorewinners(folder.Path(), testkit::Testclock()));
    const auto empty = testkit::Filebytes(Winnersfile(folder.Path(), 10));
    Rig r(&folder.Path());
    r.g.Demorun.Hsbspeed_Change(0);
    testkit::Injectedfault full(Oscall::Write, ENOSPC);
    r.g.Statisticsruns.Cmdinitstat_Click();
    r.Finish(1000);
    EXPECT_TRUE(r.g.Message.Visible);
    EXPECT_EQ(r.g.Message.Lblmessage.Caption,
              "The computer's statistics could not be stored.\nThe file " +
                  Winnersfile(folder.Path(), 10).string() +
                  " cannot be written. The disk is full; make room on it and try again.");
    EXPECT_EQ(testkit::Filebytes(Winnersfile(folder.Path(), 10)), empty);
}

TEST(Sweeprun, ProgressCountsTheSweepsGames) {
    Rig r;
    r.g.Demorun.Hsbspeed_Change(1);
    r.g.Statisticsruns.Cmdinitstat_Click();
    r.clock.Sync();
    for (int t = 0; t < 600'000 && r.log.settings.size() < 12; t += 10) r.clock.advance(10);
    ASSERT_GE(r.log.settings.size(), 12u);
    // Ten games of the first setting, then the second: "Each colour at most 2 times".
    EXPECT_EQ(r.log.settings[9].Maxrepeat, 1);
    EXPECT_EQ(r.log.settings[10].Maxrepeat, 2);
    EXPECT_TRUE(r.g.Main.Progress.Visible);
    EXPECT_EQ(r.g.Main.Progress.Max, 3560);
    EXPECT_GE(r.g.Main.Progress.Value, 11);
    EXPECT_LE(r.g.Main.Progress.Value, 12);
    EXPECT_EQ(r.g.Main.Progress.Caption.rfind(
                  std::to_string(r.g.Main.Progress.Value) + " / 3560 games   ", 0),
              0u)
        << r.g.Main.Progress.Caption;
    // A board press stops it; the setting menu's choices come back and the bar goes.
    r.g.Demorun.Picrecord_MouseDown(1);
    r.clock.Sync();
    EXPECT_FALSE(r.g.Main.Progress.Visible);
    EXPECT_TRUE(r.g.Rec.Runkind == Run::None);
    EXPECT_EQ(r.g.Statisticsruns.Initcount(), 0);
    EXPECT_EQ(r.g.Setting.Ncolours, 10); // the menu's first setting
    const size_t won = r.log.settings.size();
    r.clock.advance(60'000);
    EXPECT_EQ(r.log.settings.size(), won);
    EXPECT_FALSE(r.g.Statbox.Visible);
}

TEST(Statisticslist, EverySettingInNestingOrderThenBack) {
    Tempfolder folder;
    ASSERT_TRUE(Restorewinners(folder.Path(), testkit::Testclock()));
    // One figure in a slot far from the first, to see it come out on its own line.
    Gamesetting s = testkit::Makesetting(7, 5, 2, testkit::Random, true);
    s.Starttype = Startkind::Middle;
    s.Hinttype = Hintkind::Errors;
    {
        Loadedrecord file = Readwinners(Winnersfile(folder.Path(), 7));
        ASSERT_EQ(file.Status, Filestatus::Ok);
        file.Record.Population[Settingslot(s)] = 12;
        file.Record.Average[Settingslot(s)] = 4.5f;
        testkit::Testclock clock;
        ASSERT_EQ(Writewinners(Winnersfile(folder.Path(), 7), file.Record, clock),
                  Writeresult::Written);
    }
    Rig r(&folder.Path());
    r.g.Menus.Mnuset_Click();
    r.g.Statisticsruns.Cmdstat_Click();
    r.clock.Sync();
    const std::vector<std::string>& lines = r.g.Stat.Lststat.Items;
    EXPECT_TRUE(r.g.Stat.Visible);
    EXPECT_TRUE(r.g.Stat.Lststat.Visible);
    EXPECT_FALSE(r.g.Main.Visible);
    ASSERT_EQ(lines.size(), 1424u * 3);
    EXPECT_EQ(lines[0], "5 colours   3  Fixed order  Trial 1  No error  No repetition");
    EXPECT_EQ(lines[1], "0     0");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "5 colours   3  Fixed order  Trial 1  No error  Each colour at most 2 "
                        "times");
    EXPECT_EQ(lines[6], "5 colours   3  Fixed order  Trial 1  No error  May be repeated any times");
    EXPECT_EQ(lines[9], "5 colours   3  Fixed order  Trial 1  May contain error(s)  No repetition");
    // 5 colours: length 3 only, 2 orders x 2 starts x 2 hints x 3 repetitions.
    for (size_t i = 0; i < 24 * 3; i += 3)
        EXPECT_EQ(lines[i].rfind("5 colours   3  ", 0), 0u) << lines[i];
    EXPECT_EQ(lines[72], "6 colours   3  Fixed order  Trial 1  No error  No repetition");
    // 6 colours: fixed lengths 3 and 4 (7 repetitions x 8) come before "Unspecified (3 - 4)".
    EXPECT_EQ(lines[72 + 56 * 3 - 3].rfind("6 colours   4  Random order  Middle  ", 0), 0u)
        << lines[72 + 56 * 3 - 3];
    EXPECT_EQ(lines[72 + 56 * 3],
              "6 colours   Unspecified (3 - 4)  Fixed order  Trial 1  No error  No repetition");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 3], "10 colours   Unspecified (3 - 8)  Random order  Middle  "
                                       "May contain error(s)  May be repeated any times");
    std::set<std::string> distinct;
    for (size_t i = 0; i < lines.size(); i += 3) {
        distinct.insert(lines[i]);
        EXPECT_EQ(lines[i + 2], "") << i;
    }
    EXPECT_EQ(distinct.size(), 1424u);
    const auto it = std::find(lines.begin(), lines.end(),
                              "7 colours   Unspecified (3 - 5)  Random order  Middle  May contain "
                              "error(s)  Each colour at most 2 times");
    ASSERT_NE(it, lines.end());
    EXPECT_EQ(*(it + 1), "12     4.5");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "0     0"), 1423);

    // BACK: the setting menu waits a minute, then closes as its Cancel does.
    r.g.Statisticsruns.Cmdback_Click();
    r.clock.Sync();
    EXPECT_FALSE(r.g.Stat.Visible);
    EXPECT_TRUE(r.g.Main.Visible);
    EXPECT_EQ(r.g.Wait.Key(), "Frmenu");
    EXPECT_EQ(r.g.Wait.Timeout, 60);
    r.clock.advance(59'000);
    EXPECT_EQ(r.g.Wait.Key(), "Frmenu");
    EXPECT_TRUE(r.g.Main.Frmenu.Visible);
    r.clock.advance(1'000);
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    EXPECT_FALSE(r.g.Main.Frmenu.Visible);
}

} // namespace
} // namespace tc
