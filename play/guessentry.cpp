// The player's input of a string: a guess in "You guess", or the code and the rows of a middle
// start in "Computer guesses"; the computer's marking of the player's guess and its result.
#include "play/guessentry.h"
#include "play/boardview.h"
#include "play/colourinput.h"
#include "play/computerplay.h"
#include "play/gameending.h"
#include "play/gamestarter.h"
#include "play/markentry.h"
#include "play/marking.h"

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

void Guessentry::Getstring() {
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

bool Guessentry::Txtinput_KeyPress(char key) {
    Textbox& box = Main.Txtinput;
    std::string& text = box.Caption;
    box.Caret = Minimum(Maximum(box.Caret, 0), static_cast<int>(text.size()));
    bool accepted = false;
    if (key == '\b') {
        if (!text.empty() && box.Caret > 0) {
            text.erase(static_cast<size_t>(box.Caret - 1), 1);
            --box.Caret;
            accepted = true;
        }
    } else if (static_cast<int>(text.size()) < Setting.Codelength) {
        if (key == 'B') key = 'b';
        const bool digit = key >= '0' && key <= '9';
        if ((key == 'b' || digit) && !(digit && key - '0' >= Setting.Ncolours)) {
            std::string candidate = text;
            candidate.insert(static_cast<size_t>(box.Caret), 1, key);
            Str allowed = Alphabet(Setting);
            allowed.push_back('b');
            if (Checkstring(Str(candidate), allowed, Setting)) {
                text = candidate;
                ++box.Caret;
                accepted = true;
            }
        }
    }
    const bool complete = static_cast<int>(text.size()) == Setting.Codelength;
    Main.Cmdsubnum.Enabled = Main.Cmdsubnum.Default = complete;
    return accepted;
}

void Guessentry::Cmdsubnum_Click() {
    if (!Main.Frinput.Visible || !Main.Cmdsubnum.Enabled) return;
    Rec.Currentstring = Str(Main.Txtinput.Caption);
    Rec.Inputblanks = Countchar(Main.Txtinput.Caption, 'b');
    Submitguess();
}

void Guessentry::Cmdsubcol_Click() {
    if (!Main.Frgetstring.Visible || !Main.Cmdsubcol.Enabled) return;
    Str s;
    for (int i = 0; i < Setting.Codelength; ++i)
        s.push_back(Colourinput.Inputboxes()[i] == Emptybox
                        ? 'b'
                        : static_cast<char>('0' + Colourinput.Inputboxes()[i]));
    Rec.Currentstring = s;
    Submitguess();
}

void Guessentry::Submitguess() {
    for (Control* c :
         {&Main.Frsetting, &Main.Frgetstring, &Main.Frinput, &Main.Frcolour, &Main.Frerror})
        c->Visible = false;
    Main.Mnusaving.Enabled = false;
    if (Rec.Inplay()) Main.Mnuend.Enabled = Main.Mnuoption.Enabled = false;
    Main.Settlb();

    const bool computermarks = Setting.Whoguess == Role::Computerguesses && Main.Optyesmark.Value;
    const bool acceptable =
        !(computermarks && Rec.Trial <= Setting.Starttrial - 1 && Rec.Currentstring == Rec.Answer);
    const char* refusal = nullptr;
    if (!acceptable)
        refusal = "Hey!  You have input the same string as the answer. Input again!";
    else if (!Isnewstring(Rec, Setting))
        refusal = "Hey!  The string you input is the same as a previous one. Input again!";
    if (refusal) {
        Wait.Showmessage(Withok({.Text = refusal,
                                 .Icon = Boxicon::Exclamation,
                                 .Key = Waitkey::Same,
                                 .Caption = "Inappropriate Input",
                                 .Timeout = 900}));
        return;
    }

    if (Setting.Whoguess == Role::Youguess) {
        Marking.Mark();
        if (!Marking.Hintbreakscode()) {
            if (Rec.Inplay()) Showresult();
            return;
        }
        Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                             Rec.Currenthint.white, Rec.Currentstring);
        Marking.Processmark();
        Gameending.Win();
        return;
    }
    if (!computermarks) {
        Markentry.Getresult();
        return;
    }
    if (Rec.Trial == 0) {
        Rec.Answer = Rec.Currentstring;
        Rec.Answerblanks = Rec.Inputblanks;
        if (Setting.Starttype == Startkind::Trialone) {
            Gamestarter.Startgame();
            Computerplay.Getguess();
        } else {
            Rec.Trial = 1;
            Getstring();
        }
        return;
    }
    Marking.Mark();
    Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                         Rec.Currenthint.white, Rec.Currentstring);
    Marking.Processmark();
    if (Rec.Trial >= Setting.Starttrial - 1) {
        Rec.Trial = 0;
        Gamestarter.Startgame();
        Computerplay.Getguess();
    } else {
        ++Rec.Trial;
        Getstring();
    }
}

