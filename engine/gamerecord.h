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
    int16_t black = 0;
    int16_t white = 0;
    int16_t blanks = 0; // blank matches: only for the win test, never shown
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
    int16_t Trial = 0;
    int16_t Finaltrial = 0;
    int16_t Attempts = 0;
    Codestring Answer;
    int16_t Answerblanks = 0;
    Codestring Currentstring;
    int16_t Inputblanks = 0;
    Hint Currenthint;
    std::array<Codestring, Trialslots> Guesses{};
    std::array<int16_t, Trialslots> Blacks{};
    std::array<int16_t, Trialslots> Whites{};
    std::array<int16_t, Trialslots> Corrects{};
    std::string Errortrials;
    std::string Trueblacks;
    std::string Truewhites;
    int16_t Errorpending = 0; // -1 while a falsified hint is uncorrected
    int16_t Solvedunseen = 0; // -1 when a falsified hint hid the answer
    int16_t Solvedtrial = 0;
    int16_t Claimtrial = 0;
    int16_t Detecttrial = 0;
    int16_t Checkmode = 0;
    int64_t Starttime = 0; // milliseconds of the injected clock when the game clock last started
    int16_t Carriedseconds = 0;
    int16_t Elapsed = 0;
    std::string Timetext;
    int16_t Winseconds = 0;
    std::string Wintimetext;
    Codestring Colourorder;
    int16_t Demomode = 0;
    Run Runkind = Run::None;
    std::string Filepath;

    bool Inplay() const {
        return Status == Gamestatus::Playing || Status == Gamestatus::Continueplaying;
    }
    // The trials whose hints will be falsified, as numbers.
    int Errortrial(int i) const { return Errortrials[static_cast<size_t>(i)] - '0'; }
};

} // namespace tc
