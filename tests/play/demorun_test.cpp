// The demo in virtual time: how it starts, the settings it draws, its speed, the pause after
// each win, and how a press on the board ends it.
#include "play/game.h"
#include "settings/settingtexts.h"
#include "system/timerhost.h"
#include "tests/play/gametesting.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tc {
namespace {

struct Step {
    int64_t ticks;
    int game, trial, starttrial;
};

// The demo's games as they are played: each row stored, each win with its setting.
struct Demolog : Gameobserver {
    Demolog(const Game& g, const Clock& c) : game(g), clock(c) {}
    void Processed(int t) override {
        rows.push_back(
            {clock.Ticks(), static_cast<int>(settings.size()), t, game.Setting.Starttrial});
    }
    void Won() override {
        settings.push_back(game.Setting);
        displays.push_back(Displayname(game.Main.Displaymode));
    }
    void Bug(const std::string& guess) override { bugs.push_back(guess); }
    const Game& game;
    const Clock& clock;
    std::vector<Step> rows;
    std::vector<Gamesetting> settings;
    std::vector<std::string> displays, bugs;
};

struct Rig : testkit::Virtualgame {
    Rig() {
        g.Main.Visible = true; // as the title leaves it
        g.Observer = &log;
    }
    // The player's own setting, chosen in the setting menu's lists.
    void Playersetting() {
        Settinglists& l = g.Main.Lists;
        for (auto [list, text] : {std::pair{&l.Cbwho, "You guess"},
                                  {&l.Cbcolour, "7"},
                                  {&l.Cblength, "5"},
                                  {&l.Cbstart, "Middle"},
                                  {&l.Cborder, "Random order"},
                                  {&l.Cbrepeat, "Each colour at most 2 times"}})
            ASSERT_TRUE(l.Choose(*list, text)) << text;
        g.Main.Lists.Updatesetting(g.Setting);
    }
    // Runs virtual time a millisecond at a time until `wins` demo games have been won.
    void Playuntil(size_t wins, int64_t limit = 36'000'000) {
        for (int64_t t = 0; t < limit && log.settings.size() < wins && log.bugs.empty(); ++t)
            clock.advance(1);
        ASSERT_TRUE(log.bugs.empty()) << "the demo reported a bug";
        ASSERT_EQ(log.settings.size(), wins);
    }
    bool Demoon() const { return g.Rec.Demomode != 0 && g.Wait.Key() == "Demo"; }

    Demolog log{g, clock};
};

void Expectmenusshut(const Game& g, bool shut) {
    for (const Menuitem* m :
         {&g.Main.Mnugame, &g.Main.Mnuquit, &g.Main.Mnumedia, &g.Main.Mnuoption, &g.Main.Mnuhelp})
        EXPECT_EQ(m->Enabled, !shut) << m->Caption;
    for (const Toolbutton& b : g.Main.Tlbgame)
        if (shut) {
            EXPECT_FALSE(b.Enabled) << b.Key;
        }
}

TEST(Demostart, FiveIdleMinutesStartItNotOneSecondLess) {
    Rig r;
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    r.clock.advance(299'000);
    EXPECT_FALSE(r.g.Rec.Demomode);
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    EXPECT_FALSE(r.g.Rec.Inplay());
    r.clock.advance(1'000);
    EXPECT_TRUE(r.Demoon());
    EXPECT_EQ(r.g.Rec.Runkind, Run::Demo);
    EXPECT_TRUE(r.g.Rec.Inplay());
    EXPECT_EQ(r.g.Setting.Whoguess, Role::Watch);
    EXPECT_EQ(r.g.Main.Caption, "Demo");
    EXPECT_TRUE(r.g.Main.Frscroll.Visible);
    EXPECT_FALSE(r.g.Main.Picfore.Visible);
    Expectmenusshut(r.g, true);
    const auto& ops = r.g.Main.Picrecord.Ops;
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const Drawop& o) {
        return o.What == Drawop::Kind::Text && o.Text.Text == "DEMO";
    }));
    // The demo waits for nobody: no time-out ends it.
    r.clock.advance(3'600'000);
    EXPECT_TRUE(r.Demoon());
}

