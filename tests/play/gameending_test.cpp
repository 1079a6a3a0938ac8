// The end of a game in virtual time: the win message and its time, the last trials, the game
// clock's warning and hour, and giving up with the End Game question.
#include "play/game.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace tc {
namespace {

using testkit::Wrongguesses;

TEST(Converttime, SecondsAndMinutesInWords) {
    EXPECT_EQ(Converttime(0), "0 second");
    EXPECT_EQ(Converttime(1), "1 second");
    EXPECT_EQ(Converttime(2), "2 seconds");
    EXPECT_EQ(Converttime(59), "59 seconds");
    EXPECT_EQ(Converttime(60), "1 minute ");
    EXPECT_EQ(Converttime(61), "1 minute 1 second");
    EXPECT_EQ(Converttime(120), "2 minutes ");
    EXPECT_EQ(Converttime(125), "2 minutes 5 seconds");
    EXPECT_EQ(Converttime(3601), "60 minutes 1 second");
}

struct Endofgame : ::testing::Test, testkit::Virtualgame {
    Endofgame() {
        Act([&] { g.Menus.Menu_Click(Menucommand::Mnukey); });
    }
    // "You guess" with the menu's first setting: 10 colours, length 3, fixed order, no
    // repetition.
    void Start(const std::string& answer) { Startyouguess(answer); }
    void Expectendmessage(const std::string& key, const std::string& caption) {
        ASSERT_TRUE(g.Message.Visible);
        EXPECT_EQ(g.Message.Tag, key);
        EXPECT_EQ(g.Message.Caption, caption);
        EXPECT_EQ(g.Wait.Key(), key);
        EXPECT_EQ(g.Wait.Timeout, 900);
        EXPECT_EQ(g.Message.Cmdl3.Caption, "Save File");
        EXPECT_EQ(g.Message.Cmdmid.Caption, "Change Display");
        EXPECT_EQ(g.Message.Cmdr3.Caption, "End");
        EXPECT_TRUE(g.Message.Cmdr3.Default);
    }
    void Expectidle() {
        EXPECT_FALSE(g.Message.Visible);
        EXPECT_EQ(g.Rec.Status, Gamestatus::None);
        EXPECT_TRUE(m.Picfore.Visible);
        EXPECT_EQ(g.Wait.Key(), "Picfore");
    }
};

// ---- Win ----

TEST_F(Endofgame, WinMessageCountsTrialsAndTime) {
    Start("012");
    Play("013");
    Seconds(75);
    Guess("012");
    Expectendmessage("Win", "Win");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Win!  You have tried 2 times and spent 1 minute 15 seconds.\nPlease choose one "
              "option below.");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Rec.Finaltrial, 2);
    EXPECT_EQ(g.Rec.Attempts, 2);
    EXPECT_EQ(g.Rec.Guesses[2], "012");
    EXPECT_EQ(g.Rec.Winseconds, 75);
    EXPECT_EQ(g.Rec.Wintimetext, "1 minute 15 seconds");
    EXPECT_FALSE(g.Tmrrec.Enabled);
    EXPECT_FALSE(m.Lbltime.Visible);
    EXPECT_FALSE(m.Frshowresult.Visible);
    EXPECT_FALSE(m.Frinput.Visible);
    EXPECT_TRUE(m.Franswer.Visible);
    EXPECT_EQ(m.Franswer.Caption, "Answer");
}

// A statistics update that could not be stored is told with the win, in the demo too.
TEST(Statisticsupdate, AFailedWriteIsToldWithTheWin) {
    struct Failingbook : Norecords {
        std::string Addstatistic(const Gamesetting&, int) override { return "The file W is lost."; }
    } book;
    Seededrandom rnd(1);
    for (bool demo : {false, true}) {
        testkit::Testclock clock;
        Game g(rnd, book, clock);
        g.Setting = testkit::Makesetting(6, 4, testkit::Any, testkit::Random);
        g.Rec.Demomode = demo ? -1 : 0;
        g.Gamestarter.Initialize();
        Autoplay(g);
        const std::string& text = demo ? g.Main.Lbldemo.Caption : g.Message.Lblmessage.Caption;
        EXPECT_NE(
            text.find(".\nThe computer's statistics could not be stored. The file W is lost."),
            std::string::npos);
    }
}

TEST_F(Endofgame, WinAtTheFirstTrialIsOneTime) {
    Start("012");
    Guess("012");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Win!  You have tried 1 time and spent 0 second.\nPlease choose one option below.");
    // Left alone, End is pressed after 15 minutes.
    Seconds(899);
    EXPECT_TRUE(g.Message.Visible);
    Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
}

// ---- The last trials ----

