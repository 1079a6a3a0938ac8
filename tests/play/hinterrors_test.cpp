#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

using namespace testkit;

// Fires the game's timers until a message shows or nothing is armed, without answering it.
void Rununtilmessage(Game& g) {
    while (!g.Message.Visible) {
        if (g.Tmrbuffer.Enabled)
            g.Gameending.Tmrbuffer_Timer();
        else if (g.Tmrdelay.Enabled && g.Rec.Status != Gamestatus::Nextdemo)
            g.Steptimer.Tmrdelay_Timer();
        else
            return;
    }
}

// A copy of the record when the computer finds its hints inconsistent.
struct Detectionlog : Eventlog {
    using Eventlog::Eventlog;
    void Detected() override {
        Eventlog::Detected();
        atdetection = game.Rec;
    }
    Gamerecord atdetection;
};

bool Anycodesatisfies(const std::vector<Str>& codes, const Gamerecord& r, const Gamesetting& s,
                      int upto) {
    for (const Str& c : codes)
        if (Satisfies(c, r, s, upto)) return true;
    return false;
}

// ---- "Watch computer play" with planned errors ----

struct Smallsetting {
    int colours, length, rep, order;
    bool unspecified;
};

class Plannederrors : public ::testing::TestWithParam<Smallsetting> {};

// For every code and every plan of one or two errors among trials 1..3: the falsified hint is
// detected as soon as the hints contradict each other, corrected, and the game is won.
TEST_P(Plannederrors, DetectedCorrectedAndWon) {
    const Smallsetting c = GetParam();
    Gamesetting s = Makesetting(c.colours, c.length, c.rep, c.order, c.unspecified);
    s.Hinttype = Hintkind::Errors;
    const std::vector<Str> codes = Allcodes(s);
    testkit::Plaingame plain(5);
    Game& g = plain.g;
    g.Setting = s;
    const Str order = Shufflecolours(s, plain.rnd);
    int detections = 0, unseen = 0;
    for (const char* plan : {"1", "2", "3", "12", "13", "23"})
        for (const Str& code : codes) {
            Endgame(g);
            Detectionlog log(g);
            g.Observer = &log;
            g.Plan = Gameplan{};
            g.Plan.Answer = code;
            g.Plan.Colourorder = order;
            g.Plan.Errortrials = std::string(plan);
            g.Gamestarter.Initialize();
            Autoplay(g);
            const Gamerecord& r = g.Rec;
            const std::string where = Describe(s) + ", errors " + plan + ", code " + code.str();
            ASSERT_EQ(log.bugs, 0) << where << ": " << g.Message.Lblmessage.Caption;
            ASSERT_EQ(r.Status, Gamestatus::Win) << where;
            ASSERT_EQ(g.Message.Tag, "Win") << where;
            ASSERT_LE(r.Finaltrial, 27) << where;
            for (int t = 1; t <= r.Finaltrial; ++t)
                for (int u = 1; u < t; ++u)
                    ASSERT_FALSE(r.Guesses[u] == r.Guesses[t])
                        << where << ": trial " << t << " repeats trial " << u
                        << History(r, r.Finaltrial);
            const int made = static_cast<int>(r.Trueblacks.size());
            if (made == 0) {
                // The game was won before the first planned trial.
                ASSERT_LT(r.Finaltrial, plan[0] - '0') << where;
                ASSERT_EQ(log.detected, 0) << where;
                continue;
            }
            ++detections;
            ASSERT_EQ(log.detected, 1) << where;
            ASSERT_EQ(log.corrected, 1) << where;
            ASSERT_TRUE(r.Errortrials.empty()) << where;
            ASSERT_EQ(r.Errorpending, 0) << where;

            // Detected at the first trial whose hint left no code possible.
            const Gamerecord& d = log.atdetection;
            const int answered = d.Trial - 1;
            ASSERT_EQ(d.Claimtrial, answered) << where;
            ASSERT_FALSE(Anycodesatisfies(codes, d, s, answered))
                << where << ":" << History(d, answered);
            ASSERT_TRUE(Anycodesatisfies(codes, d, s, answered - 1))
                << where << ":" << History(d, answered);

            // The replay kept the known guesses; every hint is now the true one.
            for (int t = 1; t <= d.Claimtrial; ++t)
                ASSERT_EQ(r.Guesses[t], d.Guesses[t]) << where << ", trial " << t;
            for (int t = 1; t <= r.Finaltrial; ++t) {
                const Hint h = Markguess(r.Guesses[t], code, s);
                ASSERT_EQ(r.Blacks[t], h.black) << where << ", trial " << t;
                if (!s.Fixedorder()) {
                    ASSERT_EQ(r.Whites[t], h.white) << where << ", trial " << t;
                }
            }
            // Guesses after the correction agree with every true hint before them.
            for (int t = d.Claimtrial + 1; t <= r.Finaltrial; ++t)
                ASSERT_TRUE(Satisfies(r.Guesses[t], r, s, t - 1)) << where << ", trial " << t;

            if (r.Solvedunseen) {
                // The falsified hint hid the answer: the correction ends the game as won.
                ++unseen;
                ASSERT_EQ(r.Guesses[r.Solvedtrial], code) << where;
                ASSERT_EQ(r.Finaltrial, d.Claimtrial) << where;
                const std::string errors = made == 1 ? "error" : "errors";
                ASSERT_EQ(g.Message.Lblmessage.Caption,
                          "After correcting the " + errors +
                              ", it is found that I already got the correct answer at Trial " +
                              std::to_string(r.Solvedtrial) + ".\nPlease choose one option below.")
                    << where;
            } else {
                ASSERT_EQ(r.Guesses[r.Finaltrial], code) << where;
            }
        }
    EXPECT_GT(detections, 0);
    EXPECT_GT(unseen, 0); // every setting here has codes found at trials 1..3
}

