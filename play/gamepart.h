#pragma once
// What the game's subsystems share: the types the clients see (observer, plan, drag source, the
// board's colours) and `Gamepart`, the base through which each subsystem reaches the state it
// works on.
#include "engine/codebreaker.h"
#include "engine/codes.h"
#include "engine/gamerecord.h"
#include "engine/gamesetting.h"
#include "engine/random.h"
#include "records/recordbook.h"
#include "system/clock.h"
#include "system/media.h"
#include "system/timer.h"
#include "windows/fmmain.h"
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

// What the client sets before a game or for the whole run, owned by the aggregate and read by the
// subsystems (the starter uses up the plan).
struct Gameoptions {
    Gameobserver* Observer = nullptr;
    Gameplan Plan;
    Media* Mediaout = nullptr; // the program's devices
    // No window shows the game (the command line, the benchmark): the board is not drawn.
    bool Headless = false;
    // Set by the title's hidden password prompt; lasts until the program ends.
    bool Designmode = false;
    // Where the data files lie: the Winners files, "Files", "Icon", "Music", "Video".
    std::filesystem::path Programfolder;
};

// The state that nearly every subsystem acts on, owned by the aggregate: the setting, the game
// record, the codebreaker, the main window, the wait state, the game's three timers and the
// client's options.
struct Gamecore {
    Gamesetting& Setting;
    Gamerecord& Rec;
    Codebreaker& Engine;
    Fmmain& Main;
    Waitstate& Wait;
    Randomsource& Rnd;
    Recordbook& Records;
    Clock& Time;
    Timer& Tmrdelay;
    Timer& Tmrbuffer;
    Timer& Tmrrec;
    Gameoptions& Options;
};

// The subsystems, each a group of the game's procedures on one topic; each is given the others it
// calls when it is made.
class Menus;
class Gamestarter;
class Boardview;
class Colourinput;
class Guessentry;
class Stringinput;
class Marking;
class Markentry;
class Computerplay;
class Demorun;
class Hinterrors;
class Gameending;
class Gameclock;
class Topfivelist;
class Statisticsruns;
class Gamefiles;
class Musicplayer;
class Animator;

// The player marks the computer's guesses.
inline bool Playermarks(const Gamesetting& s, const Fmmain& main) {
    return s.Whoguess == Role::Computerguesses && main.Optnomark.Value;
}

// The base of a subsystem: the shared state at hand by name.
class Gamepart {
public:
    explicit Gamepart(const Gamecore& core)
        : Setting(core.Setting), Rec(core.Rec), Engine(core.Engine), Main(core.Main),
          Wait(core.Wait), rnd_(core.Rnd), records_(core.Records), clock_(core.Time),
          Tmrdelay(core.Tmrdelay), Tmrbuffer(core.Tmrbuffer), Tmrrec(core.Tmrrec),
          Options(core.Options) {}
    Gamepart(const Gamepart&) = delete;
    Gamepart& operator=(const Gamepart&) = delete;

protected:
    bool Playermarks() const { return tc::Playermarks(Setting, Main); }
    // The player is on the clock: "You guess", or "Computer guesses" with the player marking.
    bool Timedgame() const { return Setting.Whoguess == Role::Youguess || Playermarks(); }

    Gamesetting& Setting;
    Gamerecord& Rec;
    Codebreaker& Engine;
    Fmmain& Main;
    Waitstate& Wait;
    Randomsource& rnd_;
    Recordbook& records_;
    Clock& clock_;
    Timer& Tmrdelay;  // the computer's steps, the demo's and the runs' pace
    Timer& Tmrbuffer; // a short pause before the win, the end or a run's totals are told
    Timer& Tmrrec;    // the game's clock, its warning and its time-out
    Gameoptions& Options;
};

} // namespace tc