void Guessentry::Showresult() {
    Main.Cmdshowresult.Default = true;
    Main.Frshowresult.Visible = true;
    Main.Lbltrials.Caption = "Trial: " + std::to_string(Rec.Trial);
    Main.Piccorrect.Cls();
    Main.Picwrong.Cls();
    const int black = Rec.Currenthint.black, white = Rec.Currenthint.white;
    auto boxes = [](Picture& p, int n, Rgb fill) {
        for (int i = 0; i < n; ++i) {
            Drawbox b;
            b.X = 350 * i;
            b.Width = b.Height = 300;
            b.Fill = fill;
            p.Box(b);
        }
    };
    Main.Frcorrect.Visible = true;
    if (Setting.Fixedorder()) {
        Main.Frwrong.Visible = false;
        Main.Lblcorrect.Caption =
            "You have got " + std::to_string(black) + " correct " + Plural("colour", black) + ".";
        boxes(Main.Piccorrect, black, Countfill);
    } else {
        Main.Frwrong.Visible = true;
        Main.Lblcorrect.Caption = "You have got " + std::to_string(black) + " correct " +
                                  Plural("colour", black) + " in correct position.";
        Main.Lblwrong.Caption = "You have got " + std::to_string(white) + " correct " +
                                Plural("colour", white) + " in wrong position.";
        boxes(Main.Piccorrect, black, 0x000000);
        boxes(Main.Picwrong, white, 0xFFFFFF);
    }
    // In words, the trial as its board row will read.
    Main.Piccorrect.Spoken[0] =
        Boardview.Spokenrow(Rec.Trial, Setting.Starttrial, black, white, Rec.Currentstring);
    Wait.Setwait(60, Waitkey::Frshowresult);
}

void Guessentry::Cmdshowresult_Click() {
    if (!Main.Frshowresult.Visible) return; // a repeated time-out after the panel has gone
    Main.Sendescapes();
    Wait.Setwait(0, Waitkey::None);
    Main.Frshowresult.Visible = false;
    Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                         Rec.Currenthint.white, Rec.Currentstring);
    Marking.Processmark();
    Gameending.Calculatetime();
    if (Rec.Trial == Lasttrial - 1 && Rec.Elapsed < Timelimit) {
        Gameending.Warnlastchance();
        return;
    }
    if (Rec.Trial < Lasttrial)
        Computerplay.Getguess();
    else
        Gameending.Gameover();
}

void Guessentry::Cmderror_Click() {
    if (!Main.Frerror.Visible) return;
    for (Control* c : {&Main.Frerror, &Main.Frgetstring, &Main.Frinput, &Main.Frcolour,
                       &Main.Frshowresult, &Main.Frgetresult})
        c->Visible = false;
    Rec.Claimtrial = Rec.Trial;
    Rec.Trial = 0;
    Rec.Checkmode = 1;
    // The replay rebuilds the search from trial 1, so it starts from empty records.
    Engine.Clear();
    Engine.Nextguess();
}

void Guessentry::Messageclosed(Waitkey key) {
    if (key == Waitkey::Same) Getstring();
}

} // namespace tc
