#include "windows/settinglists.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tc {
namespace {

using Items = std::vector<std::string>;

std::string Unspec(int n) {
    return "Unspecified (3 - " + std::to_string(n) + ")";
}
std::string Atmost(int k) {
    return "Each colour at most " + std::to_string(k) + " times";
}

// The lists in the order the menu shows them.
Combolist Settinglists::*const Menuorder[] = {
    &Settinglists::Cbwho,  &Settinglists::Cbcolour, &Settinglists::Cbstart, &Settinglists::Cblength,
    &Settinglists::Cbhint, &Settinglists::Cborder,  &Settinglists::Cbrepeat};

// What every list must offer given the current choices, worked out from scratch; returns a
// description of the first difference, or "" when the lists are as they should be.
std::string Checkinvariants(const Settinglists& l) {
    for (auto member : Menuorder) {
        const Combolist& list = l.*member;
        if (list.Listindex < 0 || list.Listindex >= list.Listcount())
            return "a list lost its choice";
    }
    const int c = std::stoi(l.Cbcolour.Text());
    const std::string lengthtext = l.Cblength.Text();
    const int length = lengthtext.size() == 1 ? std::stoi(lengthtext) : lengthtext[17] - '0';
    const std::string repeat = l.Cbrepeat.Text();
    const int k = repeat.rfind("Each colour at most ", 0) == 0 ? repeat[20] - '0' : 0;
    const int minlength = k ? k + 1 : 3;
    const int maxlength = c - 2;

    Items colours, lengths, repeats{"No repetition"};
    for (int i = length + 2; i <= 10; ++i) colours.push_back(std::to_string(i));
    for (int i = minlength; i <= maxlength; ++i) lengths.push_back(std::to_string(i));
    for (int i = std::max(minlength, 4); i <= maxlength; ++i) lengths.push_back(Unspec(i));
    for (int i = 2; i <= length - 1; ++i) repeats.push_back(Atmost(i));
    repeats.push_back("May be repeated any times");
    Items who{"You guess"}, hints{"No error"};
    if (l.Cbhint.Text() != "May contain error(s)") who.push_back("Computer guesses");
    who.push_back("Watch computer play");
    if (l.Cbwho.Text() != "Computer guesses") hints.push_back("May contain error(s)");

    if (l.Cbcolour.Items != colours) return "Cbcolour differs";
    if (l.Cblength.Items != lengths) return "Cblength differs";
    if (l.Cbrepeat.Items != repeats) return "Cbrepeat differs";
    if (l.Cbwho.Items != who) return "Cbwho differs";
    if (l.Cbhint.Items != hints) return "Cbhint differs";
    if (l.Cbstart.Items != Items{"Trial 1", "Middle"}) return "Cbstart differs";
    if (l.Cborder.Items != Items{"Fixed order", "Random order"}) return "Cborder differs";
    if (l.Minlength != minlength || l.Maxlength != maxlength) return "Minlength/Maxlength differ";
    if (l.Cmdtop.Enabled != (l.Cbwho.Text() == "You guess")) return "Cmdtop enabling differs";
    return "";
}

bool Samelists(const Settinglists& a, const Settinglists& b) {
    for (auto member : Menuorder)
        if ((a.*member).Items != (b.*member).Items ||
            (a.*member).Listindex != (b.*member).Listindex)
            return false;
    return a.Minlength == b.Minlength && a.Maxlength == b.Maxlength &&
           a.Cmdtop.Enabled == b.Cmdtop.Enabled;
}

using Key = std::tuple<int, int, int, int, int, int, int, int, int, int>;
Key Keyof(const Gamesetting& g) {
    return {static_cast<int>(g.Whoguess),
            g.Ncolours,
            static_cast<int>(g.Starttype),
            g.Starttrial,
            g.Codelength,
            g.Fixedlength,
            g.Maxblanks,
            static_cast<int>(g.Hinttype),
            static_cast<int>(g.Ordertype),
            g.Maxrepeat};
}

// Every setting the lists allow, reached by choosing each offered item in menu order, with the
// lists that produced it.
const std::map<Key, Settinglists>& Allsettings() {
    static const std::map<Key, Settinglists> all = [] {
        std::map<Key, Settinglists> found;
        auto walk = [&](auto& self, const Settinglists& lists, int level) -> void {
            if (level == 7) {
                Gamesetting g;
                lists.Updatesetting(g);
                found.emplace(Keyof(g), lists);
                return;
            }
            for (const std::string& item : (lists.*Menuorder[level]).Items) {
                Settinglists next = lists;
                EXPECT_TRUE(next.Choose(next.*Menuorder[level], item));
                self(self, next, level + 1);
            }
        };
        walk(walk, Settinglists(), 0);
        return found;
    }();
    return all;
}

TEST(Settinglists, StartsWithTheInitialItemsAndChoices) {
    const Settinglists l;
    EXPECT_EQ(l.Cbwho.Items, (Items{"You guess", "Computer guesses", "Watch computer play"}));
    EXPECT_EQ(l.Cbcolour.Items, (Items{"5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(l.Cblength.Items, (Items{"3", "4", "5", "6", "7", "8", Unspec(4), Unspec(5),
                                       Unspec(6), Unspec(7), Unspec(8)}));
    EXPECT_EQ(l.Cbhint.Items, (Items{"No error", "May contain error(s)"}));
    EXPECT_EQ(l.Cbrepeat.Items, (Items{"No repetition", Atmost(2), "May be repeated any times"}));
    EXPECT_EQ(l.Save(), (Savedchoices{"You guess", "10", "Trial 1", "3", "No error", "Fixed order",
                                      "No repetition"}));
    EXPECT_EQ(Checkinvariants(l), "");
    EXPECT_EQ(l.Cmdtop.Caption, "TOP FIVE List");
    Gamesetting g;
    g.Ncolours = 0; // make sure every field is written
    g.Codelength = 0;
    l.Updatesetting(g);
    EXPECT_EQ(g, Gamesetting{});
}

TEST(Settinglists, AllowsExactlyTheAnnouncedNumberOfSettings) {
    std::map<int, int> perwho;
    std::map<int, int> percolours; // "You guess" only
    for (const auto& [key, lists] : Allsettings()) {
        Gamesetting g;
        lists.Updatesetting(g);
        ++perwho[static_cast<int>(g.Whoguess)];
        if (g.Whoguess == Role::Youguess) ++percolours[g.Ncolours];
        // Each setting is one the game can play.
        EXPECT_GE(g.Codelength, g.Fixedlength ? 3 : 4);
        EXPECT_LE(g.Codelength, g.Ncolours - 2);
        EXPECT_EQ(g.Maxblanks, g.Fixedlength ? 0 : g.Codelength - 3);
        EXPECT_GE(g.Maxrepeat, 1);
        EXPECT_LE(g.Maxrepeat, g.Codelength);
        if (g.Whoguess == Role::Computerguesses) {
            EXPECT_EQ(g.Hinttype, Hintkind::Noerror);
        }
    }
    EXPECT_EQ(perwho, (std::map<int, int>{{1, 1424}, {2, 712}, {3, 1424}}));
    EXPECT_EQ(percolours,
              (std::map<int, int>{{5, 24}, {6, 88}, {7, 168}, {8, 264}, {9, 376}, {10, 504}}));
}

TEST(Settinglists, RandomSelectionsKeepEveryListConsistent) {
    std::mt19937 random(20240611);
    Settinglists l;
    for (int step = 0; step < 20000; ++step) {
        Combolist& list = l.*Menuorder[random() % 7];
        const std::string item = list.Items[random() % list.Items.size()];
        ASSERT_TRUE(l.Choose(list, item)) << item;
        ASSERT_EQ(Checkinvariants(l), "") << "step " << step << " chose " << item;
        Gamesetting g;
        l.Updatesetting(g);
        ASSERT_TRUE(Allsettings().contains(Keyof(g))) << "step " << step;
    }
}

TEST(Settinglists, ColoursBoundTheLengths) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cbcolour, "5"));
    EXPECT_EQ(l.Cblength.Items, Items{"3"});
    EXPECT_EQ(l.Maxlength, 3);
    ASSERT_TRUE(l.Choose(l.Cbcolour, "10"));
    EXPECT_EQ(l.Cblength.Items, Settinglists().Cblength.Items);
    EXPECT_EQ(l.Cblength.Text(), "3");

    // A long length takes away the colours too few for it, and gives them back in order.
    ASSERT_TRUE(l.Choose(l.Cblength, Unspec(6)));
    EXPECT_EQ(l.Cbcolour.Items, (Items{"8", "9", "10"}));
    EXPECT_EQ(l.Cbrepeat.Items, (Items{"No repetition", Atmost(2), Atmost(3), Atmost(4), Atmost(5),
                                       "May be repeated any times"}));
    Gamesetting g;
    g.Starttrial = 7;
    l.Updatesetting(g);
    EXPECT_EQ(g.Codelength, 6);
    EXPECT_EQ(g.Fixedlength, 0);
    EXPECT_EQ(g.Maxblanks, 3);
    EXPECT_EQ(g.Lengthkey(), 11);
    EXPECT_EQ(g.Starttrial, 7); // set when the game starts, not here
    ASSERT_TRUE(l.Choose(l.Cblength, "4"));
    EXPECT_EQ(l.Cbcolour.Items, (Items{"6", "7", "8", "9", "10"}));
    ASSERT_TRUE(l.Choose(l.Cblength, "3"));
    EXPECT_EQ(l.Cbcolour.Items, (Items{"5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(l.Cbrepeat.Items, (Items{"No repetition", Atmost(2), "May be repeated any times"}));
}

TEST(Settinglists, RepetitionBoundsTheLengths) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cblength, "5"));
    ASSERT_TRUE(l.Choose(l.Cbrepeat, Atmost(4)));
    EXPECT_EQ(l.Cblength.Items,
              (Items{"5", "6", "7", "8", Unspec(5), Unspec(6), Unspec(7), Unspec(8)}));
    EXPECT_EQ(l.Minlength, 5);
    EXPECT_EQ(l.Cblength.Text(), "5");
    // Fewer colours now also drop lengths from the middle of the list.
    ASSERT_TRUE(l.Choose(l.Cbcolour, "8"));
    EXPECT_EQ(l.Cblength.Items, (Items{"5", "6", Unspec(5), Unspec(6)}));
    ASSERT_TRUE(l.Choose(l.Cbcolour, "10"));
    ASSERT_TRUE(l.Choose(l.Cbrepeat, "No repetition"));
    EXPECT_EQ(l.Cblength.Items, Settinglists().Cblength.Items);
    EXPECT_EQ(l.Cblength.Text(), "5");
    EXPECT_EQ(l.Minlength, 3);
}

