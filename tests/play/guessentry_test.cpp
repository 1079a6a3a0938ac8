// "You guess" played through the keyboard panel in virtual time: what the input box takes, the
// repeated guess, the result panel, and the player's claims of an error in a hint.
#include "play/game.h"
#include "settings/settingtexts.h"
#include "tests/play/gametesting.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace tc {
namespace {

struct Playerguess : ::testing::Test, testkit::Virtualgame {
    Playerguess() {
        Act([&] { g.Menus.Menu_Click(Menucommand::Mnukey); });
    }
    void Menu(const Choices& choices = {}) { Setmenu("You guess", choices); }
    void Start(const std::string& answer, const std::string& errors = "") {
        g.Plan.Answer = Str(answer);
        if (!errors.empty()) g.Plan.Errortrials = errors;
        Act([&] { g.Gamestarter.Cmdstart_Click(); });
    }
    void Claim() {
        Act([&] { g.Guessentry.Cmderror_Click(); });
    }
};

// ---- The keyboard box ----

TEST_F(Playerguess, KeyboardRefusesColoursBeyondTheSettingAndRepeatsWithoutRepetition) {
    Menu({{&lists.Cbcolour, "6"}, {&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Start("0123");
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_FALSE(m.Frgetstring.Visible);
    EXPECT_TRUE(m.Txtinput.Focused);
    EXPECT_EQ(m.Lblinput.Caption, "Input your guess below. Use numbers to represent colours.");
    EXPECT_FALSE(m.Frerror.Visible);
    EXPECT_FALSE(m.Cmdsubnum.Enabled);

    // Digits naming no colour of six, letters, and a blank in a fixed length.
    EXPECT_EQ(Type("6789xbB -"), "6789xbB -");
    EXPECT_EQ(m.Txtinput.Caption, "");
    EXPECT_EQ(Type("5"), "");
    EXPECT_EQ(Type("5"), "5"); // "No repetition"
    EXPECT_EQ(Type("01"), "");
    EXPECT_EQ(m.Txtinput.Caption, "501");
    EXPECT_FALSE(m.Cmdsubnum.Enabled);
    // Submit cannot be pressed early.
    Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Rec.Trial, 0);

    EXPECT_EQ(Type("3"), "");
    EXPECT_TRUE(m.Cmdsubnum.Enabled);
    EXPECT_TRUE(m.Cmdsubnum.Default);
    EXPECT_EQ(Type("4"), "4"); // full
    EXPECT_EQ(Type("\b"), "");
    EXPECT_EQ(m.Txtinput.Caption, "501");
    EXPECT_FALSE(m.Cmdsubnum.Enabled);
    EXPECT_FALSE(m.Cmdsubnum.Default);

    // Keys go in at the caret, which then stands after them.
    m.Txtinput.Caret = 1;
    EXPECT_EQ(Type("2"), "");
    EXPECT_EQ(m.Txtinput.Caption, "5201");
    EXPECT_EQ(m.Txtinput.Caret, 2);
    EXPECT_TRUE(m.Cmdsubnum.Enabled);
    Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_EQ(g.Rec.Currentstring, "5201");
    EXPECT_TRUE(m.Frshowresult.Visible);

    // The result's OK closes any open list or drag; the box takes the keyboard again.
    const int escapes = m.Escapekeys;
    Act([&] { g.Guessentry.Cmdshowresult_Click(); });
    EXPECT_EQ(m.Escapekeys, escapes + 2);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(m.Txtinput.Focusrequest, 2);
}

TEST_F(Playerguess, FixedOrderRefusesADescendingKeyWhereverItGoes) {
    Menu({{&lists.Cbcolour, "6"}, {&lists.Cblength, "4"}});
    Start("0123");
    EXPECT_EQ(Type("31"), "1");
    EXPECT_EQ(Type("4"), "");
    EXPECT_EQ(m.Txtinput.Caption, "34");
    m.Txtinput.Caret = 0;
    EXPECT_EQ(Type("5"), "5"); // 534 is not ascending
    EXPECT_EQ(m.Txtinput.Caret, 0);
    EXPECT_EQ(Type("1"), "");
    EXPECT_EQ(m.Txtinput.Caption, "134");
    EXPECT_EQ(m.Txtinput.Caret, 1);
    EXPECT_EQ(Type("2"), "");
    EXPECT_EQ(m.Txtinput.Caption, "1234");
    // Backspace takes the key before the caret.
    EXPECT_EQ(Type("\b"), "");
    EXPECT_EQ(m.Txtinput.Caption, "134");
    EXPECT_EQ(m.Txtinput.Caret, 1);
    m.Txtinput.Caption.clear();
    m.Txtinput.Caret = 0;
    EXPECT_EQ(Type("\b"), "\b");
}

TEST_F(Playerguess, UnspecifiedLengthTakesCapitalBAsABlankUpToTheLimit) {
    Menu({{&lists.Cblength, Unspecifieditem(5)}, {&lists.Cborder, "Random order"}});
    Start("012bb");
    EXPECT_EQ(Type("0B"), "");
    EXPECT_EQ(m.Txtinput.Caption, "0b");
    EXPECT_EQ(Type("1b"), "");
    EXPECT_EQ(Type("b"), "b"); // two blanks of five at most
    EXPECT_EQ(Type("B"), "B");
    EXPECT_EQ(Type("2"), "");
    EXPECT_TRUE(m.Cmdsubnum.Enabled);
    Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    EXPECT_EQ(g.Rec.Currentstring, "0b1b2");
    EXPECT_EQ(g.Rec.Inputblanks, 2);
    EXPECT_TRUE(m.Frshowresult.Visible);
}

TEST_F(Playerguess, UnspecifiedLengthPromptTellsHowToTypeABlank) {
    Menu({{&lists.Cblength, Unspecifieditem(5)}});
    Start("012bb");
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(m.Lblinput.Caption, "Input your guess below. Use numbers to represent colours. Use "
                                  "'b' to represent a blank space.");
}

TEST_F(Playerguess, MouseRowOfUnspecifiedLengthMayLeaveBoxesEmpty) {
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnumouse); });
    Menu({{&lists.Cblength, Unspecifieditem(5)}, {&lists.Cborder, "Random order"}});
    Start("012bb");
    ASSERT_TRUE(m.Frgetstring.Visible);
    EXPECT_FALSE(m.Frinput.Visible);
    EXPECT_EQ(m.Lblgetstring.Caption,
              "Input your guess by dragging or double-clicking the colours.");
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Picstring[i].Visible, i < 5) << "box " << i;
    Act([&] { g.Colourinput.Lblcolour_DblClick(3); });
    Act([&] { g.Colourinput.Lblcolour_DblClick(1); });
    EXPECT_FALSE(m.Cmdsubcol.Enabled); // three empty boxes
    Act([&] { g.Colourinput.Lblcolour_DblClick(7); });
    EXPECT_TRUE(m.Cmdsubcol.Enabled);
    EXPECT_TRUE(m.Cmdsubcol.Default);
    EXPECT_EQ(g.Rec.Inputblanks, 2);
    Act([&] { g.Guessentry.Cmdsubcol_Click(); });
    EXPECT_EQ(g.Rec.Currentstring, "317bb");
    EXPECT_EQ(g.Rec.Trial, 1);
}

