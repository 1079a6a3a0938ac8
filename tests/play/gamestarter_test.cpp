// Starting games from the setting menu in virtual time: the player's own game, the computer
// playing itself to its win, and the start panels of "Computer guesses" with their time-outs.
#include "play/game.h"
#include "settings/settingtexts.h"
#include "tests/play/gametesting.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

struct Gamestart : ::testing::Test, testkit::Virtualgame {
    // Opens the menu, picks who guesses and the start, and presses "Start  Game".
    void Start(const std::string& who, const std::string& start = "Trial 1") {
        Setmenu(who, {{&lists.Cbstart, start}});
        Act([&] { g.Gamestarter.Cmdstart_Click(); });
    }
    std::string Toolbar() const {
        std::string s;
        for (const Toolbutton& b : m.Tlbgame) s += b.Enabled ? '1' : '0';
        return s;
    }
    void Expectidle() const {
        EXPECT_EQ(m.Caption, "Tintcipher");
        EXPECT_EQ(g.Rec.Status, Gamestatus::None);
        EXPECT_TRUE(m.Picfore.Visible);
        EXPECT_EQ(g.Wait.Key(), "Picfore");
        EXPECT_EQ(g.Wait.Timeout, 300);
        for (const Menuitem* item : {&m.Mnugame, &m.Mnumedia, &m.Mnuoption, &m.Mnuhelp, &m.Mnuset,
                                     &m.Mnunew, &m.Mnuload, &m.Mnudemo, &m.Mnuquit})
            EXPECT_TRUE(item->Enabled) << item->Caption;
        EXPECT_FALSE(m.Mnusaving.Enabled);
        EXPECT_FALSE(m.Mnuend.Enabled);
        EXPECT_EQ(Toolbar(), "1110011111111");
    }
};

// ---- "You guess" ----

