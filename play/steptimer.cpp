// The step timer: the computer's next step, a run's next game, and the tick that plays many steps
// while a statistics run goes at full speed.
#include "play/steptimer.h"
#include "play/boardview.h"
#include "play/computerplay.h"
#include "play/demorun.h"
#include "play/gameending.h"
#include "play/hinterrors.h"
#include "play/marking.h"
#include "play/statisticsruns.h"

namespace tc {

bool Steptimer::Fastrun() const {
    return (Rec.Runkind == Run::Simulate || Rec.Runkind == Run::Initstat) && Tmrdelay.Interval <= 1;
}

void Steptimer::Runtick() {
    // A statistics run at full speed plays many steps in one tick, but never so long that the
    // window stops answering; the board shows where the tick ended.
    const int64_t start = clock_.Ticks();
    Boardview.Holddrawing(Fastrun());
    do {
        Tmrdelay_Timer();
    } while (Fastrun() && Tmrdelay.Enabled && clock_.Ticks() - start < 16);
    Boardview.Holddrawing(false);
    Statisticsruns.Updateprogress(false);
}

void Steptimer::Tmrdelay_Timer() {
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
                Computerplay.Getguess();
        } else {
            Computerplay.Getguess();
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
