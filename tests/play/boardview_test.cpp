#include "play/game.h"
#include "tests/play/gametesting.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

constexpr Rgb Black = 0x000000, White = 0xFFFFFF, Grey = Givenrowink, Blue = 0x0000FF;

std::vector<Drawbox> Boxes(const Picture& p) {
    std::vector<Drawbox> out;
    for (const Drawop& op : p.Ops)
        if (op.What == Drawop::Kind::Box) out.push_back(op.Box);
    return out;
}

std::vector<Drawtext> Texts(const Picture& p) {
    std::vector<Drawtext> out;
    for (const Drawop& op : p.Ops)
        if (op.What == Drawop::Kind::Text) out.push_back(op.Text);
    return out;
}

// Boxes of one size: 280 for guess positions, 120 for marks, 255 for the answer and guess panes.
std::vector<Drawbox> Boxesofsize(const Picture& p, int size) {
    std::vector<Drawbox> out;
    for (const Drawbox& b : Boxes(p))
        if (b.Width == size && b.Height == size) out.push_back(b);
    return out;
}

// The 16-point digits, as the board prints codes in number display.
std::vector<Drawtext> Digits(const Picture& p) {
    std::vector<Drawtext> out;
    for (const Drawtext& t : Texts(p))
        if (t.Size == 16) out.push_back(t);
    return out;
}

class Board : public ::testing::Test, public testkit::Plaingame {
protected:
    Board() {
        g.Menus.Form_Load();
        g.Setting.Ncolours = 8;
        g.Setting.Codelength = 4;
        g.Setting.Maxrepeat = 4;
        g.Setting.Ordertype = Orderkind::Random;
        g.Setting.Starttrial = 1;
    }
    Picture& board = g.Main.Picrecord;
};

TEST_F(Board, TrialsLieThreeToALineNineLines) {
    struct Case {
        int trial, x0, y0;
    };
    for (Case c : {Case{1, 0, 600}, Case{2, 3900, 600}, Case{3, 7800, 600}, Case{4, 0, 1050},
                   Case{27, 7800, 4200}}) {
        SCOPED_TRACE(c.trial);
        board.Cls();
        g.Boardview.Showrecord(c.trial, 1, 0, 0, "0123");
        const std::vector<Drawbox> pos = Boxesofsize(board, 280);
        ASSERT_EQ(pos.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(pos[i].X, c.x0 + 100 + i * 280);
            EXPECT_EQ(pos[i].Y, c.y0);
            EXPECT_FALSE(pos[i].Dotted);
            EXPECT_TRUE(pos[i].Filled);
            EXPECT_EQ(pos[i].Fill, Panelcolours[i]);
            EXPECT_EQ(pos[i].Outline, Black);
        }
    }
}

TEST_F(Board, HeadingIsRecordOrDemo) {
    g.Boardview.Showrecord(1, 1, 0, 0, "0123");
    std::vector<Drawtext> t = Texts(board);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].Text, "RECORD");
    EXPECT_EQ(t[0].X, 5000);
    EXPECT_EQ(t[0].Y, 10);
    EXPECT_EQ(t[0].Size, 12);
    EXPECT_TRUE(t[0].Bold);
    EXPECT_EQ(t[0].Colour, Headingcolour);

    board.Cls();
    g.Wait.Setkey(Waitkey::Demo);
    g.Boardview.Showrecord(1, 1, 0, 0, "0123");
    t = Texts(board);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].Text, "DEMO");
}

TEST_F(Board, RowsBeforeTheStartTrialAreGrey) {
    g.Setting.Starttrial = 4;
    for (int t = 1; t <= 5; ++t) g.Boardview.Showrecord(t, 4, 1, 1, "0123");
    for (const Drawbox& b : Boxes(board)) {
        const bool before = b.Y < 1050; // trials 1 to 3 fill the first line
        EXPECT_EQ(b.Outline, before ? Grey : Black) << "box at " << b.X << "," << b.Y;
    }

    board.Cls();
    g.Main.Displaymode = Displaykind::Number;
    g.Boardview.Showrecord(3, 4, 0, 0, "0123");
    g.Boardview.Showrecord(4, 4, 0, 0, "4567");
    const std::vector<Drawtext> d = Digits(board);
    ASSERT_EQ(d.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(d[i].Colour, i < 4 ? Grey : Black);
        EXPECT_TRUE(d[i].Bold);
    }
}