TEST_F(Gamestart, YouGuessFromTrialOneWaitsForTheGuessWithTheClockRunning) {
    Start("You guess");
    EXPECT_FALSE(m.Frmenu.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_EQ(m.Caption, "New Game - Unsaved");
    EXPECT_EQ(g.Rec.Savedstate, Filestate::Unsaved);
    EXPECT_FALSE(m.Picfore.Visible);
    EXPECT_TRUE(m.Picrecord.Visible);
    EXPECT_TRUE(m.Picupper.Visible);

    // Only End Game of the game items; the player may still change modes and read the help.
    for (const Menuitem* item : {&m.Mnuset, &m.Mnunew, &m.Mnuload, &m.Mnusaving, &m.Mnudemo})
        EXPECT_FALSE(item->Enabled) << item->Caption;
    for (const Menuitem* item : {&m.Mnuend, &m.Mnugame, &m.Mnuoption, &m.Mnuhelp, &m.Mnuquit})
        EXPECT_TRUE(item->Enabled) << item->Caption;
    EXPECT_EQ(Toolbar(), "0000111011111");

    EXPECT_TRUE(m.Lbltime.Visible);
    EXPECT_EQ(m.Lbltime.Caption, "Time spent:  0 second");
    EXPECT_TRUE(g.Tmrrec.Enabled);
    EXPECT_EQ(g.Tmrrec.Interval, 100);

    EXPECT_EQ(g.Setting.Starttrial, 1);
    EXPECT_EQ(g.Rec.Trial, 0);
    EXPECT_EQ(g.Rec.Answer.size(), 3);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_FALSE(g.Wait.Tmrwait.Enabled); // bounded by the game clock, not by a wait
    EXPECT_NE(g.Wait.Banner.find("you are allowed to try at most 27 times or 1 hour."),
              std::string::npos);
}

TEST_F(Gamestart, EndingAYouGuessGameBeforeAnyGuessReturnsToIdle) {
    Start("You guess");
    Seconds(10);
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icoend"); });
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Wait.Key(), "Mnuend+Frgetstring1");
    Act([&] { g.Messagebutton(Boxbutton::Cmdl2); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(m.Lbltime.Visible);
    EXPECT_FALSE(g.Tmrrec.Enabled);
    Expectidle();
}

// ---- "Watch computer play" ----

TEST_F(Gamestart, WatchComputerPlayShutsTheMenusAndPlaysToItsWin) {
    Act([&] { g.Menus.Mnuset_Click(); });
    Choose(lists.Cbwho, "Watch computer play");
    Choose(lists.Cbcolour, "8");
    Choose(lists.Cblength, "4");
    Choose(lists.Cborder, "Random order");
    Choose(lists.Cbrepeat, "Each colour at most 2 times");
    Act([&] { g.Gamestarter.Cmdstart_Click(); });

    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_EQ(m.Caption, "New Game - Unsaved");
    for (const Menuitem* menu : {&m.Mnugame, &m.Mnumedia, &m.Mnuoption, &m.Mnuhelp})
        EXPECT_FALSE(menu->Enabled) << menu->Caption;
    EXPECT_EQ(Toolbar(), "0000000000000");
    EXPECT_FALSE(m.Lbltime.Visible); // untimed
    EXPECT_FALSE(g.Tmrrec.Enabled);
    EXPECT_EQ(g.Tmrdelay.Interval, 1);
    EXPECT_EQ(g.Wait.Key(), "Thinking");
    EXPECT_TRUE(m.Frsetting.Visible);
    EXPECT_EQ(m.Lblsetcontent.Caption, "Watch computer play\n8\nTrial 1\n4\nNo error\nRandom "
                                       "order\nEach colour at most 2 times\nPlaying");

    // No way to end it or quit while the computer plays.
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuend); });
    Act([&] { g.Menus.Tlbgame_ButtonClick("Icoend"); });
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuquit); });
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuset); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(m.Frmenu.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);

    Seconds(60);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Win");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_GE(g.Rec.Finaltrial, 1);
    EXPECT_EQ(g.Rec.Guesses[g.Rec.Finaltrial], g.Rec.Answer);
    EXPECT_EQ(g.Wait.Key(), "Win");
    EXPECT_FALSE(m.Mnugame.Enabled); // still shut under the end message

    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_FALSE(m.Frsetting.Visible);
    EXPECT_FALSE(m.Picrecord.Visible);
    Expectidle();
    // The menu still holds the watched setting.
    EXPECT_EQ(g.Setting.Whoguess, Role::Watch);
    EXPECT_EQ(g.Setting.Ncolours, 8);
}

TEST_F(Gamestart, WatchComputerPlayShowsTheCodeFromTheStart) {
    Start("Watch computer play");
    EXPECT_TRUE(m.Franswer.Visible);
    EXPECT_EQ(m.Franswer.Caption, "Answer");
    EXPECT_FALSE(m.Picanswer.Ops.empty());
}

// The rows given before a middle start are on the board, in their own ink, from the start in both
// roles.
TEST_F(Gamestart, MiddleStartDrawsTheGivenRows) {
    for (const char* who : {"You guess", "Watch computer play"}) {
        g.Plan.Starttrial = 4;
        Start(who, "Middle");
        int given = 0;
        for (const Drawop& op : m.Picrecord.Ops)
            given += op.Box.Width == 280 && op.Box.Outline == Givenrowink;
        EXPECT_EQ(given, 3 * 3) << who; // three rows of three positions
        Act([&] { g.Gamestarter.Finishgame(); });
    }
}

// Without statistics (average 0) a middle start still starts at trial 2.
TEST_F(Gamestart, MiddleStartWithoutStatisticsStartsAtTrialTwo) {
    Start("You guess", "Middle");
    EXPECT_EQ(g.Setting.Starttrial, 2);
    EXPECT_EQ(g.Rec.Trial, 1);
}

// ---- "Computer guesses" ----

