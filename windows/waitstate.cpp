#include "windows/waitstate.h"

#include <algorithm>

namespace tc {

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
    const char* Key;
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
constexpr const char* Okquestion =
    "Press one button.  Please notice the OK button is pressed automatically in one minute.";
constexpr const char* Noquestion =
    "Press one button. Please notice the No button is pressed automatically in one minute.";

// The end messages share their buttons.
bool Endmessage(const std::string& key) {
    return key == "Franswer" || key == "Win" || key == "Error Detected" ||
           key == "Wrong Detection" || key == "Gameover1";
}

} // namespace

std::span<const Waitstate::Context> Waitstate::Contexts(bool message) {
    using D = Default;
    // Panel contexts, set with `Setwait` without "+" or written straight. The help text of
    // "Frgetstring1" depends on the start trial: see `Helptext`.
    static const Context panels[] = {
        {"Picfore",
         "Choose an option from the pulldown menu or the toolbar. Demo will start automatically "
         "in five minutes.",
         D::Startdemo},
        {"Thinking", "I am thinking.  Please wait a while.", D::None},
        {"Demo", "Demo is now on.  Click mouse on the cloud area to end demo.", D::None},
        {"Frmenu",
         "Choose a game setting from this menu and then press the Start Game button.  Please "
         "notice this menu will be closed automatically in 5 minutes.",
         D::Settingcancel},
        {"Picwinners",
         "Press the Continue button.  Please notice this list will be closed automatically in "
         "one minute.",
         D::Listcontinue},
        {"Frtrialno", Giveuppanel, D::Giveupstart},
        {"Frmark", Giveuppanel, D::Giveupstart},
        {"Fraskcode",
         "Press the Ready button when you are ready.  If you do not do so in 5 minutes, it is "
         "assumed that you give up this game.",
         D::Finishgame},
        {"Frgetstring1", "", D::None},
        {"Frgetstring2",
         "Input a colour string and press the Submit button.  If you do not do so in 5 minutes, "
         "it is assumed that you give up this game.",
         D::Finishgame},
        {"Frshowresult",
         "Press the OK button.  Please notice the OK button is pressed automatically in one "
         "minute.",
         D::Showresultok},
        {"Frgetresult",
         "Please tell me how many marks I have got.  This game will be ended automatically in "
         "one hour.",
         D::None},
        // The marks of a row the player typed before a middle start: the game clock has not
        // started yet, so this wait gives up like the typing of the row itself.
        {"Frgetresult2",
         "Please tell me the marks of your input.  If you do not do so in 5 minutes, it is "
         "assumed that you give up this game.",
         D::Finishgame},
        {"Frgetname",
         "Input your name.  Please notice if you do not input anything, your name will be "
         "assumed to be xxx.",
         D::Nameok},
        {"Load",
         "Input a file name and press the Open button.  If you do not do so in 5 minutes, it is "
         "assumed that you do not want to load a game.",
         D::Filescancel},
        {"Same", "", D::Pressmid},
        {"Notenter", Okinoneminute, D::Pressmid},
        {"Continue Playing", Okinoneminute, D::Pressmid},
        {"Warning", Okinoneminute, D::Pressmid},
        {"Gameover0", Okinoneminute, D::Pressmid},
        {"Notgame",
         "Press the FINISH button after you have finished examining the result.  Please notice "
         "the FINISH button is pressed automatically in 15 minutes.",
         D::Pressr2},
        {"Franswer", Endin15, D::Pressr3},
        {"Win", Endin15, D::Pressr3},
        {"Error Detected", Endin15, D::Pressr3},
        {"Wrong Detection", Endin15, D::Pressr3},
        {"Gameover1", Endin15, D::Pressr3},
    };
    // Message contexts, pushed over a panel.
    static const Context messages[] = {
        {"Fmabout", Okinoneminute, D::Aboutok},
        {"Instruct",
         "Press the OK button.  Please notice the OK button is pressed automatically in five "
         "minutes.",
         D::Instructok},
        // The help text promises OK, but a question nobody answered is safer declined: the
        // End Game question keeps the game in every mode.
        {"Mnuend", Okquestion, D::Pressr2},
        {"Mnuquit", Okquestion, D::Pressr2},
        {"Mnusave",
         "Input a file name and press the Save button.  If you do not do so in 5 minutes, it is "
         "assumed that you do not want to save the game.",
         D::Filescancel},
        {"Nofile", Noquestion, D::Pressr2},
        {"Overwrite", Noquestion, D::Pressr2},
        {"Notready", Okinoneminute, D::Pressmid},
        {"Notexist", Okinoneminute, D::Pressmid},
        {"Delete",
         "Press one button.  If you do not do so in one minute, it is assumed that you do not "
         "want to delete the file.",
         D::Pressr2},
    };
    return message ? std::span<const Context>(messages) : std::span<const Context>(panels);
}

const Waitstate::Context* Waitstate::Find(const std::string& key, bool message) {
    for (const Context& c : Contexts(message))
        if (key == c.Key) return &c;
    return nullptr;
}

