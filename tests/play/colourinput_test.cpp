#include "play/game.h"
#include "tests/play/gametesting.h"

#include <gtest/gtest.h>
#include <string>

namespace tc {
namespace {

constexpr int Fixed = 1, Random = 2;

Dragsource Colour(int c) {
    return {Dragsource::Kind::Colour, c};
}
Dragsource Box(int k) {
    return {Dragsource::Kind::Box, k};
}

class Colourpanel : public ::testing::Test, public testkit::Plaingame {
protected:
    Colourpanel() { g.Menus.Form_Load(); }

    // The input row open for a string of `length` in the given order, as the guess input opens
    // it.
    void Open(int order, int maxrepeat, int length = 4) {
        g.Setting.Ncolours = 8;
        g.Setting.Codelength = length;
        g.Setting.Fixedlength = 1;
        g.Setting.Maxblanks = 0;
        g.Setting.Ordertype = static_cast<Orderkind>(order);
        g.Setting.Maxrepeat = maxrepeat;
        g.Main.Frgetstring.Visible = true;
        g.Main.Frcolour.Visible = true;
        g.Main.Frinput.Visible = false;
        g.Colourinput.Emptyinput();
    }

    // The row as the player sees it: a digit per filled box, "." per empty one. Each box's
    // picture and label must agree with the value the game keeps for it.
    std::string Row() {
        std::string out;
        for (int i = 0; i < g.Setting.Codelength; ++i) {
            const int v = g.Colourinput.Inputboxes()[i];
            if (v == Emptybox) {
                EXPECT_EQ(g.Main.Picstring[i].Background, Windowbackground) << "box " << i;
                EXPECT_EQ(g.Main.Lblstring[i].Caption, "") << "box " << i;
                out += '.';
            } else {
                EXPECT_EQ(g.Main.Picstring[i].Background, Panelcolours[v]) << "box " << i;
                EXPECT_EQ(g.Main.Lblstring[i].Caption, std::to_string(v)) << "box " << i;
                out += static_cast<char>('0' + v);
            }
        }
        return out;
    }