TEST_F(Board, BlanksAreDottedEmptyBoxesOrTheLetterB) {
    g.Setting.Codelength = 5;
    g.Setting.Fixedlength = 0;
    g.Setting.Maxblanks = 2;
    g.Boardview.Showrecord(5, 1, 0, 0, "0b1b2");
    const std::vector<Drawbox> pos = Boxesofsize(board, 280);
    ASSERT_EQ(pos.size(), 5u);
    for (int i : {1, 3}) {
        EXPECT_TRUE(pos[i].Dotted);
        EXPECT_FALSE(pos[i].Filled);
    }
    for (int i : {0, 2, 4}) {
        EXPECT_FALSE(pos[i].Dotted);
        EXPECT_TRUE(pos[i].Filled);
    }
    EXPECT_EQ(pos[2].Fill, Panelcolours[1]);

    board.Cls();
    g.Main.Displaymode = Displaykind::Number;
    g.Boardview.Showrecord(5, 1, 0, 0, "0b1b2");
    EXPECT_TRUE(Boxesofsize(board, 280).empty());
    const std::vector<Drawtext> d = Digits(board);
    ASSERT_EQ(d.size(), 5u);
    std::string shown;
    for (int i = 0; i < 5; ++i) {
        shown += d[i].Text;
        EXPECT_EQ(d[i].X, 3900 + 100 + i * 280); // trial 5: second column, second line
        EXPECT_EQ(d[i].Y, 1050);
    }
    EXPECT_EQ(shown, "0b1b2");
}

TEST_F(Board, MarksFollowTheOrderType) {
    const int L = 4, x0 = 3900, y0 = 600; // trial 2
    auto markx = [&](int j) { return x0 + 80 + L * 280 + 150 * j; };

    g.Setting.Ordertype = Orderkind::Fixed;
    g.Boardview.Showrecord(2, 1, 3, 0, "0123");
    std::vector<Drawbox> m = Boxesofsize(board, 120);
    ASSERT_EQ(m.size(), 3u);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(m[j - 1].X, markx(j));
        EXPECT_EQ(m[j - 1].Y, y0 + 100);
        EXPECT_EQ(m[j - 1].Fill, Countfill);
        EXPECT_EQ(m[j - 1].Outline, Black);
        EXPECT_FALSE(m[j - 1].Dotted);
    }

    // In fixed order white holds nothing to show, even when the caller passes a count.
    board.Cls();
    g.Boardview.Showrecord(2, 1, 0, 2, "0123");
    EXPECT_TRUE(Boxesofsize(board, 120).empty());

    board.Cls();
    g.Setting.Ordertype = Orderkind::Random;
    g.Boardview.Showrecord(2, 1, 1, 2, "0123");
    m = Boxesofsize(board, 120);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].X, markx(1));
    EXPECT_EQ(m[0].Y, y0);
    EXPECT_EQ(m[0].Fill, Black);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_EQ(m[j].X, markx(j));
        EXPECT_EQ(m[j].Y, y0 + 200);
        EXPECT_EQ(m[j].Fill, White);
    }

    // Marks are drawn in number display too.
    board.Cls();
    g.Main.Displaymode = Displaykind::Number;
    g.Boardview.Showrecord(2, 1, 1, 2, "0123");
    EXPECT_EQ(Boxesofsize(board, 120).size(), 3u);
}

TEST_F(Board, AnswerInBothDisplayModes) {
    g.Setting.Codelength = 5;
    g.Rec.Answer = "30b1b";
    g.Main.Frerror.Visible = true;
    g.Main.Franswer.Visible = false;
    g.Main.Picanswer.Print(Drawtext{0, 0, "old", 10, false, false, 0});

    g.Boardview.Showanswer("Answer");
    EXPECT_FALSE(g.Main.Frerror.Visible);
    EXPECT_TRUE(g.Main.Franswer.Visible);
    EXPECT_EQ(g.Main.Franswer.Caption, "Answer");
    EXPECT_TRUE(Texts(g.Main.Picanswer).empty());
    const std::vector<Drawbox> b = Boxes(g.Main.Picanswer);
    ASSERT_EQ(b.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(b[i].X, i * 255);
        EXPECT_EQ(b[i].Y, 75);
        EXPECT_EQ(b[i].Width, 255);
        EXPECT_EQ(b[i].Height, 255);
        EXPECT_EQ(b[i].Outline, Black);
        const bool blank = i == 2 || i == 4;
        EXPECT_EQ(b[i].Dotted, blank);
        EXPECT_EQ(b[i].Filled, !blank);
    }
    EXPECT_EQ(b[0].Fill, Panelcolours[3]);
    EXPECT_EQ(b[1].Fill, Panelcolours[0]);

    g.Main.Displaymode = Displaykind::Number;
    g.Boardview.Showanswer("Possible Answer");
    EXPECT_EQ(g.Main.Franswer.Caption, "Possible Answer");
    EXPECT_TRUE(Boxes(g.Main.Picanswer).empty());
    const std::vector<Drawtext> d = Digits(g.Main.Picanswer);
    ASSERT_EQ(d.size(), 5u);
    std::string shown;
    for (int i = 0; i < 5; ++i) {
        shown += d[i].Text;
        EXPECT_EQ(d[i].X, i * 255);
        EXPECT_EQ(d[i].Y, 75);
        EXPECT_EQ(d[i].Colour, Blue);
    }
    EXPECT_EQ(shown, "30b1b");
}