// ---- A repeated guess ----

TEST_F(Playerguess, RepeatedGuessIsRefusedWithoutCostingATrial) {
    Menu();
    Start("789");
    Play("012");
    Guess("012");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Hey!  The string you input is the same as a previous one. Input again!");
    EXPECT_EQ(g.Message.Caption, "Inappropriate Input");
    EXPECT_EQ(g.Message.Cmdmid.Caption, "OK");
    EXPECT_TRUE(g.Message.Cmdmid.Default);
    EXPECT_EQ(g.Wait.Key(), "Same");
    EXPECT_EQ(g.Wait.Timeout, 900);
    EXPECT_FALSE(m.Frinput.Visible);
    EXPECT_FALSE(m.Frshowresult.Visible);
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_TRUE(g.Rec.Guesses[2].empty());

    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(m.Txtinput.Caption, "");
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    Play("013");
    EXPECT_EQ(g.Rec.Trial, 2);
    EXPECT_EQ(g.Rec.Guesses[2], "013");

    // Left alone, the message answers itself after 15 minutes.
    Guess("013");
    ASSERT_TRUE(g.Message.Visible);
    Seconds(899);
    EXPECT_TRUE(g.Message.Visible);
    Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Rec.Trial, 2);
}

// ---- The result panel ----

TEST_F(Playerguess, ResultPanelInRandomOrderCountsBothKindsWithPlurals) {
    Menu({{&lists.Cblength, "4"}, {&lists.Cborder, "Random order"}});
    Start("0123");
    Guess("0132");
    ASSERT_TRUE(m.Frshowresult.Visible);
    EXPECT_TRUE(m.Cmdshowresult.Default);
    EXPECT_EQ(m.Lbltrials.Caption, "Trial: 1");
    EXPECT_TRUE(m.Frcorrect.Visible);
    EXPECT_TRUE(m.Frwrong.Visible);
    EXPECT_EQ(m.Lblcorrect.Caption, "You have got 2 correct colours in correct position.");
    EXPECT_EQ(m.Lblwrong.Caption, "You have got 2 correct colours in wrong position.");
    ASSERT_EQ(m.Piccorrect.Ops.size(), 2u);
    ASSERT_EQ(m.Picwrong.Ops.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const Drawbox& b = m.Piccorrect.Ops[i].Box;
        EXPECT_EQ(b.X, 350 * i);
        EXPECT_EQ(b.Y, 0);
        EXPECT_EQ(b.Width, 300);
        EXPECT_EQ(b.Height, 300);
        EXPECT_EQ(b.Outline, 0x000000u);
        EXPECT_EQ(b.Fill, 0x000000u);
        EXPECT_EQ(m.Picwrong.Ops[i].Box.X, 350 * i);
        EXPECT_EQ(m.Picwrong.Ops[i].Box.Fill, 0xFFFFFFu);
    }
    EXPECT_EQ(g.Wait.Key(), "Frshowresult");
    EXPECT_EQ(g.Wait.Timeout, 60);
    // The hint is stored only when the panel goes.
    EXPECT_TRUE(g.Rec.Guesses[1].empty());
    Act([&] { g.Guessentry.Cmdshowresult_Click(); });
    EXPECT_EQ(g.Rec.Guesses[1], "0132");
    EXPECT_EQ(g.Rec.Blacks[1], 2);
    EXPECT_EQ(g.Rec.Whites[1], 2);
    EXPECT_EQ(g.Rec.Corrects[1], 4);

    Guess("0456");
    EXPECT_EQ(m.Lblcorrect.Caption, "You have got 1 correct colour in correct position.");
    EXPECT_EQ(m.Lblwrong.Caption, "You have got 0 correct colours in wrong position.");
    EXPECT_EQ(m.Piccorrect.Ops.size(), 1u);
    EXPECT_TRUE(m.Picwrong.Ops.empty());
    Act([&] { g.Guessentry.Cmdshowresult_Click(); });
    Guess("4561");
    EXPECT_EQ(m.Lbltrials.Caption, "Trial: 3");
    EXPECT_EQ(m.Lblcorrect.Caption, "You have got 0 correct colours in correct position.");
    EXPECT_EQ(m.Lblwrong.Caption, "You have got 1 correct colour in wrong position.");
}