TEST(Settinglists, AnyRepetitionMeansTheLength) {
    Settinglists l;
    Gamesetting g;
    ASSERT_TRUE(l.Choose(l.Cblength, "5"));
    ASSERT_TRUE(l.Choose(l.Cbrepeat, "May be repeated any times"));
    l.Updatesetting(g);
    EXPECT_EQ(g.Maxrepeat, 5);
    ASSERT_TRUE(l.Choose(l.Cblength, Unspec(7)));
    l.Updatesetting(g);
    EXPECT_EQ(g.Maxrepeat, 7);
    EXPECT_EQ(g.Lengthkey(), 12);
    ASSERT_TRUE(l.Choose(l.Cbrepeat, Atmost(3)));
    l.Updatesetting(g);
    EXPECT_EQ(g.Maxrepeat, 3);
}

TEST(Settinglists, ErrorsAndComputerGuessingExcludeEachOther) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cbhint, "May contain error(s)"));
    EXPECT_EQ(l.Cbwho.Items, (Items{"You guess", "Watch computer play"}));
    EXPECT_FALSE(l.Choose(l.Cbwho, "Computer guesses"));
    EXPECT_EQ(l.Cbwho.Text(), "You guess");
    ASSERT_TRUE(l.Choose(l.Cbhint, "No error"));
    ASSERT_TRUE(l.Choose(l.Cbwho, "Computer guesses"));
    EXPECT_EQ(l.Cbhint.Items, Items{"No error"});
    EXPECT_FALSE(l.Cmdtop.Enabled);
    ASSERT_TRUE(l.Choose(l.Cbwho, "Watch computer play"));
    EXPECT_EQ(l.Cbhint.Items, (Items{"No error", "May contain error(s)"}));
    EXPECT_FALSE(l.Cmdtop.Enabled);
    ASSERT_TRUE(l.Choose(l.Cbhint, "May contain error(s)"));
    Gamesetting g;
    l.Updatesetting(g);
    EXPECT_EQ(g.Whoguess, Role::Watch); // read by text, not by position in the shortened list
    EXPECT_EQ(g.Hinttype, Hintkind::Errors);
    ASSERT_TRUE(l.Choose(l.Cbwho, "You guess"));
    EXPECT_TRUE(l.Cmdtop.Enabled);
}

