#pragma once
// The aggregate of the program: the one setting, game record, codebreaker, window models, wait
// state and timers, and the procedures that act on them. The procedures live in files by topic:
// play/gamestart.cpp, marking.cpp, computerplay.cpp, hinterrors.cpp, endgame.cpp, and
// shell/mainwindow.cpp for the menus, the setting menu and the Help windows.
#include "engine/codebreaker.h"
#include "engine/codes.h"
#include "engine/gamerecord.h"
#include "engine/gamesetting.h"
#include "engine/random.h"
#include "records/recordbook.h"
#include "records/winners.h"
#include "savedgames/fmfiles.h"
#include "savedgames/savedfile.h"
#include "settings/settingtexts.h"
#include "statistics/simulation.h"
#include "system/clock.h"
#include "system/media.h"
#include "system/timer.h"
#include "system/timerhost.h"
#include "windows/fmmain.h"
#include "windows/messagebox.h"
#include "windows/waitstate.h"
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tc {

// Things a client may want to follow: the command line prints a transcript from them.
class Gameobserver {
public:
    virtual ~Gameobserver() = default;
    virtual void Processed(int /*trial*/) {} // a row was stored
    virtual void Detected() {}               // the computer found its hints inconsistent
    virtual void Corrected() {}
    virtual void Won() {}
    virtual void Bug(const std::string& /*guess*/) {}
};

// What the next `Initialize` takes as given instead of drawing it: for the command line, tests
// and the simulation.
struct Gameplan {
    std::optional<Codestring> Answer;
    std::optional<Codestring> Colourorder;
    std::optional<std::string> Errortrials;
    std::optional<int> Starttrial;
    std::vector<Codestring> Rows; // the rows before a middle start
};

// What is being dragged: a colour of the colour panel, or a filled box of the input row.
struct Dragsource {
    enum class Kind { Colour, Box } What = Kind::Colour;
    int Index = 0;
};

// The main window's background colour: an input box showing it is empty.
constexpr Rgb Windowbackground = 0xC0C0C0;
// The board and the result panel: a mid-tone on which the black and white marks, the rows' black
// or white outlines and digits and the light count boxes all stand out.
constexpr Rgb Boardbackground = 0x4F7F65;
// Rows filled in by the computer before a middle start, set apart from the rows played.
constexpr Rgb Givenrowink = 0xFFFFFF;
// The count of correct colours in fixed order, on the board and in the result panel.
constexpr Rgb Countfill = 0xE0E0E0;
constexpr Rgb Headingcolour = 0xFFFFFF;
// The colour panel's colours, by colour number.
constexpr Rgb Panelcolours[10] = {0xFF0000, 0xFF8000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                  0x0000FF, 0xFF00FF, 0xFFC0FF, 0xC04000, 0x808080};
inline constexpr const char* Colournames[10] = {"red",  "orange",  "yellow", "green", "cyan",
                                                "blue", "magenta", "pink",   "brown", "grey"};

class Game : public Offerhost, public Shellactions {
public:
    // The clock is the program's (the system's) or a test's virtual one; nothing in the game
    // reads the time but through it.
    Game(Randomsource& rnd, Recordbook& records, Clock& clock);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Gamesetting Setting;
    Gamerecord Rec;
    Codebreaker Engine{Setting, Rec};
    Fmmain Main;
    Fmabout About;
    Fminstr Instr;
    Fmstat Stat;
    Fmfiles Files;
    Statisticsbox Statbox;
    Fmmessage Message;
    Waitstate Wait;
    Timer Tmrdelay{1}, Tmrbuffer{1}, Tmrrec{100};
    // Animation and music; their tags hold the switches, "On" or "Off".
    Timer Tmrani{50}, Tmrmusic{500};
    int64_t Musicstart = 0; // tick clock reading when the piece was last started
    Gameobserver* Observer = nullptr;
    Gameplan Plan;
    Media* Mediaout = &nomedia_; // the program's devices; silent by default
    // No window shows the game (the command line, the benchmark): the board is not drawn.
    bool Headless = false;
    // Set by the title's hidden password prompt; lasts until the program ends.
    bool Designmode = false;
    bool Demopaused = false; // the demo stopped from the status bar until "PAUSE" closes
    // Where the data files lie: the Winners files, "Files", "Icon", "Music", "Video".
    std::filesystem::path Programfolder;

    // Registers every timer of the program with the host that fires them.
    void Registertimers(Timerhost& host);

    // Game start and state.
    void Clearrec();
    void Initialize();
    void Getstarttrial();
    void Geterrortrial();
    void Startgame();
    void Processmark();
    void Finishgame() override;
    void Setwait(int timeout, const std::string& key) { Wait.Setwait(timeout, key); }
    void Cmdstart_Click();
    void Cmdoktrial_Click();
    void Cmdokmark_Click();
    void Cmdready_Click();
    // Opens the input of a string: the player's guess, or the code or a row the player types.
    void Getstring();

    // Marking.
    void Mark();
    void Makeerror();
    bool Hintbreakscode() const;

    // The computer's turn.
    void Getguess();
    // The demo panel's text and logo.
    void Demonote(const std::string& text, const std::string& icon);
    void Tmrdelay_Timer();
    void Tmrbuffer_Timer();

    // Errors in hints.
    void Errorcase() override;
    void Inconsistent() override;
    void Correction() override;

    // End of game.
    void Win();
    void Reportbug(const std::string& guess) override;
    // A press of a message box button, by the button's name ("Cmdmid", ...).
    void Messagebutton(const std::string& button) { Wait.Press(button); }

    // Main window, setting menu and Help windows (shell/mainwindow.cpp).
    void Form_Load();
    void Mnuset_Click();
    void Cmdcancel_Click() override;
    void Settlb();
    void Setdisplay(const std::string& mode) override;
    void Menu_Click(const std::string& item); // a menu item by its name ("Mnunew", ...)
    void Tlbgame_ButtonClick(const std::string& key);
    void Form_Activate(); // the main window activated
    void Stbmenu_Click();
    void Statbox_Close();
    void Cmdokabout_Click() override;
    void Cmdokinstr_Click() override;
    void Hsbspeed_Change(int value);
    void Optyesmark_Click() { Main.Optyesmark.Value = !(Main.Optnomark.Value = false); }
    void Optnomark_Click() { Main.Optnomark.Value = !(Main.Optyesmark.Value = false); }

    // Saving and loading games (savedgames/filedialog.cpp).
    void Mnuload_Click();
    void Savefile();
    void Saveas();
    void Cmdopen_Click();
    void Cmdsave_Click();
    void Cmdcancelfiles_Click();
    void Fmfiles_KeyUp(int keycode); // 46: Delete
    void Dirfiles_Change(const std::filesystem::path& folder);
    void Drvfiles_Change(int index);
    void Filfiles_Click(int index);
    void Filfiles_DblClick(int index);
    void Loadgame(const std::string& path);
    // The win message left by saving or by leaving its save dialog: on as its End button goes.
    void Leavewin();
    std::string Chosenpath; // the full path the dialog settled on
    std::string Deletepath; // the file the Delete question is about

    // Statistics runs (statistics/runs.cpp).
    void Cmdstat_Click();
    void Cmdback_Click();
    void Cmdinitstat_Click();
    void Initstat();
    void Cmdsimulate_Click();
    void Simulate();
    // The step timer's tick: one computer step, or many within a short time while a
    // statistics run goes at full speed.
    void Runtick();
    bool Fastrun() const;
    int Initcount = 0;                  // games of the sweep's current setting
    Simulationtotals Simtotals;         // the simulation's figures so far
    std::optional<Codestring> Simorder; // a fixed colour order for every simulated game
    bool Quitrequested = false;         // the program should end
    Savedchoices Menusaved;             // the setting menu's choices when it was opened

    // TOP FIVE lists (play/topfive.cpp); Offerrecord, Cmdokname_Click and Cmdcontinue_Click
    // are below with the wait state's actions.
    Winnersrecord Winners;        // the record of the last Winners file operation
    bool Winnersfrommenu = false; // the list was opened from the setting menu
    void Loadtopfive();           // captions of the name panel and the list, both hidden
    // Reads the setting's Winners record into `Winners`; an empty record and false when the
    // file cannot be read.
    bool Readwinnersrecord();
    // Enters the won game under `name` and writes the file; "" when it was written, otherwise
    // what went wrong, naming the file.
    std::string Updatewinners(const std::string& name);
    void Showwinners();
    void Cmdtop_Click();
    void Cbedit_Click();
    // Stores the editor's entry and statistics; false when a box was refused or the file
    // could not be read or written.
    bool Cmdgo_Click();

    // Media and animation (shell/music.cpp, shell/animation.cpp).
    void Musicon();
    void Musicswitch();
    void Tmrmusic_Timer();
    void Aniswitch();
    void Tmrani_Timer();
    void Background();
    // Takes the bird off the board, its saved pixels back in place.
    void Repaintstrip();
    // The bird starts again at the left edge of a freshly shown board.
    void Restartanimation();
    // Closes the main window's sound and, while music is on, the music: the program ends.
    void Closeallmedia();
    // The player is on the clock: "You guess", or "Computer guesses" with the player marking.
    bool Timedgame() const;

    // Setting display and board (play/board.cpp).
    void Showsetting();
    void Showrecord(int t, int start, int black, int white, const Codestring& guess);
    void Showanswer(const std::string& caption);
    void Showguess();
    // Draws the board, the guess and the answer again, after a change of display mode.
    void Redraw();
    void Picrecord_MouseDown(int button); // 1 left, 2 right
    // In words, for a screen reader: a code ("red, green, blank" or "3 5 blank"), a board row
    // ("Trial 2: red, green, blue; 1 black, 2 white"), a cell of the colour panel ("Red",
    // "Red, used up") or of the input row ("Box 2: red", "Box 2: empty").
    std::string Spokencode(const Codestring& code, int length) const;
    std::string Spokenrow(int t, int start, int black, int white, const Codestring& guess) const;
    std::string Spokencell(Dragsource source) const;

    // The colour panel and the input row (shell/colourpanel.cpp).
    std::array<int, 8> Inputboxes{};   // colour 0..9 per box, 99 for an empty box
    std::array<int, 10> Colourcount{}; // boxes holding each colour
    void Fillcolour(int c);
    void Sortinput();
    void Emptyinput(); // every box empty, every count 0, every colour available
    bool Colouravailable(int c) const;
    // A drag may start from an available colour or a filled box of the open input row, and
    // from nothing else: a drag that could land nowhere is not offered.
    bool Candrag(Dragsource source) const;
    void Lblcolour_DblClick(int i);
    void Lblstring_DblClick(int k);
    void Lblcolour_DragDrop(int i, Dragsource source);
    void Lblstring_DragDrop(int k, Dragsource source);
    void Setinputmethod(const std::string& method); // "Mouse" or "Keyboard"

    // The player's guess and the typed code (play/playerguess.cpp).
    void Submitok();
    // A key typed into `Txtinput` at its caret; '\b' is Backspace. False when refused.
    bool Txtinput_KeyPress(char key);
    void Cmdsubcol_Click();
    void Cmdsubnum_Click();
    void Submitguess();
    void Showresult();
    void Cmderror_Click();

    // The player's marks of the computer's guess (play/marksinput.cpp).
    int Largestblack(int white) const;
    int Largestwhite(int black) const;
    void Resultok();
    void Cbcorrect_Click();
    void Cbwrong_Click();
    bool Txtcorrect_KeyPress(char key);
    bool Txtwrong_KeyPress(char key);
    void Cmdgetresult_Click();
    void Cmdwin_Click();

    // End of game and the game clock (play/endgame.cpp).
    void Gameover();
    void Tmrrec_Timer();
    void Calculatetime();
    bool Warned = false; // the five-minute warning of this game was given
    // What follows when the "Warning" message closes: the next guess after the last-chance
    // warning, or the result panel's OK after the clock's warning.
    enum class Afterwarning { Nothing, Nextguess, Showresultok } Afterwarn = Afterwarning::Nothing;
    bool Retypeafterwarning = false; // the clock closed an "Inappropriate Input" message

    // Offerhost.
    void Getresult() override;
    void Startdelay(int interval) override;
    bool Playermarks() const override {
        return Setting.Whoguess == Role::Computerguesses && Main.Optnomark.Value;
    }
    int Demodelay() const override;

    // Shellactions: what the wait state needs to know and to set off.
    Role Whoguess() const override { return Setting.Whoguess; }
    int Trial() const override { return Rec.Trial; }
    int Starttrial() const override { return Setting.Starttrial; }
    int Elapsed() const override { return Rec.Elapsed; }
    std::string Displaymode() const override { return Main.Displaymode; }
    void Startdemo() override;
    void Cmdcontinue_Click() override;
    void Hidestartpanels() override;
    void Cmdshowresult_Click() override;
    void Cmdokname_Click() override;
    void Cancelfiles() override;
    void Stopplay() override;
    void Showanswerlater() override;
    void Quitprogramme() override;
    void Savegame() override;
    void Deletefile() override;
    void Opensavedialog() override;
    void Resetdrive() override;
    void Resumeloadedgame() override;
    void Closemedia() override;
    void Closereminder() override;
    void Playreminder() override;
    void Keepfinaltrial() override;
    void Offerrecord() override;
    void Messageclosed(const std::string& key) override;

private:
    int Speeddelay() const;
    void Beginrun(Run kind);
    void Openfiles(const std::string& mode);
    bool Settlepath();
    void Restartclock();
    void Endrun();
    void Updateprogress(bool finished);
    void Statisticsmessagebox();
    std::optional<Odometer> Simcodes;
    int64_t Runstart = 0;
    long long Rungames = 0, Runtotal = 0;
    // "error in Trial 3" / "errors in Trials 3 and 6" and its variants.
    std::string Errortext(const std::string& one, const std::string& two) const;

    Gamesetting shownsetting_;
    Gamestatus shownstatus_ = Gamestatus::None;
    Randomsource& rnd_;
    Recordbook& records_;
    Nomedia nomedia_;
    Clock& clock_;
};

// The game as a saved game holds it, and a saved game put into it.
inline Savedgame Capture(const Game& g) {
    return Capture(g.Setting, g.Rec, g.Engine, g.Main);
}
inline std::string Restore(Game& g, const Savedgame& saved) {
    return Restore(g.Setting, g.Rec, g.Engine, g.Main, saved);
}

} // namespace tc