TEST_F(Endofgame, TrialTwentySixWarnsAndTrialTwentySevenEndsTheGame) {
    Start("789");
    const std::vector<std::string> guesses = Wrongguesses(27);
    for (int t = 1; t <= 25; ++t) {
        Play(guesses[t - 1]);
        ASSERT_FALSE(g.Message.Visible) << "after trial " << t;
    }
    Play(guesses[25]);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Please notice you only have one more chance to guess!");
    EXPECT_EQ(g.Message.Caption, "Warning");
    EXPECT_EQ(g.Message.Tag, "Warning");
    EXPECT_EQ(g.Message.Cmdmid.Caption, "OK");
    EXPECT_TRUE(g.Message.Cmdmid.Default);
    EXPECT_EQ(g.Wait.Timeout, 60);
    EXPECT_EQ(g.Rec.Guesses[26], Str(guesses[25]));
    EXPECT_FALSE(m.Frinput.Visible);

    // The warning closes itself after a minute and the last guess is asked for.
    Seconds(59);
    EXPECT_TRUE(g.Message.Visible);
    Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Rec.Trial, 26);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);

    Play(guesses[26]);
    Expectendmessage("Gameover1", "Gameover");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Gameover! You have already reached the last trial.\nPlease choose one option "
              "below.");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Gameover);
    EXPECT_EQ(g.Rec.Finaltrial, 27);
    EXPECT_EQ(g.Rec.Guesses[27], Str(guesses[26]));
    EXPECT_TRUE(m.Franswer.Visible);
    EXPECT_FALSE(m.Frinput.Visible);
    EXPECT_FALSE(g.Tmrrec.Enabled);

    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    Expectidle();
}

TEST_F(Endofgame, OkOfTheLastChanceWarningAsksForTheLastGuess) {
    Start("789");
    const std::vector<std::string> guesses = Wrongguesses(27);
    for (int t = 1; t <= 26; ++t) Play(guesses[t - 1]);
    ASSERT_TRUE(g.Message.Visible);
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_FALSE(g.Message.Visible);
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    // The last guess may still win.
    Guess("789");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Win");
    EXPECT_EQ(g.Rec.Finaltrial, 27);
    EXPECT_EQ(g.Message.Lblmessage.Caption.rfind("Win!  You have tried 27 times and spent ", 0),
              0u);
    // A win at the last trial takes no place in the records: End goes straight back.
    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    Expectidle();
}

// ---- The game clock ----

TEST_F(Endofgame, ClockShowsTheTimeSpent) {
    Start("789");
    Seconds(125);
    EXPECT_EQ(m.Lbltime.Caption, "Time spent:  2 minutes 5 seconds");
    EXPECT_EQ(g.Rec.Elapsed, 125);
}

TEST_F(Endofgame, OneHourGameWarnsAtFiftyFiveMinutesAndEndsAfterTheHour) {
    Start("789");
    Seconds(10);
    Play("012");
    Seconds(3289);
    clock.advance(999);
    EXPECT_FALSE(g.Message.Visible); // 3299.999 s
    clock.advance(1);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Please notice this game is over in five minutes!");
    EXPECT_EQ(g.Message.Caption, "Warning");
    EXPECT_EQ(g.Message.Tag, "Warning");
    EXPECT_EQ(g.Wait.Timeout, 60);

    // Unanswered, it closes after a minute and the guess is awaited again; no second warning.
    Seconds(60);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    Seconds(240);
    EXPECT_FALSE(g.Message.Visible); // 3600 s
    clock.advance(999);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    clock.advance(1);
    Expectendmessage("Gameover1", "Gameover");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Gameover! You have already spent one hour.\nPlease choose one option below.");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Gameover);
    EXPECT_EQ(g.Rec.Finaltrial, 1);
    EXPECT_EQ(g.Rec.Elapsed, 3601);
    EXPECT_TRUE(m.Franswer.Visible);
    for (const Control* c : {&m.Frinput, &m.Frgetstring, &m.Frcolour, &m.Frshowresult, &m.Lbltime})
        EXPECT_FALSE(c->Visible);
    EXPECT_FALSE(g.Tmrrec.Enabled);
}

TEST_F(Endofgame, WarningAndHourCloseTheSaveAsDialog) {
    Start("789");
    Play("012");
    for (int seconds : {3300, 301}) {
        Act([&] { g.Menus.Menu_Click(Menucommand::Mnusaveas); });
        ASSERT_TRUE(g.Files.Visible);
        Seconds(seconds); // to the warning, then past the hour
        EXPECT_FALSE(g.Files.Visible) << seconds;
        ASSERT_TRUE(g.Message.Visible) << seconds;
        EXPECT_EQ(g.Wait.Key(), g.Message.Tag); // nothing of the dialog's wait is left
        if (g.Message.Tag == "Warning") Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    }
    Expectendmessage("Gameover1", "Gameover");
}