TEST(Settinglists, ChoosingAnItemNotOfferedChangesNothing) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cbcolour, "6"));
    const Settinglists before = l;
    EXPECT_FALSE(l.Choose(l.Cblength, "5"));
    EXPECT_FALSE(l.Choose(l.Cbrepeat, Atmost(3)));
    EXPECT_FALSE(l.Choose(l.Cbcolour, "11"));
    EXPECT_TRUE(Samelists(l, before));
}

TEST(Settinglists, RestoreBringsBackLongSettingAfterShortOne) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cblength, Unspec(8)));
    ASSERT_TRUE(l.Choose(l.Cbrepeat, "May be repeated any times"));
    const Settinglists opened = l;
    const Savedchoices saved = l.Save();
    ASSERT_TRUE(l.Choose(l.Cblength, "3"));
    ASSERT_TRUE(l.Choose(l.Cbcolour, "5"));
    ASSERT_TRUE(l.Choose(l.Cbrepeat, Atmost(2)));
    EXPECT_TRUE(l.Restore(saved));
    EXPECT_TRUE(Samelists(l, opened));
}

TEST(Settinglists, RestoreSelectsFewerColoursAfterTheLength) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cbcolour, "5"));
    const Settinglists opened = l;
    const Savedchoices saved = l.Save();
    ASSERT_TRUE(l.Choose(l.Cbcolour, "10"));
    ASSERT_TRUE(l.Choose(l.Cblength, "5"));
    ASSERT_TRUE(l.Choose(l.Cbrepeat, Atmost(4)));
    ASSERT_EQ(l.Cbcolour.Items.front(), "7");
    EXPECT_TRUE(l.Restore(saved));
    EXPECT_TRUE(Samelists(l, opened));
}

