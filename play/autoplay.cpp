#include "play/autoplay.h"

namespace tc {

void Runtimers(Game& g) {
    for (;;) {
        if (g.Message.Visible) {
            if (g.Message.Key != Waitkey::Continueplaying) return;
            g.Messagebutton(Boxbutton::Cmdmid);
        } else if (g.Tmrbuffer.Enabled) {
            g.Gameending.Tmrbuffer_Timer();
        } else if (g.Tmrdelay.Enabled && g.Rec.Status != Gamestatus::Nextdemo) {
            g.Steptimer.Tmrdelay_Timer();
        } else {
            return;
        }
    }
}

void Autoplay(Game& g) {
    g.Gamestarter.Startgame();
    g.Computerplay.Getguess();
    Runtimers(g);
}

void Preparerun(Game& g, const Gamesetting& s, Run kind) {
    g.Setting = s;
    g.Rec.Runkind = kind;
    g.Rec.Demomode = -1;
    g.Wait.Setkey(Waitkey::Demo);
    g.Headless = true;
}

bool Simulategame(Game& g, const Str& code) {
    // The board of the last game goes, as between the games of the window's own run: nothing
    // else clears it, and a run of many millions of games would fill the memory with it.
    g.Boardview.Clear();
    g.Rec.Answer = code;
    g.Rec.Answerblanks = Countchar(code, 'b');
    g.Gamestarter.Initialize();
    Autoplay(g);
    return g.Rec.Status == Gamestatus::Nextdemo;
}

} // namespace tc
