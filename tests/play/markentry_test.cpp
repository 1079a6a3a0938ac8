// "Computer guesses" in virtual time: the panel on which the player marks the computer's guess,
// WIN, marks that no code fits, and the games the computer marks itself after the player typed
// the code.
#include "play/game.h"
#include "settings/settingtexts.h"
#include "tests/play/gametesting.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace tc {
namespace {

using Items = std::vector<std::string>;

// The rows stored, in the order they were stored.
struct Rowlog : Gameobserver {
    void Processed(int t) override { rows.push_back(t); }
    std::vector<int> rows;
};

struct Marksinput : ::testing::Test, testkit::Virtualgame {
    Rowlog log;

    Marksinput() { g.Observer = &log; }
    void Keyboard() {
        Act([&] { g.Menus.Menu_Click(Menucommand::Mnukey); });
    }
    // Opens the setting menu, picks "Computer guesses" and each choice, and starts: the marking
    // question shows, or the start trial question for a middle start.
    void Start(const Choices& choices) {
        Setmenu("Computer guesses", choices);
        Act([&] { g.Gamestarter.Cmdstart_Click(); });
    }
    // "No" is preselected: the player keeps the code on paper and marks.
    void Playermarks() {
        ASSERT_TRUE(m.Frmark.Visible);
        Act([&] { g.Gamestarter.Cmdokmark_Click(); });
        ASSERT_TRUE(m.Fraskcode.Visible);
        Act([&] { g.Gamestarter.Cmdready_Click(); });
    }
    void Computermarks() {
        ASSERT_TRUE(m.Frmark.Visible);
        m.Optyesmark.Value = true;
        m.Optnomark.Value = false;
        Act([&] { g.Gamestarter.Cmdokmark_Click(); });
    }
    void Pick(Combolist& list, const std::string& item) {
        ASSERT_TRUE(list.Select(item)) << item;
        Act([&] {
            if (&list == &m.Cbcorrect)
                g.Markentry.Cbcorrect_Click();
            else
                g.Markentry.Cbwrong_Click();
        });
    }
    // The true marks of the guess on the panel against the code the player holds.
    void Markagainst(const Str& code) {
        const Hint h = Markguess(g.Rec.Currentstring, code, g.Setting);
        ASSERT_LT(h.black, g.Setting.Codelength) << "the computer found " << code.str();
        ASSERT_TRUE(g.Markentry.Txtcorrect_KeyPress(static_cast<char>('0' + h.black)));
        if (!g.Setting.Fixedorder()) {
            ASSERT_TRUE(g.Markentry.Txtwrong_KeyPress(static_cast<char>('0' + h.white)));
        }
        Act([&] { g.Markentry.Cmdgetresult_Click(); });
    }
};

// ---- The player marks ----

TEST_F(Marksinput, ListsOfLengthFourOfferNoWinAndLimitEachOther) {
    Start({{&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Playermarks();
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetresult");
    EXPECT_EQ(m.Lbltrials2.Caption, "Trial: 1");
    EXPECT_EQ(m.Lblmyguess.Caption, "My guess is");
    EXPECT_TRUE(m.Cmdwin.Visible);
    EXPECT_EQ(m.Lblgetcorr.Caption, "How many correct colours have I got in correct position?\nIf "
                                    "I have got the correct answer, please press WIN.");
    EXPECT_EQ(m.Lblgetwrong.Caption, "How many correct colours have I got in wrong position?");
    EXPECT_TRUE(m.Frgetwrong.Visible);
    EXPECT_TRUE(m.Cbcorrect.Visible);
    EXPECT_FALSE(m.Txtcorrect.Visible);
    EXPECT_TRUE(m.Cmdgetresult.Enabled);
    EXPECT_TRUE(m.Cmdgetresult.Default);
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0", "1", "2", "3"}));
    EXPECT_EQ(m.Cbcorrect.Text(), "0");
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(m.Cbwrong.Text(), "0");

    Pick(m.Cbcorrect, "3");
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0"})); // three right and one misplaced cannot be
    Pick(m.Cbcorrect, "1");
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0", "1", "2", "3"}));
    Pick(m.Cbcorrect, "0");
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0", "1", "2", "3", "4"}));
    Pick(m.Cbwrong, "1");
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0", "1", "2"}));
    Pick(m.Cbwrong, "4");
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0"}));
    Pick(m.Cbwrong, "0");
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0", "1", "2", "3"}));

    Pick(m.Cbcorrect, "1");
    Pick(m.Cbwrong, "2");
    const Str first = g.Rec.Currentstring;
    Act([&] { g.Markentry.Cmdgetresult_Click(); });
    EXPECT_EQ(g.Rec.Guesses[1], first);
    EXPECT_EQ(g.Rec.Blacks[1], 1);
    EXPECT_EQ(g.Rec.Whites[1], 2);
    EXPECT_EQ(g.Rec.Corrects[1], 3);
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(m.Lbltrials2.Caption, "Trial: 2");
    EXPECT_EQ(m.Cbcorrect.Text(), "0");
}

TEST_F(Marksinput, KeyboardBoxesTakeOneDigitWithinWhatTheOtherAllows) {
    Keyboard();
    Start({{&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Playermarks();
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_TRUE(m.Txtcorrect.Visible);
    EXPECT_TRUE(m.Txtcorrect.Focused);
    EXPECT_TRUE(m.Txtwrong.Visible);
    EXPECT_FALSE(m.Cbcorrect.Visible);
    EXPECT_FALSE(m.Cbwrong.Visible);
    EXPECT_FALSE(m.Cmdgetresult.Enabled);

    EXPECT_FALSE(g.Markentry.Txtcorrect_KeyPress('4')); // four right is WIN's
    EXPECT_FALSE(g.Markentry.Txtcorrect_KeyPress('x'));
    EXPECT_FALSE(g.Markentry.Txtcorrect_KeyPress('\b'));
    EXPECT_TRUE(g.Markentry.Txtwrong_KeyPress('2'));
    EXPECT_FALSE(m.Cmdgetresult.Enabled);
    EXPECT_FALSE(g.Markentry.Txtcorrect_KeyPress('3'));
    EXPECT_TRUE(g.Markentry.Txtcorrect_KeyPress('2'));
    EXPECT_EQ(m.Txtcorrect.Caption, "2");
    EXPECT_TRUE(m.Cmdgetresult.Enabled);
    EXPECT_TRUE(m.Cmdgetresult.Default);
    EXPECT_FALSE(g.Markentry.Txtcorrect_KeyPress('1')); // one digit only
    EXPECT_TRUE(g.Markentry.Txtcorrect_KeyPress('\b'));
    EXPECT_EQ(m.Txtcorrect.Caption, "");
    EXPECT_FALSE(m.Cmdgetresult.Enabled);

    EXPECT_TRUE(g.Markentry.Txtwrong_KeyPress('\b'));
    EXPECT_TRUE(g.Markentry.Txtcorrect_KeyPress('3'));
    EXPECT_FALSE(g.Markentry.Txtwrong_KeyPress('1'));
    EXPECT_TRUE(g.Markentry.Txtwrong_KeyPress('0'));
    EXPECT_TRUE(g.Markentry.Txtwrong_KeyPress('\b'));
    EXPECT_TRUE(g.Markentry.Txtcorrect_KeyPress('\b'));
    EXPECT_TRUE(g.Markentry.Txtwrong_KeyPress('1'));
    EXPECT_FALSE(g.Markentry.Txtcorrect_KeyPress('3')); // three right and one misplaced cannot be
    EXPECT_TRUE(g.Markentry.Txtcorrect_KeyPress('2'));
    Act([&] { g.Markentry.Cmdgetresult_Click(); });
    EXPECT_EQ(g.Rec.Blacks[1], 2);
    EXPECT_EQ(g.Rec.Whites[1], 1);
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(m.Txtcorrect.Caption, "");
    EXPECT_EQ(m.Txtwrong.Caption, "");
    EXPECT_FALSE(m.Cmdgetresult.Enabled);
    EXPECT_EQ(m.Txtcorrect.Focusrequest, 2); // the keyboard back in the box for each guess
}

TEST_F(Marksinput, RowWithABlankOffersEveryCountOfItsColours) {
    Start({{&lists.Cbstart, "Middle"},
           {&lists.Cblength, Unspecifieditem(5)},
           {&lists.Cborder, "Random order"}});
    ASSERT_TRUE(m.Frtrialno.Visible);
    Act([&] { g.Gamestarter.Cmdoktrial_Click(); }); // trial 2, as offered
    Playermarks();
    ASSERT_TRUE(m.Frgetstring.Visible);
    EXPECT_EQ(m.Lblgetstring.Caption,
              "Input a string for Trial 1 by dragging or double-clicking the colours.");
    for (int c : {0, 1, 2, 3}) Act([&] { g.Colourinput.Lblcolour_DblClick(c); });
    ASSERT_TRUE(m.Cmdsubcol.Enabled);
    Act([&] { g.Guessentry.Cmdsubcol_Click(); });

    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(g.Rec.Currentstring, "0123b");
    EXPECT_EQ(m.Lbltrials2.Caption, "Trial: 1");
    EXPECT_EQ(m.Lblmyguess.Caption, "Your input is");
    EXPECT_FALSE(m.Cmdwin.Visible);
    EXPECT_EQ(m.Lblgetcorr.Caption, "How many correct colours in correct position?");
    EXPECT_EQ(m.Lblgetwrong.Caption, "How many correct colours in wrong position?");
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0", "1", "2", "3", "4"}));
    Pick(m.Cbcorrect, "4");
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0"}));
    Pick(m.Cbcorrect, "2");
    EXPECT_EQ(m.Cbwrong.Items, (Items{"0", "1", "2"}));
    Pick(m.Cbwrong, "1");
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0", "1", "2", "3"}));
    Act([&] { g.Markentry.Cmdgetresult_Click(); });
    EXPECT_EQ(g.Rec.Guesses[1], "0123b");
    EXPECT_EQ(g.Rec.Blacks[1], 2);
    EXPECT_EQ(g.Rec.Whites[1], 1);

    // The computer walks the typed row on a step of the timer and makes its first guess at
    // trial 2.
    EXPECT_FALSE(m.Frgetresult.Visible);
    clock.advance(1);
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_EQ(m.Lbltrials2.Caption, "Trial: 2");
    EXPECT_EQ(m.Lblmyguess.Caption, "My guess is");
    EXPECT_TRUE(m.Cmdwin.Visible);
    EXPECT_TRUE(g.Tmrrec.Enabled);
}

TEST_F(Marksinput, WinForAWrongGuessIsBelievedAndTheGuessBecomesTheAnswer) {
    Start({{&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Playermarks();
    ASSERT_TRUE(m.Frgetresult.Visible);
    const Str guess = g.Rec.Currentstring;
    Seconds(40);
    Act([&] { g.Markentry.Cmdwin_Click(); });
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Win!  I have tried 1 time.\nPlease choose one option below.");
    EXPECT_EQ(g.Message.Tag, "Win");
    EXPECT_EQ(g.Message.Caption, "Win");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Rec.Answer, guess);
    EXPECT_EQ(g.Rec.Finaltrial, 1);
    EXPECT_EQ(g.Rec.Blacks[1], 4);
    EXPECT_EQ(g.Rec.Whites[1], 0);
    EXPECT_TRUE(m.Franswer.Visible);
    EXPECT_EQ(m.Franswer.Caption, "Answer");
    EXPECT_FALSE(m.Frgetresult.Visible);
    EXPECT_FALSE(g.Tmrrec.Enabled);
    EXPECT_FALSE(m.Lbltime.Visible);
}

TEST_F(Marksinput, MarksNoCodeFitsEndTheGame) {
    Start({{&lists.Cbcolour, "6"}, {&lists.Cblength, "4"}});
    Playermarks();
    ASSERT_TRUE(m.Frgetresult.Visible);
    EXPECT_FALSE(m.Frgetwrong.Visible);
    EXPECT_EQ(m.Lblgetcorr.Caption,
              "How many correct colours have I got?\nIf I have got the correct answer, please "
              "press WIN.");
    // All four colours right is only said with WIN.
    EXPECT_EQ(m.Cbcorrect.Items, (Items{"0", "1", "2", "3"}));
    Seconds(30);
    // None of the four guessed colours leaves two colours for a code of four different ones.
    Act([&] { g.Markentry.Cmdgetresult_Click(); });
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Hey!  The hint you gave me is inconsistent!  I cannot continue. Please choose one "
              "option below.");
    EXPECT_EQ(g.Message.Tag, "Error Detected");
    EXPECT_EQ(g.Message.Caption, "Error Detected");
    EXPECT_EQ(g.Message.Cmdr3.Caption, "End");
    EXPECT_TRUE(g.Message.Cmdr3.Default);
    EXPECT_EQ(g.Wait.Timeout, 900);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Errordetected);
    EXPECT_EQ(g.Rec.Finaltrial, 1);
    EXPECT_FALSE(g.Tmrrec.Enabled);
    EXPECT_FALSE(m.Lbltime.Visible);
    EXPECT_FALSE(m.Frgetresult.Visible);

    Seconds(900);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::None);
    EXPECT_EQ(g.Wait.Key(), "Picfore");
}

TEST_F(Marksinput, TrueMarksLeadTheComputerToTheCode) {
    Keyboard();
    Start({{&lists.Cbcolour, "6"}, {&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Playermarks();
    const Str code = "5240";
    while (m.Frgetresult.Visible && g.Rec.Currentstring != code && g.Rec.Trial < 27) {
        // Each guess fits every mark given so far.
        for (int t = 1; t < g.Rec.Trial; ++t) {
            const Hint h = Markguess(g.Rec.Guesses[t], g.Rec.Currentstring, g.Setting);
            ASSERT_EQ(h.black, g.Rec.Blacks[t]) << "trial " << g.Rec.Trial << " against " << t;
            ASSERT_EQ(h.white, g.Rec.Whites[t]) << "trial " << g.Rec.Trial << " against " << t;
        }
        Markagainst(code);
    }
    ASSERT_EQ(g.Rec.Currentstring, code);
    ASSERT_TRUE(m.Cmdwin.Visible);
    const int trial = g.Rec.Trial;
    Act([&] { g.Markentry.Cmdwin_Click(); });
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Win!  I have tried " + std::to_string(trial) +
                                                " times.\nPlease choose one option below.");
    EXPECT_EQ(g.Rec.Answer, code);
}

// ---- The computer marks ----

TEST_F(Marksinput, TypedCodeIsPlayedToTheWinWithoutTheClock) {
    Keyboard();
    Start({{&lists.Cbcolour, "6"}, {&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Computermarks();
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(m.Lblinput.Caption,
              "Input a string for me to guess below. Use numbers to represent colours.");
    EXPECT_EQ(m.Lblgetstring.Caption,
              "Input a string for me to guess by dragging or double-clicking the colours.");
    EXPECT_EQ(m.Lblgetstring.Fontsize, 10);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring2");
    EXPECT_EQ(g.Wait.Timeout, 300);
    Guess("5240");
    EXPECT_EQ(g.Rec.Answer, "5240");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_FALSE(g.Tmrrec.Enabled);
    EXPECT_FALSE(m.Lbltime.Visible);
    EXPECT_FALSE(m.Mnugame.Enabled);

    Seconds(1);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    const int last = g.Rec.Finaltrial;
    ASSERT_GT(last, 1);
    EXPECT_EQ(g.Rec.Guesses[last], "5240");
    EXPECT_EQ(g.Rec.Attempts, last);
    EXPECT_EQ(g.Message.Lblmessage.Caption, "Win!  I have tried " + std::to_string(last) +
                                                " times.\nPlease choose one option below.");
    for (int t = 1; t <= last; ++t) {
        const Hint h = Markguess(g.Rec.Guesses[t], Str("5240"), g.Setting);
        EXPECT_EQ(g.Rec.Blacks[t], h.black) << "trial " << t;
        EXPECT_EQ(g.Rec.Whites[t], h.white) << "trial " << t;
    }
    std::vector<int> trials;
    for (int t = 1; t <= last; ++t) trials.push_back(t);
    EXPECT_EQ(log.rows, trials);
}

TEST_F(Marksinput, MiddleStartTakesTypedRowsThenGuessesFromTheStartTrial) {
    Keyboard();
    Start({{&lists.Cbstart, "Middle"},
           {&lists.Cbcolour, "6"},
           {&lists.Cblength, "4"},
           {&lists.Cborder, "Random order"}});
    ASSERT_TRUE(m.Cbtrialno.Select("4"));
    Act([&] { g.Gamestarter.Cmdoktrial_Click(); });
    Computermarks();
    Guess("5240");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Preparation);
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_EQ(m.Lblinput.Caption,
              "Input a string for Trial 1 below. Use numbers to represent colours.");

    Guess("5240");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Hey!  You have input the same string as the answer. Input again!");
    EXPECT_EQ(g.Message.Caption, "Inappropriate Input");
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_TRUE(log.rows.empty());

    Guess("4501");
    EXPECT_EQ(g.Rec.Trial, 2);
    EXPECT_EQ(m.Lblinput.Caption,
              "Input a string for Trial 2 below. Use numbers to represent colours.");
    Guess("4501");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Hey!  The string you input is the same as a previous one. Input again!");
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_EQ(g.Rec.Trial, 2);
    Guess("0123");
    Guess("5432");
    EXPECT_EQ(log.rows, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);

    Seconds(1);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    // The typed rows stay as typed, marked truly, and the computer's own trials begin at 4.
    EXPECT_EQ(g.Rec.Guesses[1], "4501");
    EXPECT_EQ(g.Rec.Guesses[2], "0123");
    EXPECT_EQ(g.Rec.Guesses[3], "5432");
    for (int t = 1; t <= g.Rec.Finaltrial; ++t) {
        const Hint h = Markguess(g.Rec.Guesses[t], Str("5240"), g.Setting);
        EXPECT_EQ(g.Rec.Blacks[t], h.black) << "trial " << t;
        EXPECT_EQ(g.Rec.Whites[t], h.white) << "trial " << t;
    }
    ASSERT_GE(log.rows.size(), 4u);
    EXPECT_EQ(log.rows[3], 4);
    EXPECT_EQ(g.Rec.Guesses[g.Rec.Finaltrial], "5240");
    EXPECT_EQ(g.Rec.Attempts, g.Rec.Finaltrial - 3);
}

} // namespace
} // namespace tc
