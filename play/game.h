#pragma once
// The aggregate of the program: the one setting, game record, codebreaker, window models, wait
// state and timers, and the procedures that act on them. The procedures live in files by topic:
// play/gamestart.cpp, marking.cpp, computerplay.cpp, hinterrors.cpp, endgame.cpp, and
// shell/mainwindow.cpp for the menus, the setting menu and the Help windows.
#include "engine/codebreaker.h"
#include "engine/codes.h"
#include "engine/random.h"
#include "play/gamerecord.h"
#include "settings/gamesetting.h"
#include "shell/clock.h"
#include "shell/fmmain.h"
#include "shell/messagebox.h"
#include "shell/timer.h"
#include "shell/timerhost.h"
#include "shell/waitstate.h"
#include <optional>
#include <string>
#include <vector>

namespace tc {

// The records keeper as the game sees it: the computer's average attempts of a setting and the
// statistics update after a counted win.
class Recordbook {
public:
    virtual ~Recordbook() = default;
    // Average attempts of the setting's slot taken with "Trial 1" and "No error"; 0 when unknown.
    virtual float Average(const Gamesetting& s) = 0;
    virtual void Addstatistic(const Gamesetting& s, int attempts) = 0;
};

// A records keeper that knows nothing yet: averages 0, statistics dropped.
class Norecords : public Recordbook {
public:
    float Average(const Gamesetting&) override { return 0; }
    void Addstatistic(const Gamesetting&, int) override {}
};

// Things a client may want to follow: the command line prints a transcript from them.
class Gameobserver {
public:
    virtual ~Gameobserver() = default;
    virtual void Processed(int /*trial*/) {} // a row was stored
    virtual void Detected() {}               // the computer found its hints inconsistent
    virtual void Corrected() {}
    virtual void Won() {}
    virtual void Bug(const std::string& /*guess*/) {}
};

// What the next `Initialize` takes as given instead of drawing it: for the command line, tests
// and the simulation.
struct Gameplan {
    std::optional<Codestring> Answer;
    std::optional<Codestring> Colourorder;
    std::optional<std::string> Errortrials;
    std::optional<int> Starttrial;
    std::vector<Codestring> Rows; // the rows before a middle start
};

class Game : public Offerhost, public Shellactions {
public:
    // Without a clock the game reads the system's.
    Game(Randomsource& rnd, Recordbook& records, Clock* clock = nullptr);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Gamesetting Setting;
    Gamerecord Rec;
    Codebreaker Engine{Setting, Rec};
    Fmmain Main;
    Fmabout About;
    Fminstr Instr;
    Fmmessage Message;
    Waitstate Wait;
    Timer Tmrdelay{1}, Tmrbuffer{1}, Tmrrec{100};
    Gameobserver* Observer = nullptr;
    Gameplan Plan;

    // Registers every timer of the program with the host that fires them.
    void Registertimers(Timerhost& host);

    // Game start and state.
    void Clearrec();
    void Initialize();
    void Getstarttrial();
    void Geterrortrial();
    void Startgame();
    void Processmark();
    void Finishgame() override;
    void Setwait(int timeout, const std::string& key) { Wait.Setwait(timeout, key); }
    void Cmdstart_Click();
    void Cmdoktrial_Click();
    void Cmdokmark_Click();
    void Cmdready_Click();
    // Opens the input of a string: the player's guess, or the code or a row the player types.
    void Getstring();

    // Marking.
    void Mark();
    void Makeerror();
    bool Hintbreakscode() const;

    // The computer's turn.
    void Getguess();
    void Tmrdelay_Timer();
    void Tmrbuffer_Timer();

    // Errors in hints.
    void Errorcase() override;
    void Inconsistent() override;
    void Correction() override;

    // End of game.
    void Win();
    void Reportbug(const std::string& guess) override;
    // A press of a message box button, by the button's name ("Cmdmid", ...).
    void Messagebutton(const std::string& button) { Wait.Press(button); }

    // Main window, setting menu and Help windows (shell/mainwindow.cpp).
    void Form_Load();
    void Mnuset_Click();
    void Cmdcancel_Click() override;
    void Settlb();
    void Setdisplay(const std::string& mode) override;
    void Menu_Click(const std::string& item); // a menu item by its name ("Mnunew", ...)
    void Tlbgame_ButtonClick(const std::string& key);
    void Stbmenu_Click();
    void Cmdokabout_Click() override;
    void Cmdokinstr_Click() override;
    bool Quitrequested = false; // the program should end
    Savedchoices Menusaved;     // the setting menu's choices when it was opened

    // Setting display and board.
    void Showsetting();
    // Draws the board, the guess and the answer again, after a change of display mode.
    void Redraw();

    // Offerhost.
    void Getresult() override;
    void Startdelay(int interval) override;
    bool Playermarks() const override { return Setting.Whoguess == 2 && Main.Optnomark.Value; }
    int Demodelay() const override;

    // Shellactions: what the wait state needs to know and to set off.
    int Whoguess() const override { return Setting.Whoguess; }
    int Trial() const override { return Rec.Trial; }
    int Starttrial() const override { return Setting.Starttrial; }
    int Elapsed() const override { return Rec.Elapsed; }
    std::string Displaymode() const override { return Main.Displaymode; }
    void Startdemo() override;
    void Cmdcontinue_Click() override;
    void Hidestartpanels() override;
    void Cmdshowresult_Click() override;
    void Cmdokname_Click() override;
    void Cancelfiles() override;
    void Stopplay() override;
    void Showanswerlater() override;
    void Quitprogramme() override;
    void Savegame() override;
    void Deletefile() override;
    void Opensavedialog() override;
    void Resetdrive() override;
    void Resumeloadedgame() override;
    void Closemedia() override;
    void Closereminder() override;
    void Playreminder() override;
    void Keepfinaltrial() override;
    void Offerrecord() override;
    void Messageclosed(const std::string& key) override;

private:
    int Speeddelay() const;
    // "error in Trial 3" / "errors in Trials 3 and 6" and its variants.
    std::string Errortext(const std::string& one, const std::string& two) const;

    Gamesetting shownsetting_;
    std::string shownstatus_;
    Randomsource& rnd_;
    Recordbook& records_;
    Systemclock systemclock_;
    Clock& clock_;
};

} // namespace tc
