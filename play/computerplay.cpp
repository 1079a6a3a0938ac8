#include "play/game.h"

namespace tc {

void Computerplay::Getguess() {
    if (Setting.Whoguess == Role::Youguess) {
        G.Guessentry.Getstring();
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
        G.Hinterrors.Correction();
        return;
    }
    if (Rec.Inplay()) {
        if (Rec.Trial >= Setting.Starttrial && Rec.Trial > Rec.Claimtrial) {
            G.Gamestarter.Showsetting();
            G.Marking.Mark();
            G.Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                                   Rec.Currenthint.white, Rec.Currentstring);
            G.Gamestarter.Processmark();
            if (G.Marking.Hintbreakscode())
                G.Gameending.Win();
            else
                Getguess();
        } else {
            Getguess();
        }
    } else if (Rec.Status == Gamestatus::Nextdemo) {
        Main.Picdemo.Visible = false;
        Main.Picupper.Cls();
        G.Boardview.Clear();
        if (Rec.Runkind == Run::Demo) {
            G.Tmrdelay.Interval = G.Gamestarter.Speeddelay();
            G.Demorun.Startdemo();
        } else if (Rec.Runkind == Run::Initstat) {
            G.Statisticsruns.Initstat();
        } else if (Rec.Runkind == Run::Simulate) {
            G.Statisticsruns.Simulate();
        }
    }
}

} // namespace tc