INSTANTIATE_TEST_SUITE_P(
    Smallsettings, Plannederrors,
    ::testing::Values(Smallsetting{5, 3, Any, Fixed, false}, Smallsetting{5, 3, Any, Random, false},
                      Smallsetting{5, 3, 1, Random, false}, Smallsetting{6, 4, 2, Fixed, false},
                      Smallsetting{6, 4, 2, Random, false}, Smallsetting{6, 4, Any, Random, true}),
    Settingname());

TEST(Plannederrors, MessagesOfTheRandomOrderExample) {
    Seededrandom rnd(3);
    Norecords records;
    for (const char* plan : {"2", "12"}) {
        testkit::Testclock clock;
        Game g(rnd, records, clock);
        g.Setting = Makesetting(6, 4, Any, Random);
        g.Setting.Hinttype = Hintkind::Errors;
        g.Plan.Answer = Str("0255");
        g.Plan.Colourorder = Str("310542");
        g.Plan.Errortrials = std::string(plan);
        g.Gamestarter.Initialize();
        g.Gamestarter.Startgame();
        g.Computerplay.Getguess();
        Rununtilmessage(g);
        const int n = static_cast<int>(std::string(plan).size());
        ASSERT_TRUE(g.Message.Visible);
        EXPECT_EQ(g.Rec.Status, Gamestatus::Errordetected);
        EXPECT_EQ(g.Message.Tag, "Continue Playing");
        EXPECT_EQ(g.Message.Caption, "Error Detected");
        EXPECT_EQ(g.Message.Lblmessage.Caption,
                  std::string("I have detected an error in the hints. Press the OK button. The ") +
                      (n == 1 ? "error" : "errors") +
                      " will be corrected and I will continue guessing.");
        EXPECT_EQ(static_cast<int>(g.Rec.Trueblacks.size()), n);
        if (n == 1) {
            // Trial 2, 0005, scores 2 black; the hint shown loses one black.
            EXPECT_EQ(g.Rec.Guesses[2], "0005");
            EXPECT_EQ(g.Rec.Blacks[2], 1);
            EXPECT_EQ(g.Rec.Whites[2], 0);
            EXPECT_EQ(g.Rec.Trueblacks, "2");
            EXPECT_EQ(g.Rec.Truewhites, "0");
        } else {
            // Trial 1, 3310, scores 0 black 1 white; the hint shown loses the white.
            EXPECT_EQ(g.Rec.Blacks[1], 0);
            EXPECT_EQ(g.Rec.Whites[1], 0);
        }
        const int claim = g.Rec.Claimtrial;
        g.Messagebutton(Boxbutton::Cmdmid);
        Runtimers(g);
        EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
        EXPECT_EQ(g.Rec.Blacks[1], 0);
        EXPECT_EQ(g.Rec.Whites[1], 1);
        EXPECT_EQ(g.Rec.Guesses[g.Rec.Finaltrial], "0255");
        EXPECT_GT(g.Rec.Finaltrial, claim);
    }
}

