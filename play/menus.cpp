// The main window's menus and toolbar, the setting menu and the two Help windows.
#include "play/menus.h"
#include "play/animator.h"
#include "play/boardview.h"
#include "play/colourinput.h"
#include "play/demorun.h"
#include "play/gamefiles.h"
#include "play/gamestarter.h"
#include "play/musicplayer.h"
#include "play/topfivelist.h"
#include "settings/settingtexts.h"

namespace tc {

namespace {

struct Toolkey {
    const char* Key;
    const char* Tooltip;
    Menuitem Fmmain::*Item; // the menu item whose command the button gives
};

const Toolkey Toolbar[13] = {
    {"Icosetting", "View and change game setting", &Fmmain::Mnuset},
    {"Iconew", "Start new game", &Fmmain::Mnunew},
    {"Icoload", "Load a previous game", &Fmmain::Mnuload},
    {"Icosave", "Save the current game", &Fmmain::Mnusave},
    {"Icoend", "End the current game", &Fmmain::Mnuend},
    {"Icomusic", "Switch on background music", &Fmmain::Mnumusic},
    {"Icoani", "Switch off animation", &Fmmain::Mnuani},
    {"Icodemo", "Start demo", &Fmmain::Mnudemo},
    {"Icomouse", "Switch to Mouse Input Method", &Fmmain::Mnumouse},
    {"Icokey", "Switch to Keyboard Input Method", &Fmmain::Mnukey},
    {"Icocolour", "Switch to Colour Display Mode", &Fmmain::Mnucolour},
    {"Iconumber", "Switch to Number Display Mode", &Fmmain::Mnunumber},
    {"Icoquit", "Quit this programme", &Fmmain::Mnuquit},
};

const char* const Instructions[] = {
    "",
    " GAME TYPE",
    "",
    " This programme has the richest variations of the classical",
    " Tintcipher game.  There are altogether 1424 different variations",
    " available.  You may see all these variations in the Game Setting",
    " Menu.  Choose a game setting from this menu.",
    " You may choose to be the Codebreaker or the Codemaker.  You may ",
    " also choose to watch the computer play the game with itself.",
    "",
    " THE GAME",
    "",
    " The Codemaker thinks of a colour string (the secret code) using",
    " any combination of colours in the Colour Panel.  The Codebreaker",
    " will try to duplicate the exact colours and positions of the",
    " secret code. Each time the Codebreaker makes a guess, the",
    " Codemaker must give information by displaying black and white",
    " boxes.  A black box is displayed for every colour box which is",
    " the same colour and in exactly the same position as one of the",
    " colour boxes in the secret code, while a white box is displayed",
    " for each colour box which is matched in colour but not position.",
    " When the Codebreaker duplicates the secret code, he wins the",
    " game.",
    "",
    "N.B. For detailed instructions of this programme, please read the",
    "HTML file named Vbintro.html attached with this programme.",
};

} // namespace

void Menus::Form_Load() {
    Fmmain& m = Main;
    auto caption = [](Control& c, const char* text) { c.Caption = text; };
    caption(m.Mnugame, "Game(&G)");
    caption(m.Mnuset, "Game Setting(&G)");
    caption(m.Mnunew, "New Game(&N)");
    caption(m.Mnuload, "Load Game(&L)");
    caption(m.Mnusaving, "Save Game(&S)");
    caption(m.Mnusave, "Save(&S)");
    caption(m.Mnusaveas, "Save As(&A)");
    caption(m.Mnuend, "End Game(&E)");
    caption(m.Mnuquit, "Quit(&Q)");
    caption(m.Mnumedia, "Multimedia(&M)");
    caption(m.Mnumusic, "On/Off Music(&M)");
    caption(m.Mnuani, "On/Off Animation(&A)");
    caption(m.Mnudemo, "Start Demo(&D)");
    caption(m.Mnuoption, "Options(&O)");
    caption(m.Mnuinput, "Input Method(&I)");
    caption(m.Mnumouse, "Mouse(&M)");
    caption(m.Mnukey, "Keyboard(&K)");
    caption(m.Mnudisplay, "Display Mode(&D)");
    caption(m.Mnucolour, "Colour(&C)");
    caption(m.Mnunumber, "Number(&N)");
    caption(m.Mnuhelp, "Help(&H)");
    caption(m.Mnuinstr, "Brief Instructions(&I)");
    caption(m.Mnuabout, "About Tintcipher(&A)");

    caption(m.Lblset, "Game Setting Menu");
    caption(m.Lblgametype, "Who guesses?");
    caption(m.Lblcolourno, "Number of Colours");
    caption(m.Lblstart, "Start from");
    caption(m.Lblgamelength, "Length of Code");
    caption(m.Lblhint, "Hints contain error(s)?");
    caption(m.Lblgameorder, "Order Type");
    caption(m.Lblgamerepeat, "Colour repeated?");
    caption(m.Cmdstart, "Start  Game");
    caption(m.Cmdcancel, "Cancel");
    caption(m.Cmdstat, "See Statistics");
    caption(m.Cmdinitstat, "Initialize Statistics");
    caption(m.Cmdsimulate, "Simulate");
    for (Control* c : {&m.Cmdstat, &m.Cmdinitstat, &m.Cmdsimulate}) c->Visible = false;
    // Shown only while a statistics run counts.
    m.Progress.Visible = false;
    Stat.Cmdback.Caption = "BACK";

    for (Picture* p : {&m.Picrecord, &m.Piccorrect, &m.Picwrong}) p->Background = Boardbackground;
    for (int c = 0; c < 10; ++c) {
        m.Piccolour[c].Background = Panelcolours[c];
        m.Lblcolour[c].Caption = std::string(1, static_cast<char>('0' + c));
    }
    caption(m.Cmdsubcol, "Submit");
    caption(m.Cmdsubnum, "Submit");
    caption(m.Frcolour, "Colour Panel");
    caption(m.Cmderror, "Error");
    caption(m.Frshowresult, "Result");
    caption(m.Cmdshowresult, "OK");
    caption(m.Cmdgetresult, "OK");
    caption(m.Cmdwin, "WIN");
    caption(m.Lbltrialno, "Choose the trial number at which you want me to start guessing.");
    caption(m.Cmdoktrial, "OK");
    caption(m.Lblmark, "Shall I do the marking for you?");
    caption(m.Optyesmark, "Yes");
    caption(m.Optnomark, "No");
    caption(m.Cmdokmark, "OK");
    caption(m.Lblaskcode, "Now write down a secret code for me to guess. When you are ready, "
                          "press the Ready button.");
    caption(m.Cmdready, "Ready");
    caption(m.Frsetting, "Game Setting");
    m.Hsbspeed.Min = 0;
    m.Hsbspeed.Max = 100;

    About.Lblabout.Caption =
        "Tintcipher\nA game of code-breaking for one player and the computer.\n\n"
        "Free software: you may copy, share and change it.";
    About.Cmdokabout.Caption = "OK";
    About.Cmdokabout.Default = true;
    Instr.Lbltitle.Caption = "Brief Instructions";
    Instr.Cmdokinstr.Caption = "OK";
    Instr.Cmdokinstr.Default = true;
    Instr.Picinstr.Cls();
    const int linesize = 240; // twips a line of 10-point text takes
    int y = 0;
    for (size_t i = 0; i < std::size(Instructions); ++i, y += linesize) {
        Drawtext t;
        t.Y = y;
        t.Text = Instructions[i];
        t.Italic = i == 1 || i == 10;
        t.Bold = i >= std::size(Instructions) - 2;
        Instr.Picinstr.Print(t);
    }
    Topfivelist.Loadtopfive();

    // Only the idle picture shows until a game or a panel is asked for.
    for (Control* c : {&m.Frmenu, &m.Frtrialno, &m.Frmark, &m.Fraskcode, &m.Picdemo,
                       &m.Frshowresult, &m.Frgetresult, &m.Franswer, &m.Frerror})
        c->Visible = false;
    Instr.Picinstr.Background = 0xFFFFFF;
    m.Inputmethod = Inputkind::Mouse;
    m.Mnumouse.Checked = true;
    m.Mnukey.Checked = false;
    m.Displaymode = Displaykind::Colour;
    m.Mnucolour.Checked = true;
    m.Mnunumber.Checked = false;
    Setting = Gamesetting{};
    for (int i = 0; i < 13; ++i) {
        m.Tlbgame[i].Key = Toolbar[i].Key;
        m.Tlbgame[i].Tooltip = Toolbar[i].Tooltip;
    }
    Animator.Form_Load();
    Gamestarter.Finishgame();
}

void Menus::Mnuset_Click() {
    Main.Lists.Keep();
    Main.Cmdstart.Default = true;
    Main.Frmenu.Visible = true;
    for (Menuitem* item :
         {&Main.Mnuset, &Main.Mnunew, &Main.Mnuload, &Main.Mnusaving, &Main.Mnuend, &Main.Mnudemo})
        item->Enabled = false;
    Main.Settlb();
    Wait.Setwait(300, Waitkey::Frmenu);
    Main.Lists.Cmdtop.Enabled = Main.Lists.Chosenrole() == Role::Youguess;
}

void Menus::Setdisplay(Displaykind mode) {
    if (mode == Main.Displaymode) return;
    Main.Displaymode = mode;
    Main.Mnucolour.Checked = mode == Displaykind::Colour;
    Main.Mnunumber.Checked = mode != Displaykind::Colour;
    Boardview.Redraw();
}

const char* Commandname(Menucommand item) {
    static constexpr const char* Names[] = {"Mnuset",    "Mnunew",    "Mnuload",  "Mnusave",
                                            "Mnusaveas", "Mnuend",    "Mnuquit",  "Mnumusic",
                                            "Mnuani",    "Mnudemo",   "Mnumouse", "Mnukey",
                                            "Mnucolour", "Mnunumber", "Mnuinstr", "Mnuabout"};
    static_assert(std::size(Names) == static_cast<size_t>(Menucommand::Mnuabout) + 1);
    return Names[static_cast<size_t>(item)];
}

void Menus::Menu_Click(Menucommand item) {
    Fmmain& m = Main;
    auto enabled = [&](const Menuitem& i, const Menuitem& menu) {
        return i.Enabled && menu.Enabled;
    };
    if (item == Menucommand::Mnuset && enabled(m.Mnuset, m.Mnugame)) {
        Mnuset_Click();
    } else if (item == Menucommand::Mnunew && enabled(m.Mnunew, m.Mnugame)) {
        Rec.Demomode = 0;
        Gamestarter.Cmdstart_Click();
    } else if (item == Menucommand::Mnuload && enabled(m.Mnuload, m.Mnugame)) {
        Gamefiles.Mnuload_Click();
    } else if (item == Menucommand::Mnusave && enabled(m.Mnusaving, m.Mnugame)) {
        Gamefiles.Savefile();
    } else if (item == Menucommand::Mnusaveas && enabled(m.Mnusaving, m.Mnugame)) {
        Gamefiles.Saveas();
    } else if (item == Menucommand::Mnuend && enabled(m.Mnuend, m.Mnugame)) {
        Wait.Endgame();
    } else if (item == Menucommand::Mnuquit && enabled(m.Mnuquit, m.Mnugame)) {
        Wait.Quitgame();
    } else if (item == Menucommand::Mnumusic && enabled(m.Mnumusic, m.Mnumedia)) {
        Musicplayer.Musicswitch();
    } else if (item == Menucommand::Mnuani && enabled(m.Mnuani, m.Mnumedia)) {
        Animator.Aniswitch();
    } else if (item == Menucommand::Mnudemo && enabled(m.Mnudemo, m.Mnumedia)) {
        Demorun.Startdemo();
    } else if (item == Menucommand::Mnumouse && enabled(m.Mnumouse, m.Mnuoption)) {
        Colourinput.Setinputmethod(Inputkind::Mouse);
    } else if (item == Menucommand::Mnukey && enabled(m.Mnukey, m.Mnuoption)) {
        Colourinput.Setinputmethod(Inputkind::Keyboard);
    } else if (item == Menucommand::Mnucolour && enabled(m.Mnucolour, m.Mnuoption)) {
        Setdisplay(Displaykind::Colour);
    } else if (item == Menucommand::Mnunumber && enabled(m.Mnunumber, m.Mnuoption)) {
        Setdisplay(Displaykind::Number);
    } else if (item == Menucommand::Mnuinstr && enabled(m.Mnuinstr, m.Mnuhelp)) {
        Wait.Pushwait(300, Waitkey::Instruct);
        Instr.Visible = true;
    } else if (item == Menucommand::Mnuabout && enabled(m.Mnuabout, m.Mnuhelp)) {
        Wait.Pushwait(60, Waitkey::Fmabout);
        About.Visible = true;
    }
}

void Menus::Tlbgame_ButtonClick(const std::string& key) {
    for (int i = 0; i < 13; ++i)
        if (key == Toolbar[i].Key && Main.Tlbgame[i].Enabled) {
            using C = Menucommand;
            static constexpr Menucommand items[13] = {
                C::Mnuset,    C::Mnunew,    C::Mnuload, C::Mnusave,  C::Mnuend,
                C::Mnumusic,  C::Mnuani,    C::Mnudemo, C::Mnumouse, C::Mnukey,
                C::Mnucolour, C::Mnunumber, C::Mnuquit};
            Menu_Click(items[i]);
        }
}

void Menus::Form_Activate() {
    if (!Options.Designmode) return;
    for (Control* c : {&Main.Cmdstat, &Main.Cmdinitstat, &Main.Cmdsimulate}) c->Visible = true;
}

void Menus::Stbmenu_Click() {
    if (!Options.Designmode || !Wait.Is(Waitkey::Demo) || Statbox.Visible) return;
    Tmrdelay.Enabled = false;
    demopaused_ = true;
    Statbox.Title = "Tintcipher";
    Statbox.Icon = Boxicon::None;
    Statbox.Text = "PAUSE";
    Statbox.Histogram.clear();
    Statbox.Visible = true;
}

void Menus::Statbox_Close() {
    if (!Statbox.Visible) return;
    Statbox.Visible = false;
    if (demopaused_) {
        demopaused_ = false;
        Tmrdelay.Enabled = true;
    }
}

void Menus::Cmdokabout_Click() {
    if (!About.Visible) return;
    About.Visible = false;
    Wait.Closepushed();
}

void Menus::Cmdokinstr_Click() {
    if (!Instr.Visible) return;
    Instr.Visible = false;
    Wait.Closepushed();
}

void Menus::Quitprogramme() {
    Musicplayer.Closeallmedia();
    quitrequested_ = true;
}

void Menus::Stopplay() {
    Tmrrec.Enabled = false;
    Animator.Repaintstrip();
    for (Control* c : {&Main.Lbltime, &Main.Frgetstring, &Main.Frinput, &Main.Frcolour,
                       &Main.Frerror, &Main.Frgetresult})
        c->Visible = false;
}

void Menus::Showanswerlater() {
    Rec.Status = Gamestatus::Endgame;
    Boardview.Showsetting();
    Boardview.Showanswer("Answer");
    Rec.Elapsed = Timelimit;
    Tmrbuffer.Enabled = true;
}

void Menus::Keepfinaltrial() {
    Rec.Finaltrial = Rec.Trial;
}

void Menus::Hidestartpanels() {
    Main.Frmark.Visible = false;
    Main.Frtrialno.Visible = false;
}

} // namespace tc
