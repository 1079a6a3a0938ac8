#include "play/game.h"

namespace tc {

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
        Main.Lbldemo.Caption = Rec.Solvedunseen ? text : "\n" + text;
        Tmrdelay.Interval = 1000;
        Tmrdelay.Enabled = true;
        Rec.Status = "Next Demo";
        return;
    }
    Wait.Showmessage(text + "\nPlease choose one option below.", 3, "!", "", "Save File",
                     "Change Display", "End", "", "Cmdr3", "Win", "Win", 900, false);
}

void Game::Reportbug(const std::string& guess) {
    if (Observer) Observer->Bug(guess);
    Wait.Reportbug(guess);
}

} // namespace tc