TEST_F(Gamestart, ComputerGuessesFromTrialOneAsksAboutTheMarking) {
    Start("Computer guesses");
    EXPECT_FALSE(m.Frmenu.Visible);
    EXPECT_FALSE(m.Frtrialno.Visible);
    EXPECT_TRUE(m.Frmark.Visible);
    EXPECT_TRUE(m.Optnomark.Value);
    EXPECT_FALSE(m.Optyesmark.Value);
    EXPECT_TRUE(m.Cmdokmark.Default);
    EXPECT_EQ(g.Setting.Starttrial, 1);
    EXPECT_EQ(g.Wait.Key(), "Frmark");
    EXPECT_EQ(g.Wait.Timeout, 300);
    EXPECT_EQ(g.Wait.Start, clock.Now());
    EXPECT_EQ(g.Rec.Status, Gamestatus::None); // nothing prepared before the answer

    Seconds(299);
    EXPECT_TRUE(m.Frmark.Visible);
    Seconds(1);
    // Given up: the question goes and the program can start another game.
    EXPECT_FALSE(m.Frmark.Visible);
    EXPECT_FALSE(m.Frtrialno.Visible);
    Expectidle();
}

TEST_F(Gamestart, ComputerGuessesWithTheComputerMarkingAsksForTheCode) {
    Start("Computer guesses");
    m.Optyesmark.Value = true;
    m.Optnomark.Value = false;
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    EXPECT_FALSE(m.Frmark.Visible);
    EXPECT_FALSE(m.Fraskcode.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Preparation);
    EXPECT_EQ(g.Rec.Trial, 0);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring2");
    EXPECT_EQ(g.Wait.Timeout, 300);
    Seconds(300);
    Expectidle();
}

TEST_F(Gamestart, ComputerGuessesFromTheMiddleOffersTrialsTwoToNine) {
    Start("Computer guesses", "Middle");
    EXPECT_TRUE(m.Frtrialno.Visible);
    EXPECT_EQ(m.Cbtrialno.Items,
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(m.Cbtrialno.Text(), "2");
    EXPECT_TRUE(m.Cmdoktrial.Default);
    EXPECT_EQ(g.Wait.Key(), "Frtrialno");
    EXPECT_EQ(g.Wait.Timeout, 300);

    ASSERT_TRUE(m.Cbtrialno.Select("6"));
    Seconds(12);
    Act([&] { g.Gamestarter.Cmdoktrial_Click(); });
    EXPECT_FALSE(m.Frtrialno.Visible);
    EXPECT_TRUE(m.Frmark.Visible);
    EXPECT_TRUE(m.Optnomark.Value);
    EXPECT_EQ(g.Setting.Starttrial, 6);
    EXPECT_EQ(g.Wait.Key(), "Frmark");
    EXPECT_EQ(g.Wait.Start, clock.Now());
}

TEST_F(Gamestart, TheStartTrialQuestionGivesUpAfterFiveMinutes) {
    Start("Computer guesses", "Middle");
    Seconds(299);
    EXPECT_TRUE(m.Frtrialno.Visible);
    Seconds(1);
    EXPECT_FALSE(m.Frtrialno.Visible);
    EXPECT_FALSE(m.Frmark.Visible);
    Expectidle();
}

TEST_F(Gamestart, PlayerMarkingAsksForTheCodeOnPaperAndGivesUpAfterFiveMinutes) {
    Start("Computer guesses", "Middle");
    Act([&] { g.Gamestarter.Cmdoktrial_Click(); }); // "2" as offered
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });  // "No": the player marks
    EXPECT_FALSE(m.Frmark.Visible);
    EXPECT_TRUE(m.Fraskcode.Visible);
    EXPECT_TRUE(m.Cmdready.Default);
    EXPECT_EQ(m.Lblaskcode.Caption, "Now write down a secret code for me to guess. When you are "
                                    "ready, press the Ready button.");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Preparation);
    EXPECT_EQ(m.Caption, "New Game - Unsaved");
    EXPECT_EQ(g.Setting.Starttrial, 2); // the player's choice, not drawn
    EXPECT_EQ(g.Rec.Trial, 0);
    EXPECT_TRUE(m.Frsetting.Visible);
    EXPECT_NE(m.Lblsetcontent.Caption.find("Computer guesses\n10\nMiddle (Trial 2)\n"),
              std::string::npos)
        << m.Lblsetcontent.Caption;
    EXPECT_TRUE(m.Frcolour.Visible);
    EXPECT_EQ(g.Wait.Key(), "Fraskcode");
    EXPECT_EQ(g.Wait.Timeout, 300);
    EXPECT_NE(g.Wait.Banner.find("Press the Ready button when you are ready."), std::string::npos);

    Seconds(299);
    EXPECT_TRUE(m.Fraskcode.Visible);
    Seconds(1);
    EXPECT_FALSE(m.Fraskcode.Visible);
    EXPECT_FALSE(m.Frcolour.Visible);
    EXPECT_FALSE(m.Frsetting.Visible);
    Expectidle();
}