TEST(Settinglists, RestoreBringsBackComputerGuessesAfterErrorsWereChosen) {
    Settinglists l;
    ASSERT_TRUE(l.Choose(l.Cbwho, "Computer guesses"));
    const Settinglists opened = l;
    const Savedchoices saved = l.Save();
    ASSERT_TRUE(l.Choose(l.Cbwho, "You guess"));
    ASSERT_TRUE(l.Choose(l.Cbhint, "May contain error(s)"));
    EXPECT_TRUE(l.Restore(saved));
    EXPECT_TRUE(Samelists(l, opened));
}

TEST(Settinglists, RestoreReachesAnySettingFromAnyOther) {
    std::vector<const Settinglists*> states;
    for (const auto& [key, lists] : Allsettings()) states.push_back(&lists);
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        const Settinglists& from = *states[random() % states.size()];
        const Settinglists& to = *states[random() % states.size()];
        Settinglists l = from;
        ASSERT_TRUE(l.Restore(to.Save()));
        ASSERT_TRUE(Samelists(l, to))
            << "from " << from.Save().Length << " to " << to.Save().Length;
    }
}

TEST(Settinglists, RestoreOfUnknownTextsReportsFailure) {
    Settinglists l;
    Savedchoices saved = l.Save();
    saved.Colour = "12";
    EXPECT_FALSE(l.Restore(saved));
    EXPECT_EQ(Checkinvariants(l), "");
}

} // namespace
} // namespace tc
