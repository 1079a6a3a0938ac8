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
void Gamehost::Startdemo() {
    g_.Demorun.Startdemo();
}
void Gamehost::Cmdcancel_Click() {
    g_.Statisticsruns.Cmdcancel_Click();
}
void Gamehost::Cmdcontinue_Click() {
    g_.Topfivelist.Cmdcontinue_Click();
}
void Gamehost::Hidestartpanels() {
    g_.Menus.Hidestartpanels();
}
void Gamehost::Finishgame() {
    g_.Gamestarter.Finishgame();
}
void Gamehost::Cmdshowresult_Click() {
    g_.Guessentry.Cmdshowresult_Click();
}
void Gamehost::Cmdokname_Click() {
    g_.Topfivelist.Cmdokname_Click();
}
void Gamehost::Cancelfiles() {
    g_.Gamefiles.Cancelfiles();
}
void Gamehost::Cmdokabout_Click() {
    g_.Menus.Cmdokabout_Click();
}
void Gamehost::Cmdokinstr_Click() {
    g_.Menus.Cmdokinstr_Click();
}
void Gamehost::Stopplay() {
    g_.Menus.Stopplay();
}
void Gamehost::Showanswerlater() {
    g_.Menus.Showanswerlater();
}
void Gamehost::Quitprogramme() {
    g_.Menus.Quitprogramme();
}
void Gamehost::Savegame() {
    g_.Gamefiles.Savegame();
}
void Gamehost::Deletefile() {
    g_.Gamefiles.Deletefile();
}
void Gamehost::Opensavedialog() {
    g_.Gamefiles.Opensavedialog();
}
void Gamehost::Resetdrive() {
    g_.Gamefiles.Resetdrive();
}
void Gamehost::Resumeloadedgame() {
    g_.Gamefiles.Resumeloadedgame();
}
void Gamehost::Correction() {
    g_.Hinterrors.Correction();
}
void Gamehost::Setdisplay(Displaykind mode) {
    g_.Menus.Setdisplay(mode);
}
void Gamehost::Closemedia() {
    g_.Musicplayer.Closemedia();
}
void Gamehost::Closereminder() {
    g_.Musicplayer.Closereminder();
}
void Gamehost::Playreminder() {
    g_.Musicplayer.Playreminder();
}
void Gamehost::Keepfinaltrial() {
    g_.Menus.Keepfinaltrial();
}
void Gamehost::Offerrecord() {
    g_.Topfivelist.Offerrecord();
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