TEST_F(Gamestart, TheColourPanelBesideTheReadyButtonShowsOnlyTheGamesColours) {
    Act([&] { g.Menus.Mnuset_Click(); });
    Choose(lists.Cbwho, "Computer guesses");
    Choose(lists.Cbcolour, "6");
    Act([&] { g.Gamestarter.Cmdstart_Click(); });
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    ASSERT_TRUE(m.Frcolour.Visible);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(m.Piccolour[c].Visible, c < 6) << "colour " << c;
}

TEST_F(Gamestart, ReadyFromTrialOneStartsTheClockAndAsksForMarks) {
    Start("Computer guesses");
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    Seconds(40);
    Act([&] { g.Gamestarter.Cmdready_Click(); });
    EXPECT_FALSE(m.Fraskcode.Visible);
    EXPECT_FALSE(m.Frcolour.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_TRUE(m.Lbltime.Visible);
    EXPECT_EQ(m.Lbltime.Caption, "Time spent:  0 second");
    EXPECT_TRUE(g.Tmrrec.Enabled);
    EXPECT_TRUE(m.Mnuoption.Enabled); // a timed game keeps the menus
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_EQ(g.Rec.Currentstring.size(), 3);
    EXPECT_EQ(g.Wait.Key(), "Frgetresult");
    EXPECT_FALSE(g.Tmrdelay.Enabled); // the player marks, not the step timer
}

TEST_F(Gamestart, ReadyFromTheMiddleAsksForTheFirstRow) {
    Start("Computer guesses", "Middle");
    ASSERT_TRUE(m.Cbtrialno.Select("4"));
    Act([&] { g.Gamestarter.Cmdoktrial_Click(); });
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    Act([&] { g.Gamestarter.Cmdready_Click(); });
    EXPECT_FALSE(m.Fraskcode.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Preparation);
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring2");
    EXPECT_EQ(g.Wait.Timeout, 300);
}

// Each help text names the wait that runs: the menu after BACK and the save dialog of an end
// message wait one minute; the marks of a typed middle row give up after five, as the row did.
TEST_F(Gamestart, HelpTextsPromiseTheTimeOutsTheWaitsHave) {
    Act([&] { g.Menus.Mnuset_Click(); });
    g.Stat.Visible = true; // the statistics list
    Act([&] { g.Statisticsruns.Cmdback_Click(); });
    EXPECT_NE(g.Wait.Banner.find("closed automatically in one minute."), std::string::npos);
    g.Wait.Pushwait(60, Waitkey::Mnusave);
    EXPECT_NE(g.Wait.Banner.find("do so in one minute, it is"), std::string::npos);
    Act([&] { g.Statisticsruns.Cmdcancel_Click(); });
    g.Colourinput.Setinputmethod(Inputkind::Keyboard);
    Start("Computer guesses", "Middle");
    Act([&] { g.Gamestarter.Cmdoktrial_Click(); });
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    Act([&] { g.Gamestarter.Cmdready_Click(); });
    Type("012");
    Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    EXPECT_NE(g.Wait.Banner.find("do so in 5 minutes, it is assumed that you give up"),
              std::string::npos);
    Seconds(300);
    Expectidle();
}

} // namespace
} // namespace tc
