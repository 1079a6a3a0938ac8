#pragma once
// The wait mechanism: every panel and message carries a context key, a time-out and a default
// action; the key also chooses the help text that scrolls in the status bar. A message context is
// pushed over a panel context, and a question may be pushed over it again (over the save dialog).
// The context as text, each pushed key, the latest first, + "+" before the panel key
// ("Nofile+Mnusave+Load"), is the tag of `Tmrwait`.
#include "engine/gamesetting.h"
#include "system/clock.h"
#include "system/timer.h"
#include "system/timerhost.h"
#include "windows/fmmain.h"
#include "windows/messagebox.h"
#include "windows/waitkey.h"
#include <span>
#include <string>
#include <vector>

namespace tc {

// The work of other parts of the program that a time-out or a message button sets off; the wait
// state decides when each is done.
enum class Shellaction {
    // Panel and window defaults.
    Startdemo,
    Cmdcancel_Click,   // the setting menu's Cancel
    Cmdcontinue_Click, // the top-five list's Continue
    Hidestartpanels,   // hides `Frmark` and `Frtrialno`
    Finishgame,
    Cmdshowresult_Click, // the result panel's OK
    Cmdokname_Click,     // the name panel's OK
    Cancelfiles,         // the file dialog's Cancel
    Cmdokabout_Click,    // the About box's OK
    Cmdokinstr_Click,    // the instructions' OK

    // Work of the message buttons.
    // End Game confirmed: stop `Tmrrec`; hide `Lbltime`, `Frgetstring`, `Frinput`, `Frcolour`,
    // `Frerror`, `Frgetresult`; repaint the animation strip from its saved background.
    Stopplay,
    // End Game confirmed during a guessing game: `Status` "End Game", the setting and the answer
    // shown, `Elapsed` 3600, `Tmrbuffer` started.
    Showanswerlater,
    Quitprogramme, // closes the media devices and ends the program
    Savegame,
    Deletefile,
    Opensavedialog,   // shows the file dialog in save mode
    Resetdrive,       // the file dialog's drive list back to the program's drive
    Resumeloadedgame, // clock restarted, time shown, animation reset, `Getguess`
    Correction,
    Closemedia,     // the main window's media device
    Closereminder,  // the reminder sound's device
    Playreminder,   // before the Quit question
    Keepfinaltrial, // `Finaltrial` := `Trial`, before the End Game question
    Offerrecord,    // the last
};

// The action's name as spelled above: "Startdemo", "Cmdcancel_Click", ...
const char* Actionname(Shellaction action);

// The rest of the program as the wait state sees it; the game implements it.
class Shellactions {
public:
    virtual ~Shellactions() = default;

    // What the wait state needs to know of the game.
    virtual Role Whoguess() const = 0;
    virtual int Trial() const = 0;
    virtual int Starttrial() const = 0;
    virtual int Elapsed() const = 0;
    virtual Displaykind Displaymode() const = 0;

    virtual void Act(Shellaction action) = 0;
    virtual void Setdisplay(Displaykind mode) = 0;
    // After a message whose closing leads back into play: "Same" (ask again) and "Warning".
    virtual void Messageclosed(Waitkey key) = 0;
};

class Waitstate {
public:
    Waitstate(Shellactions& actions, Clock& clock, Fmmessage& message);

    Timer Tmrwait{1000};  // its tag is the context as text
    Timer Tmrbanner{500}; // scrolls `Banner`
    int Timeout = 0;      // seconds
    Datetime Start;       // when the current wait began
    std::string Banner;   // text of the status bar's first panel

    // Adds `Tmrwait` and `Tmrbanner` to the host that fires them.
    void Register(Timerhost& host);

    const std::string& Key() const { return Tmrwait.Tag; }
    // Whether the context is the panel key with nothing pushed over it.
    bool Is(Waitkey key) const { return pushed_.empty() && panel_ == key; }
    // The few places that write the key straight, without `Setwait`; nothing stays pushed.
    void Setkey(Waitkey key);

    // time-out 0 stops the waiting. The context becomes key with nothing pushed; without a key
    // it stays; `Pushwait` pushes key over it.
    void Setwait(int timeout, Waitkey key);
    void Setwait(int timeout);
    void Pushwait(int timeout, Waitkey key);
    void Showhelp();
    // The help text of a panel key, or a pushed message key, as the status bar shows it, before
    // padding; without a key, the current context's.
    std::string Helptext(Waitkey key, bool message = false) const;
    std::string Helptext() const;
    // The keys of every panel context, or of every message context: all the player may be
    // asked to answer.
    static std::vector<std::string> Contextkeys(bool message);
    // Removes a pushed message context.
    void Pop();
    // Closing a window that was pushed over a panel: the panel's wait starts again.
    void Closepushed();

    // Seconds since `Start`, hours not counted.
    int Elapsedwait() const;
    void Tmrwait_Timer();
    void Tmrbanner_Timer();

    // The message box: `Messagebox`, `Setwait`, shown. `Pushed` puts the message over the
    // current context.
    void Showmessage(const Messageargs& m);
    void Endgame();
    void Quitgame();
    void Reportbug(const std::string& guess);

    // The message buttons; each acts by the message's context key and ignores keys it does not
    // know.
    void Cmdl3_Click();
    void Cmdl2_Click();
    void Cmdmid_Click();
    void Cmdr2_Click();
    void Cmdr3_Click();
    // A button by its name; None does nothing.
    void Press(Boxbutton button);

private:
    enum class Default;
    struct Context;
    static std::span<const Context> Contexts(bool message);
    static const Context* Find(Waitkey key, bool message);
    void Settag();
    void Takedefault(Default d);
    void Close() { message_.Visible = false; }
    void Restartunderneath();
    void Switchdisplay();

    Shellactions& actions_;
    Clock& clock_;
    Waitkey panel_ = Waitkey::None;
    std::vector<Waitkey> pushed_; // the latest last
    int underneath_ = 0;          // the time-out of the wait a message was pushed over; 0 for none
    Fmmessage& message_;
};

} // namespace tc
