#include "settings/settingtexts.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace tc {
namespace {

TEST(Settingtexts, DisplayOfTheFirstSetting) {
    const Settingdisplay d = Showsettingtexts(Gamesetting{}, "Playing");
    EXPECT_EQ(d.Title, "Who guesses?\nNumber of colours:\nStart from:\nLength of code:\n"
                       "Hints contain error(s)?\nOrder type:\nColour repeated? \nGame status:");
    EXPECT_EQ(d.Content,
              "You guess\n10\nTrial 1\n3\nNo error\nFixed order\nNo repetition\nPlaying");
}

TEST(Settingtexts, DisplayOfOtherChoices) {
    Gamesetting g;
    g.Whoguess = Role::Watch;
    g.Ncolours = 8;
    g.Starttype = Startkind::Middle;
    g.Starttrial = 4;
    g.Codelength = 6;
    g.Fixedlength = 0;
    g.Maxblanks = 3;
    g.Hinttype = Hintkind::Errors;
    g.Ordertype = Orderkind::Random;
    g.Maxrepeat = 6;
    EXPECT_EQ(Showsettingtexts(g, "Game over").Content,
              "Watch computer play\n8\nMiddle (Trial 4)\nUnspecified (3 - 6)\n"
              "May contain error(s)\nRandom order\nMay be repeated any times\nGame over");
    g.Whoguess = Role::Computerguesses;
    g.Maxrepeat = 3;
    g.Fixedlength = 1;
    EXPECT_EQ(Showsettingtexts(g, "").Content,
              "Computer guesses\n8\nMiddle (Trial 4)\n6\nMay contain error(s)\nRandom order\n"
              "Each colour at most 3 times\n");
}

TEST(Settingtexts, StatisticsLines) {
    Statlines s = Showlisttexts(10, 3, 1, 1, 1, 1, 1234, 5.25f);
    EXPECT_EQ(s.Line1, "10 colours   3  Fixed order  Trial 1  No error  No repetition");
    EXPECT_EQ(s.Line2, "1234     5.25");
    // An unspecified length is named by N, and "any times" means N repetitions.
    s = Showlisttexts(8, 11, 2, 2, 2, 6, 0, 0.0f);
    EXPECT_EQ(s.Line1, "8 colours   Unspecified (3 - 6)  Random order  Middle  "
                       "May contain error(s)  May be repeated any times");
    EXPECT_EQ(s.Line2, "0     0");
    s = Showlisttexts(7, 5, 1, 2, 1, 3, 42, 13.0f / 3);
    EXPECT_EQ(s.Line1, "7 colours   5  Fixed order  Middle  No error  Each colour at most 3 times");
    EXPECT_EQ(s.Line2, "42     4.333333"); // seven digits, as a single-precision number has
    s = Showlisttexts(9, 5, 1, 1, 1, 5, 1, 1);
    EXPECT_EQ(s.Line1, "9 colours   5  Fixed order  Trial 1  No error  May be repeated any times");
}

TEST(Settingtexts, GeneralNumberIsShortestAndReadsBack) {
    EXPECT_EQ(Generalnumber(5.25f), "5.25");
    EXPECT_EQ(Generalnumber(0.0f), "0");
    EXPECT_EQ(Generalnumber(-0.0f), "0");
    EXPECT_EQ(Generalnumber(7.0f), "7");
    EXPECT_EQ(Generalnumber(1.1f), "1.1");
    EXPECT_EQ(Generalnumber(13.0f / 3), "4.3333335");
    EXPECT_EQ(Generalnumber(1e7f), "10000000");
    EXPECT_EQ(Generalnumber(0.001f), "0.001");
    // Every average of up to 500 games of 1 to 27 trials comes back unchanged and plain.
    for (int games = 1; games <= 500; ++games)
        for (int total = games; total <= 27 * games; total += 7) {
            const float average = static_cast<float>(total) / games;
            const std::string text = Generalnumber(average);
            ASSERT_EQ(std::strtof(text.c_str(), nullptr), average) << text;
            ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
            ASSERT_LE(text.size(), 10u) << text;
        }
}

} // namespace
} // namespace tc
