#include "play/game.h"

namespace tc {

void Computerplay::Getguess() {
    if (Setting.Whoguess == Role::Youguess) {
        G.Guess.Getstring();
        return;
    }
    if (!Wait.Is(Waitkey::Demo)) {
        Main.Mousepointer = "Icon/Wait04.cur";
        Wait.Setkey(Waitkey::Thinking);
        Wait.Showhelp();
    } else if (Rec.Status != Gamestatus::Continueplaying) {
        Demonote("\nI am thinking. Please wait a while.", "Icon/W95mbx04.ico");
    }
    if (Rec.Trial > 0) Engine.Recordnew();
    Engine.Nextguess();
}

void Computerplay::Startdelay(int interval) {
    G.Tmrdelay.Interval = interval;
    G.Tmrdelay.Enabled = true;
}

void Computerplay::Tmrdelay_Timer() {
    G.Tmrdelay.Enabled = false;
    if (Rec.Status == Gamestatus::Errordetected) {
        G.Errors.Correction();
        return;
    }
    if (Rec.Inplay()) {
        if (Rec.Trial >= Setting.Starttrial && Rec.Trial > Rec.Claimtrial) {
            G.Start.Showsetting();
            G.Marker.Mark();
            G.Board.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                               Rec.Currenthint.white, Rec.Currentstring);
            G.Start.Processmark();
            if (G.Marker.Hintbreakscode())
                G.Ending.Win();
            else
                Getguess();
        } else {
            Getguess();
        }
    } else if (Rec.Status == Gamestatus::Nextdemo) {
        Main.Picdemo.Visible = false;
        Main.Picupper.Cls();
        G.Board.Clear();
        if (Rec.Runkind == Run::Demo) {
            G.Tmrdelay.Interval = G.Start.Speeddelay();
            G.Demo.Startdemo();
        } else if (Rec.Runkind == Run::Initstat) {
            G.Runs.Initstat();
        } else if (Rec.Runkind == Run::Simulate) {
            G.Runs.Simulate();
        }
    }
}

} // namespace tc
