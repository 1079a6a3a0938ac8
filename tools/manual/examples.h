#pragma once
// The manual's example games: each is played as a player would play "You guess", through the
// setting lists, the keyboard input and the game's own marking, and leaves its rows on the
// board and its code in the answer frame, in one display mode.
#include "windows/picture.h"
#include <string>
#include <vector>

namespace tc::manual {

struct Example {
    std::string Name;    // "random", "fixed", ...; the manual's picture markers use it
    std::string Display; // "Colour" or "Number"
    Picture Board;       // `Picrecord` at the end of the game
    Picture Code;        // `Picanswer`, the code shown after the win
    int Trials = 0;      // rows on the board
    // What the pictures show, in words, for their alternative texts.
    std::string Boardtext;
    std::string Codetext;
};

// Plays the example of this name and draws it in this display mode; throws std::runtime_error
// for an unknown name or an example the game does not play as written.
Example Playexample(const std::string& name, const std::string& display);

} // namespace tc::manual
