#include "play/game.h"

namespace tc {

Gamepart::Gamepart(Game& g)
    : G(g), Setting(g.Setting), Rec(g.Rec), Engine(g.Engine), Main(g.Main), Wait(g.Wait),
      rnd_(g.rnd_), records_(g.records_), clock_(g.clock_) {}

Game::Game(Randomsource& rnd, Recordbook& records, Clock& clock)
    : rnd_(rnd), records_(records), clock_(clock), Wait(Host, clock, Message) {
    Engine.Sethost(&Host);
}

void Game::Registertimers(Timerhost& host) {
    Wait.Register(host);
    host.Add("Tmrdelay", Tmrdelay, [this] { Runs.Runtick(); });
    host.Add("Tmrbuffer", Tmrbuffer, [this] { Ending.Tmrbuffer_Timer(); });
    host.Add("Tmrrec", Tmrrec, [this] { Ending.Tmrrec_Timer(); });
    host.Add("Tmrani", Tmrani, [this] { Anim.Tmrani_Timer(); });
    host.Add("Tmrmusic", Tmrmusic, [this] { Music.Tmrmusic_Timer(); });
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
    g_.Demo.Startdemo();
}
void Gamehost::Cmdcancel_Click() {
    g_.Menu.Cmdcancel_Click();
}
void Gamehost::Cmdcontinue_Click() {
    g_.Top.Cmdcontinue_Click();
}
void Gamehost::Hidestartpanels() {
    g_.Menu.Hidestartpanels();
}
void Gamehost::Finishgame() {
    g_.Start.Finishgame();
}
void Gamehost::Cmdshowresult_Click() {
    g_.Guess.Cmdshowresult_Click();
}
void Gamehost::Cmdokname_Click() {
    g_.Top.Cmdokname_Click();
}
void Gamehost::Cancelfiles() {
    g_.Dialog.Cancelfiles();
}
void Gamehost::Cmdokabout_Click() {
    g_.Menu.Cmdokabout_Click();
}
void Gamehost::Cmdokinstr_Click() {
    g_.Menu.Cmdokinstr_Click();
}
void Gamehost::Stopplay() {
    g_.Menu.Stopplay();
}
void Gamehost::Showanswerlater() {
    g_.Menu.Showanswerlater();
}
void Gamehost::Quitprogramme() {
    g_.Menu.Quitprogramme();
}
void Gamehost::Savegame() {
    g_.Dialog.Savegame();
}
void Gamehost::Deletefile() {
    g_.Dialog.Deletefile();
}
void Gamehost::Opensavedialog() {
    g_.Dialog.Opensavedialog();
}
void Gamehost::Resetdrive() {
    g_.Dialog.Resetdrive();
}
void Gamehost::Resumeloadedgame() {
    g_.Dialog.Resumeloadedgame();
}
void Gamehost::Correction() {
    g_.Errors.Correction();
}
void Gamehost::Setdisplay(Displaykind mode) {
    g_.Menu.Setdisplay(mode);
}
void Gamehost::Closemedia() {
    g_.Music.Closemedia();
}
void Gamehost::Closereminder() {
    g_.Music.Closereminder();
}
void Gamehost::Playreminder() {
    g_.Music.Playreminder();
}
void Gamehost::Keepfinaltrial() {
    g_.Menu.Keepfinaltrial();
}
void Gamehost::Offerrecord() {
    g_.Top.Offerrecord();
}
void Gamehost::Messageclosed(Waitkey key) {
    g_.Guess.Messageclosed(key);
}
void Gamehost::Errorcase() {
    g_.Errors.Errorcase();
}
void Gamehost::Inconsistent() {
    g_.Errors.Inconsistent();
}
void Gamehost::Getresult() {
    g_.Marks.Getresult();
}
void Gamehost::Reportbug(const std::string& guess) {
    g_.Ending.Reportbug(guess);
}
void Gamehost::Startdelay(int interval) {
    g_.Computer.Startdelay(interval);
}
bool Gamehost::Playermarks() const {
    return g_.Playermarks();
}
int Gamehost::Demodelay() const {
    return g_.Start.Demodelay();
}

} // namespace tc