TEST(Plannederrors, FixedOrderErrorAtTheWinningTrial) {
    // The fixed-order example wins at trial 6; falsifying that hint hides the win.
    testkit::Plaingame plain(3);
    Game& g = plain.g;
    Eventlog log(g);
    g.Observer = &log;
    g.Setting = Makesetting(6, 4, Any, Fixed);
    g.Setting.Hinttype = Hintkind::Errors;
    g.Plan.Answer = Str("0255");
    g.Plan.Colourorder = Str("310542");
    g.Plan.Errortrials = std::string("6");
    g.Gamestarter.Initialize();
    Autoplay(g);
    EXPECT_EQ(log.detected, 1);
    EXPECT_EQ(log.corrected, 1);
    EXPECT_EQ(g.Rec.Solvedunseen, -1);
    EXPECT_EQ(g.Rec.Solvedtrial, 6);
    EXPECT_EQ(g.Rec.Blacks[6], 4);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "After correcting the error, it is found that I already got the correct answer at "
              "Trial 6.\nPlease choose one option below.");
}

// ---- Inconsistent hints with nothing falsified ----

// Spoils the stored hint of one trial as soon as it is stored, behind the game's back.
struct Spoiler : Eventlog {
    Spoiler(Game& g, int t, int black) : Eventlog(g), target(g), trial(t), value(black) {}
    void Processed(int t) override {
        Eventlog::Processed(t);
        if (t == trial) target.Rec.Blacks[t] = target.Rec.Corrects[t] = value;
    }
    Game& target;
    int trial, value;
};

TEST(Inconsistenthints, WithNoErrorPendingTheProgrammeReportsABug) {
    testkit::Plaingame plain(3);
    Game& g = plain.g;
    g.Setting = Makesetting(6, 4, Any, Fixed);
    // Trial 1, 0133, truly scores 1; stored as 4 the only answer is the guess itself.
    Spoiler spoil(g, 1, 4);
    g.Observer = &spoil;
    g.Plan.Answer = Str("0255");
    g.Plan.Colourorder = Str("310542");
    g.Gamestarter.Initialize();
    Autoplay(g);
    EXPECT_EQ(spoil.bugs, 1);
    EXPECT_EQ(spoil.bugguess, "");
    EXPECT_EQ(spoil.detected, 0);
    EXPECT_TRUE(g.Message.Visible);
    EXPECT_EQ(g.Message.Tag, "Bug");
    EXPECT_EQ(g.Message.Caption, "Bug");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "This programme has a bug. Please choose one option below.");
    EXPECT_EQ(g.Rec.Trial, 1);
}

// ---- "Computer guesses" with the player marking ----

struct Playermarking : testkit::Plaingame {
    explicit Playermarking(const Gamesetting& s, const char* order) : Plaingame(17), log(g) {
        g.Setting = s;
        g.Setting.Whoguess = Role::Computerguesses;
        g.Main.Optnomark.Value = true;
        g.Observer = &log;
        g.Plan.Colourorder = Str(order);
        g.Gamestarter.Initialize();
        g.Gamestarter.Startgame();
        g.Computerplay.Getguess();
    }
    // True while the computer waits for marks.
    bool Waiting() const { return g.Wait.Key() == "Frgetresult" && !g.Message.Visible; }
    void Answer(int black, int white) {
        g.Rec.Currenthint = Hint{black, white, 0};
        g.Marking.Processmark();
        g.Computerplay.Getguess();
    }
    Eventlog log;
};

