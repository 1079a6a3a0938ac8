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
    using Gamepart::Gamepart;

    void Form_Load();
    void Mnuset_Click();
    void Cmdcancel_Click();
    void Settlb();
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
    Savedchoices Menusaved; // the setting menu's choices when it was opened
};

} // namespace tc
