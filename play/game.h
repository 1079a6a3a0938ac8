#pragma once
// The aggregate of the program: the one setting, game record, codebreaker, window models, wait
// state and timers, and the subsystems whose procedures act on them, one class and one file
// each in play/.
#include "play/animator.h"
#include "play/boardview.h"
#include "play/colourinput.h"
#include "play/computerplay.h"
#include "play/demorun.h"
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

// What the codebreaker and the wait state set off, handed on to the subsystem that does it.
class Gamehost : public Offerhost, public Shellactions {
public:
    explicit Gamehost(Game& g) : g_(g) {}

    Role Whoguess() const override;
    int Trial() const override;
    int Starttrial() const override;
    int Elapsed() const override;
    Displaykind Displaymode() const override;
    void Startdemo() override;
    void Cmdcancel_Click() override;
    void Cmdcontinue_Click() override;
    void Hidestartpanels() override;
    void Finishgame() override;
    void Cmdshowresult_Click() override;
    void Cmdokname_Click() override;
    void Cancelfiles() override;
    void Cmdokabout_Click() override;
    void Cmdokinstr_Click() override;
    void Stopplay() override;
    void Showanswerlater() override;
    void Quitprogramme() override;
    void Savegame() override;
    void Deletefile() override;
    void Opensavedialog() override;
    void Resetdrive() override;
    void Resumeloadedgame() override;
    void Correction() override;
    void Setdisplay(Displaykind mode) override;
    void Closemedia() override;
    void Closereminder() override;
    void Playreminder() override;
    void Keepfinaltrial() override;
    void Offerrecord() override;
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

class Game {
    // First, so that they are bound before the subsystems take them.
    friend class Gamepart;
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
    // The switches of the animation and the music (Media menu and toolbar).
    bool Animationswitchedon = false, Musicswitchedon = false;
    Gameobserver* Observer = nullptr;
    Gameplan Plan;
    Media* Mediaout = &nomedia_; // the program's devices; silent by default
    // No window shows the game (the command line, the benchmark): the board is not drawn.
    bool Headless = false;
    // Set by the title's hidden password prompt; lasts until the program ends.
    bool Designmode = false;
    bool Demopaused = false;    // the demo stopped from the status bar until "PAUSE" closes
    bool Quitrequested = false; // the program should end
    // Where the data files lie: the Winners files, "Files", "Icon", "Music", "Video".
    std::filesystem::path Programfolder;

    // The subsystems.
    tc::Menus Menus{*this};
    tc::Gamestarter Gamestarter{*this};
    tc::Boardview Boardview{*this};
    tc::Colourinput Colourinput{*this};
    tc::Guessentry Guessentry{*this};
    tc::Marking Marking{*this};
    tc::Markentry Markentry{*this};
    tc::Computerplay Computerplay{*this};
    tc::Demorun Demorun{*this};
    tc::Hinterrors Hinterrors{*this};
    tc::Gameending Gameending{*this};
    tc::Topfivelist Topfivelist{*this};
    tc::Statisticsruns Statisticsruns{*this};
    tc::Gamefiles Gamefiles{*this};
    tc::Musicplayer Musicplayer{*this};
    tc::Animator Animator{*this};

    // Registers every timer of the program with the host that fires them.
    void Registertimers(Timerhost& host);
    // A press of a message box button.
    void Messagebutton(Boxbutton button) { Wait.Press(button); }
    // The player marks the computer's guesses.
    bool Playermarks() const {
        return Setting.Whoguess == Role::Computerguesses && Main.Optnomark.Value;
    }
};

// The game as a saved game holds it, and a saved game put into it.
inline Savedgame Capture(const Game& g) {
    return Capture(g.Setting, g.Rec, g.Engine, g.Main);
}
inline std::string Restore(Game& g, const Savedgame& saved) {
    return Restore(g.Setting, g.Rec, g.Engine, g.Main, saved);
}

} // namespace tc
