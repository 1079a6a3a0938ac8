#pragma once
// The aggregate of the program: the one setting, game record, codebreaker, window models, wait
// state and timers, and the subsystems whose procedures act on them, one class and one file
// each in play/.
#include "play/animator.h"
#include "play/boardview.h"
#include "play/colourinput.h"
#include "play/computerplay.h"
#include "play/demorun.h"
#include "play/gameclock.h"
#include "play/gamecontrols.h"
#include "play/gameending.h"
#include "play/gamefiles.h"
#include "play/gamepart.h"
#include "play/gamestarter.h"
#include "play/guessentry.h"
#include "play/hinterrors.h"
#include "play/markentry.h"
#include "play/marking.h"
#include "play/menus.h"
#include "play/musicplayer.h"
#include "play/statisticsruns.h"
#include "play/steptimer.h"
#include "play/stringinput.h"
#include "play/topfivelist.h"
#include "savedgames/fmfiles.h"
#include "savedgames/savedfile.h"
#include "settings/settingtexts.h"
#include "system/media.h"
#include "system/timer.h"
#include "system/timerhost.h"
#include "windows/messagebox.h"
#include <filesystem>
#include <string>

namespace tc {

class Game;

// What the codebreaker and the wait state set off, handed on to the subsystem that does it. The
// codebreaker's calls come at every computer step and stay direct.
class Gamehost : public Offerhost, public Shellactions {
public:
    explicit Gamehost(Game& g) : g_(g) {}

    Role Whoguess() const override;
    int Trial() const override;
    int Starttrial() const override;
    int Elapsed() const override;
    Displaykind Displaymode() const override;
    void Act(Shellaction action) override;
    void Setdisplay(Displaykind mode) override;
    void Messageclosed(Waitkey key) override;
    void Errorcase() override;
    void Inconsistent() override;
    void Getresult() override;
    void Reportbug(const std::string& guess) override;
    void Startdelay(int interval) override;
    bool Playermarks() const override;
    int Demodelay() const override;

private:
    Game& g_;
};

class Game : public Gameoptions {
    // First, so that they are bound before the subsystems take them.
    Randomsource& rnd_;
    Recordbook& records_;
    Clock& clock_;
    Nomedia nomedia_;

public:
    // The clock is the program's (the system's) or a test's virtual one; nothing in the game
    // reads the time but through it.
    Game(Randomsource& rnd, Recordbook& records, Clock& clock);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Gamesetting Setting;
    Gamerecord Rec;
    Codebreaker Engine{Setting, Rec};
    Fmmain Main;
    Fmabout About;
    Fminstr Instr;
    Fmstat Stat;
    Fmfiles Files;
    Statisticsbox Statbox;
    Fmmessage Message;
    Gamehost Host{*this};
    Waitstate Wait;
    Timer Tmrdelay{1}, Tmrbuffer{1}, Tmrrec{100};
    Timer Tmrani{50}, Tmrmusic{500}; // animation and music

private:
    // What every subsystem is given.
    Gamecore core_{Setting,  Rec,    Engine,   Main,      Wait,   rnd_,
                   records_, clock_, Tmrdelay, Tmrbuffer, Tmrrec, *this};

public:
    // The subsystems, each given the shared state and the others it calls.
    tc::Menus Menus{core_,       Gamestarter, Boardview,   Colourinput, Demorun,
                    Topfivelist, Gamefiles,   Musicplayer, Animator,    About,
                    Instr,       Stat,        Statbox};
    tc::Gamestarter Gamestarter{core_,   Gameclock,    Stringinput, Boardview,
                                Marking, Computerplay, Animator};
    tc::Boardview Boardview{core_, Colourinput};
    tc::Stringinput Stringinput{core_, Boardview, Colourinput};
    tc::Colourinput Colourinput{core_};
    tc::Guessentry Guessentry{core_,   Stringinput, Gamestarter,  Boardview, Colourinput,
                              Marking, Markentry,   Computerplay, Gameending};
    tc::Marking Marking{core_};
    tc::Markentry Markentry{core_,     Stringinput,  Marking,   Gamestarter,
                            Boardview, Computerplay, Gameending};
    tc::Computerplay Computerplay{core_, Stringinput};
    tc::Demorun Demorun{core_, Statisticsruns, Gamestarter, Boardview, Computerplay};
    tc::Hinterrors Hinterrors{core_, Boardview, Computerplay, Animator};
    tc::Gameending Gameending{core_, Boardview, Hinterrors, Statisticsruns, Animator};
    tc::Topfivelist Topfivelist{core_, Gamestarter, Boardview};
    tc::Statisticsruns Statisticsruns{core_, Gamestarter, Boardview, Computerplay, Stat, Statbox};
    tc::Gamefiles Gamefiles{core_,       Gameclock,    Gamestarter, Boardview,
                            Markentry,   Computerplay, Gameending,  Topfivelist,
                            Musicplayer, Animator,     Files};
    tc::Musicplayer Musicplayer{core_, Tmrmusic};
    tc::Animator Animator{core_, Tmrani};
    tc::Gameclock Gameclock{core_, Guessentry, Gameending, About, Instr, Files, Message};
    tc::Steptimer Steptimer{core_,   Boardview,  Marking,    Computerplay,
                            Demorun, Hinterrors, Gameending, Statisticsruns};

    // What the windows send the game.
    Gamecontrols Controls{*this};

    // Registers every timer of the program with the host that fires them.
    void Registertimers(Timerhost& host);
    // A press of a message box button.
    void Messagebutton(Boxbutton button) { Wait.Press(button); }
    bool Playermarks() const { return tc::Playermarks(Setting, Main); }
};

// The game as a saved game holds it, and a saved game put into it.
inline Savedgame Capture(const Game& g) {
    return Capture(g.Setting, g.Rec, g.Engine, g.Main);
}
inline std::string Restore(Game& g, const Savedgame& saved) {
    return Restore(g.Setting, g.Rec, g.Engine, g.Main, saved);
}

} // namespace tc