void Expectheymessage(const Game& g, int hints) {
    EXPECT_EQ(g.Rec.Status, Gamestatus::Errordetected);
    EXPECT_EQ(g.Message.Tag, "Error Detected");
    EXPECT_EQ(g.Message.Caption, "Error Detected");
    EXPECT_EQ(g.Rec.Finaltrial, hints);
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              std::string("Hey!  The ") + (hints == 1 ? "hint" : "hints") + " you gave me " +
                  (hints == 1 ? "is" : "are") +
                  " inconsistent!  I cannot continue. Please choose one option below.");
}

TEST(Playermarking, AllColoursWithoutAWinRepeatsTheGuessAndIsInconsistent) {
    Playermarking p(Makesetting(6, 4, Any, Fixed), "310542");
    ASSERT_TRUE(p.Waiting());
    ASSERT_EQ(p.g.Rec.Currentstring, "0133");
    p.Answer(4, 0); // four correct colours, but WIN not pressed
    EXPECT_EQ(p.log.detected, 1);
    EXPECT_EQ(p.log.bugs, 0);
    Expectheymessage(p.g, 1);
}

TEST(Playermarking, NoColourAnywhereIsInconsistent) {
    Playermarking p(Makesetting(6, 4, Any, Random), "310542");
    int answered = 0;
    while (p.Waiting() && answered < 27) {
        p.Answer(0, 0);
        ++answered;
    }
    EXPECT_EQ(p.log.detected, 1);
    EXPECT_EQ(p.log.bugs, 0);
    // Trial 1 rules out 3, 1, 0; trial 2 must hold the other three colours.
    EXPECT_EQ(answered, 2);
    Expectheymessage(p.g, 2);
}

// Player-marked games with hints that are sometimes wrong: every guess agrees with the hints so
// far, and "inconsistent" is said exactly when no code of the setting satisfies them.
class Playermarkingverdict : public ::testing::TestWithParam<Smallsetting> {};

