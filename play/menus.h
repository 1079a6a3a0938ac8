#pragma once
// The main window: its start, its menus and toolbar, the setting menu and the Help windows.
#include "play/gamepart.h"
#include "windows/settinglists.h"

namespace tc {

// The menus' commands, one per item, named after it; the toolbar's buttons give them too.
enum class Menucommand {
    Mnuset,
    Mnunew,
    Mnuload,
    Mnusave,
    Mnusaveas,
    Mnuend,
    Mnuquit,
    Mnumusic,
    Mnuani,
    Mnudemo,
    Mnumouse,
    Mnukey,
    Mnucolour,
    Mnunumber,
    Mnuinstr,
    Mnuabout
};
// The command's item name ("Mnuset"), which the window gives its action.
const char* Commandname(Menucommand item);

class Menus : public Gamepart {
public:
    Menus(const Gamecore& core, tc::Gamestarter& gamestarter, tc::Boardview& boardview,
          tc::Colourinput& colourinput, tc::Demorun& demorun, tc::Topfivelist& topfivelist,
          tc::Gamefiles& gamefiles, tc::Musicplayer& musicplayer, tc::Animator& animator,
          Fmabout& about, Fminstr& instr, Fmstat& stat, Statisticsbox& statbox)
        : Gamepart(core), Gamestarter(gamestarter), Boardview(boardview), Colourinput(colourinput),
          Demorun(demorun), Topfivelist(topfivelist), Gamefiles(gamefiles),
          Musicplayer(musicplayer), Animator(animator), About(about), Instr(instr), Stat(stat),
          Statbox(statbox) {}

    void Form_Load();
    void Mnuset_Click();
    void Setdisplay(Displaykind mode);
    void Menu_Click(Menucommand item);
    void Tlbgame_ButtonClick(const std::string& key);
    void Form_Activate(); // the main window activated
    void Stbmenu_Click();
    void Statbox_Close();
    void Cmdokabout_Click();
    void Cmdokinstr_Click();
    void Optyesmark_Click() { Main.Optyesmark.Value = !(Main.Optnomark.Value = false); }
    void Optnomark_Click() { Main.Optnomark.Value = !(Main.Optyesmark.Value = false); }
    void Hidestartpanels();
    void Stopplay();
    void Showanswerlater();
    void Quitprogramme();
    void Keepfinaltrial();
    bool Quitrequested() const { return quitrequested_; } // the program should end

private:
    bool demopaused_ = false; // the demo stopped from the status bar until "PAUSE" closes
    bool quitrequested_ = false;
    // The subsystems and windows it works with.
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Colourinput& Colourinput;
    tc::Demorun& Demorun;
    tc::Topfivelist& Topfivelist;
    tc::Gamefiles& Gamefiles;
    tc::Musicplayer& Musicplayer;
    tc::Animator& Animator;
    Fmabout& About;
    Fminstr& Instr;
    Fmstat& Stat;
    Statisticsbox& Statbox;
};

} // namespace tc