TEST_F(Playerguess, ResultPanelInFixedOrderCountsColoursOnly) {
    Menu({{&lists.Cblength, "4"}});
    Start("0123");
    Guess("0124");
    ASSERT_TRUE(m.Frshowresult.Visible);
    EXPECT_TRUE(m.Frcorrect.Visible);
    EXPECT_FALSE(m.Frwrong.Visible);
    EXPECT_EQ(m.Lblcorrect.Caption, "You have got 3 correct colours.");
    ASSERT_EQ(m.Piccorrect.Ops.size(), 3u);
    for (const Drawop& op : m.Piccorrect.Ops) EXPECT_EQ(op.Box.Fill, Countfill);
    EXPECT_TRUE(m.Picwrong.Ops.empty());
    Act([&] { g.Guessentry.Cmdshowresult_Click(); });
    EXPECT_EQ(g.Rec.Corrects[1], 3);
    Guess("4567");
    EXPECT_EQ(m.Lblcorrect.Caption, "You have got 0 correct colours.");
    EXPECT_TRUE(m.Piccorrect.Ops.empty());
    Act([&] { g.Guessentry.Cmdshowresult_Click(); });
    Guess("0456");
    EXPECT_EQ(m.Lblcorrect.Caption, "You have got 1 correct colour.");
}