std::vector<std::string> Waitstate::Contextkeys(bool message) {
    std::vector<std::string> keys;
    for (const Context& c : Contexts(message)) keys.push_back(c.Key);
    return keys;
}

Waitstate::Waitstate(Shellactions& actions, Clock& clock, Fmmessage& message)
    : actions_(actions), clock_(clock), message_(message) {}

void Waitstate::Register(Timerhost& host) {
    host.Add("Tmrwait", Tmrwait, [this] { Tmrwait_Timer(); });
    host.Add("Tmrbanner", Tmrbanner, [this] { Tmrbanner_Timer(); });
}

void Waitstate::Setwait(int timeout, const std::string& key) {
    const bool push = !key.empty() && key.back() == '+';
    if (push) underneath_ = Tmrwait.Enabled ? Timeout : 0;
    if (timeout != 0) {
        Start = clock_.Now();
        Tmrwait.Enabled = true;
        Timeout = timeout;
    } else {
        Tmrwait.Enabled = false;
    }
    if (key == "Nochange") {
    } else if (push) {
        Tmrwait.Tag = key + Tmrwait.Tag;
    } else {
        Tmrwait.Tag = key;
    }
    Showhelp();
}

std::string Waitstate::Helptext(const std::string& key) const {
    const size_t plus = key.find('+');
    const bool message = plus != std::string::npos;
    const std::string name = message ? key.substr(0, plus) : key;
    if (!message && name == "Frgetstring1")
        return "Input your guess.  Please notice you are allowed to try at most " +
               std::to_string(28 - actions_.Starttrial()) + " times or 1 hour.";
    const Context* c = Find(name, message);
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
    const std::string text = Helptext(Key());
    const size_t gap = text.size() < 220 ? 220 - text.size() : 0;
    Banner = std::string(10, ' ') + text + std::string(gap, ' ');
    Tmrbanner.Enabled = true;
}

void Waitstate::Tmrbanner_Timer() {
    if (Banner.empty()) return;
    std::rotate(Banner.begin(), Banner.begin() + 1, Banner.end());
}

void Waitstate::Pop() {
    const size_t plus = Key().find('+');
    if (plus != std::string::npos) Tmrwait.Tag = Key().substr(plus + 1);
}

void Waitstate::Closepushed() {
    Pop();
    Setwait(0, "Nochange");
    if (Key() == "Picfore")
        Setwait(300, "Picfore");
    else
        Setwait(60, "Nochange");
}

// Back from a question over a panel: the panel's own wait, as it was when the question came,
// runs again from its start, unless nothing waits.
void Waitstate::Restartunderneath() {
    if (Key().empty()) return;
    Setwait(underneath_, "Nochange");
}

int Waitstate::Elapsedwait() const {
    // Hours are not counted, so a change of the clock by whole hours (summer time) costs
    // nothing; a wait running over midnight must not come out negative.
    const int d = clock_.Now().Secondofday() - Start.Secondofday();
    return (d % 3600 + 3600) % 3600;
}

void Waitstate::Tmrwait_Timer() {
    if (Elapsedwait() < Timeout) return;
    const size_t plus = Key().find('+');
    const bool message = plus != std::string::npos;
    const Context* c = Find(message ? Key().substr(0, plus) : Key(), message);
    if (c) Takedefault(c->Action);
}

