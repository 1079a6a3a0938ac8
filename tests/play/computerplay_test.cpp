#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

using namespace testkit;

struct Row {
    const char* guess;
    int black, white;
};

void Expectrows(const Game& g, const std::vector<Row>& rows) {
    ASSERT_EQ(g.Rec.Finaltrial, static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const int t = static_cast<int>(i) + 1;
        EXPECT_EQ(g.Rec.Guesses[t], rows[i].guess) << "trial " << t;
        EXPECT_EQ(g.Rec.Blacks[t], rows[i].black) << "trial " << t;
        if (!g.Setting.Fixedorder()) {
            EXPECT_EQ(g.Rec.Whites[t], rows[i].white) << "trial " << t;
        }
    }
}

// ---- The worked examples: 6 colours, length 4, any repetition, colour order 310542, code 0255
// ----

TEST(Workedexample, FixedOrder) {
    testkit::Plaingame plain(1);
    Game& g = plain.g;
    g.Setting = Makesetting(6, 4, Any, Fixed);
    Eventlog log(g);
    g.Observer = &log;
    Playgame(g, "0255", "310542");
    Expectrows(g, {{"0133", 1, 0},
                   {"0000", 1, 0},
                   {"0455", 3, 0},
                   {"0445", 2, 0},
                   {"0555", 3, 0},
                   {"0255", 4, 0}});
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Rec.Attempts, 6);
    EXPECT_EQ(g.Message.Tag, "Win");
    EXPECT_EQ(g.Message.Lblmessage.Caption,
              "Win!  I have tried 6 times.\nPlease choose one option below.");
    EXPECT_EQ(log.processed, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    // The search state behind the last guess: level 1 took the copy of 0, level 3 stepped from
    // 4 and 5 to two copies of 5, so the skeleton is 055.
    EXPECT_EQ(g.Engine.Newcolours[1], "013");
    EXPECT_EQ(g.Engine.Choice[1], "100");
    EXPECT_EQ(g.Engine.Choice[2], "0");
    EXPECT_EQ(g.Engine.Newcolours[3], "45");
    EXPECT_EQ(g.Engine.Choice[3], "02");
    EXPECT_EQ(g.Engine.Skeleton, "055");
}

TEST(Workedexample, RandomOrder) {
    testkit::Plaingame plain(1);
    Game& g = plain.g;
    g.Setting = Makesetting(6, 4, Any, Random);
    Playgame(g, "0255", "310542");
    Expectrows(g, {{"3310", 0, 1}, {"0005", 2, 0}, {"0042", 1, 1}, {"0255", 4, 0}});
    EXPECT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_EQ(g.Rec.Attempts, 4);
}

TEST(Workedexample, MiddleStartWalksTheGivenRows) {
    testkit::Plaingame plain(1);
    Game& g = plain.g;
    g.Setting = Makesetting(6, 4, Any, Random);
    g.Setting.Starttype = Startkind::Middle;
    g.Plan.Answer = Str("0255");
    g.Plan.Colourorder = Str("310542");
    g.Plan.Starttrial = 3;
    g.Plan.Rows = {Str("3310"), Str("0005")};
    g.Gamestarter.Initialize();
    Autoplay(g);
    // The given rows are the example's first two guesses, so the game goes on as the example.
    Expectrows(g, {{"3310", 0, 1}, {"0005", 2, 0}, {"0042", 1, 1}, {"0255", 4, 0}});
    EXPECT_EQ(g.Rec.Attempts, 2);
}

// ---- Whole small settings: every code, a couple of colour orders ----

struct Propertycase {
    int colours, length, rep, order;
    bool unspecified;
};

// Checks the game just played: every guess is a valid code, new, and agrees with every earlier
// hint; the game is won within 27 trials.
void Checkgame(const Game& g, const Str& code) {
    const Gamesetting& s = g.Setting;
    const Gamerecord& r = g.Rec;
    const std::string where =
        Describe(s) + ", order " + r.Colourorder.str() + ", code " + code.str();
    ASSERT_EQ(r.Status, Gamestatus::Win) << where;
    ASSERT_EQ(g.Message.Tag, "Win") << where;
    ASSERT_GE(r.Finaltrial, 1) << where;
    ASSERT_LE(r.Finaltrial, 27) << where;
    ASSERT_EQ(r.Guesses[r.Finaltrial], code) << where;
    for (int t = 1; t <= r.Finaltrial; ++t) {
        const Str& guess = r.Guesses[t];
        ASSERT_TRUE(Validcode(guess, s)) << where << ", trial " << t << " " << guess.view();
        for (int u = 1; u < t; ++u) {
            ASSERT_FALSE(r.Guesses[u] == guess) << where << ", trial " << t << " repeats " << u;
            const Hint h = Markguess(r.Guesses[u], guess, s);
            ASSERT_EQ(h.black, r.Blacks[u])
                << where << ": guess " << t << " " << guess.view() << " disagrees with trial " << u
                << " " << r.Guesses[u].view();
            if (!s.Fixedorder()) {
                ASSERT_EQ(h.white, r.Whites[u])
                    << where << ": guess " << t << " " << guess.view() << " disagrees with trial "
                    << u << " " << r.Guesses[u].view();
                // No colour of a guess answered with no black mark comes back to its position.
                for (int p = 0; p < s.Codelength && r.Blacks[u] == 0; ++p) {
                    ASSERT_TRUE(guess[p] == 'b' || guess[p] != r.Guesses[u][p])
                        << where << ", trial " << t << " position " << p + 1;
                }
            }
        }
        const Hint truth = Markguess(guess, code, s);
        ASSERT_EQ(r.Blacks[t], truth.black) << where << ", trial " << t;
    }
}

class Everycode : public ::testing::TestWithParam<Propertycase> {};

TEST_P(Everycode, GuessesAgreeWithEveryEarlierHintAndWin) {
    const Propertycase c = GetParam();
    const Gamesetting s = Makesetting(c.colours, c.length, c.rep, c.order, c.unspecified);
    testkit::Plaingame plain(11);
    Game& g = plain.g;
    g.Setting = s;
    // The natural order, its reverse and one drawn permutation.
    Str reverse;
    for (int i = s.Ncolours - 1; i >= 0; --i) reverse.push_back(static_cast<char>('0' + i));
    for (const Str& order : {Alphabet(s), reverse, Shufflecolours(s, plain.rnd)}) {
        for (const Str& code : Allcodes(s)) {
            Playgame(g, code, order);
            Checkgame(g, code);
            if (HasFatalFailure()) return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Smallsettings, Everycode,
    ::testing::Values(Propertycase{5, 3, 1, Fixed, false}, Propertycase{5, 3, 1, Random, false},
                      Propertycase{5, 3, 2, Fixed, false}, Propertycase{5, 3, 2, Random, false},
                      Propertycase{5, 3, Any, Fixed, false}, Propertycase{5, 3, Any, Random, false},
                      Propertycase{6, 4, 1, Fixed, false}, Propertycase{6, 4, 1, Random, false},
                      Propertycase{6, 4, 2, Random, false}, Propertycase{6, 4, Any, Fixed, false},
                      Propertycase{6, 4, Any, Random, false}, Propertycase{6, 4, 1, Fixed, true},
                      Propertycase{6, 4, 1, Random, true}, Propertycase{6, 4, 2, Fixed, true},
                      Propertycase{6, 4, 2, Random, true}, Propertycase{6, 4, Any, Fixed, true},
                      Propertycase{6, 4, Any, Random, true}, Propertycase{7, 5, 2, Random, true}),
    Settingname());

} // namespace
} // namespace tc
