#pragma once
// The board, the answer, the guess and the setting beside them, drawn from the game record, and
// the same in words for a screen reader.
#include "play/gamepart.h"

namespace tc {

class Boardview : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Showrecord(int t, int start, int black, int white, const Codestring& guess);
    void Showanswer(const std::string& caption);
    void Showguess();
    // Draws the board, the guess and the answer again, after a change of display mode.
    void Redraw();
    void Picrecord_MouseDown(int button); // 1 left, 2 right
    std::string Spokencell(Dragsource source) const;
    // A board row in words ("Trial 2: red, green, blue; 1 black, 2 white").
    std::string Spokenrow(int t, int start, int black, int white, const Codestring& guess) const;
    Gamesetting shownsetting_;
    Gamestatus shownstatus_ = Gamestatus::None;

private:
    // In words, for a screen reader: a code ("red, green, blank" or "3 5 blank"), a cell of the
    // colour panel ("Red", "Red, used up") or of the input row ("Box 2: red", "Box 2: empty").
    std::string Spokencode(const Codestring& code, int length) const;
};

} // namespace tc