    void Put(const std::string& colours) {
        for (char c : colours) g.Colourinput.Lblcolour_DblClick(c - '0');
    }
};

TEST_F(Colourpanel, ColourIsUsedUpAtTheRepeatLimitAndFreedAgain) {
    Open(Random, 1);
    Put("2");
    EXPECT_EQ(Row(), "2...");
    EXPECT_EQ(g.Main.Piccolour[2].Borderstyle, 0);
    EXPECT_FALSE(g.Colourinput.Colouravailable(2));
    Put("2"); // a used-up colour cannot be taken again
    EXPECT_EQ(Row(), "2...");
    EXPECT_EQ(g.Colourinput.Colourcount()[2], 1);
    g.Colourinput.Lblstring_DragDrop(1, Colour(2));
    EXPECT_EQ(Row(), "2...");

    g.Colourinput.Lblstring_DblClick(0);
    EXPECT_EQ(Row(), "....");
    EXPECT_EQ(g.Colourinput.Colourcount()[2], 0);
    EXPECT_TRUE(g.Colourinput.Colouravailable(2));
    EXPECT_EQ(g.Main.Piccolour[2].Borderstyle, 1);

    // Dragging the box back onto the panel frees it the same way.
    g.Colourinput.Lblstring_DragDrop(3, Colour(2));
    EXPECT_EQ(Row(), "...2");
    EXPECT_FALSE(g.Colourinput.Colouravailable(2));
    g.Colourinput.Lblcolour_DragDrop(5, Box(3));
    EXPECT_EQ(Row(), "....");
    EXPECT_TRUE(g.Colourinput.Colouravailable(2));

    // Two of a colour under "at most 2 times".
    Open(Random, 2);
    Put("3");
    EXPECT_TRUE(g.Colourinput.Colouravailable(3));
    Put("3");
    EXPECT_EQ(Row(), "33..");
    EXPECT_EQ(g.Main.Piccolour[3].Borderstyle, 0);
    g.Colourinput.Lblstring_DblClick(1);
    EXPECT_EQ(g.Main.Piccolour[3].Borderstyle, 1);
}

// The windows send a cell's events by its kind; each reaches the row or the panel it names.
TEST_F(Colourpanel, WindowCellEventsReachWhatTheirKindNames) {
    Open(Random, 1);
    g.Controls.Doubleclick(Colour(2));
    EXPECT_EQ(Row(), "2...");
    g.Controls.Drop(Box(3), Colour(4));
    EXPECT_EQ(Row(), "2..4");
    EXPECT_TRUE(g.Controls.Candrag(Box(3)));
    EXPECT_FALSE(g.Controls.Candrag(Colour(4)));
    g.Controls.Drop(Colour(5), Box(3));
    EXPECT_EQ(Row(), "2...");
    g.Controls.Doubleclick(Box(0));
    EXPECT_EQ(Row(), "....");
    EXPECT_TRUE(g.Controls.Candrag(Colour(4)));
}

TEST_F(Colourpanel, DragsStartOnlyFromAvailableColoursAndFilledBoxes) {
    Open(Random, 1);
    Put("2");
    EXPECT_TRUE(g.Colourinput.Candrag(Colour(3)));
    EXPECT_FALSE(g.Colourinput.Candrag(Colour(2))) << "used up";
    EXPECT_FALSE(g.Colourinput.Candrag(Colour(8))) << "not in this setting";
    EXPECT_TRUE(g.Colourinput.Candrag(Box(0)));
    EXPECT_FALSE(g.Colourinput.Candrag(Box(1))) << "empty";
    EXPECT_FALSE(g.Colourinput.Candrag(Box(4))) << "beyond the code length";
    g.Colourinput.Setinputmethod(Inputkind::Keyboard);
    EXPECT_FALSE(g.Colourinput.Candrag(Colour(3)));
}

TEST_F(Colourpanel, DroppingAColourOntoABox) {
    Open(Random, 2);
    Put("3");
    g.Colourinput.Lblstring_DragDrop(0, Colour(3)); // the same colour onto itself
    EXPECT_EQ(Row(), "3...");
    EXPECT_EQ(g.Colourinput.Colourcount()[3], 1);
    EXPECT_TRUE(g.Colourinput.Colouravailable(3));

    // Another colour replaces it: one more of the new colour, one fewer of the old.
    Open(Random, 1);
    Put("3");
    g.Colourinput.Lblstring_DragDrop(0, Colour(4));
    EXPECT_EQ(Row(), "4...");
    EXPECT_EQ(g.Colourinput.Colourcount()[3], 0);
    EXPECT_EQ(g.Colourinput.Colourcount()[4], 1);
    EXPECT_TRUE(g.Colourinput.Colouravailable(3));
    EXPECT_FALSE(g.Colourinput.Colouravailable(4));

    // A colour beyond the setting's number of colours is not on the panel.
    g.Colourinput.Lblstring_DragDrop(1, Colour(8));
    EXPECT_EQ(Row(), "4...");
}

TEST_F(Colourpanel, BoxesMoveAndSwapInRandomOrder) {
    Open(Random, 1);
    Put("12");
    g.Colourinput.Lblstring_DragDrop(1, Box(0));
    EXPECT_EQ(Row(), "21..");
    g.Colourinput.Lblstring_DragDrop(3, Box(0));
    EXPECT_EQ(Row(), ".1.2");
    g.Colourinput.Lblstring_DragDrop(1, Box(2)); // an empty box cannot be dragged
    EXPECT_EQ(Row(), ".1.2");
    EXPECT_EQ(g.Colourinput.Colourcount()[1], 1);
    EXPECT_EQ(g.Colourinput.Colourcount()[2], 1);
    EXPECT_FALSE(g.Colourinput.Colouravailable(1));
    EXPECT_FALSE(g.Colourinput.Colouravailable(2));
}

TEST_F(Colourpanel, FixedOrderKeepsTheRowSorted) {
    Open(Fixed, 2);
    Put("52");
    EXPECT_EQ(Row(), "25..");
    g.Colourinput.Lblstring_DragDrop(3, Colour(0)); // the target box does not matter
    EXPECT_EQ(Row(), "025.");
    g.Colourinput.Lblstring_DragDrop(3, Box(0)); // boxes are not moved by hand
    g.Colourinput.Lblstring_DragDrop(1, Box(2));
    EXPECT_EQ(Row(), "025.");

    Put("4");
    EXPECT_EQ(Row(), "0245");
    g.Colourinput.Lblstring_DblClick(1);
    EXPECT_EQ(Row(), "045.");
    EXPECT_EQ(g.Colourinput.Colourcount()[2], 0);
    g.Colourinput.Lblcolour_DragDrop(0, Box(0));
    EXPECT_EQ(Row(), "45..");
}

TEST_F(Colourpanel, AFullRowTakesNoMore) {
    Open(Random, 3, 3);
    Put("210");
    g.Colourinput.Fillcolour(3);
    g.Colourinput.Lblcolour_DblClick(4);
    EXPECT_EQ(Row(), "210");
    EXPECT_EQ(g.Colourinput.Colourcount()[3], 0);
    EXPECT_EQ(g.Colourinput.Colourcount()[4], 0);
    EXPECT_TRUE(g.Colourinput.Colouravailable(3));

    Open(Fixed, 3, 3);
    Put("210");
    EXPECT_EQ(Row(), "012");
    g.Colourinput.Fillcolour(3);
    EXPECT_EQ(Row(), "012");
    EXPECT_EQ(g.Colourinput.Colourcount()[3], 0);
}

TEST_F(Colourpanel, EveryChangeOffersSubmitWhenTheRowIsComplete) {
    Open(Random, 1, 3);
    Put("01");
    EXPECT_FALSE(g.Main.Cmdsubcol.Enabled);
    g.Colourinput.Lblstring_DragDrop(2, Colour(5));
    EXPECT_TRUE(g.Main.Cmdsubcol.Enabled);
    g.Colourinput.Lblcolour_DragDrop(0, Box(2));
    EXPECT_FALSE(g.Main.Cmdsubcol.Enabled);
    Put("4");
    EXPECT_TRUE(g.Main.Cmdsubcol.Enabled);
    g.Colourinput.Lblstring_DblClick(0);
    EXPECT_FALSE(g.Main.Cmdsubcol.Enabled);
}

TEST_F(Colourpanel, SwitchingInputMethodDiscardsAHalfMadeString) {
    Open(Random, 1);
    Put("12");
    g.Main.Cmdsubcol.Enabled = g.Main.Cmdsubcol.Default = true;
    g.Colourinput.Setinputmethod(Inputkind::Keyboard);
    EXPECT_TRUE(g.Main.Mnukey.Checked);
    EXPECT_FALSE(g.Main.Mnumouse.Checked);
    EXPECT_EQ(g.Main.Inputmethod, Inputkind::Keyboard);
    EXPECT_FALSE(g.Main.Frgetstring.Visible);
    EXPECT_TRUE(g.Main.Frinput.Visible);
    EXPECT_EQ(g.Main.Txtinput.Caption, "");
    EXPECT_TRUE(g.Main.Txtinput.Focused);
    EXPECT_FALSE(g.Main.Cmdsubnum.Enabled);
    EXPECT_FALSE(g.Main.Cmdsubnum.Default);
    EXPECT_FALSE(g.Main.Cmdsubcol.Default);
    EXPECT_EQ(g.Colourinput.Colourcount()[1], 0);
    EXPECT_EQ(g.Colourinput.Colourcount()[2], 0);
    // The panel no longer feeds the hidden row.
    EXPECT_FALSE(g.Colourinput.Colouravailable(3));
    g.Colourinput.Lblcolour_DblClick(3);
    EXPECT_EQ(g.Colourinput.Colourcount()[3], 0);

    EXPECT_TRUE(g.Guessentry.Txtinput_KeyPress('3'));
    EXPECT_TRUE(g.Guessentry.Txtinput_KeyPress('4'));
    g.Colourinput.Setinputmethod(Inputkind::Keyboard); // choosing the method in use changes nothing
    EXPECT_EQ(g.Main.Txtinput.Caption, "34");

    g.Colourinput.Setinputmethod(Inputkind::Mouse);
    EXPECT_TRUE(g.Main.Mnumouse.Checked);
    EXPECT_FALSE(g.Main.Mnukey.Checked);
    EXPECT_FALSE(g.Main.Frinput.Visible);
    EXPECT_TRUE(g.Main.Frgetstring.Visible);
    EXPECT_EQ(Row(), "....");
    EXPECT_FALSE(g.Main.Cmdsubcol.Enabled);
    EXPECT_FALSE(g.Main.Cmdsubcol.Default);
    EXPECT_FALSE(g.Main.Cmdsubnum.Default);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(g.Main.Picstring[i].Visible, i < 4);

    Put("5");
    g.Colourinput.Setinputmethod(Inputkind::Mouse);
    EXPECT_EQ(Row(), "5...");
}

TEST_F(Colourpanel, SwitchingInputMethodOnTheMarksPanel) {
    // The player marks the computer's guess of a "3 - 5" game with two blanks.
    g.Setting.Whoguess = Role::Computerguesses;
    g.Setting.Ncolours = 8;
    g.Setting.Codelength = 5;
    g.Setting.Fixedlength = 0;
    g.Setting.Maxblanks = 2;
    g.Setting.Maxrepeat = 5;
    g.Setting.Ordertype = Orderkind::Random;
    g.Rec.Status = Gamestatus::Playing;
    g.Rec.Trial = 1;
    g.Rec.Currentstring = "01b2b";
    g.Markentry.Getresult();
    ASSERT_TRUE(g.Main.Cbcorrect.Visible);

    g.Colourinput.Setinputmethod(Inputkind::Keyboard);
    for (const Combolist* list : {&g.Main.Cbcorrect, &g.Main.Cbwrong}) EXPECT_FALSE(list->Visible);
    for (const Textbox* box : {&g.Main.Txtcorrect, &g.Main.Txtwrong}) {
        EXPECT_TRUE(box->Visible);
        EXPECT_EQ(box->Caption, "");
    }
    EXPECT_FALSE(g.Main.Cmdgetresult.Enabled);
    EXPECT_FALSE(g.Main.Cmdgetresult.Default);

    EXPECT_TRUE(g.Markentry.Txtcorrect_KeyPress('1'));
    g.Colourinput.Setinputmethod(Inputkind::Mouse);
    for (const Textbox* box : {&g.Main.Txtcorrect, &g.Main.Txtwrong}) {
        EXPECT_FALSE(box->Visible);
        EXPECT_EQ(box->Caption, "");
    }
    const std::vector<std::string> upto3 = {"0", "1", "2", "3"};
    for (const Combolist* list : {&g.Main.Cbcorrect, &g.Main.Cbwrong}) {
        EXPECT_TRUE(list->Visible);
        EXPECT_EQ(list->Items, upto3);
        EXPECT_EQ(list->Text(), "0");
    }
    // 0 and 0 is a mark that can be given as it stands, as when the panel opened.
    EXPECT_TRUE(g.Main.Cmdgetresult.Enabled);

    // Fixed order has one count; the second pair stays out of sight.
    g.Setting.Ordertype = Orderkind::Fixed;
    g.Setting.Fixedlength = 1;
    g.Setting.Maxblanks = 0;
    g.Setting.Codelength = 4;
    g.Rec.Currentstring = "0123";
    g.Markentry.Getresult();
    g.Colourinput.Setinputmethod(Inputkind::Keyboard);
    EXPECT_TRUE(g.Main.Txtcorrect.Visible);
    EXPECT_FALSE(g.Main.Txtwrong.Visible);
    g.Colourinput.Setinputmethod(Inputkind::Mouse);
    // All four right is the WIN button's, so the list stops at 3.
    EXPECT_EQ(g.Main.Cbcorrect.Items, upto3);
    EXPECT_FALSE(g.Main.Txtwrong.Visible);
}

} // namespace
} // namespace tc