TEST(Demostart, MenuAndToolbarStartIt) {
    {
        Rig r;
        r.g.Menus.Menu_Click(Menucommand::Mnudemo);
        EXPECT_TRUE(r.Demoon());
        EXPECT_TRUE(r.g.Rec.Inplay());
    }
    {
        Rig r;
        r.g.Menus.Tlbgame_ButtonClick("Icodemo");
        EXPECT_TRUE(r.Demoon());
        Expectmenusshut(r.g, true);
    }
}

TEST(Demosettings, RandomSettingsKeepTheirLimits) {
    Rig r;
    r.g.Menus.Menu_Click(Menucommand::Mnudemo);
    r.g.Demorun.Hsbspeed_Change(0);
    r.clock.Sync();
    r.Playuntil(300);
    std::set<int> colours, lengths, repeats, orders, starts, hints;
    std::set<std::string> displays(r.log.displays.begin(), r.log.displays.end());
    bool unspecified = false, anyrepeat = false;
    for (const Gamesetting& s : r.log.settings) {
        SCOPED_TRACE(std::to_string(s.Ncolours) + " colours, length " +
                     std::to_string(s.Codelength) + ", repeat " + std::to_string(s.Maxrepeat));
        EXPECT_EQ(s.Whoguess, Role::Watch);
        EXPECT_GE(s.Ncolours, 5);
        EXPECT_LE(s.Ncolours, 10);
        EXPECT_GE(s.Codelength, 3);
        EXPECT_LE(s.Codelength, s.Ncolours - 2);
        if (s.Ncolours == 5) {
            EXPECT_EQ(s.Codelength, 3);
            EXPECT_EQ(s.Fixedlength, 1);
        }
        if (s.Codelength == 3) {
            EXPECT_EQ(s.Fixedlength, 1);
        }
        EXPECT_EQ(s.Maxblanks, s.Fixedlength ? 0 : s.Codelength - 3);
        EXPECT_GE(s.Maxrepeat, 1);
        EXPECT_LE(s.Maxrepeat, s.Codelength);
        if (s.Starttype == Startkind::Trialone) {
            EXPECT_EQ(s.Starttrial, 1);
        }
        colours.insert(s.Ncolours);
        lengths.insert(s.Codelength);
        repeats.insert(s.Maxrepeat);
        orders.insert(static_cast<int>(s.Ordertype));
        starts.insert(static_cast<int>(s.Starttype));
        hints.insert(static_cast<int>(s.Hinttype));
        unspecified |= s.Fixedlength == 0;
        anyrepeat |= s.Maxrepeat == s.Codelength;
    }
    // Every value that the draws allow turns up.
    EXPECT_EQ(colours, (std::set<int>{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(lengths, (std::set<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(orders, (std::set<int>{1, 2}));
    EXPECT_EQ(starts, (std::set<int>{1, 2}));
    EXPECT_EQ(hints, (std::set<int>{1, 2}));
    EXPECT_EQ(displays, (std::set<std::string>{"Colour", "Number"}));
    EXPECT_TRUE(unspecified);
    EXPECT_TRUE(anyrepeat);
    EXPECT_TRUE(repeats.count(1));
    // The display drawn for a game is the display variable only: the menu keeps its tick.
    EXPECT_TRUE(r.g.Main.Mnucolour.Checked);
    EXPECT_FALSE(r.g.Main.Mnunumber.Checked);
}

TEST(Demogames, OneAfterAnotherThenABoardPressRestoresTheFirstSetting) {
    Rig r;
    r.Playersetting();
    const Savedchoices before = r.g.Main.Lists.Save();
    r.g.Menus.Menu_Click(Menucommand::Mnudemo);
    r.g.Demorun.Hsbspeed_Change(0);
    r.clock.Sync();
    EXPECT_EQ(r.g.Main.Lists.Kept(), before);
    r.Playuntil(1);
    // A second's pause on the win, then the next game at the speed bar's pace.
    EXPECT_EQ(r.g.Rec.Status, Gamestatus::Nextdemo);
    EXPECT_TRUE(r.g.Tmrdelay.Enabled);
    EXPECT_EQ(r.g.Tmrdelay.Interval, 1000);
    r.clock.advance(999);
    EXPECT_EQ(r.g.Rec.Status, Gamestatus::Nextdemo);
    EXPECT_TRUE(r.g.Main.Picdemo.Visible);
    // The lists change while the demo runs; the next game must not take them as the setting
    // to come back to.
    ASSERT_TRUE(r.g.Main.Lists.Choose(r.g.Main.Lists.Cbcolour, "9"));
    r.clock.advance(1);
    EXPECT_TRUE(r.g.Rec.Inplay());
    EXPECT_TRUE(r.Demoon());
    EXPECT_EQ(r.g.Rec.Trial, r.g.Setting.Starttrial); // a fresh game at its first guess
    EXPECT_EQ(r.g.Tmrdelay.Interval, 1);
    EXPECT_EQ(r.g.Main.Lists.Kept(), before);
    r.Playuntil(2);
    r.clock.advance(1'000);
    ASSERT_TRUE(r.g.Rec.Inplay());     // the third game is under way
    EXPECT_EQ(r.g.Main.Escapekeys, 2); // sent as the demo began, not for each game

    r.g.Demorun.Picrecord_MouseDown(1);
    r.clock.Sync();
    EXPECT_FALSE(r.g.Rec.Demomode);
    EXPECT_FALSE(r.g.Rec.Inplay());
    EXPECT_EQ(r.g.Main.Lists.Save(), before);
    EXPECT_EQ(r.g.Setting.Whoguess, Role::Youguess);
    EXPECT_EQ(r.g.Setting.Ncolours, 7);
    EXPECT_EQ(r.g.Setting.Codelength, 5);
    EXPECT_EQ(r.g.Setting.Starttype, Startkind::Middle);
    EXPECT_EQ(r.g.Setting.Ordertype, Orderkind::Random);
    EXPECT_EQ(r.g.Setting.Maxrepeat, 2);
    EXPECT_EQ(r.g.Main.Displaymode, Displaykind::Colour);
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    EXPECT_EQ(r.g.Wait.Timeout, 300);
    EXPECT_FALSE(r.g.Main.Frscroll.Visible);
    EXPECT_FALSE(r.g.Main.Picdemo.Visible);
    EXPECT_TRUE(r.g.Main.Picfore.Visible);
    EXPECT_FALSE(r.g.Tmrdelay.Enabled);
    Expectmenusshut(r.g, false);
    const size_t rows = r.log.rows.size();
    r.clock.advance(299'000);
    EXPECT_EQ(r.log.rows.size(), rows);
    EXPECT_FALSE(r.g.Rec.Demomode);
    // Idle again: five more minutes bring the next demo.
    r.clock.advance(1'000);
    EXPECT_TRUE(r.Demoon());
}

TEST(Demogames, OtherPressesLeaveThingsAlone) {
    Rig r;
    // No demo: a left press neither ends nor restarts the idle wait.
    r.clock.advance(200'000);
    const Datetime idlesince = r.g.Wait.Start;
    r.g.Demorun.Picrecord_MouseDown(1);
    r.clock.Sync();
    EXPECT_EQ(r.g.Wait.Key(), "Picfore");
    EXPECT_EQ(r.g.Wait.Start, idlesince);
    r.clock.advance(100'000);
    ASSERT_TRUE(r.Demoon());

    // A right press during the demo leaves it running.
    r.g.Demorun.Hsbspeed_Change(0);
    r.clock.Sync();
    r.g.Demorun.Picrecord_MouseDown(2);
    r.clock.Sync();
    EXPECT_TRUE(r.Demoon());
    r.Playuntil(2);
    EXPECT_TRUE(r.Demoon());

    // A left press during an ordinary game of the computer's leaves the game alone.
    Rig plain;
    Settinglists& l = plain.g.Main.Lists;
    ASSERT_TRUE(l.Choose(l.Cbwho, "Watch computer play"));
    plain.g.Gamestarter.Cmdstart_Click();
    plain.clock.Sync();
    ASSERT_TRUE(plain.g.Rec.Inplay());
    plain.g.Demorun.Picrecord_MouseDown(1);
    plain.clock.Sync();
    EXPECT_TRUE(plain.g.Rec.Inplay());
    EXPECT_FALSE(plain.g.Rec.Demomode);
}

TEST(Demopause, StatusBarPausesOnlyInDesignModeUntilThePauseCloses) {
    Rig r;
    r.g.Menus.Menu_Click(Menucommand::Mnudemo);
    r.g.Demorun.Hsbspeed_Change(0);
    r.clock.Sync();
    ASSERT_TRUE(r.Demoon());
    // Without design mode a status-bar click does nothing.
    r.g.Menus.Stbmenu_Click();
    EXPECT_FALSE(r.g.Statbox.Visible);
    EXPECT_TRUE(r.g.Tmrdelay.Enabled);

    r.g.Designmode = true;
    r.g.Menus.Stbmenu_Click();
    EXPECT_TRUE(r.g.Statbox.Visible);
    EXPECT_EQ(r.g.Statbox.Text, "PAUSE");
    EXPECT_EQ(r.g.Statbox.Icon, Boxicon::None);
    EXPECT_TRUE(r.g.Statbox.Histogram.empty());
    const size_t rows = r.log.rows.size();
    r.clock.advance(600'000);
    EXPECT_EQ(r.log.rows.size(), rows) << "the paused demo went on";
    EXPECT_TRUE(r.Demoon());

    r.g.Menus.Statbox_Close();
    EXPECT_FALSE(r.g.Statbox.Visible);
    r.Playuntil(1);
    EXPECT_GT(r.log.rows.size(), rows);
}

TEST(Demopause, StatusBarOutsideTheDemoAndAStatisticsMessageLeaveTheTimerAlone) {
    Rig r;
    r.g.Designmode = true;
    r.g.Menus.Stbmenu_Click(); // idle: no demo to pause
    EXPECT_FALSE(r.g.Statbox.Visible);
    // Closing an ordinary statistics message must not start the step timer.
    r.g.Statbox.Visible = true;
    r.g.Menus.Statbox_Close();
    EXPECT_FALSE(r.g.Statbox.Visible);
    EXPECT_FALSE(r.g.Tmrdelay.Enabled);
}

TEST(Demospeed, SpeedBarSetsTheStepInterval) {
    Rig r;
    const int max = r.g.Main.Hsbspeed.Max;
    const std::pair<int, int> cases[] = {
        {0, 1}, {max, 1000}, {max / 2, 500}, {-5, 1}, {max + 50, 1000}};
    for (auto [value, interval] : cases) {
        r.g.Demorun.Hsbspeed_Change(value);
        EXPECT_EQ(r.g.Tmrdelay.Interval, interval) << value;
        EXPECT_GE(r.g.Main.Hsbspeed.Value, r.g.Main.Hsbspeed.Min);
        EXPECT_LE(r.g.Main.Hsbspeed.Value, max);
    }
}

// Gaps between the computer's own rows of one game, in virtual milliseconds.
std::vector<int64_t> Rowgaps(const std::vector<Step>& rows, size_t from) {
    std::vector<int64_t> gaps;
    for (size_t i = std::max<size_t>(from, 1); i < rows.size(); ++i) {
        const Step &a = rows[i - 1], &b = rows[i];
        if (a.game == b.game && a.trial >= a.starttrial && b.trial == a.trial + 1)
            gaps.push_back(b.ticks - a.ticks);
    }
    return gaps;
}

TEST(Demospeed, StepsFollowTheSpeedBarAndPauseASecondOnAWin) {
    Rig r;
    r.g.Menus.Menu_Click(Menucommand::Mnudemo);
    // The idle screen leaves the bar at its maximum: a step a second.
    EXPECT_EQ(r.g.Main.Hsbspeed.Value, r.g.Main.Hsbspeed.Max);
    r.clock.advance(30'000);
    std::vector<int64_t> slow = Rowgaps(r.log.rows, 0);
    ASSERT_FALSE(slow.empty());
    EXPECT_EQ(*std::min_element(slow.begin(), slow.end()), 1000);

    r.g.Demorun.Hsbspeed_Change(0);
    r.clock.Sync();
    const size_t from = r.log.rows.size();
    const size_t wins = r.log.settings.size();
    r.Playuntil(wins + 3);
    const std::vector<int64_t> fast = Rowgaps(r.log.rows, from + 1);
    ASSERT_FALSE(fast.empty());
    EXPECT_EQ(*std::min_element(fast.begin(), fast.end()), 1);
    EXPECT_LT(*std::max_element(fast.begin(), fast.end()), 1000);

    // At full speed the win still pauses a second before the next game.
    EXPECT_EQ(r.g.Rec.Status, Gamestatus::Nextdemo);
    r.clock.advance(999);
    EXPECT_EQ(r.g.Rec.Status, Gamestatus::Nextdemo);
    r.clock.advance(1);
    EXPECT_TRUE(r.g.Rec.Inplay());
}

} // namespace
} // namespace tc