void Waitstate::Takedefault(Default d) {
    switch (d) {
    case Default::None:
        break;
    case Default::Startdemo:
        actions_.Startdemo();
        break;
    case Default::Settingcancel:
        actions_.Cmdcancel_Click();
        break;
    case Default::Listcontinue:
        actions_.Cmdcontinue_Click();
        break;
    case Default::Giveupstart:
        // Hiding the panels alone would leave the program with nothing to wait for and its
        // menus shut; giving up ends the game, as the help text says.
        actions_.Hidestartpanels();
        actions_.Finishgame();
        break;
    case Default::Finishgame:
        actions_.Finishgame();
        break;
    case Default::Showresultok:
        actions_.Cmdshowresult_Click();
        break;
    case Default::Nameok:
        actions_.Cmdokname_Click();
        break;
    case Default::Filescancel:
        actions_.Cancelfiles();
        break;
    case Default::Aboutok:
        actions_.Cmdokabout_Click();
        break;
    case Default::Instructok:
        actions_.Cmdokinstr_Click();
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
    Setwait(m.Timeout, m.Pushed ? m.Key + "+" : m.Key);
    message_.Visible = true;
}

void Waitstate::Endgame() {
    actions_.Keepfinaltrial();
    Showmessage({.Text = "Are you sure you want to end this game?",
                 .Kind = 2,
                 .Icon = "?",
                 .L2 = "OK",
                 .R2 = "Cancel",
                 .Defaultbutton = "Cmdl2",
                 .Key = "Mnuend",
                 .Caption = "End Game?",
                 .Timeout = 60,
                 .Pushed = true});
}

void Waitstate::Quitgame() {
    actions_.Playreminder();
    Showmessage({.Text = "Are you sure you want to quit this programme?",
                 .Kind = 2,
                 .Icon = "?",
                 .L2 = "OK",
                 .R2 = "Cancel",
                 .Defaultbutton = "Cmdl2",
                 .Key = "Mnuquit",
                 .Caption = "Quit Programme?",
                 .Timeout = 60,
                 .Pushed = true});
}

void Waitstate::Reportbug(const std::string& guess) {
    std::string text = "This programme has a bug.";
    if (!guess.empty()) text += " My next guess is " + guess + ".";
    text += " Please choose one option below.";
    Showmessage({.Text = text,
                 .Kind = 2,
                 .Icon = "?",
                 .L2 = "Change Display",
                 .R2 = "FINISH",
                 .Defaultbutton = "Cmdl2",
                 .Key = "Bug",
                 .Caption = "Bug"});
}

void Waitstate::Switchdisplay() {
    actions_.Setdisplay(actions_.Displaymode() != "Colour" ? "Colour" : "Number");
}

// A button of a closed message cannot be pressed; this is also what makes a time-out that
// presses one harmless when it repeats.

void Waitstate::Cmdl3_Click() {
    if (!message_.Visible) return;
    if (Endmessage(message_.Tag)) {
        Close();
        Setwait(0, "");
        Setwait(60, "Mnusave+");
        actions_.Opensavedialog();
    }
}

void Waitstate::Cmdl2_Click() {
    if (!message_.Visible) return;
    const std::string key = message_.Tag;
    if (key == "Mnuend") {
        Close();
        actions_.Stopplay();
        if (actions_.Whoguess() != Role::Youguess || actions_.Trial() == 0) {
            Setwait(0, "");
            actions_.Finishgame();
        } else {
            actions_.Showanswerlater();
        }
    } else if (key == "Mnuquit") {
        actions_.Quitprogramme();
    } else if (key == "Nofile") {
        Close();
        Pop();
        Setwait(60, "Nochange");
    } else if (key == "Overwrite") {
        Close();
        Pop();
        Setwait(0, "Nochange");
        actions_.Savegame();
    } else if (key == "Delete") {
        Close();
        Pop();
        actions_.Deletefile();
        Setwait(60, "Nochange");
    } else if (key == "Notgame" || key == "Bug") {
        Switchdisplay();
    }
}

void Waitstate::Cmdmid_Click() {
    if (!message_.Visible) return;
    const std::string key = message_.Tag;
    if (key == "Gameover0") {
        Setwait(0, "");
        Close();
        actions_.Finishgame();
    } else if (key == "Notready") {
        Pop();
        Close();
        actions_.Resetdrive();
        Setwait(60, "Nochange");
    } else if (key == "Notexist") {
        Pop();
        Close();
        Setwait(60, "Nochange");
    } else if (key == "Notenter") {
        Close();
        Setwait(0, "Nochange");
        actions_.Resumeloadedgame();
    } else if (key == "Same" || key == "Warning") {
        Close();
        actions_.Messageclosed(key);
    } else if (key == "Continue Playing") {
        Close();
        Setkey("Thinking");
        Showhelp();
        actions_.Correction();
    } else if (Endmessage(key)) {
        Switchdisplay();
    }
}

void Waitstate::Cmdr2_Click() {
    if (!message_.Visible) return;
    const std::string key = message_.Tag;
    if (key == "Mnuend" || key == "Mnuquit") {
        Close();
        Pop();
        Setwait(0, "Nochange");
        // The panel under the question keeps its time-out, so an abandoned game still ends.
        Restartunderneath();
        if (key == "Mnuquit") actions_.Closereminder();
    } else if (key == "Nofile") {
        Close();
        Pop();
        actions_.Cancelfiles();
    } else if (key == "Overwrite" || key == "Delete") {
        Close();
        Pop();
        Setwait(60, "Nochange");
    } else if (key == "Notgame" || key == "Bug") {
        Setwait(0, "");
        Close();
        actions_.Cmdcancel_Click();
    }
}

void Waitstate::Cmdr3_Click() {
    if (!message_.Visible) return;
    const std::string key = message_.Tag;
    if (key == "Win") {
        actions_.Closemedia();
        Setwait(0, "");
        Close();
        if (actions_.Elapsed() >= 3600 || actions_.Trial() >= 27)
            actions_.Finishgame();
        else
            actions_.Offerrecord();
    } else if (Endmessage(key)) {
        Setwait(0, "");
        Close();
        actions_.Finishgame();
    }
}

void Waitstate::Press(const std::string& button) {
    if (button == "Cmdl3") Cmdl3_Click();
    if (button == "Cmdl2") Cmdl2_Click();
    if (button == "Cmdmid") Cmdmid_Click();
    if (button == "Cmdr2") Cmdr2_Click();
    if (button == "Cmdr3") Cmdr3_Click();
}

} // namespace tc
