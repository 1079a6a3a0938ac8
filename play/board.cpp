// The board: each trial's guess with its marks, the answer and the computer's guess.
#include "play/game.h"

namespace tc {

namespace {

constexpr Rgb Black = 0x000000, White = 0xFFFFFF, Blue = 0x0000FF;

// One position of a code: a digit in number display, else a box, dotted and empty for a blank.
void Drawposition(Picture& pic, bool numbers, char ch, int x, int y, int size, Rgb ink,
                  Rgb digitcolour) {
    if (numbers) {
        Drawtext t;
        t.X = x;
        t.Y = y;
        t.Text = std::string(1, ch);
        t.Size = 16;
        t.Bold = true;
        t.Colour = digitcolour;
        pic.Print(t);
        return;
    }
    Drawbox b;
    b.X = x;
    b.Y = y;
    b.Width = b.Height = size;
    b.Outline = ink;
    if (ch < '0' || ch > '9') {
        b.Dotted = true;
        b.Filled = false;
    } else {
        // The board may be drawn before the panel was ever shown, so take the colours themselves.
        b.Fill = Panelcolours[ch - '0'];
    }
    pic.Box(b);
}

// A code in a row of 255-twip boxes or blue digits: the answer and the computer's guess.
void Drawcode(Picture& pic, bool numbers, const Codestring& code, int length, int y) {
    for (int i = 0; i < length && i < code.size(); ++i)
        Drawposition(pic, numbers, code[i], i * 255, y, 255, Black, Blue);
}

} // namespace

void Game::Showrecord(int t, int start, int black, int white, const Codestring& guess) {
    if (Headless) return;
    Picture& pic = Main.Picrecord;
    const bool numbers = Main.Displaymode == "Number";
    const int L = Setting.Codelength;

    Drawtext heading;
    heading.X = 5000;
    heading.Y = 10;
    heading.Text = Wait.Key() == "Demo" ? "DEMO" : "RECORD";
    heading.Size = 12;
    heading.Bold = true;
    heading.Colour = Headingcolour;
    pic.Print(heading);

    // Rows the computer filled in before a middle start are set apart.
    const Rgb ink = t >= start ? Black : Givenrowink;
    const int x0 = (t - 1) % 3 * 3900;
    const int y0 = (t - 1) / 3 * 450 + 600;
    for (int i = 0; i < L && i < guess.size(); ++i)
        Drawposition(pic, numbers, guess[i], x0 + 100 + i * 280, y0, 280, ink, ink);

    auto marks = [&](int count, int y, Rgb fill) {
        for (int j = 1; j <= count; ++j) {
            Drawbox b;
            b.X = x0 + 80 + L * 280 + 150 * j;
            b.Y = y;
            b.Width = b.Height = 120;
            b.Outline = ink;
            b.Fill = fill;
            pic.Box(b);
        }
    };
    if (Setting.Fixedorder()) {
        marks(black, y0 + 100, Countfill);
    } else {
        marks(black, y0, Black);
        marks(white, y0 + 200, White);
    }
}

void Game::Showanswer(const std::string& caption) {
    if (Headless) return;
    Main.Frerror.Visible = false;
    Main.Franswer.Visible = true;
    Main.Franswer.Caption = caption;
    Main.Picanswer.Cls();
    Drawcode(Main.Picanswer, Main.Displaymode == "Number", Rec.Answer, Setting.Codelength, 75);
}

void Game::Showguess() {
    Main.Picguess.Cls();
    Drawcode(Main.Picguess, Main.Displaymode == "Number", Rec.Currentstring, Setting.Codelength, 0);
}

void Game::Redraw() {
    if (Main.Frgetresult.Visible) Showguess();
    if (Main.Franswer.Visible) {
        // Only the drawing changes with the display mode; the Error button keeps its place.
        Main.Picanswer.Cls();
        Drawcode(Main.Picanswer, Main.Displaymode == "Number", Rec.Answer, Setting.Codelength, 75);
    }
    if (Main.Picrecord.Visible) {
        Main.Picrecord.Cls();
        int n = Rec.Finaltrial;
        if (Rec.Inplay())
            n = Setting.Whoguess == 2 ? Rec.Trial - 1 : Rec.Trial;
        else if (Rec.Status == "Preparation")
            n = Rec.Trial - 1;
        n = Minimum(n, Trialslots - 1);
        for (int t = 1; t <= n; ++t)
            Showrecord(t, Setting.Starttrial, Rec.Blacks[t], Rec.Whites[t], Rec.Guesses[t]);
    }
}

void Game::Picrecord_MouseDown(int button) {
    if (button == 1 && Wait.Key() == "Demo") {
        Wait.Setkey("");
        Cmdcancel_Click();
    }
    // The right button's pop-up menu is the binding's: it shows the Game menu when
    // `Main.Mnugame` is enabled, and the game has nothing to change for it.
}

} // namespace tc
