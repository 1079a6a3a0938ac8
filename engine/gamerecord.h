#pragma once
// The one game in memory. It lives as long as the program and is cleared for each new game.
#include "engine/str.h"
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tc {

using Codestring = Str;

struct Hint {
    int black = 0;
    int white = 0;
    int blanks = 0; // blank matches: only for the win test, never shown
};

// Where a game stands; None between games. Saved games and the setting panel hold the names.
enum class Gamestatus {
    None,
    Preparation,
    Playing,
    Continueplaying,
    Win,
    Gameover,
    Errordetected,
    Endgame,
    Hintsconsistent,
    Latedetection,
    Nextdemo,
};

// The name of each status, in the enum's order.
inline constexpr std::array<std::string_view, 11> Statusnames{
    "",         "Preparation",    "Playing",  "Continue Playing",   "Win",
    "Gameover", "Error Detected", "End Game", "Hint(s) Consistent", "Late Detection of Error",
    "Next Demo"};

inline std::string Statusname(Gamestatus s) {
    return std::string(Statusnames[static_cast<size_t>(s)]);
}

// The status of a name; None for a name that is none of them.
inline Gamestatus Statusof(std::string_view name) {
    for (size_t i = 0; i < Statusnames.size(); ++i)
        if (Statusnames[i] == name) return static_cast<Gamestatus>(i);
    return Gamestatus::None;
}

// What a run of games the computer plays alone is for; None in every other game.
enum class Run { None, Demo, Initstat, Simulate };

// Whether the game was saved to a file or loaded from one: a loaded game earns no record.
enum class Filestate { Unsaved, Saved, Loaded };

constexpr int Trialslots = 28;            // index 0..27; trials are numbered from 1
constexpr int Lasttrial = Trialslots - 1; // no guess follows it
constexpr int Timelimit = 3600;           // seconds of play a game may last
constexpr int Warningtime = 3300;         // seconds of play after which the player is warned, once

struct Gamerecord {
    Gamestatus Status = Gamestatus::None;
    Filestate Savedstate = Filestate::Unsaved;
    int Trial = 0;
    int Finaltrial = 0;
    int Attempts = 0;
    Codestring Answer;
    int Answerblanks = 0;
    Codestring Currentstring;
    int Inputblanks = 0;
    Hint Currenthint;
    std::array<Codestring, Trialslots> Guesses{};
    std::array<int, Trialslots> Blacks{};
    std::array<int, Trialslots> Whites{};
    std::array<int, Trialslots> Corrects{};
    std::string Errortrials;
    std::string Trueblacks;
    std::string Truewhites;
    int Errorpending = 0; // -1 while a falsified hint is uncorrected
    int Solvedunseen = 0; // -1 when a falsified hint hid the answer
    int Solvedtrial = 0;
    int Claimtrial = 0;
    int Detecttrial = 0;
    int Checkmode = 0;
    int64_t Starttime = 0; // milliseconds of the injected clock when the game clock last started
    int Carriedseconds = 0;
    int Elapsed = 0;
    std::string Timetext;
    int Winseconds = 0;
    std::string Wintimetext;
    Codestring Colourorder;
    int Demomode = 0;
    Run Runkind = Run::None;
    std::string Filepath;

    bool Inplay() const {
        return Status == Gamestatus::Playing || Status == Gamestatus::Continueplaying;
    }
    // The trials whose hints will be falsified, as numbers.
    int Errortrial(int i) const { return Errortrials[static_cast<size_t>(i)] - '0'; }
};

} // namespace tc
