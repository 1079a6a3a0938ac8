#pragma once
// The main window `Fmmain` and the two small Help windows as plain models: every menu item,
// toolbar button, panel and control under its design name. The game changes these; the binding
// in ui/ shows them.
#include "windows/animation.h"
#include "windows/controls.h"
#include "windows/messagebox.h"
#include "windows/picture.h"
#include "windows/settinglists.h"
#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tc {

// How codes and marks show: in colours or as numbers.
enum class Displaykind { Colour, Number };
// How the player enters a guess: with the mouse or the keyboard.
enum class Inputkind { Mouse, Keyboard };
// Their names, as saved games store them.
inline std::string Displayname(Displaykind d) {
    return d == Displaykind::Colour ? "Colour" : "Number";
}
inline std::string Inputname(Inputkind i) {
    return i == Inputkind::Mouse ? "Mouse" : "Keyboard";
}

struct Fmmain {
    std::string Caption = "Tintcipher";
    bool Visible = false;
    Displaykind Displaymode = Displaykind::Colour;
    Inputkind Inputmethod = Inputkind::Mouse;
    std::string Mousepointer; // "" normal, else a cursor file of the program folder
    // Escape presses sent to the window, two at a time: the binding closes whatever menu, list
    // or drag they would cancel.
    int Escapekeys = 0;
    void Sendescapes() { Escapekeys += 2; }

    // Menu bar.
    Menuitem Mnugame, Mnuset, Mnunew, Mnuload, Mnusaving, Mnusave, Mnusaveas, Mnuend, Mnuquit;
    Menuitem Mnumedia, Mnumusic, Mnuani, Mnudemo;
    Menuitem Mnuoption, Mnuinput, Mnumouse, Mnukey, Mnudisplay, Mnucolour, Mnunumber;
    Menuitem Mnuhelp, Mnuinstr, Mnuabout;

    // Toolbar, in screen order: Icosetting, Iconew, Icoload, Icosave, Icoend, Icomusic, Icoani,
    // Icodemo, Icomouse, Icokey, Icocolour, Iconumber, Icoquit.
    std::array<Toolbutton, 13> Tlbgame;
    // Each toolbar button takes the enabled state of the menu item it stands for.
    void Settlb();

    // The setting menu.
    Control Frmenu, Lblset;
    Control Lblgametype, Lblcolourno, Lblstart, Lblgamelength, Lblhint, Lblgameorder, Lblgamerepeat;
    Settinglists Lists; // Cbwho .. Cbrepeat and Cmdtop
    Control Cmdstart, Cmdcancel, Cmdstat, Cmdinitstat, Cmdsimulate;

    // Input of a string by mouse and by keyboard.
    Control Frgetstring, Lblgetstring, Cmdsubcol;
    std::array<Picture, 8> Picstring;
    std::array<Control, 8> Lblstring;
    Control Frinput, Lblinput, Cmdsubnum;
    Textbox Txtinput;

    // Colour panel.
    Control Frcolour;
    std::array<Picture, 10> Piccolour;
    std::array<Control, 10> Lblcolour;

    Control Frerror, Cmderror;

    // Result of the player's guess.
    Control Frshowresult, Frcorrect, Frwrong, Lblcorrect, Lblwrong, Lbltrials, Cmdshowresult;
    Picture Piccorrect, Picwrong;

    // The player's marks of the computer's guess.
    Control Frgetresult, Frgetwrong, Lblgetcorr, Lblgetwrong, Lbltrials2, Lblmyguess;
    Control Cmdgetresult, Cmdwin;
    Textbox Txtcorrect, Txtwrong;
    Combolist Cbcorrect, Cbwrong;
    Picture Picguess;

    // Start of "Computer guesses".
    Control Frtrialno, Lbltrialno, Cmdoktrial;
    Combolist Cbtrialno;
    Control Frmark, Lblmark, Cmdokmark;
    Optionbutton Optyesmark, Optnomark;
    Control Fraskcode, Lblaskcode, Cmdready;

    // Beside the board.
    Control Frsetting, Lblsettitle, Lblsetcontent;
    Control Franswer;
    Picture Picanswer;
    Control Frscroll;
    Scrollbar Hsbspeed;
    Scrollbar Progress; // a statistics run: games done of all, its caption the rate and time left
    Control Lbltime;

    // The name panel of a new TOP FIVE entry.
    Control Frgetname, Lblgetname, Lblcharacter, Cmdokname;
    Textbox Txtname; // at most 15 characters

    // The TOP FIVE list over the board area, and its editor in design mode.
    Picture Picwinners, Piccup;
    Control Lblwinners, Lblhead, Frwinrecord;
    Control Lblplayer, Lblname, Lbltimespent, Lbllisttime, Lblnotrials, Lblattempt, Cmdcontinue;
    Picture Picstat;
    Control Lblstat, Lbldata;
    Control Fredit, Cmdgo;
    Combolist Cbedit;
    Textbox Txtplayer, Txtduration, Txtattempt, Txtpopulation, Txtaverage; // Txtplayer: 15

    // The board, the idle picture and the demo's panel.
    Picture Picrecord, Picupper, Picfore;
    Animation Ani; // the clouds on `Picfore` and the bird on `Picrecord`
    Control Picdemo, Lbldemo;
    Picture Piclogo;
    // The demo panel's text and logo. Views, so that a step of a simulation builds no string.
    // Every step of a demo or simulation comes here, mostly with the note already shown: the
    // caption and the logo change only when they differ, found (inline, where the note is a
    // constant) in a few compares.
    void Demonote(std::string_view text, std::string_view icon) {
        std::string& caption = Lbldemo.Caption;
        if (!Same(caption, text)) caption.assign(text); // no allocation once it fits
        Picture& logo = Piclogo;
        if (logo.Ops.empty() || !Same(logo.Ops.front().Image, icon)) logo.Replaceimage(icon);
        Picdemo.Visible = true;
    }
    // The demo's pause between steps, from the speed bar: 1 ms fastest to 1000 ms slowest.
    int Speeddelay() const {
        return static_cast<int>(static_cast<double>(Hsbspeed.Value) / Hsbspeed.Max * 999 + 1);
    }

private:
    static bool Same(const std::string& a, std::string_view b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), b.size()) == 0;
    }
};

// The statistics window: every setting's computer figures.
struct Fmstat {
    bool Visible = false;
    std::string Caption = "Statistics";
    Combolist Lststat; // a list box; its items are the lines
    Control Cmdback;
};

// The plain message box with the statistics of a simulation; the histogram of attempts
// (attempts, games) goes with it as a chart.
struct Statisticsbox {
    bool Visible = false;
    std::string Title, Text;
    Boxicon Icon = Boxicon::None; // None for a plain message
    std::vector<std::pair<int, long long>> Histogram;
};

struct Fmabout {
    bool Visible = false;
    std::string Caption = "About Tintcipher";
    Picture Piclogo;
    Control Lblabout, Cmdokabout;
};

struct Fminstr {
    bool Visible = false;
    std::string Caption = "Brief Instructions";
    Picture Piclogo;
    Control Lbltitle;
    Picture Picinstr;
    Control Cmdokinstr;
};

} // namespace tc
