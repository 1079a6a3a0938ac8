#include "play/game.h"

namespace tc {

Game::Game(Randomsource& rnd, Recordbook& records, Clock& clock)
    : rnd_(rnd), records_(records), clock_(clock), Wait(Host, clock, Message) {
    Mediaout = &nomedia_; // silent until the program gives its devices
    Engine.Sethost(&Host);
}

void Game::Registertimers(Timerhost& host) {
    Wait.Register(host);
    host.Add("Tmrdelay", Tmrdelay, [this] { Steptimer.Runtick(); });
    host.Add("Tmrbuffer", Tmrbuffer, [this] { Gameending.Tmrbuffer_Timer(); });
    host.Add("Tmrrec", Tmrrec, [this] { Gameclock.Tmrrec_Timer(); });
    host.Add("Tmrani", Tmrani, [this] { Animator.Tmrani_Timer(); });
    host.Add("Tmrmusic", Tmrmusic, [this] { Musicplayer.Tmrmusic_Timer(); });
}

namespace {

using enum Shellaction;

// Each action of the wait state and the subsystem's step that does it.
constexpr Steprow<Shellaction> actions[] = {
    {Startdemo, [](Game& g) { g.Demorun.Startdemo(); }},
    {Cmdcancel_Click, [](Game& g) { g.Statisticsruns.Cmdcancel_Click(); }},
    {Cmdcontinue_Click, [](Game& g) { g.Topfivelist.Cmdcontinue_Click(); }},
    {Hidestartpanels, [](Game& g) { g.Menus.Hidestartpanels(); }},
    {Finishgame, [](Game& g) { g.Gamestarter.Finishgame(); }},
    {Cmdshowresult_Click, [](Game& g) { g.Guessentry.Cmdshowresult_Click(); }},
    {Cmdokname_Click, [](Game& g) { g.Topfivelist.Cmdokname_Click(); }},
    {Cancelfiles, [](Game& g) { g.Gamefiles.Cancelfiles(); }},
    {Cmdokabout_Click, [](Game& g) { g.Menus.Cmdokabout_Click(); }},
    {Cmdokinstr_Click, [](Game& g) { g.Menus.Cmdokinstr_Click(); }},
    {Stopplay, [](Game& g) { g.Menus.Stopplay(); }},
    {Showanswerlater, [](Game& g) { g.Menus.Showanswerlater(); }},
    {Quitprogramme, [](Game& g) { g.Menus.Quitprogramme(); }},
    {Savegame, [](Game& g) { g.Gamefiles.Savegame(); }},
    {Deletefile, [](Game& g) { g.Gamefiles.Deletefile(); }},
    {Opensavedialog, [](Game& g) { g.Gamefiles.Opensavedialog(); }},
    {Resetdrive, [](Game& g) { g.Gamefiles.Resetdrive(); }},
    {Resumeloadedgame, [](Game& g) { g.Gamefiles.Resumeloadedgame(); }},
    {Correction, [](Game& g) { g.Hinterrors.Correction(); }},
    {Closemedia, [](Game& g) { g.Musicplayer.Closemedia(); }},
    {Closereminder, [](Game& g) { g.Musicplayer.Closereminder(); }},
    {Playreminder, [](Game& g) { g.Musicplayer.Playreminder(); }},
    {Keepfinaltrial, [](Game& g) { g.Menus.Keepfinaltrial(); }},
    {Offerrecord, [](Game& g) { g.Topfivelist.Offerrecord(); }},
};
static_assert(Inorder(actions, Offerrecord), "one row per action, in the enum's order");

} // namespace

Role Gamehost::Whoguess() const {
    return g_.Setting.Whoguess;
}
int Gamehost::Trial() const {
    return g_.Rec.Trial;
}
int Gamehost::Starttrial() const {
    return g_.Setting.Starttrial;
}
int Gamehost::Elapsed() const {
    return g_.Rec.Elapsed;
}
Displaykind Gamehost::Displaymode() const {
    return g_.Main.Displaymode;
}
void Gamehost::Act(Shellaction action) {
    actions[static_cast<std::size_t>(action)].step(g_);
}
void Gamehost::Setdisplay(Displaykind mode) {
    g_.Menus.Setdisplay(mode);
}
void Gamehost::Messageclosed(Waitkey key) {
    g_.Guessentry.Messageclosed(key);
}
void Gamehost::Errorcase() {
    g_.Hinterrors.Errorcase();
}
void Gamehost::Inconsistent() {
    g_.Hinterrors.Inconsistent();
}
void Gamehost::Getresult() {
    g_.Markentry.Getresult();
}
void Gamehost::Reportbug(const std::string& guess) {
    g_.Gameending.Reportbug(guess);
}
void Gamehost::Startdelay(int interval) {
    g_.Computerplay.Startdelay(interval);
}
bool Gamehost::Playermarks() const {
    return g_.Playermarks();
}
int Gamehost::Demodelay() const {
    return g_.Gamestarter.Demodelay();
}

} // namespace tc
