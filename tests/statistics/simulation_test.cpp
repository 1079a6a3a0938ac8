#include "play/autoplay.h"
#include "statistics/simulation.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace tc {
namespace {

using namespace testkit;

std::vector<Str> Sequence(const Gamesetting& s) {
    std::vector<Str> out;
    Odometer o(s);
    do {
        out.push_back(o.Code());
        if (out.size() > 200000) break; // a runaway odometer
    } while (o.Next());
    return out;
}

// Odometer order over the setting's characters, digits first and "b" last.
bool Odometerless(const Str& a, const Str& b) {
    auto rank = [](char c) { return c == 'b' ? 10 : c - '0'; };
    for (int i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return rank(a[i]) < rank(b[i]);
    return false;
}

void Expectsequence(const Gamesetting& s, size_t count, const char* first, const char* last) {
    const std::vector<Str> seq = Sequence(s);
    ASSERT_EQ(seq.size(), count) << Describe(s);
    EXPECT_EQ(seq.front(), first);
    EXPECT_EQ(seq.back(), last);
    // Every valid code once, in increasing order.
    const std::vector<Str> all = Allcodes(s);
    ASSERT_EQ(seq.size(), all.size()) << Describe(s);
    for (size_t i = 0; i < seq.size(); ++i) {
        ASSERT_TRUE(Validcode(seq[i], s)) << seq[i].view();
        if (i > 0) {
            ASSERT_TRUE(Odometerless(seq[i - 1], seq[i])) << seq[i].view();
        }
    }
}

TEST(Simulationcodes, NoRepetitionFiveColours) {
    Expectsequence(Makesetting(5, 3, 1, Random), 60, "012", "432");
    Expectsequence(Makesetting(5, 3, 1, Fixed), 10, "012", "234");
}

TEST(Simulationcodes, FirstAndLastCodes) {
    EXPECT_EQ(Firstcode(Makesetting(6, 4, 2, Random)), "0011");
    EXPECT_EQ(Lastcode(Makesetting(6, 4, 1, Random)), "5432");
    EXPECT_EQ(Lastcode(Makesetting(6, 4, 1, Fixed)), "2345");
    EXPECT_EQ(Lastcode(Makesetting(7, 5, 1, Random, true)), "bb654");
    EXPECT_EQ(Lastcode(Makesetting(7, 5, 1, Fixed, true)), "456bb");
    EXPECT_EQ(Lastcode(Makesetting(6, 4, 2, Random)), "5544");
    Expectsequence(Makesetting(6, 4, 2, Random), Allcodes(Makesetting(6, 4, 2, Random)).size(),
                   "0011", "5544");
    Expectsequence(Makesetting(6, 4, Any, Fixed), 126, "0000", "5555");
    // From a string that breaks the rules, the next valid code after it; none after the last.
    Odometer o(Makesetting(6, 4, 1, Random), Str("0021"));
    ASSERT_TRUE(o.Next());
    EXPECT_EQ(o.Code(), "0123");
    Odometer end(Makesetting(6, 4, 1, Fixed), Str("2345"));
    EXPECT_FALSE(end.Next());
}

TEST(Simulationcodes, UnspecifiedLengthPlaysOneBlankAtMost) {
    const Gamesetting s = Makesetting(6, 4, 1, Random, true);
    const std::vector<Str> seq = Sequence(s);
    std::set<std::string> codes;
    for (const Str& c : seq) codes.insert(c.str());
    EXPECT_TRUE(codes.count("01b2"));
    EXPECT_TRUE(codes.count("b012"));
    EXPECT_FALSE(codes.count("0bb1"));
    for (const Str& c : seq) EXPECT_LE(Countchar(c, 'b'), 1) << c.view();
    // 6*5*4*3 without a blank, 4 places for the blank times 6*5*4 with one.
    EXPECT_EQ(seq.size(), 360u + 480u);
    EXPECT_EQ(seq.back(), "b543");
    Expectsequence(s, 840, "0123", "b543");
    Expectsequence(Makesetting(6, 4, 1, Fixed, true), 15 + 20, "0123", "345b");
    Expectsequence(Makesetting(8, 6, 1, Fixed, true), 28 + 56 + 70 + 56, "012345", "567bbb");
}

TEST(Statisticsmessage, ThreeLines) {
    Simulationtotals t;
    t.Population = 100;
    t.Total = 431;
    t.Maxattempts = 7;
    t.Maxtrials = 9;
    EXPECT_EQ(Statisticsmessage(t), "Average number of attempts: 431 / 100 = 4.31\n"
                                    "Maximum number of attempts: 7\n"
                                    "Maximum number of trials: 9");
    t.Total = 6522;
    t.Population = 1296;
    EXPECT_EQ(Statisticsmessage(t).substr(0, 52),
              "Average number of attempts: 6522 / 1296 = 5.03240740");
    EXPECT_EQ(Generaldouble(5.0), "5");
    EXPECT_EQ(Generaldouble(1.0 / 3.0), "0.333333333333333");
}

TEST(Simulationtotals, CountAndAdd) {
    Simulationtotals a, b, whole;
    const int attempts[] = {3, 5, 4, 7, 2, 5};
    for (int i = 0; i < 6; ++i) {
        (i % 2 ? a : b).Count(attempts[i], attempts[i] + 1);
        whole.Count(attempts[i], attempts[i] + 1);
    }
    a.Add(b);
    EXPECT_EQ(a.Population, 6);
    EXPECT_EQ(a.Total, 26);
    EXPECT_EQ(a.Maxattempts, 7);
    EXPECT_EQ(a.Maxtrials, 8);
    EXPECT_EQ(a.Histogram, whole.Histogram);
    EXPECT_EQ(a.Histogram.at(5), 2);
}

// A simulated game per code: each one ends won against that code, with the same guesses as the
// ordinary game with the same colour order.
TEST(Simulategame, PlaysEveryCodeLikeAnOrdinaryGame) {
    for (const Gamesetting& s :
         {Makesetting(5, 3, 1, Random), Makesetting(6, 4, Any, Fixed, true)}) {
        Seededrandom rnd(8);
        Norecords records;
        testkit::Testclock clock;
        Game sim(rnd, records, clock), plain(rnd, records, clock);
        sim.Setting = plain.Setting = s;
        sim.Rec.Runkind = Run::Simulate;
        sim.Rec.Demomode = -1;
        sim.Wait.Setkey(Waitkey::Demo);
        const Str order = Shufflecolours(s, rnd);
        Simulationtotals totals;
        int games = 0;
        const Picture& logo = sim.Main.Piclogo;
        for (Odometer o(s);;) {
            const Str code = o.Code();
            sim.Plan.Colourorder = order;
            const int revision = logo.Revision;
            ASSERT_TRUE(Simulategame(sim, code)) << code.view();
            ASSERT_EQ(sim.Rec.Answer, code);
            ASSERT_EQ(sim.Rec.Guesses[sim.Rec.Finaltrial], code);
            ASSERT_FALSE(sim.Message.Visible);
            // The demo panel tells the win; its logo went to "thinking" and back, each time as
            // a clear and a new image.
            const int a = sim.Rec.Attempts;
            ASSERT_EQ(sim.Main.Lbldemo.Caption, "\nWin!  I have tried " + std::to_string(a) +
                                                    (a == 1 ? " time." : " times."));
            ASSERT_EQ(logo.Ops.size(), 1u);
            ASSERT_EQ(logo.Ops[0].What, Drawop::Kind::Image);
            ASSERT_EQ(logo.Ops[0].Image, "Icon/W95mbx03.ico");
            ASSERT_EQ(logo.Revision, revision + 4);
            // The board holds this game alone: its heading, drawn again with every row.
            const auto& ops = sim.Main.Picrecord.Ops;
            ASSERT_EQ(std::count_if(ops.begin(), ops.end(),
                                    [](const Drawop& op) { return op.Text.Text == "DEMO"; }),
                      sim.Rec.Finaltrial + 1);
            Playgame(plain, code, order);
            ASSERT_EQ(plain.Rec.Finaltrial, sim.Rec.Finaltrial) << code.view();
            for (int t = 1; t <= sim.Rec.Finaltrial; ++t)
                ASSERT_EQ(plain.Rec.Guesses[t], sim.Rec.Guesses[t]) << code.view();
            totals.Count(sim.Rec.Attempts, sim.Rec.Finaltrial);
            ++games;
            if (!o.Next()) break;
        }
        EXPECT_EQ(totals.Population, games);
        EXPECT_EQ(static_cast<size_t>(games), Allcodes(s).size());
        EXPECT_LE(totals.Maxattempts, 27);
    }
    // Headless, nothing is drawn on the board however many games are played.
    testkit::Plaingame plain(3);
    Game& g = plain.g;
    Preparerun(g, Makesetting(6, 4, Any, Random), Run::Simulate);
    for (const char* code : {"0000", "5432", "1212"}) {
        ASSERT_TRUE(Simulategame(g, Str(code)));
        EXPECT_TRUE(g.Main.Picrecord.Ops.empty()) << code;
    }
}

} // namespace
} // namespace tc