TEST_F(Playerguess, ResultPanelPressesItsOwnOkAfterOneMinute) {
    Menu();
    Start("789");
    Guess("012");
    ASSERT_TRUE(m.Frshowresult.Visible);
    Seconds(59);
    EXPECT_TRUE(m.Frshowresult.Visible);
    EXPECT_FALSE(m.Frinput.Visible);
    Seconds(1);
    EXPECT_FALSE(m.Frshowresult.Visible);
    EXPECT_EQ(g.Rec.Guesses[1], "012");
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_EQ(g.Rec.Trial, 1);
    EXPECT_FALSE(g.Message.Visible);
    // The next guess is trial 2, and nothing more happens while the player thinks.
    Seconds(120);
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_TRUE(g.Rec.Guesses[2].empty());
    Play("013");
    EXPECT_EQ(g.Rec.Guesses[2], "013");
}

// ---- Claims of an error ----
//
// 10 colours, length 3, fixed order, no repetition, code 012. Trials 345 and 678 leave the
// colours 0, 1, 2 and 9, so a falsified count becomes visible as soon as no three of those four
// fit it.

struct Claims : Playerguess {
    void Begin(const std::string& answer, const std::string& errors) {
        Menu({{&lists.Cbhint, "May contain error(s)"}});
        Start(answer, errors);
    }
    void Expectlost(const std::string& status) {
        EXPECT_EQ(Statusname(g.Rec.Status), status);
        EXPECT_EQ(g.Message.Caption, status);
        EXPECT_EQ(g.Message.Tag, "Wrong Detection");
        EXPECT_EQ(g.Wait.Key(), "Wrong Detection");
        EXPECT_EQ(g.Wait.Timeout, 900);
        EXPECT_EQ(g.Message.Cmdl3.Caption, "Save File");
        EXPECT_EQ(g.Message.Cmdmid.Caption, "Change Display");
        EXPECT_EQ(g.Message.Cmdr3.Caption, "End");
        EXPECT_TRUE(g.Message.Cmdr3.Default);
        EXPECT_FALSE(g.Tmrrec.Enabled);
        EXPECT_FALSE(m.Lbltime.Visible);
        EXPECT_TRUE(m.Franswer.Visible);
        for (const Control* c : {&m.Frerror, &m.Frinput, &m.Frgetstring, &m.Frcolour})
            EXPECT_FALSE(c->Visible);
    }
};

TEST_F(Claims, ErrorButtonIsOfferedOnlyOnceAHintWasGiven) {
    Begin("012", "3");
    EXPECT_FALSE(m.Frerror.Visible);
    EXPECT_EQ(m.Lblinput.Caption, "Input your guess below. Use numbers to represent colours.");
    Claim(); // a hidden button does nothing
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_TRUE(m.Frinput.Visible);
    Play("345");
    EXPECT_TRUE(m.Frerror.Visible);
    EXPECT_EQ(m.Lblinput.Caption,
              "Input your guess, or press the Error button, if you think there is an error.");
    EXPECT_EQ(m.Lblgetstring.Caption,
              "Input your guess, or press the Error button, if you think there is an error.");
    EXPECT_EQ(m.Lblgetstring.Fontsize, 11);
}