TEST_F(Endofgame, WarningOverTheResultPanelPressesItsOkWhenClosed) {
    Start("789");
    Seconds(3295);
    Guess("012");
    ASSERT_TRUE(m.Frshowresult.Visible);
    Seconds(5);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Warning");
    EXPECT_TRUE(g.Rec.Guesses[1].empty());
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_FALSE(m.Frshowresult.Visible);
    EXPECT_EQ(g.Rec.Guesses[1], "012");
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
}

TEST_F(Endofgame, WarningOverARefusedGuessAsksForTheGuessAgain) {
    Start("789");
    Play("012");
    Seconds(3298);
    Guess("012"); // refused: it was trial 1
    ASSERT_EQ(g.Message.Tag, "Same");
    Seconds(1);
    EXPECT_EQ(g.Message.Tag, "Same");
    Seconds(1);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Warning");
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_EQ(g.Rec.Trial, 1);
}

TEST_F(Endofgame, HourWithoutAGuessEndsWithAPlainMessage) {
    Start("789");
    Seconds(3601);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Gameover! You have already spent one hour.");
    EXPECT_EQ(g.Message.Tag, "Gameover0");
    EXPECT_EQ(g.Message.Caption, "Gameover");
    EXPECT_EQ(g.Message.Cmdmid.Caption, "OK");
    EXPECT_TRUE(g.Message.Cmdmid.Default);
    EXPECT_EQ(g.Wait.Timeout, 60);
    EXPECT_FALSE(m.Franswer.Visible); // no trial, so no answer
    Seconds(60);
    Expectidle();
}

// ---- Giving up ----

TEST_F(Endofgame, EndGameDuringPlayShowsTheAnswerAfterTheQuestion) {
    Start("789");
    Play("012");
    Seconds(30);
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuend); });
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Are you sure you want to end this game?");
    EXPECT_EQ(g.Message.Caption, "End Game?");
    EXPECT_EQ(g.Wait.Key(), "Mnuend+Frgetstring1");

    // Cancel keeps the game.
    Act([&] { g.Messagebutton(Boxbutton::Cmdr2); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_TRUE(g.Tmrrec.Enabled);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");

    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuend); });
    ASSERT_TRUE(g.Message.Visible);
    Act([&] { g.Messagebutton(Boxbutton::Cmdl2); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Endgame);
    EXPECT_EQ(g.Rec.Elapsed, 3600);
    EXPECT_EQ(g.Rec.Finaltrial, 1);
    EXPECT_FALSE(g.Tmrrec.Enabled);
    for (const Control* c : {&m.Lbltime, &m.Frinput, &m.Frgetstring, &m.Frcolour, &m.Frerror})
        EXPECT_FALSE(c->Visible);
    EXPECT_TRUE(m.Franswer.Visible);
    EXPECT_EQ(m.Franswer.Caption, "Answer");

    clock.advance(1);
    Expectendmessage("Franswer", "Show Answer");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "You may see the answer in the Answer Frame now.\nPlease choose one option below.");
    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    Expectidle();
}

// ---- "Computer guesses" with the player marking ----

TEST_F(Endofgame, ComputerGuessesEndsAfterTheHourWithTheTrialsMarked) {
    Act([&] { g.Menus.Mnuset_Click(); });
    ASSERT_TRUE(lists.Choose(lists.Cbwho, "Computer guesses"));
    ASSERT_TRUE(lists.Choose(lists.Cblength, "4"));
    ASSERT_TRUE(lists.Choose(lists.Cborder, "Random order"));
    Act([&] { g.Gamestarter.Cmdstart_Click(); });
    Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    Act([&] { g.Gamestarter.Cmdready_Click(); });
    const Str code = "9876";
    for (int t = 1; t <= 3; ++t) {
        ASSERT_TRUE(m.Frgetresult.Visible);
        ASSERT_EQ(g.Rec.Trial, t);
        const Hint h = Markguess(g.Rec.Currentstring, code, g.Setting);
        ASSERT_LT(h.black, 4);
        ASSERT_TRUE(g.Markentry.Txtcorrect_KeyPress(static_cast<char>('0' + h.black)));
        ASSERT_TRUE(g.Markentry.Txtwrong_KeyPress(static_cast<char>('0' + h.white)));
        Act([&] { g.Markentry.Cmdgetresult_Click(); });
        Seconds(10);
    }
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(g.Rec.Trial, 4);

    Seconds(3300 - 30);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Please notice this game is over in five minutes!");
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetresult");

    Seconds(301);
    Expectendmessage("Gameover1", "Gameover");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Time is up! You have already spent one hour.\nPlease choose one option below.");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Gameover);
    EXPECT_EQ(g.Rec.Finaltrial, 3);
    EXPECT_FALSE(m.Frgetresult.Visible);
    EXPECT_FALSE(g.Tmrrec.Enabled);
}

} // namespace
} // namespace tc
