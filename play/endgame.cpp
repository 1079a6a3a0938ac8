#include "play/game.h"

namespace tc {

void Game::Showmessage(const std::string& text, int kind, const std::string& icon,
                       const std::string& l2, const std::string& l3, const std::string& mid,
                       const std::string& r3, const std::string& r2, const std::string& def,
                       const std::string& key, const std::string& caption, int timeout) {
    Message.Lblmessage.Caption = text;
    Message.Messagebox(kind, icon, l2, l3, mid, r3, r2, def, key, caption);
    Setwait(timeout, key);
    Message.Visible = true;
}

void Game::Win() {
    Rec.Finaltrial = Rec.Trial;
    Rec.Attempts = static_cast<int16_t>(Rec.Trial - Setting.Starttrial + 1);
    Rec.Status = "Win";
    if (Setting.Whoguess == 3 && Setting.Hinttype == 1)
        records_.Addstatistic(Setting, Rec.Attempts);
    const int n = static_cast<int>(Rec.Trueblacks.size());
    std::string text;
    if (Setting.Whoguess != 1 || Rec.Demomode) {
        if (Rec.Errorpending) {
            Reportbug("");
            return;
        }
        if (Rec.Solvedunseen)
            text = "After correcting the " + Plural("error", n) +
                   ", it is found that I already got the correct answer at Trial " +
                   std::to_string(Rec.Solvedtrial) + ".";
        else
            text = "Win!  I have tried " + std::to_string(Rec.Attempts) +
                   Plural(" time", Rec.Attempts) + ".";
    }
    if (Observer) Observer->Won();
    if (Rec.Demomode) {
        Lbldemo = Rec.Solvedunseen ? text : "\n" + text;
        Tmrdelay.Interval = 1000;
        Tmrdelay.Enabled = true;
        Rec.Status = "Next Demo";
        return;
    }
    Showmessage(text + "\nPlease choose one option below.", 3, "!", "", "Save File",
                "Change Display", "End", "", "Cmdr3", "Win", "Win", 900);
}

void Game::Reportbug(const std::string& guess) {
    std::string text = "This programme has a bug.";
    if (!guess.empty()) text += " My next guess is " + guess + ".";
    text += " Please choose one option below.";
    if (Observer) Observer->Bug(guess);
    Showmessage(text, 2, "?", "Change Display", "", "", "", "FINISH", "Cmdl2", "Bug", "Bug", 0);
}

void Game::Messagebutton(const std::string& button) {
    const std::string key = Message.Tag;
    Message.Visible = false;
    if (key == "Continue Playing" && button == "Cmdmid") {
        Setwait(0, "Thinking");
        Correction();
    } else if (button == "Cmdr3" || button == "Cmdr2" || button == "Cmdmid") {
        Finishgame();
    }
}

} // namespace tc
