// The player marks the computer's guess: the marks panel, its input rules, OK and WIN.
#include "play/markentry.h"
#include "play/boardview.h"
#include "play/computerplay.h"
#include "play/gameending.h"
#include "play/gamestarter.h"
#include "play/marking.h"
#include "play/stringinput.h"

namespace tc {

namespace {

void Fillnumbers(Combolist& list, int last) {
    list.Clear();
    for (int i = 0; i <= last; ++i) list.Additem(std::to_string(i));
    list.Listindex = 0;
}

// The number a list or text box holds; an empty box or a list without selection counts 0.
int Valueof(const Combolist& list) {
    return list.Listindex < 0 ? 0 : std::stoi(list.Text());
}
int Valueof(const Textbox& box) {
    return box.Caption.empty() ? 0 : box.Caption[0] - '0';
}

// Cuts or extends a list of numbers at its end to 0..last, keeping the selection it can.
void Resize(Combolist& list, int last) {
    while (list.Listcount() > last + 1) list.Removeitem(list.Listcount() - 1);
    while (list.Listcount() < last + 1) list.Additem(std::to_string(list.Listcount()));
}

} // namespace

void Markentry::Getresult() {
    Main.Mousepointer.clear();
    Main.Frgetresult.Visible = true;
    const bool row = Rec.Status != Gamestatus::Playing; // a middle-start row the player typed
    if (Rec.Status == Gamestatus::Preparation) {
        Wait.Setwait(300, Waitkey::Frgetresult2);
    } else {
        Wait.Setkey(Waitkey::Frgetresult);
        Wait.Showhelp();
    }
    Main.Lbltrials2.Caption = "Trial: " + std::to_string(Rec.Trial);
    Main.Lblmyguess.Caption = row ? "Your input is" : "My guess is";
    Rec.Inputblanks = Countchar(Rec.Currentstring, 'b');
    const int n = Setting.Codelength - Rec.Inputblanks;
    Boardview.Showguess();
    const bool mouse = Main.Inputmethod == Inputkind::Mouse;
    if (mouse) {
        Fillnumbers(Main.Cbcorrect, Rec.Inputblanks > 0 ? n : n - 1);
        Main.Cbcorrect.Visible = true;
        Main.Txtcorrect.Visible = false;
        Main.Cmdgetresult.Enabled = Main.Cmdgetresult.Default = true;
    } else {
        Main.Txtcorrect.Caption.clear();
        Main.Txtcorrect.Visible = true;
        Main.Txtcorrect.Setfocus();
        Main.Cbcorrect.Visible = false;
        Main.Cmdgetresult.Enabled = Main.Cmdgetresult.Default = false;
    }
    Main.Cmdwin.Visible = Rec.Status == Gamestatus::Playing;
    const std::string win = "\nIf I have got the correct answer, please press WIN.";
    if (Setting.Fixedorder()) {
        Main.Lblgetcorr.Caption =
            row ? "How many correct colours?" : "How many correct colours have I got?" + win;
        Main.Frgetwrong.Visible = false;
    } else {
        Main.Lblgetcorr.Caption = row ? "How many correct colours in correct position?"
                                      : "How many correct colours have I got in correct "
                                        "position?" +
                                            win;
        Main.Lblgetwrong.Caption = row ? "How many correct colours in wrong position?"
                                       : "How many correct colours have I got in wrong position?";
        Main.Frgetwrong.Visible = true;
        if (mouse) {
            Fillnumbers(Main.Cbwrong, n);
            Main.Cbwrong.Visible = true;
            Main.Txtwrong.Visible = false;
        } else {
            Main.Txtwrong.Caption.clear();
            Main.Txtwrong.Visible = true;
            Main.Cbwrong.Visible = false;
        }
    }
    if (Rec.Trial >= Setting.Starttrial) {
        Main.Mnusaving.Enabled = true;
        Main.Settlb();
    }
}

void Markentry::Resultok() {
    const bool ready = !Main.Txtcorrect.Caption.empty() &&
                       (Setting.Fixedorder() || !Main.Txtwrong.Caption.empty());
    Main.Cmdgetresult.Enabled = Main.Cmdgetresult.Default = ready;
}

void Markentry::Cbcorrect_Click() {
    if (!Setting.Fixedorder())
        Resize(Main.Cbwrong,
               Largestwhite(Setting.Codelength, Rec.Inputblanks, Valueof(Main.Cbcorrect)));
}

void Markentry::Cbwrong_Click() {
    Resize(Main.Cbcorrect,
           Largestblack(Setting.Codelength, Rec.Inputblanks, Valueof(Main.Cbwrong)));
}

namespace {

bool Markkey(Textbox& box, char key, int largest) {
    if (key == '\b') {
        if (box.Caption.empty()) return false;
        box.Caption.clear();
        return true;
    }
    if (!box.Caption.empty() || key < '0' || key > '9' || key - '0' > largest) return false;
    box.Caption = std::string(1, key);
    return true;
}

} // namespace

bool Markentry::Txtcorrect_KeyPress(char key) {
    const bool accepted =
        Markkey(Main.Txtcorrect, key,
                Largestblack(Setting.Codelength, Rec.Inputblanks, Valueof(Main.Txtwrong)));
    Resultok();
    return accepted;
}

bool Markentry::Txtwrong_KeyPress(char key) {
    const bool accepted =
        Markkey(Main.Txtwrong, key,
                Largestwhite(Setting.Codelength, Rec.Inputblanks, Valueof(Main.Txtcorrect)));
    Resultok();
    return accepted;
}

void Markentry::Cmdgetresult_Click() {
    if (!Main.Frgetresult.Visible || !Main.Cmdgetresult.Enabled) return;
    const bool mouse = Main.Inputmethod == Inputkind::Mouse;
    Hint h;
    h.black = mouse ? Valueof(Main.Cbcorrect) : Valueof(Main.Txtcorrect);
    if (!Setting.Fixedorder()) h.white = mouse ? Valueof(Main.Cbwrong) : Valueof(Main.Txtwrong);
    Rec.Currenthint = h;
    Main.Frgetresult.Visible = false;
    Boardview.Showrecord(Rec.Trial, Setting.Starttrial, h.black, h.white, Rec.Currentstring);
    Marking.Processmark();
    if (Rec.Status != Gamestatus::Preparation) {
        Computerplay.Getguess();
    } else if (Rec.Trial >= Setting.Starttrial - 1) {
        Rec.Trial = 0;
        Gamestarter.Startgame();
        Computerplay.Getguess();
    } else {
        ++Rec.Trial;
        Stringinput.Getstring();
    }
}

void Markentry::Cmdwin_Click() {
    if (!Main.Frgetresult.Visible || !Main.Cmdwin.Visible) return;
    Rec.Currenthint = {Setting.Codelength - Rec.Inputblanks, 0, 0};
    Main.Frgetresult.Visible = false;
    Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black, 0,
                         Rec.Currentstring);
    Marking.Processmark();
    Gameending.Win();
}

} // namespace tc