TEST_P(Playermarkingverdict, MatchesBruteForce) {
    const Smallsetting c = GetParam();
    const Gamesetting base = Makesetting(c.colours, c.length, c.rep, c.order, c.unspecified);
    Seededrandom chance(2024);
    {
        const std::vector<Str> codes = Allcodes(base);
        int verdicts = 0;
        for (int game = 0; game < 300; ++game) {
            const Str code = codes[static_cast<size_t>(chance.Rnd() * codes.size())];
            const Str order = Shufflecolours(base, chance);
            Playermarking p(base, order.str().c_str());
            Game& g = p.g;
            const std::string where = Describe(base) + ", code " + code.str() + ", order " +
                                      order.str() + ", game " + std::to_string(game);
            for (;;) {
                ASSERT_EQ(p.log.bugs, 0) << where << ": " << g.Message.Lblmessage.Caption;
                const int answered = g.Rec.Trial - 1;
                if (!p.Waiting()) {
                    ASSERT_EQ(p.log.detected, 1) << where;
                    ASSERT_FALSE(Anycodesatisfies(codes, g.Rec, base, answered))
                        << where << ":" << History(g.Rec, answered);
                    ++verdicts;
                    break;
                }
                const Str guess = g.Rec.Currentstring;
                ASSERT_TRUE(Validcode(guess, base)) << where;
                ASSERT_TRUE(Satisfies(guess, g.Rec, base, answered))
                    << where << " " << guess.view() << " after" << History(g.Rec, answered);
                if (guess == code || g.Rec.Trial >= 27) break; // the player presses WIN
                Hint h = Markguess(guess, code, base);
                if (chance.Rnd() < 0.2) {
                    // A wrong mark, any the panel would take.
                    const int n = base.Codelength - Countchar(guess, 'b');
                    h.black = static_cast<int>(chance.Rnd() * n);
                    h.white =
                        base.Fixedorder() ? 0 : static_cast<int>(chance.Rnd() * (n - h.black + 1));
                }
                p.Answer(h.black, h.white);
            }
        }
        EXPECT_GT(verdicts, 10) << Describe(base);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Smallsettings, Playermarkingverdict,
    ::testing::Values(Smallsetting{5, 3, Any, Fixed, false}, Smallsetting{5, 3, Any, Random, false},
                      Smallsetting{6, 4, 1, Fixed, false}, Smallsetting{6, 4, 2, Random, false},
                      Smallsetting{6, 4, Any, Fixed, true}, Smallsetting{6, 4, Any, Random, true}),
    Settingname());

// With blanks, a guess answered with all its colours right but not won (030b against 0301) still
// fits the colour counts; the search may offer it again some trials later, which must count as a
// repeat and so as inconsistent hints. The smallest cases, one per role.
TEST(Repeatedguess, WatchComputerPlayWithAnErrorAndBlanks) {
    testkit::Plaingame plain(3);
    Game& g = plain.g;
    Eventlog log(g);
    g.Observer = &log;
    g.Setting = Makesetting(6, 4, Any, Random, true);
    g.Setting.Hinttype = Hintkind::Errors;
    g.Plan.Answer = Str("0301");
    g.Plan.Colourorder = Str("401523");
    g.Plan.Errortrials = std::string("1");
    g.Gamestarter.Initialize();
    Autoplay(g);
    ASSERT_EQ(g.Rec.Status, Gamestatus::Win);
    for (int t = 1; t <= g.Rec.Finaltrial; ++t)
        for (int u = 1; u < t; ++u)
            EXPECT_FALSE(g.Rec.Guesses[u] == g.Rec.Guesses[t])
                << "trial " << t << " repeats trial " << u << History(g.Rec, g.Rec.Finaltrial);
}

// The rows given before a middle start are on the board too: 3456b, given as trial 2, was
// offered again at trial 3.
TEST(Repeatedguess, RowsGivenBeforeAMiddleStartCountToo) {
    testkit::Plaingame plain(3);
    Game& g = plain.g;
    g.Setting = Makesetting(7, 5, 1, Fixed, true);
    g.Setting.Hinttype = Hintkind::Errors;
    g.Setting.Starttype = Startkind::Middle;
    g.Plan = {Str("13456"), Str("2536041"), std::string("1"), 3, {Str("01234"), Str("3456b")}};
    g.Gamestarter.Initialize();
    Autoplay(g);
    for (int t = 3; t <= g.Rec.Finaltrial; ++t)
        for (int u = 1; u < t; ++u) EXPECT_FALSE(g.Rec.Guesses[u] == g.Rec.Guesses[t]) << t;
}

TEST(Repeatedguess, PlayerMarkingWithBlanks) {
    // The player marks against 0345 but tells one correct colour less for trial 5.
    const Gamesetting s = Makesetting(6, 4, Any, Fixed, true);
    const std::vector<Str> codes = Allcodes(s);
    Playermarking p(s, "031425");
    while (p.Waiting() && p.g.Rec.Trial < 27) {
        const Str guess = p.g.Rec.Currentstring;
        for (int u = 1; u < p.g.Rec.Trial; ++u)
            ASSERT_FALSE(p.g.Rec.Guesses[u] == guess)
                << "trial " << p.g.Rec.Trial << " repeats trial " << u
                << History(p.g.Rec, p.g.Rec.Trial - 1);
        ASSERT_FALSE(guess == "0345");
        const Hint h = Markguess(guess, "0345", s);
        p.Answer(p.g.Rec.Trial == 5 ? h.black - 1 : h.black, 0);
    }
    EXPECT_EQ(p.log.detected, 1);
    EXPECT_FALSE(Anycodesatisfies(codes, p.g.Rec, s, p.g.Rec.Trial - 1));
}

// ---- "You guess": the player's claims ----

struct Youguess : testkit::Plaingame {
    explicit Youguess(const char* errors) : Plaingame(23), log(g) {
        g.Setting = Makesetting(6, 4, Any, Random, false, 1);
        g.Setting.Hinttype = Hintkind::Errors;
        g.Observer = &log;
        g.Plan.Answer = Str("4545");
        g.Plan.Colourorder = Str("310542");
        g.Plan.Errortrials = std::string(errors);
        g.Gamestarter.Initialize();
        g.Gamestarter.Startgame();
    }
    void Guess(const char* s) {
        g.Rec.Currentstring = Str(s);
        g.Marking.Mark();
        g.Marking.Processmark();
    }
    // The Error button: the engine walks the finished trials again.
    void Claim() {
        g.Rec.Claimtrial = g.Rec.Trial;
        g.Rec.Trial = 0;
        g.Rec.Checkmode = 1;
        g.Engine.Nextguess();
    }
    Eventlog log;
};

TEST(Youguess, ClaimAgainstTrueHintsShowsAPossibleAnswer) {
    Youguess y("9");
    y.Guess("0123");
    y.Guess("4432");
    y.Claim();
    EXPECT_EQ(y.g.Rec.Detecttrial, 0);
    EXPECT_EQ(y.g.Rec.Status, Gamestatus::Hintsconsistent);
    EXPECT_EQ(y.g.Message.Tag, "Wrong Detection");
    EXPECT_EQ(y.g.Message.Lblmessage.Caption,
              "Sorry!  The hints I gave you are consistent. You may see a possible answer in the "
              "Possible Answer Frame.\nChoose one option below.");
    // The possible answer shown satisfies both hints.
    EXPECT_TRUE(Validcode(y.g.Rec.Answer, y.g.Setting));
    EXPECT_TRUE(Satisfies(y.g.Rec.Answer, y.g.Rec, y.g.Setting, 2));
}

TEST(Youguess, RightAndLateClaims) {
    // 0123 truly scores nothing against 4545 and is shown 1 black; 1230 then scores nothing
    // either, which no code can match together with trial 1's hint.
    {
        Youguess y("1");
        y.Guess("0123");
        EXPECT_EQ(y.g.Rec.Blacks[1], 1);
        y.Guess("1230");
        y.Claim();
        EXPECT_EQ(y.g.Rec.Detecttrial, 3);
        EXPECT_EQ(y.g.Rec.Status, Gamestatus::Errordetected);
        EXPECT_EQ(y.g.Message.Tag, "Continue Playing");
        EXPECT_EQ(y.g.Message.Lblmessage.Caption,
                  "You are right!  In fact, there is an error in Trial 1. Press the OK button. The "
                  "error will be corrected and you may continue guessing.");
    }
    {
        Youguess y("1");
        y.Guess("0123");
        y.Guess("1230");
        y.Guess("5555");
        y.Claim();
        EXPECT_EQ(y.g.Rec.Detecttrial, 3);
        EXPECT_EQ(y.g.Rec.Status, Gamestatus::Latedetection);
        EXPECT_EQ(y.g.Rec.Finaltrial, 3);
        EXPECT_EQ(y.g.Message.Lblmessage.Caption,
                  "Too late!  In fact, the error occurred in Trial 1. You should have detected it "
                  "in Trial 2.\nChoose one option below.");
    }
}

TEST(Youguess, CorrectionOfARightClaimLetsThePlayerGoOn) {
    Youguess y("1");
    y.Guess("0123");
    y.Guess("1230");
    y.Claim();
    ASSERT_EQ(y.g.Message.Tag, "Continue Playing");
    y.g.Messagebutton(Boxbutton::Cmdmid);
    EXPECT_EQ(y.g.Rec.Blacks[1], 0);
    EXPECT_EQ(y.g.Rec.Status, Gamestatus::Continueplaying);
    // The player guesses trial 3 next; nothing else may happen in between.
    EXPECT_EQ(y.g.Rec.Trial, 2);
    EXPECT_FALSE(y.g.Message.Visible);
    EXPECT_EQ(y.log.detected, 1);
}

} // namespace
} // namespace tc