TEST_F(Claims, ClaimBeforeAnyErrorShowsAPossibleAnswer) {
    Begin("012", "3");
    Play("345");
    Seconds(20);
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Sorry!  The hint I gave you is consistent. You may see a possible answer in the "
              "Possible Answer Frame.\nChoose one option below.");
    Expectlost("Hint(s) Consistent");
    EXPECT_EQ(g.Rec.Finaltrial, 1);
    EXPECT_EQ(m.Franswer.Caption, "Possible Answer");
    EXPECT_FALSE(m.Picanswer.Ops.empty());
    // What is shown fits the hint given; the code itself is kept back.
    EXPECT_TRUE(Validcode(g.Rec.Answer, g.Setting)) << g.Rec.Answer.str();
    EXPECT_TRUE(testkit::Satisfies(g.Rec.Answer, g.Rec, g.Setting, 1)) << g.Rec.Answer.str();

    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::None);
    EXPECT_EQ(g.Wait.Key(), "Picfore");
}

TEST_F(Claims, RightClaimCorrectsTheHintAndTheGameGoesOn) {
    Begin("012", "3");
    Play("345");
    Play("678");
    Play("019"); // truly 2, shown 1: no three of 0, 1, 2, 9 share only one colour with it
    EXPECT_EQ(g.Rec.Blacks[3], 1);
    EXPECT_EQ(g.Rec.Errorpending, -1);
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "You are right!  In fact, there is an error in Trial 3. Press the OK button. The "
              "error will be corrected and you may continue guessing.");
    EXPECT_EQ(g.Message.Caption, "Error Detected");
    EXPECT_EQ(g.Message.Tag, "Continue Playing");
    EXPECT_EQ(g.Message.Cmdmid.Caption, "OK");
    EXPECT_EQ(g.Wait.Timeout, 60);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Errordetected);
    EXPECT_EQ(g.Rec.Detecttrial, 4);

    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Continueplaying);
    EXPECT_EQ(g.Rec.Blacks[3], 2);
    EXPECT_EQ(g.Rec.Corrects[3], 2);
    EXPECT_EQ(g.Rec.Errorpending, 0);
    EXPECT_EQ(g.Rec.Trial, 3);
    EXPECT_TRUE(g.Tmrrec.Enabled); // the clock goes on
    ASSERT_TRUE(m.Frinput.Visible);
    EXPECT_FALSE(m.Frerror.Visible);
    EXPECT_EQ(m.Lblinput.Caption, "Input your guess below. Use numbers to represent colours.");
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");

    Play("029");
    EXPECT_EQ(g.Rec.Trial, 4);
    EXPECT_FALSE(m.Frerror.Visible); // one correction a game
    Guess("012");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Message.Lblmessage.Caption.rfind("Win!  You have tried 5 times and spent ", 0), 0u)
        << g.Message.Lblmessage.Caption;
}

TEST_F(Claims, RightClaimPressesItsOwnOkAfterOneMinute) {
    Begin("012", "3");
    Play("345");
    Play("678");
    Play("019");
    Claim();
    ASSERT_EQ(g.Message.Tag, "Continue Playing");
    Seconds(59);
    EXPECT_TRUE(g.Message.Visible);
    Seconds(1);
    EXPECT_FALSE(g.Message.Visible);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Continueplaying);
    EXPECT_TRUE(m.Frinput.Visible);
}

TEST_F(Claims, LateClaimNamesTheTrialAndShowsTheCode) {
    Begin("012", "3");
    Play("345");
    Play("678");
    Play("019");
    Play("456");
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Too late!  In fact, the error occurred in Trial 3. You should have detected it in "
              "Trial 3.\nChoose one option below.");
    Expectlost("Late Detection of Error");
    EXPECT_EQ(g.Rec.Finaltrial, 4);
    EXPECT_EQ(m.Franswer.Caption, "Answer");
    EXPECT_EQ(g.Rec.Answer, "012");
}

