#pragma once
// The game aggregate: the one setting, game record, codebreaker, timers and message box, and the
// procedures of a game from start to end. The procedures live in files by topic: gamestart.cpp,
// marking.cpp, computerplay.cpp, hinterrors.cpp, endgame.cpp.
#include "engine/codebreaker.h"
#include "engine/codes.h"
#include "engine/random.h"
#include "play/gamerecord.h"
#include "settings/gamesetting.h"
#include "shell/messagebox.h"
#include "shell/timer.h"
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

class Game : public Offerhost {
public:
    Game(Randomsource& rnd, Recordbook& records);

    Gamesetting Setting;
    Gamerecord Rec;
    Codebreaker Engine{Setting, Rec};
    Fmmessage Message;
    Timer Tmrdelay{1}, Tmrbuffer{1};
    bool Optyesmark = true; // the computer marks its own guesses in "Computer guesses"
    int Hsbspeed = 100, Hsbspeedmax = 100;
    std::string Waitkey;
    int Waittimeout = 0;
    std::string Lbldemo;
    Gameobserver* Observer = nullptr;
    Gameplan Plan;

    // Game start and state.
    void Clearrec();
    void Initialize();
    void Getstarttrial();
    void Geterrortrial();
    void Startgame();
    void Processmark();
    void Finishgame();
    void Setwait(int timeout, const std::string& key);

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
    void Correction();

    // End of game.
    void Win();
    void Reportbug(const std::string& guess) override;
    // A press of a message box button, by the button's name ("Cmdmid", ...).
    void Messagebutton(const std::string& button);

    // Offerhost.
    void Getresult() override;
    void Startdelay(int interval) override;
    bool Playermarks() const override { return Setting.Whoguess == 2 && !Optyesmark; }
    int Demodelay() const override;

private:
    int Speeddelay() const;
    void Showmessage(const std::string& text, int kind, const std::string& icon,
                     const std::string& l2, const std::string& l3, const std::string& mid,
                     const std::string& r3, const std::string& r2, const std::string& def,
                     const std::string& key, const std::string& caption, int timeout);
    // "error in Trial 3" / "errors in Trials 3 and 6" and its variants.
    std::string Errortext(const std::string& one, const std::string& two) const;

    Randomsource& rnd_;
    Recordbook& records_;
};

} // namespace tc
