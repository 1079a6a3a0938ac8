#include "play/hinterrors.h"
#include "play/animator.h"
#include "play/boardview.h"
#include "play/computerplay.h"

namespace tc {

std::string Hinterrors::Errortext(const std::string& one, const std::string& two) const {
    const std::string first(1, Rec.Errortrials.front());
    if (Rec.Trueblacks.size() <= 1) return one + first;
    return two + first + " and " + std::string(1, Rec.Errortrials.back());
}

void Hinterrors::Errorcase() {
    const int c = Rec.Claimtrial, d = Rec.Detecttrial, s = Setting.Starttrial;
    if (c == d - 1 || (c == s - 1 && 1 <= d && d < s)) {
        Inconsistent();
        return;
    }
    Animator.Repaintstrip();
    Rec.Finaltrial = c;
    Tmrrec.Enabled = false;
    Main.Lbltime.Visible = false;
    std::string text;
    if (d != 0) {
        Boardview.Showanswer("Answer");
        Rec.Status = Gamestatus::Latedetection;
        text = "Too late!  In fact, the " +
               Errortext("error occurred in Trial ", "errors occurred in Trials ") +
               ". You should have detected it in Trial " + std::to_string(d - 1) + ".";
    } else {
        --Rec.Trial;
        Rec.Answer = Rec.Currentstring;
        Boardview.Showanswer("Possible Answer");
        Rec.Status = Gamestatus::Hintsconsistent;
        text = "Sorry!  The " + Plural("hint", Rec.Trial) + " I gave you " +
               Plural("is", Rec.Trial) +
               " consistent. You may see a possible answer in the Possible Answer Frame.";
    }
    Boardview.Showsetting();
    Wait.Showmessage(Withendchoices({.Text = text + "\nChoose one option below.",
                                     .Icon = Boxicon::Critical,
                                     .Key = Waitkey::Wrongdetection,
                                     .Caption = Statusname(Rec.Status),
                                     .Timeout = 900}));
}

void Hinterrors::Inconsistent() {
    Animator.Repaintstrip();
    Rec.Status = Gamestatus::Errordetected;
    Boardview.Showsetting();
    if (Options.Observer) Options.Observer->Detected();
    const int n = static_cast<int>(Rec.Trueblacks.size());
    if (Wait.Is(Waitkey::Demo)) {
        Main.Demonote("\nI have detected an error in the " + Plural("hint", Rec.Trial) + ".",
                      "Icon/W95mbx01.ico");
        Tmrdelay.Interval = Main.Speeddelay();
        Tmrdelay.Enabled = true;
        return;
    }
    std::string text;
    if (Playermarks()) {
        Tmrrec.Enabled = false;
        Main.Lbltime.Visible = false;
        Rec.Finaltrial = Maximum(Setting.Starttrial - 1, Rec.Trial - 1);
        text = "Hey!  The " + Plural("hint", Rec.Finaltrial) + " you gave me " +
               Plural("is", Rec.Finaltrial) +
               " inconsistent!  I cannot continue. Please choose one option below.";
        Wait.Showmessage(Withendchoices({.Text = text,
                                         .Icon = Boxicon::Critical,
                                         .Key = Waitkey::Errordetected,
                                         .Caption = "Error Detected",
                                         .Timeout = 900}));
        return;
    }
    if (Setting.Whoguess == Role::Youguess)
        text = "You are right!  In fact, there " +
               Errortext("is an error in Trial ", "are errors in Trials ") +
               ". Press the OK button. The " + Plural("error", n) +
               " will be corrected and you may continue guessing.";
    else
        text = "I have detected an error in the " + Plural("hint", Rec.Trial) +
               ". Press the OK button. The " + Plural("error", n) +
               " will be corrected and I will continue guessing.";
    Wait.Showmessage(Withok({.Text = text,
                             .Icon = Boxicon::Information,
                             .Key = Waitkey::Continueplaying,
                             .Caption = "Error Detected",
                             .Timeout = 60}));
}

void Hinterrors::Correction() {
    Rec.Status = Gamestatus::Continueplaying;
    const int n = static_cast<int>(Rec.Trueblacks.size());
    for (int i = 0; i < n; ++i) {
        const int t = Rec.Errortrial(i);
        Rec.Blacks[t] = Rec.Trueblacks[static_cast<size_t>(i)] - '0';
        Rec.Whites[t] = Rec.Truewhites[static_cast<size_t>(i)] - '0';
        Rec.Corrects[t] = Setting.Fixedorder() ? Rec.Blacks[t] : Rec.Blacks[t] + Rec.Whites[t];
    }
    // The board shows the true hints from now on.
    Boardview.Clear();
    for (int t = 1; t <= Rec.Claimtrial; ++t)
        Boardview.Showrecord(t, Setting.Starttrial, Rec.Blacks[t], Rec.Whites[t], Rec.Guesses[t]);
    Rec.Errortrials.clear();
    Rec.Errorpending = 0;
    if (Options.Observer) Options.Observer->Corrected();
    if (Rec.Solvedunseen) {
        Rec.Status = Gamestatus::Win;
        Rec.Trial = Rec.Claimtrial;
        Tmrbuffer.Enabled = true;
        return;
    }
    if (Setting.Whoguess == Role::Youguess) {
        Rec.Trial = Rec.Claimtrial;
    } else {
        Engine.Clear();
        Rec.Inputblanks = 0;
        Rec.Trial = 0;
    }
    if (Wait.Is(Waitkey::Demo))
        Main.Demonote("\nThe " + Plural("error", n) + " " + Plural("has", n) +
                          " been corrected and I continue guessing.",
                      "Icon/W95mbx04.ico");
    Computerplay.Getguess();
}

} // namespace tc
