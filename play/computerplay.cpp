#include "play/game.h"

namespace tc {

void Game::Getguess() {
    if (Setting.Whoguess == 1) {
        // The player's turn: the input panel waits, bounded by the game clock.
        Setwait(0, "Frgetstring1");
        return;
    }
    if (Wait.Key() != "Demo")
        Setwait(0, "Thinking");
    else if (Rec.Status != "Continue Playing")
        Main.Lbldemo.Caption = "\nI am thinking. Please wait a while.";
    if (Rec.Trial > 0) Engine.Recordnew();
    Engine.Nextguess();
}

void Game::Startdelay(int interval) {
    Tmrdelay.Interval = interval;
    Tmrdelay.Enabled = true;
}

void Game::Getresult() {
    Setwait(0, "Frgetresult");
}

void Game::Tmrdelay_Timer() {
    Tmrdelay.Enabled = false;
    if (Rec.Status == "Error Detected") {
        Correction();
        return;
    }
    if (Rec.Inplay()) {
        if (Rec.Trial >= Setting.Starttrial && Rec.Trial > Rec.Claimtrial) {
            Mark();
            Processmark();
            if (Hintbreakscode())
                Win();
            else
                Getguess();
        } else {
            Getguess();
        }
    }
}

void Game::Tmrbuffer_Timer() {
    Tmrbuffer.Enabled = false;
    if (Rec.Status == "Win") Win();
}

} // namespace tc