TEST_F(Board, ComputersGuessOnTheTopLine) {
    g.Rec.Currentstring = "5203";
    g.Main.Picguess.Print(Drawtext{0, 0, "old", 10, false, false, 0});
    g.Boardview.Showguess();
    const std::vector<Drawbox> b = Boxes(g.Main.Picguess);
    ASSERT_EQ(b.size(), 4u);
    EXPECT_TRUE(Texts(g.Main.Picguess).empty());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(b[i].X, i * 255);
        EXPECT_EQ(b[i].Y, 0);
        EXPECT_EQ(b[i].Width, 255);
        EXPECT_EQ(b[i].Fill, Panelcolours[g.Rec.Currentstring[i] - '0']);
    }

    g.Main.Displaymode = Displaykind::Number;
    g.Boardview.Showguess();
    const std::vector<Drawtext> d = Digits(g.Main.Picguess);
    ASSERT_EQ(d.size(), 4u);
    EXPECT_TRUE(Boxes(g.Main.Picguess).empty());
    EXPECT_EQ(d[3].Text, "3");
    EXPECT_EQ(d[3].X, 3 * 255);
    EXPECT_EQ(d[3].Y, 0);
    EXPECT_EQ(d[3].Colour, Blue);
}

// A game of n stored rows with the board showing an out-of-date drawing.
void Storerows(Game& g, int n) {
    for (int t = 1; t <= n; ++t) {
        g.Rec.Guesses[t] = "0123";
        g.Rec.Blacks[t] = 1;
        g.Rec.Whites[t] = 0;
    }
    g.Main.Picrecord.Visible = true;
    g.Main.Picrecord.Print(Drawtext{0, 0, "stale", 10, false, false, 0});
}

TEST_F(Board, DisplayChangeRedrawsTheRowsPlayedSoFar) {
    struct Case {
        std::string status;
        int who, trial, finaltrial, rows;
    };
    for (const Case& c : {Case{"Playing", 1, 6, 0, 6}, Case{"Continue Playing", 3, 6, 0, 6},
                          Case{"Playing", 2, 6, 0, 5}, Case{"Preparation", 2, 6, 0, 5},
                          Case{"Preparation", 1, 6, 0, 5}, Case{"Win", 1, 6, 9, 9},
                          Case{"End Game", 2, 20, 12, 12}, Case{"Playing", 1, 27, 0, 27}}) {
        SCOPED_TRACE(c.status + " who " + std::to_string(c.who));
        g.Main.Displaymode = Displaykind::Colour;
        g.Main.Picrecord.Cls();
        g.Setting.Whoguess = static_cast<Role>(c.who);
        g.Rec.Status = Statusof(c.status);
        g.Rec.Trial = c.trial;
        g.Rec.Finaltrial = c.finaltrial;
        Storerows(g, 27);
        g.Menus.Setdisplay(Displaykind::Number);
        const std::vector<Drawtext> d = Digits(board);
        EXPECT_EQ(static_cast<int>(d.size()), 4 * c.rows);
        for (const Drawtext& t : Texts(board)) EXPECT_NE(t.Text, "stale");
        if (!d.empty()) {
            // The last row drawn is trial `rows`.
            const int t = c.rows;
            EXPECT_EQ(d.back().X, (t - 1) % 3 * 3900 + 100 + 3 * 280);
            EXPECT_EQ(d.back().Y, (t - 1) / 3 * 450 + 600);
        }
        EXPECT_EQ(static_cast<int>(Boxesofsize(board, 120).size()), c.rows); // one black each
    }
}

TEST_F(Board, DisplayChangeLeavesHiddenPicturesAlone) {
    g.Rec.Status = Gamestatus::Playing;
    g.Rec.Trial = 3;
    g.Rec.Answer = "0123";
    g.Rec.Currentstring = "4567";
    Storerows(g, 3);
    g.Main.Picrecord.Visible = false;
    g.Main.Franswer.Visible = false;
    g.Main.Frgetresult.Visible = false;
    g.Menus.Setdisplay(Displaykind::Number);
    ASSERT_EQ(Texts(board).size(), 1u);
    EXPECT_EQ(Texts(board)[0].Text, "stale");
    EXPECT_TRUE(g.Main.Picanswer.Ops.empty());
    EXPECT_TRUE(g.Main.Picguess.Ops.empty());
}

