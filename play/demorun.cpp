// The demo: "Watch computer play" games under random settings, one after another, until the
// player presses the board.
#include "play/demorun.h"
#include "play/boardview.h"
#include "play/computerplay.h"
#include "play/gamestarter.h"
#include "play/statisticsruns.h"

namespace tc {

void Demorun::Startdemo() {
    if (!Main.Visible) {
        // The title still covers the main window: the idle wait starts again instead.
        Wait.Setwait(300, Waitkey::Picfore);
        return;
    }
    if (!Rec.Demomode) {
        Main.Sendescapes(); // no menu left open over the demo
        Wait.Setwait(0, Waitkey::Demo);
        Main.Lists.Keep();
        for (Menuitem* menu :
             {&Main.Mnugame, &Main.Mnuquit, &Main.Mnumedia, &Main.Mnuoption, &Main.Mnuhelp})
            menu->Enabled = false;
        for (Toolbutton& b : Main.Tlbgame) b.Enabled = false;
        Main.Frmenu.Visible = false;
        Setting.Whoguess = Role::Watch;
    }
    auto draw = [this](int n) { return static_cast<int>(n * rnd_.Rnd()); };
    Main.Displaymode = draw(2) == 0 ? Displaykind::Colour : Displaykind::Number;
    Setting.Ncolours = draw(6) + 5;
    Setting.Starttype = static_cast<Startkind>(draw(2) + 1);
    Setting.Codelength = draw(Setting.Ncolours - 4) + 3;
    Setting.Fixedlength = Setting.Codelength == 3 ? 1 : draw(2);
    Setting.Maxblanks = Setting.Fixedlength ? 0 : Setting.Codelength - 3;
    Setting.Ordertype = static_cast<Orderkind>(draw(2) + 1);
    Setting.Maxrepeat = draw(Setting.Codelength) + 1;
    Setting.Hinttype = static_cast<Hintkind>(draw(2) + 1);
    Rec.Demomode = -1;
    Rec.Runkind = Run::Demo;
    Boardview.Clear();
    Main.Frscroll.Visible = true;
    Gamestarter.Initialize();
    Gamestarter.Startgame();
    Computerplay.Getguess();
}

void Demorun::Hsbspeed_Change(int value) {
    Main.Hsbspeed.Value = Minimum(Maximum(value, Main.Hsbspeed.Min), Main.Hsbspeed.Max);
    Tmrdelay.Interval = Main.Speeddelay();
}

void Demorun::Picrecord_MouseDown(int button) {
    if (button == 1 && Wait.Is(Waitkey::Demo)) {
        Wait.Setkey(Waitkey::None);
        Statisticsruns.Cmdcancel_Click();
    }
    // The right button's pop-up menu is the binding's: it shows the Game menu when
    // `Main.Mnugame` is enabled, and the game has nothing to change for it.
}

} // namespace tc
