#include "play/gamecontrols.h"

#include "play/game.h"

namespace tc {
namespace {

using enum Playerevent;

// Each event without data and the step it sets off.
constexpr Steprow<Playerevent> steps[] = {
    {Formload, [](Game& g) { g.Menus.Form_Load(); }},
    {Formactivate, [](Game& g) { g.Menus.Form_Activate(); }},
    {Mnuset, [](Game& g) { g.Menus.Mnuset_Click(); }},
    {Stbmenu, [](Game& g) { g.Menus.Stbmenu_Click(); }},
    {Statboxclose, [](Game& g) { g.Menus.Statbox_Close(); }},
    {Cmdokabout, [](Game& g) { g.Menus.Cmdokabout_Click(); }},
    {Cmdokinstr, [](Game& g) { g.Menus.Cmdokinstr_Click(); }},
    {Optyesmark, [](Game& g) { g.Menus.Optyesmark_Click(); }},
    {Optnomark, [](Game& g) { g.Menus.Optnomark_Click(); }},
    {Cmdstart, [](Game& g) { g.Gamestarter.Cmdstart_Click(); }},
    {Cmdoktrial, [](Game& g) { g.Gamestarter.Cmdoktrial_Click(); }},
    {Cmdokmark, [](Game& g) { g.Gamestarter.Cmdokmark_Click(); }},
    {Cmdready, [](Game& g) { g.Gamestarter.Cmdready_Click(); }},
    {Cmdsubcol, [](Game& g) { g.Guessentry.Cmdsubcol_Click(); }},
    {Cmdsubnum, [](Game& g) { g.Guessentry.Cmdsubnum_Click(); }},
    {Cmderror, [](Game& g) { g.Guessentry.Cmderror_Click(); }},
    {Cmdshowresult, [](Game& g) { g.Guessentry.Cmdshowresult_Click(); }},
    {Cbcorrect, [](Game& g) { g.Markentry.Cbcorrect_Click(); }},
    {Cbwrong, [](Game& g) { g.Markentry.Cbwrong_Click(); }},
    {Cmdgetresult, [](Game& g) { g.Markentry.Cmdgetresult_Click(); }},
    {Cmdwin, [](Game& g) { g.Markentry.Cmdwin_Click(); }},
    {Cmdopen, [](Game& g) { g.Gamefiles.Cmdopen_Click(); }},
    {Cmdsave, [](Game& g) { g.Gamefiles.Cmdsave_Click(); }},
    {Cmdcancelfiles, [](Game& g) { g.Gamefiles.Cmdcancelfiles_Click(); }},
    {Cmdstat, [](Game& g) { g.Statisticsruns.Cmdstat_Click(); }},
    {Cmdback, [](Game& g) { g.Statisticsruns.Cmdback_Click(); }},
    {Cmdinitstat, [](Game& g) { g.Statisticsruns.Cmdinitstat_Click(); }},
    {Cmdsimulate, [](Game& g) { g.Statisticsruns.Cmdsimulate_Click(); }},
    {Cmdcancel, [](Game& g) { g.Statisticsruns.Cmdcancel_Click(); }},
    {Cmdtop, [](Game& g) { g.Topfivelist.Cmdtop_Click(); }},
    {Cbedit, [](Game& g) { g.Topfivelist.Cbedit_Click(); }},
    {Cmdcontinue, [](Game& g) { g.Topfivelist.Cmdcontinue_Click(); }},
    {Cmdokname, [](Game& g) { g.Topfivelist.Cmdokname_Click(); }},
};
static_assert(Inorder(steps, Cmdokname), "one row per event, in the enum's order");

} // namespace

void Gamecontrols::Send(Playerevent event) {
    steps[static_cast<std::size_t>(event)].step(g_);
}

void Gamecontrols::Menu(Menucommand item) {
    g_.Menus.Menu_Click(item);
}
void Gamecontrols::Toolbar(const std::string& key) {
    g_.Menus.Tlbgame_ButtonClick(key);
}
bool Gamecontrols::Guesskey(char key) {
    return g_.Guessentry.Txtinput_KeyPress(key);
}
bool Gamecontrols::Correctkey(char key) {
    return g_.Markentry.Txtcorrect_KeyPress(key);
}
bool Gamecontrols::Wrongkey(char key) {
    return g_.Markentry.Txtwrong_KeyPress(key);
}
void Gamecontrols::Doubleclick(Dragsource cell) {
    if (cell.What == Dragsource::Kind::Box)
        g_.Colourinput.Lblstring_DblClick(cell.Index);
    else
        g_.Colourinput.Lblcolour_DblClick(cell.Index);
}
void Gamecontrols::Drop(Dragsource onto, Dragsource from) {
    if (onto.What == Dragsource::Kind::Box)
        g_.Colourinput.Lblstring_DragDrop(onto.Index, from);
    else
        g_.Colourinput.Lblcolour_DragDrop(onto.Index, from);
}
void Gamecontrols::Speed(int value) {
    g_.Demorun.Hsbspeed_Change(value);
}
void Gamecontrols::Boardpress(int button) {
    g_.Demorun.Picrecord_MouseDown(button);
}
bool Gamecontrols::Go() {
    return g_.Topfivelist.Cmdgo_Click();
}
void Gamecontrols::Fileskey(int keycode) {
    g_.Gamefiles.Fmfiles_KeyUp(keycode);
}
void Gamecontrols::Drive(int index) {
    g_.Gamefiles.Drvfiles_Change(index);
}
void Gamecontrols::Folder(const std::filesystem::path& folder) {
    g_.Gamefiles.Dirfiles_Change(folder);
}
void Gamecontrols::Fileclick(int index) {
    g_.Gamefiles.Filfiles_Click(index);
}
void Gamecontrols::Filedoubleclick(int index) {
    g_.Gamefiles.Filfiles_DblClick(index);
}
void Gamecontrols::Inputmethod(Inputkind method) {
    g_.Colourinput.Setinputmethod(method);
}
void Gamecontrols::Display(Displaykind mode) {
    g_.Menus.Setdisplay(mode);
}

bool Gamecontrols::Candrag(Dragsource source) const {
    return g_.Colourinput.Candrag(source);
}
std::string Gamecontrols::Spokencell(Dragsource cell) const {
    return g_.Boardview.Spokencell(cell);
}
bool Gamecontrols::Quitrequested() const {
    return g_.Menus.Quitrequested();
}
const Simulationtotals& Gamecontrols::Simtotals() const {
    return g_.Statisticsruns.Simtotals();
}

} // namespace tc
