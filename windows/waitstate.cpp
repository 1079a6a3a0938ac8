#include "windows/waitstate.h"

#include "engine/gamerecord.h"

#include <algorithm>
#include <iterator>

namespace tc {

const char* Actionname(Shellaction action) {
    static const char* const names[] = {
        "Startdemo",        "Cmdcancel_Click", "Cmdcontinue_Click",
        "Hidestartpanels",  "Finishgame",      "Cmdshowresult_Click",
        "Cmdokname_Click",  "Cancelfiles",     "Cmdokabout_Click",
        "Cmdokinstr_Click", "Stopplay",        "Showanswerlater",
        "Quitprogramme",    "Savegame",        "Deletefile",
        "Opensavedialog",   "Resetdrive",      "Resumeloadedgame",
        "Correction",       "Closemedia",      "Closereminder",
        "Playreminder",     "Keepfinaltrial",  "Offerrecord"};
    static_assert(std::size(names) == static_cast<std::size_t>(Shellaction::Offerrecord) + 1);
    return names[static_cast<std::size_t>(action)];
}

enum class Waitstate::Default {
    None,
    Startdemo,
    Settingcancel,
    Listcontinue,
    Giveupstart,
    Finishgame,
    Showresultok,
    Nameok,
    Filescancel,
    Aboutok,
    Instructok,
    Pressmid,
    Pressr2,
    Pressr3,
};

struct Waitstate::Context {
    Waitkey Key;
    const char* Help;
    Default Action;
};

namespace {

constexpr const char* Okinoneminute =
    "Press the OK button.  Please notice the OK button is pressed automatically in one minute.";
constexpr const char* Giveuppanel =
    "Choose one option and press the OK button.  If you do not give your response in 5 minutes, "
    "it is assumed that you give up this game.";
constexpr const char* Endin15 =
    "Press one button.  Please notice the End button is pressed automatically in 15 minutes.";
// The End Game and Quit questions time out on Cancel, and say so.
constexpr const char* Cancelquestion =
    "Press one button.  Please notice the Cancel button is pressed automatically in one minute.";
constexpr const char* Noquestion =
    "Press one button. Please notice the No button is pressed automatically in one minute.";

// The end messages share their buttons.
bool Endmessage(Waitkey key) {
    using K = Waitkey;
    return key == K::Franswer || key == K::Win || key == K::Errordetected ||
           key == K::Wrongdetection || key == K::Gameover1;
}

} // namespace

std::span<const Waitstate::Context> Waitstate::Contexts(bool message) {
    using D = Default;
    using K = Waitkey;
    // Panel contexts, set with `Setwait` or written straight. The help text of
    // "Frgetstring1" depends on the start trial: see `Helptext`.
    static const Context panels[] = {
        {K::Picfore,
         "Choose an option from the pulldown menu or the toolbar. Demo will start automatically "
         "in five minutes.",
         D::Startdemo},
        {K::Thinking, "I am thinking.  Please wait a while.", D::None},
        {K::Demo, "Demo is now on.  Click mouse on the cloud area to end demo.", D::None},
        {K::Frmenu,
         "Choose a game setting from this menu and then press the Start Game button.  Please "
         "notice this menu will be closed automatically in 5 minutes.",
         D::Settingcancel},
        {K::Picwinners,
         "Press the Continue button.  Please notice this list will be closed automatically in "
         "one minute.",
         D::Listcontinue},
        {K::Frtrialno, Giveuppanel, D::Giveupstart},
        {K::Frmark, Giveuppanel, D::Giveupstart},
        {K::Fraskcode,
         "Press the Ready button when you are ready.  If you do not do so in 5 minutes, it is "
         "assumed that you give up this game.",
         D::Finishgame},
        {K::Frgetstring1, "", D::None},
        {K::Frgetstring2,
         "Input a colour string and press the Submit button.  If you do not do so in 5 minutes, "
         "it is assumed that you give up this game.",
         D::Finishgame},
        {K::Frshowresult,
         "Press the OK button.  Please notice the OK button is pressed automatically in one "
         "minute.",
         D::Showresultok},
        {K::Frgetresult,
         "Please tell me how many marks I have got.  This game will be ended automatically in "
         "one hour.",
         D::None},
        // The marks of a row the player typed before a middle start: the game clock has not
        // started yet, so this wait gives up like the typing of the row itself.
        {K::Frgetresult2,
         "Please tell me the marks of your input.  If you do not do so in 5 minutes, it is "
         "assumed that you give up this game.",
         D::Finishgame},
        {K::Frgetname,
         "Input your name.  Please notice if you do not input anything, your name will be "
         "assumed to be xxx.",
         D::Nameok},
        {K::Load,
         "Input a file name and press the Open button.  If you do not do so in 5 minutes, it is "
         "assumed that you do not want to load a game.",
         D::Filescancel},
        {K::Same, "", D::Pressmid},
        {K::Notenter, Okinoneminute, D::Pressmid},
        {K::Continueplaying, Okinoneminute, D::Pressmid},
        {K::Warning, Okinoneminute, D::Pressmid},
        {K::Gameover0, Okinoneminute, D::Pressmid},
        {K::Notgame,
         "Press the FINISH button after you have finished examining the result.  Please notice "
         "the FINISH button is pressed automatically in 15 minutes.",
         D::Pressr2},
        {K::Franswer, Endin15, D::Pressr3},
        {K::Win, Endin15, D::Pressr3},
        {K::Errordetected, Endin15, D::Pressr3},
        {K::Wrongdetection, Endin15, D::Pressr3},
        {K::Gameover1, Endin15, D::Pressr3},
    };
    // Message contexts, pushed over a panel.
    static const Context messages[] = {
        {K::Fmabout, Okinoneminute, D::Aboutok},
        {K::Instruct,
         "Press the OK button.  Please notice the OK button is pressed automatically in five "
         "minutes.",
         D::Instructok},
        // The help text promises OK, but a question nobody answered is safer declined: the
        // End Game question keeps the game in every mode.
        {K::Mnuend, Cancelquestion, D::Pressr2},
        {K::Mnuquit, Cancelquestion, D::Pressr2},
        {K::Mnusave,
         "Input a file name and press the Save button.  If you do not do so in 5 minutes, it is "
         "assumed that you do not want to save the game.",
         D::Filescancel},
        {K::Nofile, Noquestion, D::Pressr2},
        {K::Overwrite, Noquestion, D::Pressr2},
        {K::Notready, Okinoneminute, D::Pressmid},
        {K::Notexist, Okinoneminute, D::Pressmid},
        {K::Delete,
         "Press one button.  If you do not do so in one minute, it is assumed that you do not "
         "want to delete the file.",
         D::Pressr2},
    };
    return message ? std::span<const Context>(messages) : std::span<const Context>(panels);
}

const Waitstate::Context* Waitstate::Find(Waitkey key, bool message) {
    for (const Context& c : Contexts(message))
        if (key == c.Key) return &c;
    return nullptr;
}

std::vector<std::string> Waitstate::Contextkeys(bool message) {
    std::vector<std::string> keys;
    for (const Context& c : Contexts(message)) keys.push_back(Keyname(c.Key));
    return keys;
}

Waitstate::Waitstate(Shellactions& actions, Clock& clock, Fmmessage& message)
    : actions_(actions), clock_(clock), message_(message) {}

void Waitstate::Register(Timerhost& host) {
    host.Add("Tmrwait", Tmrwait, [this] { Tmrwait_Timer(); });
    host.Add("Tmrbanner", Tmrbanner, [this] { Tmrbanner_Timer(); });
}

void Waitstate::Settag() {
    std::string text;
    for (auto k = pushed_.rbegin(); k != pushed_.rend(); ++k) text += Keyname(*k) + "+";
    Tmrwait.Tag = text + Keyname(panel_);
}

void Waitstate::Setkey(Waitkey key) {
    pushed_.clear();
    panel_ = key;
    Settag();
}

void Waitstate::Setwait(int timeout, Waitkey key) {
    Setkey(key);
    Setwait(timeout);
}

void Waitstate::Pushwait(int timeout, Waitkey key) {
    underneath_ = Tmrwait.Enabled ? Timeout : 0;
    pushed_.push_back(key);
    Settag();
    Setwait(timeout);
}

void Waitstate::Setwait(int timeout) {
    if (timeout != 0) {
        Start = clock_.Now();
        Tmrwait.Enabled = true;
        Timeout = timeout;
    } else {
        Tmrwait.Enabled = false;
    }
    Showhelp();
}

std::string Waitstate::Helptext() const {
    return pushed_.empty() ? Helptext(panel_) : Helptext(pushed_.back(), true);
}

std::string Waitstate::Helptext(Waitkey key, bool message) const {
    if (!message && key == Waitkey::Frgetstring1)
        return "Input your guess.  Please notice you are allowed to try at most " +
               std::to_string(Lasttrial + 1 - actions_.Starttrial()) + " times or 1 hour.";
    const Context* c = Find(key, message);
    std::string text = c ? c->Help : "";
    // A window come back to after a message waits one minute, not the five it first had; its
    // text says what the wait now is.
    static const std::string five = "in 5 minutes", one = "in one minute";
    const size_t at = text.find(five);
    if (at != std::string::npos && Tmrwait.Enabled && Timeout == 60)
        text.replace(at, five.size(), one);
    return text;
}

void Waitstate::Showhelp() {
    const std::string text = Helptext();
    const size_t gap = text.size() < 220 ? 220 - text.size() : 0;
    Banner = std::string(10, ' ') + text + std::string(gap, ' ');
    Tmrbanner.Enabled = true;
}

void Waitstate::Tmrbanner_Timer() {
    if (Banner.empty()) return;
    std::rotate(Banner.begin(), Banner.begin() + 1, Banner.end());
}

void Waitstate::Pop() {
    if (pushed_.empty()) return;
    pushed_.pop_back();
    Settag();
}

void Waitstate::Closepushed() {
    Pop();
    Setwait(0);
    if (Is(Waitkey::Picfore))
        Setwait(300, Waitkey::Picfore);
    else
        Setwait(60);
}

// Back from a question over a panel: the panel's own wait, as it was when the question came,
// runs again from its start, unless nothing waits.
void Waitstate::Restartunderneath() {
    if (Is(Waitkey::None)) return;
    Setwait(underneath_);
}

int Waitstate::Elapsedwait() const {
    // Hours are not counted, so a change of the clock by whole hours (summer time) costs
    // nothing; a wait running over midnight must not come out negative.
    const int d = clock_.Now().Secondofday() - Start.Secondofday();
    return (d % 3600 + 3600) % 3600;
}

void Waitstate::Tmrwait_Timer() {
    if (Elapsedwait() < Timeout) return;
    const Context* c = pushed_.empty() ? Find(panel_, false) : Find(pushed_.back(), true);
    if (c) Takedefault(c->Action);
}

void Waitstate::Takedefault(Default d) {
    switch (d) {
    case Default::None:
        break;
    case Default::Startdemo:
        actions_.Act(Shellaction::Startdemo);
        break;
    case Default::Settingcancel:
        actions_.Act(Shellaction::Cmdcancel_Click);
        break;
    case Default::Listcontinue:
        actions_.Act(Shellaction::Cmdcontinue_Click);
        break;
    case Default::Giveupstart:
        // Hiding the panels alone would leave the program with nothing to wait for and its
        // menus shut; giving up ends the game, as the help text says.
        actions_.Act(Shellaction::Hidestartpanels);
        actions_.Act(Shellaction::Finishgame);
        break;
    case Default::Finishgame:
        actions_.Act(Shellaction::Finishgame);
        break;
    case Default::Showresultok:
        actions_.Act(Shellaction::Cmdshowresult_Click);
        break;
    case Default::Nameok:
        actions_.Act(Shellaction::Cmdokname_Click);
        break;
    case Default::Filescancel:
        actions_.Act(Shellaction::Cancelfiles);
        break;
    case Default::Aboutok:
        actions_.Act(Shellaction::Cmdokabout_Click);
        break;
    case Default::Instructok:
        actions_.Act(Shellaction::Cmdokinstr_Click);
        break;
    case Default::Pressmid:
        Cmdmid_Click();
        break;
    case Default::Pressr2:
        Cmdr2_Click();
        break;
    case Default::Pressr3:
        Cmdr3_Click();
        break;
    }
}

void Waitstate::Showmessage(const Messageargs& m) {
    message_.Messagebox(m);
    if (m.Pushed)
        Pushwait(m.Timeout, m.Key);
    else
        Setwait(m.Timeout, m.Key);
    message_.Visible = true;
}

void Waitstate::Endgame() {
    actions_.Act(Shellaction::Keepfinaltrial);
    Showmessage({.Text = "Are you sure you want to end this game?",
                 .Kind = Messagekind::Two,
                 .Icon = Boxicon::Question,
                 .L2 = "OK",
                 .R2 = "Cancel",
                 .Defaultbutton = Boxbutton::Cmdl2,
                 .Key = Waitkey::Mnuend,
                 .Caption = "End Game?",
                 .Timeout = 60,
                 .Pushed = true});
}

void Waitstate::Quitgame() {
    actions_.Act(Shellaction::Playreminder);
    Showmessage({.Text = "Are you sure you want to quit this programme?",
                 .Kind = Messagekind::Two,
                 .Icon = Boxicon::Question,
                 .L2 = "OK",
                 .R2 = "Cancel",
                 .Defaultbutton = Boxbutton::Cmdl2,
                 .Key = Waitkey::Mnuquit,
                 .Caption = "Quit Programme?",
                 .Timeout = 60,
                 .Pushed = true});
}

void Waitstate::Reportbug(const std::string& guess) {
    std::string text = "This programme has a bug.";
    if (!guess.empty()) text += " My next guess is " + guess + ".";
    text += " Please choose one option below.";
    Showmessage({.Text = text,
                 .Kind = Messagekind::Two,
                 .Icon = Boxicon::Question,
                 .L2 = "Change Display",
                 .R2 = "FINISH",
                 .Defaultbutton = Boxbutton::Cmdl2,
                 .Key = Waitkey::Bug,
                 .Caption = "Bug"});
}

void Waitstate::Switchdisplay() {
    actions_.Setdisplay(actions_.Displaymode() != Displaykind::Colour ? Displaykind::Colour
                                                                      : Displaykind::Number);
}

// A button of a closed message cannot be pressed; this is also what makes a time-out that
// presses one harmless when it repeats.

void Waitstate::Cmdl3_Click() {
    if (!message_.Visible) return;
    if (Endmessage(message_.Key)) {
        Close();
        Setwait(0, Waitkey::None);
        Pushwait(60, Waitkey::Mnusave);
        actions_.Act(Shellaction::Opensavedialog);
    }
}

void Waitstate::Cmdl2_Click() {
    if (!message_.Visible) return;
    using K = Waitkey;
    const Waitkey key = message_.Key;
    if (key == K::Mnuend) {
        Close();
        actions_.Act(Shellaction::Stopplay);
        if (actions_.Whoguess() != Role::Youguess || actions_.Trial() == 0) {
            Setwait(0, K::None);
            actions_.Act(Shellaction::Finishgame);
        } else {
            actions_.Act(Shellaction::Showanswerlater);
        }
    } else if (key == K::Mnuquit) {
        actions_.Act(Shellaction::Quitprogramme);
    } else if (key == K::Nofile) {
        Close();
        Pop();
        Setwait(60);
    } else if (key == K::Overwrite) {
        Close();
        Pop();
        Setwait(0);
        actions_.Act(Shellaction::Savegame);
    } else if (key == K::Delete) {
        Close();
        Pop();
        actions_.Act(Shellaction::Deletefile);
        Setwait(60);
    } else if (key == K::Notgame || key == K::Bug) {
        Switchdisplay();
    }
}

void Waitstate::Cmdmid_Click() {
    if (!message_.Visible) return;
    using K = Waitkey;
    const Waitkey key = message_.Key;
    if (key == K::Gameover0) {
        Setwait(0, K::None);
        Close();
        actions_.Act(Shellaction::Finishgame);
    } else if (key == K::Notready) {
        Pop();
        Close();
        actions_.Act(Shellaction::Resetdrive);
        Setwait(60);
    } else if (key == K::Notexist) {
        Pop();
        Close();
        Setwait(60);
    } else if (key == K::Notenter) {
        Close();
        Setwait(0);
        actions_.Act(Shellaction::Resumeloadedgame);
    } else if (key == K::Same || key == K::Warning) {
        Close();
        actions_.Messageclosed(key);
    } else if (key == K::Continueplaying) {
        Close();
        Setkey(K::Thinking);
        Showhelp();
        actions_.Act(Shellaction::Correction);
    } else if (Endmessage(key)) {
        Switchdisplay();
    }
}

void Waitstate::Cmdr2_Click() {
    if (!message_.Visible) return;
    using K = Waitkey;
    const Waitkey key = message_.Key;
    if (key == K::Mnuend || key == K::Mnuquit) {
        Close();
        Pop();
        Setwait(0);
        // The panel under the question keeps its time-out, so an abandoned game still ends.
        Restartunderneath();
        if (key == K::Mnuquit) actions_.Act(Shellaction::Closereminder);
    } else if (key == K::Nofile) {
        Close();
        Pop();
        actions_.Act(Shellaction::Cancelfiles);
    } else if (key == K::Overwrite || key == K::Delete) {
        Close();
        Pop();
        Setwait(60);
    } else if (key == K::Notgame || key == K::Bug) {
        Setwait(0, K::None);
        Close();
        actions_.Act(Shellaction::Cmdcancel_Click);
    }
}

void Waitstate::Cmdr3_Click() {
    if (!message_.Visible) return;
    using K = Waitkey;
    const Waitkey key = message_.Key;
    if (key == K::Win) {
        actions_.Act(Shellaction::Closemedia);
        Setwait(0, K::None);
        Close();
        if (actions_.Elapsed() >= Timelimit || actions_.Trial() >= Lasttrial)
            actions_.Act(Shellaction::Finishgame);
        else
            actions_.Act(Shellaction::Offerrecord);
    } else if (Endmessage(key)) {
        Setwait(0, K::None);
        Close();
        actions_.Act(Shellaction::Finishgame);
    }
}

void Waitstate::Press(Boxbutton button) {
    if (button == Boxbutton::Cmdl3) Cmdl3_Click();
    if (button == Boxbutton::Cmdl2) Cmdl2_Click();
    if (button == Boxbutton::Cmdmid) Cmdmid_Click();
    if (button == Boxbutton::Cmdr2) Cmdr2_Click();
    if (button == Boxbutton::Cmdr3) Cmdr3_Click();
}

} // namespace tc