TEST_F(Board, DisplayChangeRedrawsTheGuessAndTheAnswerUnderItsHeading) {
    g.Rec.Answer = "0123";
    g.Rec.Currentstring = "4567";
    g.Boardview.Showanswer("Possible Answer");
    g.Main.Frgetresult.Visible = true;
    g.Boardview.Showguess();
    // The Error button may stand beside a possible answer; redrawing leaves it there.
    g.Main.Frerror.Visible = true;

    g.Menus.Setdisplay(Displaykind::Number);
    EXPECT_EQ(g.Main.Franswer.Caption, "Possible Answer");
    EXPECT_TRUE(g.Main.Frerror.Visible);
    EXPECT_TRUE(Boxes(g.Main.Picanswer).empty());
    ASSERT_EQ(Digits(g.Main.Picanswer).size(), 4u);
    EXPECT_EQ(Digits(g.Main.Picanswer)[0].Text, "0");
    EXPECT_TRUE(Boxes(g.Main.Picguess).empty());
    ASSERT_EQ(Digits(g.Main.Picguess).size(), 4u);
    EXPECT_EQ(Digits(g.Main.Picguess)[0].Text, "4");

    g.Menus.Setdisplay(Displaykind::Colour);
    EXPECT_EQ(Boxes(g.Main.Picanswer).size(), 4u);
    EXPECT_TRUE(Texts(g.Main.Picanswer).empty());
    EXPECT_EQ(Boxes(g.Main.Picguess).size(), 4u);
}

TEST_F(Board, LeftClickOnTheBoardEndsTheDemoOnly) {
    // Outside the demo neither button changes the game.
    g.Rec.Status = Gamestatus::Playing;
    g.Main.Picrecord.Visible = true;
    g.Wait.Setkey(Waitkey::Frgetstring1);
    g.Demorun.Picrecord_MouseDown(1);
    g.Demorun.Picrecord_MouseDown(2);
    EXPECT_EQ(g.Rec.Status, Gamestatus::Playing);
    EXPECT_EQ(g.Wait.Key(), "Frgetstring1");
    EXPECT_TRUE(g.Main.Picrecord.Visible);

    g.Wait.Setkey(Waitkey::Demo);
    g.Rec.Demomode = -1;
    g.Main.Picdemo.Visible = true;
    g.Demorun.Picrecord_MouseDown(2);
    EXPECT_EQ(g.Wait.Key(), "Demo");
    EXPECT_TRUE(g.Main.Picdemo.Visible);

    g.Demorun.Picrecord_MouseDown(1);
    EXPECT_NE(g.Wait.Key(), "Demo");
    EXPECT_FALSE(g.Main.Picdemo.Visible);
    EXPECT_EQ(g.Rec.Demomode, 0);
    EXPECT_EQ(g.Rec.Status, Gamestatus::None);
    EXPECT_FALSE(g.Main.Picrecord.Visible);
}

// Everything the board, the result panel, the answer and the computer's guess draw stands out
// from its picture: outlines and marks by 3:1, digits and headings by 4.5:1. The colour boxes keep
// their own colours and stand out by their outlines.
TEST_F(Board, EveryDrawnColourStandsOutFromItsPicture) {
    g.Setting.Codelength = 5;
    g.Setting.Fixedlength = 0;
    g.Setting.Maxblanks = 2;
    auto check = [](const Picture& p) {
        for (const Drawop& op : p.Ops) {
            const Drawbox& b = op.Box;
            const bool text = op.What == Drawop::Kind::Text;
            EXPECT_GE(Contrastratio(text ? op.Text.Colour : b.Outline, p.Background),
                      text ? 4.5 : 3.0);
            if (!text && b.Filled && std::count(Panelcolours, Panelcolours + 10, b.Fill) == 0) {
                EXPECT_GE(Contrastratio(b.Fill, p.Background), 3.0);
            }
        }
    };
    for (Displaykind mode : {Displaykind::Colour, Displaykind::Number})
        for (int order : {1, 2}) {
            SCOPED_TRACE(Displayname(mode) + std::to_string(order));
            g.Main.Displaymode = mode;
            g.Setting.Ordertype = static_cast<Orderkind>(order);
            board.Cls();
            // A given row and played rows, with every count of marks from 0 to 5.
            for (int t = 1; t <= 6; ++t) g.Boardview.Showrecord(t, 2, t - 1, 6 - t, "0b9b8");
            g.Rec.Answer = g.Rec.Currentstring = Str("58b7b");
            g.Boardview.Showanswer("Answer");
            g.Boardview.Showguess();
            g.Rec.Currenthint = {1, 1};
            g.Guessentry.Showresult();
            for (Picture* p : {&board, &g.Main.Picanswer, &g.Main.Picguess, &g.Main.Piccorrect,
                               &g.Main.Picwrong})
                check(*p);
        }
}

} // namespace
} // namespace tc
