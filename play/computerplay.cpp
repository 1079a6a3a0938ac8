#include "play/computerplay.h"
#include "play/stringinput.h"

namespace tc {

void Computerplay::Getguess() {
    if (Setting.Whoguess == Role::Youguess) {
        Stringinput.Getstring();
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

} // namespace tc
