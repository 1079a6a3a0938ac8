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
#include "play/stringinput.h"

namespace tc {

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
            Stringinput.Getstring();
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
        Stringinput.Getstring();
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
        Warnlastchance();
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
    if (key == Waitkey::Same)
        Stringinput.Getstring();
    else if (key == Waitkey::Warning)
        Warningclosed();
}

void Guessentry::Warnlastchance() {
    Afterwarn = Afterwarning::Nextguess;
    Wait.Showmessage(Withok({.Text = "Please notice you only have one more chance to guess!",
                             .Icon = Boxicon::Exclamation,
                             .Key = Waitkey::Warning,
                             .Caption = "Warning",
                             .Timeout = 60}));
}

void Guessentry::Warningclosed() {
    const Afterwarning next = Afterwarn;
    Afterwarn = Afterwarning::Nothing;
    const bool retype = Retypeafterwarning;
    Retypeafterwarning = false;
    if (next == Afterwarning::Nextguess) {
        Computerplay.Getguess();
    } else if (next == Afterwarning::Showresultok) {
        if (Main.Frshowresult.Visible) {
            Cmdshowresult_Click();
        } else if (retype) {
            Stringinput.Getstring();
        } else {
            // Back to what the clock's warning interrupted.
            Wait.Setwait(0);
            Wait.Setkey(Main.Frgetresult.Visible ? Waitkey::Frgetresult : Waitkey::Frgetstring1);
            Wait.Showhelp();
        }
    }
}

} // namespace tc
