#include "play/game.h"

namespace tc {

void Game::Getguess() {
    if (Setting.Whoguess == Role::Youguess) {
        Getstring();
        return;
    }
    if (Wait.Key() != "Demo") {
        Main.Mousepointer = "Icon/Wait04.cur";
        Wait.Setkey("Thinking");
        Wait.Showhelp();
    } else if (Rec.Status != Gamestatus::Continueplaying) {
        Demonote("\nI am thinking. Please wait a while.", "Icon/W95mbx04.ico");
    }
    if (Rec.Trial > 0) Engine.Recordnew();
    Engine.Nextguess();
}

void Game::Startdelay(int interval) {
    Tmrdelay.Interval = interval;
    Tmrdelay.Enabled = true;
}

void Game::Demonote(const std::string& text, const std::string& icon) {
    Main.Lbldemo.Caption = text;
    // Every step of a demo or simulation comes here: draw the logo only when it changes.
    if (Main.Piclogo.Ops.empty() || Main.Piclogo.Ops.front().Image != icon) {
        Main.Piclogo.Cls();
        Main.Piclogo.Image(icon);
    }
    Main.Picdemo.Visible = true;
}

void Game::Tmrdelay_Timer() {
    Tmrdelay.Enabled = false;
    if (Rec.Status == Gamestatus::Errordetected) {
        Correction();
        return;
    }
    if (Rec.Inplay()) {
        if (Rec.Trial >= Setting.Starttrial && Rec.Trial > Rec.Claimtrial) {
            Showsetting();
            Mark();
            Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black, Rec.Currenthint.white,
                       Rec.Currentstring);
            Processmark();
            if (Hintbreakscode())
                Win();
            else
                Getguess();
        } else {
            Getguess();
        }
    } else if (Rec.Status == Gamestatus::Nextdemo) {
        Main.Picdemo.Visible = false;
        Main.Picupper.Cls();
        Main.Picrecord.Cls();
        if (Rec.Runkind == Run::Demo) {
            Tmrdelay.Interval = Speeddelay();
            Startdemo();
        } else if (Rec.Runkind == Run::Initstat) {
            Initstat();
        } else if (Rec.Runkind == Run::Simulate) {
            Simulate();
        }
    }
}

} // namespace tc
