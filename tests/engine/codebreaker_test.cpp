#include "engine/codebreaker.h"
#include "tests/play/gametesting.h"

#include <gtest/gtest.h>
#include <string>

namespace tc {
namespace {

using namespace testkit;

// A host that only notes how the search ended.
struct Notinghost : Offerhost {
    void Errorcase() override { ended = "Errorcase"; }
    void Inconsistent() override { ended = "Inconsistent"; }
    void Getresult() override { ended = "Getresult"; }
    void Reportbug(const std::string& guess) override { ended = "Reportbug " + guess; }
    void Startdelay(int) override { ended = "Startdelay"; }
    bool Playermarks() const override { return false; }
    int Demodelay() const override { return 0; }
    std::string ended;
};

Str Firstguess(const Gamesetting& s, const char* order) {
    Gamerecord r;
    r.Colourorder = order;
    Codebreaker cb(s, r);
    Notinghost host;
    cb.Sethost(&host);
    cb.Nextguess();
    EXPECT_EQ(host.ended, "Startdelay");
    EXPECT_EQ(r.Trial, 1);
    return r.Currentstring;
}

// The first untried colour takes half the positions (rounded up), the next half of the rest, and
// so on, in the colour order, limited by the repetition limit.
TEST(Codebreaker, FirstGuessHalvesThePositions) {
    // L = 4: shares 2, 1, 1.
    EXPECT_EQ(Firstguess(Makesetting(6, 4, Any, Random), "310542"), "3310");
    EXPECT_EQ(Firstguess(Makesetting(6, 4, Any, Fixed), "310542"), "0133");
    // L = 6: shares 3, 2, 1.
    EXPECT_EQ(Firstguess(Makesetting(8, 6, Any, Random), "31054276"), "333110");
    EXPECT_EQ(Firstguess(Makesetting(8, 6, Any, Fixed), "31054276"), "011333");
    // L = 8: shares 4, 2, 1, 1; the fourth colour of the order takes the last position.
    EXPECT_EQ(Firstguess(Makesetting(10, 8, Any, Random), "3102456789"), "33331102");
    EXPECT_EQ(Firstguess(Makesetting(10, 8, Any, Fixed), "3102456789"), "01123333");
    // "No repetition": every share is 1.
    EXPECT_EQ(Firstguess(Makesetting(6, 4, 1, Random), "310542"), "3105");
    EXPECT_EQ(Firstguess(Makesetting(6, 4, 1, Fixed), "310542"), "0135");
    // A limit of 2 cuts the first share of 3 for L = 6: 2, 2, 1, 1.
    EXPECT_EQ(Firstguess(Makesetting(8, 6, 2, Random), "31054276"), "331105");
}

TEST(Codebreaker, BlanksComeAfterEveryUntriedColour) {
    // "Unspecified (3 - 4)": blank is the last fresh colour, so a first guess holds none.
    EXPECT_EQ(Firstguess(Makesetting(6, 4, Any, Random, true), "310542"), "3310");
    EXPECT_EQ(Firstguess(Makesetting(6, 4, 1, Fixed, true), "310542"), "0135");
}

TEST(Codebreaker, RecordnewCountsFirstTimeCopies) {
    const Gamesetting s = Makesetting(6, 4, Any, Random);
    Gamerecord r;
    Codebreaker cb(s, r);
    r.Trial = 1;
    r.Currentstring = "1010";
    cb.Recordnew();
    EXPECT_EQ(cb.Newcolours[1], "01");
    EXPECT_EQ(cb.Newcounts[1], "22");
    r.Trial = 2;
    r.Currentstring = "2210";
    cb.Recordnew();
    EXPECT_EQ(cb.Newcolours[2], "2");
    EXPECT_EQ(cb.Newcounts[2], "2");
    r.Trial = 3;
    r.Currentstring = "0001";
    cb.Recordnew();
    EXPECT_EQ(cb.Newcolours[3], "0");
    EXPECT_EQ(cb.Newcounts[3], "1");
    EXPECT_EQ(cb.Used[0], 3);
    EXPECT_EQ(cb.Used[1], 2);
    EXPECT_EQ(cb.Used[2], 2);

    // Blanks are never copies of a colour.
    const Gamesetting u = Makesetting(6, 4, Any, Random, true);
    Gamerecord ru;
    Codebreaker cbu(u, ru);
    ru.Trial = 1;
    ru.Currentstring = "3b33";
    cbu.Recordnew();
    EXPECT_EQ(cbu.Newcolours[1], "3");
    EXPECT_EQ(cbu.Newcounts[1], "3");
}

} // namespace
} // namespace tc
