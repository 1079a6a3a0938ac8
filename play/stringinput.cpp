// The input of a string opened: the panel for the mouse or the keyboard, its prompt, and the wait.
#include "play/stringinput.h"
#include "play/boardview.h"
#include "play/colourinput.h"

namespace tc {

Stringprompts Promptsfor(Role who, bool errorbutton, int trial, bool blanks) {
    Stringprompts p;
    if (who == Role::Youguess) {
        if (errorbutton) {
            p.Mouse = p.Typed = "Input your guess, or press the Error button, if you think there "
                                "is an error.";
            p.Points = 11;
            return p; // the Error button's prompt has no word on blanks
        }
        p.Mouse = "Input your guess by dragging or double-clicking the colours.";
        p.Typed = "Input your guess below. Use numbers to represent colours.";
    } else if (trial == 0) {
        p.Mouse = "Input a string for me to guess by dragging or double-clicking the colours.";
        p.Typed = "Input a string for me to guess below. Use numbers to represent colours.";
        p.Points = 10;
    } else {
        const std::string n = std::to_string(trial);
        p.Mouse = "Input a string for Trial " + n + " by dragging or double-clicking the colours.";
        p.Typed = "Input a string for Trial " + n + " below. Use numbers to represent colours.";
        p.Points = 11;
    }
    if (blanks) p.Typed += " Use 'b' to represent a blank space.";
    return p;
}

std::vector<Stringprompts> Everystringprompt() {
    std::vector<Stringprompts> all{Promptsfor(Role::Youguess, true, 1, false)};
    for (bool blanks : {false, true})
        for (int trial : {0, 1, Lasttrial}) // the widest trial number stands for the others
            all.push_back(Promptsfor(trial == 1 ? Role::Youguess : Role::Computerguesses, false,
                                     trial, blanks));
    return all;
}

void Stringinput::Getstring() {
    Boardview.Showsetting();
    if (Rec.Inplay() && Rec.Trial > 0) {
        Main.Mnusaving.Enabled = Main.Mnuend.Enabled = Main.Mnuoption.Enabled = true;
        Main.Settlb();
    }
    for (int c = 0; c < 10; ++c) {
        const bool shown = c < Setting.Ncolours;
        Main.Piccolour[c].Visible = Main.Lblcolour[c].Visible = shown;
        Main.Piccolour[c].Background = Panelcolours[c];
    }

    const int L = Setting.Codelength;
    const bool errorbutton = Setting.Whoguess == Role::Youguess &&
                             Setting.Hinttype == Hintkind::Errors && Rec.Trial > 0 &&
                             Rec.Status != Gamestatus::Continueplaying;
    Main.Frerror.Visible = errorbutton;
    const Stringprompts asked =
        Promptsfor(Setting.Whoguess, errorbutton, Rec.Trial, Setting.Maxblanks > 0);
    Main.Lblgetstring.Caption = asked.Mouse;
    Main.Lblgetstring.Fontsize = asked.Points;
    Main.Lblinput.Caption = asked.Typed;

    if (Main.Inputmethod == Inputkind::Mouse) {
        Main.Frgetstring.Visible = true;
        Main.Frinput.Visible = false;
        Colourinput.Emptyinput();
        for (int i = 0; i < 8; ++i) Main.Picstring[i].Visible = Main.Lblstring[i].Visible = i < L;
    } else {
        Main.Frinput.Visible = true;
        Main.Txtinput.Caption.clear();
        Main.Txtinput.Caret = 0;
        Main.Txtinput.Setfocus();
        Main.Frgetstring.Visible = false;
    }
    Main.Frcolour.Visible = Main.Frcolour.Enabled = true;
    for (Control* b : {&Main.Cmdsubcol, &Main.Cmdsubnum}) b->Enabled = b->Default = false;
    Rec.Inputblanks = L;
    if (Setting.Whoguess == Role::Youguess) {
        // The game clock bounds the player's guessing, not a time-out.
        Wait.Setkey(Waitkey::Frgetstring1);
        Wait.Showhelp();
    } else {
        Wait.Setwait(300, Waitkey::Frgetstring2);
    }
}

} // namespace tc
