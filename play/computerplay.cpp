#include "play/computerplay.h"
#include "play/boardview.h"
#include "play/demorun.h"
#include "play/gameending.h"
#include "play/guessentry.h"
#include "play/hinterrors.h"
#include "play/marking.h"
#include "play/statisticsruns.h"

namespace tc {

void Computerplay::Getguess() {
    if (Setting.Whoguess == Role::Youguess) {
        Guessentry.Getstring();
        return;
    }
    if (!Wait.Is(Waitkey::Demo)) {
        Main.Mousepointer = "Icon/Wait04.cur";
        Wait.Setkey(Waitkey::Thinking);
        Wait.Showhelp();
    } else if (Rec.Status != Gamestatus::Continueplaying) {
        Main.Demonote("\nI am thinking. Please wait a while.", "Icon/W95mbx04.ico");
    }
    if (Rec.Trial > 0) Engine.Recordnew();
    Engine.Nextguess();
}

void Computerplay::Startdelay(int interval) {
    Tmrdelay.Interval = interval;
    Tmrdelay.Enabled = true;
}

void Computerplay::Tmrdelay_Timer() {
    Tmrdelay.Enabled = false;
    if (Rec.Status == Gamestatus::Errordetected) {
        Hinterrors.Correction();
        return;
    }
    if (Rec.Inplay()) {
        if (Rec.Trial >= Setting.Starttrial && Rec.Trial > Rec.Claimtrial) {
            Boardview.Showsetting();
            Marking.Mark();
            Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                                 Rec.Currenthint.white, Rec.Currentstring);
            Marking.Processmark();
            if (Marking.Hintbreakscode())
                Gameending.Win();
            else
                Getguess();
        } else {
            Getguess();
        }
    } else if (Rec.Status == Gamestatus::Nextdemo) {
        Main.Picdemo.Visible = false;
        Main.Picupper.Cls();
        Boardview.Clear();
        if (Rec.Runkind == Run::Demo) {
            Tmrdelay.Interval = Main.Speeddelay();
            Demorun.Startdemo();
        } else if (Rec.Runkind == Run::Initstat) {
            Statisticsruns.Initstat();
        } else if (Rec.Runkind == Run::Simulate) {
            Statisticsruns.Simulate();
        }
    }
}

} // namespace tc
