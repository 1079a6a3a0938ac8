// The board: each trial's guess with its marks, the answer and the computer's guess.
#include "play/boardview.h"
#include "play/colourinput.h"
#include "settings/settingtexts.h"

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

void Boardview::Showrecord(int t, int start, int black, int white, const Codestring& guess) {
    if (!Options.Headless) Noterow({t, start, black, white, guess});
}

void Boardview::Noterow(const Heldrow& row) {
    if (holding_)
        heldrows_.push_back(row);
    else
        Drawrow(row);
}

void Boardview::Drawrow(const Heldrow& row) {
    const auto [t, start, black, white, guess] = row;
    Picture& pic = Main.Picrecord;
    const bool numbers = Main.Displaymode == Displaykind::Number;
    const int L = Setting.Codelength;

    Drawtext heading;
    heading.X = 5000;
    heading.Y = 10;
    heading.Text = Wait.Is(Waitkey::Demo) ? "DEMO" : "RECORD";
    heading.Size = 12;
    heading.Bold = true;
    heading.Colour = Headingcolour;
    pic.Print(heading);

    // Rows the computer filled in before a middle start are set apart.
    pic.Spoken[0] = heading.Text == "DEMO" ? "Demo" : "Record";
    pic.Spoken[t] = Spokenrow(t, start, black, white, guess);
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

void Boardview::Showanswer(const std::string& caption) {
    if (!Options.Headless) Noteanswer(caption);
}

void Boardview::Noteanswer(const std::string& caption) {
    Main.Frerror.Visible = false;
    Main.Franswer.Visible = true;
    Main.Franswer.Caption = caption;
    Heldanswer a{caption, Rec.Answer, Setting.Codelength};
    if (holding_)
        heldanswer_ = std::move(a);
    else
        Drawanswer(a);
}

void Boardview::Drawanswer(const Heldanswer& a) {
    Main.Picanswer.Cls();
    Drawcode(Main.Picanswer, Main.Displaymode == Displaykind::Number, a.answer, a.length, 75);
    Main.Picanswer.Spoken[0] = a.caption + ": " + Spokencode(a.answer, a.length);
}

void Boardview::Clear() {
    Main.Picrecord.Cls();
    heldrows_.clear();
}

void Boardview::Holddrawing(bool on) {
    holding_ = on;
    if (on) return;
    if (heldanswer_) Drawanswer(*heldanswer_);
    heldanswer_.reset();
    for (const Heldrow& row : heldrows_) Drawrow(row);
    heldrows_.clear();
}

void Boardview::Showguess() {
    Main.Picguess.Cls();
    Drawcode(Main.Picguess, Main.Displaymode == Displaykind::Number, Rec.Currentstring,
             Setting.Codelength, 0);
    Main.Picguess.Spoken[0] = Spokencode(Rec.Currentstring, Setting.Codelength);
}

void Boardview::Redraw() {
    if (Main.Frgetresult.Visible) Showguess();
    if (Main.Franswer.Visible) {
        // Only the drawing changes with the display mode; the Error button keeps its place.
        Main.Picanswer.Cls();
        Drawcode(Main.Picanswer, Main.Displaymode == Displaykind::Number, Rec.Answer,
                 Setting.Codelength, 75);
        Main.Picanswer.Spoken[0] =
            Main.Franswer.Caption + ": " + Spokencode(Rec.Answer, Setting.Codelength);
    }
    if (Main.Picrecord.Visible) {
        Clear();
        int n = Rec.Finaltrial;
        if (Rec.Inplay())
            n = Setting.Whoguess == Role::Computerguesses ? Rec.Trial - 1 : Rec.Trial;
        else if (Rec.Status == Gamestatus::Preparation)
            n = Rec.Trial - 1;
        n = Minimum(n, Trialslots - 1);
        for (int t = 1; t <= n; ++t)
            Showrecord(t, Setting.Starttrial, Rec.Blacks[t], Rec.Whites[t], Rec.Guesses[t]);
    }
}

std::string Boardview::Spokencode(const Codestring& code, int length) const {
    const bool numbers = Main.Displaymode == Displaykind::Number;
    std::string out;
    for (int i = 0; i < length && i < code.size(); ++i) {
        const char ch = code[i];
        if (i > 0) out += numbers ? " " : ", ";
        if (ch < '0' || ch > '9')
            out += "blank";
        else if (numbers)
            out += ch;
        else
            out += Colournames[ch - '0'];
    }
    return out;
}

std::string Boardview::Spokenrow(int t, int start, int black, int white,
                                 const Codestring& guess) const {
    std::string out = "Trial " + std::to_string(t) + (t < start ? " (given): " : ": ") +
                      Spokencode(guess, Setting.Codelength) + "; ";
    if (Setting.Fixedorder()) return out + std::to_string(black) + " correct";
    return out + std::to_string(black) + " black, " + std::to_string(white) + " white";
}

std::string Boardview::Spokencell(Dragsource source) const {
    const int i = source.Index;
    if (i < 0 || i >= 10) return {};
    if (source.What == Dragsource::Kind::Colour) {
        std::string name = Colournames[i];
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        if (Main.Displaymode == Displaykind::Number) name = std::to_string(i) + ", " + name;
        return Main.Piccolour[static_cast<size_t>(i)].Borderstyle == 0 ? name + ", used up" : name;
    }
    if (i >= 8) return {};
    const int v = Colourinput.Inputboxes()[static_cast<size_t>(i)];
    const std::string box = "Box " + std::to_string(i + 1) + ": ";
    if (v < 0 || v > 9) return box + "empty";
    return box + (Main.Displaymode == Displaykind::Number ? std::to_string(v) : Colournames[v]);
}

void Boardview::Showsetting() {
    // The computer's steps call this every tick; rebuild the texts only when they change.
    if (!Options.Headless) Drawsetting();
}

void Boardview::Drawsetting() {
    if (Main.Frsetting.Visible && Setting == shownsetting_ && Rec.Status == shownstatus_) return;
    const Settingdisplay d = Showsettingtexts(Setting, Statusname(Rec.Status));
    Main.Lblsettitle.Caption = d.Title;
    Main.Lblsetcontent.Caption = d.Content;
    Main.Frsetting.Visible = true;
    shownsetting_ = Setting;
    shownstatus_ = Rec.Status;
}

} // namespace tc
