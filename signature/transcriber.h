#pragma once
// Writes down what a game shows as it plays: every message with its caption and buttons, every
// wait context, the window's caption, the panels shown, the texts of the panels' labels, the
// status, every board row, and every file of the program folder that was written, one line each,
// when it changes.
#include "play/game.h"
#include "system/timerhost.h"
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tc {

// FNV-1a, 64 bits: the same number on every platform for the same bytes.
uint64_t Fnv1a64(std::string_view bytes, uint64_t hash = 14695981039346656037ull);

class Transcriber {
public:
    Transcriber(Game& g, std::filesystem::path folder);

    // Registers the game's timers with `host`, each tick followed by a look at the game.
    void Registertimers(Timerhost& host);
    // A line of the script, "> what the player did".
    void Step(const std::string& what);
    // Writes down what changed since the last look.
    void Look();
    // Writes down the files of the program folder that are new, changed or gone.
    void Lookatfiles();
    const std::string& Text() const { return text_; }

private:
    void Line(const std::string& line);
    // Folder names and line breaks made plain, so that a line reads the same wherever it ran.
    std::string Plain(std::string text) const;

    Game& g_;
    std::filesystem::path folder_;
    std::string text_;
    // What the last look saw.
    std::string wait_, caption_, message_;
    int timeout_ = -1;
    uint64_t panels_ = ~uint64_t{0};
    Gamestatus status_ = Gamestatus::None;
    Codestring answer_;
    std::array<Codestring, Trialslots> guesses_{};
    std::array<int, Trialslots> blacks_{}, whites_{};
    std::vector<std::string> labels_;
    std::map<std::string, std::pair<size_t, uint64_t>> files_;
};

} // namespace tc
