// The game clock: the time shown, the five-minute warning and the end at the time limit.
#include "play/gameclock.h"
#include "play/gameending.h"
#include "play/guessentry.h"

namespace tc {

void Gameclock::Tmrrec_Timer() {
    if (!Rec.Inplay()) return;
    Gameending.Calculatetime();
    Main.Lbltime.Caption = "Time spent:  " + Rec.Timetext;
    const bool warning = Rec.Elapsed >= Warningtime && !Warned;
    const bool over = Rec.Elapsed > Timelimit;
    if (!warning && !over) return;
    // Nothing may hide the warning or the end of the game.
    if (Message.Visible && Message.Key == Waitkey::Same) Guessentry.Refusalclosed();
    About.Visible = Instr.Visible = Message.Visible = Files.Visible = false;
    Wait.Setwait(0, Waitkey::None);
    if (warning) {
        Warned = true;
        Guessentry.Clockwarned();
        Wait.Showmessage(Withok({.Text = "Please notice this game is over in five minutes!",
                                 .Icon = Boxicon::Exclamation,
                                 .Key = Waitkey::Warning,
                                 .Caption = "Warning",
                                 .Timeout = 60}));
        if (!over) return;
        Message.Visible = false;
    }
    if (Main.Frshowresult.Visible) Guessentry.Cmdshowresult_Click();
    Gameending.Gameover();
}

} // namespace tc