TEST_F(Claims, TwoErrorsAreNamedAndBothCorrected) {
    Begin("012", "36");
    Play("345");
    Play("678");
    Play("013"); // truly 2, shown 1: still fits 029 and 129
    Play("456");
    Play("457");
    Play("129"); // truly 2, shown 1: now nothing fits
    EXPECT_EQ(g.Rec.Trueblacks, "22");
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "You are right!  In fact, there are errors in Trials 3 and 6. Press the OK button. "
              "The errors will be corrected and you may continue guessing.");
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_EQ(g.Rec.Status, Gamestatus::Continueplaying);
    EXPECT_EQ(g.Rec.Blacks[3], 2);
    EXPECT_EQ(g.Rec.Blacks[6], 2);
    EXPECT_EQ(g.Rec.Trial, 6);
    EXPECT_TRUE(g.Rec.Errortrials.empty());
    EXPECT_TRUE(m.Frinput.Visible);
    EXPECT_FALSE(m.Frerror.Visible);
}

TEST_F(Claims, ClaimBeforeTheErrorShowsIsLostAndLaterOnesAreLate) {
    // The first falsified count still fits codes; the claim is lost, with plural words.
    Begin("012", "36");
    Play("345");
    Play("678");
    Play("013");
    ASSERT_EQ(g.Rec.Errorpending, -1);
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Sorry!  The hints I gave you are consistent. You may see a possible answer in the "
              "Possible Answer Frame.\nChoose one option below.");
    Expectlost("Hint(s) Consistent");
    EXPECT_EQ(g.Rec.Finaltrial, 3);
    EXPECT_TRUE(testkit::Satisfies(g.Rec.Answer, g.Rec, g.Setting, 3)) << g.Rec.Answer.str();
    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });

    // Both errors made and claimed one trial after they show: both are named.
    Begin("012", "36");
    for (const char* s : {"345", "678", "013", "456", "457", "129", "389"}) Play(s);
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Too late!  In fact, the errors occurred in Trials 3 and 6. You should have "
              "detected it in Trial 6.\nChoose one option below.");
    Expectlost("Late Detection of Error");
    EXPECT_EQ(g.Rec.Finaltrial, 7);
}

TEST_F(Claims, ClaimRevealsAWinTheFalsifiedHintHid) {
    Begin("012", "3");
    Play("345");
    Play("678");
    Play("012"); // the code, shown as 2 correct
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_EQ(g.Rec.Solvedunseen, -1);
    EXPECT_EQ(g.Rec.Solvedtrial, 3);
    Play("349"); // every code left holds 9, yet this scores 0: nothing fits any more
    Claim();
    ASSERT_TRUE(g.Message.Visible);
    ASSERT_EQ(g.Message.Tag, "Continue Playing");
    Act([&] { g.Messagebutton(Boxbutton::Cmdmid); });
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_FALSE(g.Message.Visible); // the win follows on the deferral timer
    clock.advance(1);
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Win");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "After correcting the error, it is found that you already got the correct answer "
              "at Trial 3.\nPlease choose one option below.");
    EXPECT_EQ(g.Rec.Finaltrial, 4);
    EXPECT_FALSE(m.Frinput.Visible);
    EXPECT_FALSE(g.Tmrrec.Enabled);
}

TEST_F(Claims, UnclaimedErrorMakesTheWinPureLuck) {
    Begin("012", "2");
    Play("345");
    Play("678"); // truly 0, shown 1
    Seconds(30);
    Guess("012");
    ASSERT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Well!  You have got the correct answer by pure luck. Haven't you noticed the error "
              "in Trial 2?\nPlease choose one option below.");
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Rec.Winseconds, 0); // the time is not taken
}

} // namespace
} // namespace tc
