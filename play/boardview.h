#pragma once
// The board, the answer, the guess and the setting beside them, drawn from the game record, and
// the same in words for a screen reader.
#include "play/gamepart.h"
#include <optional>
#include <vector>

namespace tc {

class Boardview : public Gamepart {
public:
    Boardview(const Gamecore& core, tc::Colourinput& colourinput)
        : Gamepart(core), Colourinput(colourinput) {}

    void Showrecord(int t, int start, int black, int white, const Codestring& guess);
    void Showanswer(const std::string& caption);
    void Showguess();
    // Draws the board, the guess and the answer again, after a change of display mode.
    void Redraw();
    // Clears the board, rows held back by `Holddrawing` too.
    void Clear();
    // While on, the board's rows and the answer are noted instead of drawn; turned off, the last
    // of them are drawn as they would have been. A statistics run at full speed plays many games
    // between two paints, and drawing every row of each would cost more than playing it.
    void Holddrawing(bool on);
    std::string Spokencell(Dragsource source) const;
    // A board row in words ("Trial 2: red, green, blue; 1 black, 2 white").
    std::string Spokenrow(int t, int start, int black, int white, const Codestring& guess) const;
    // The setting frame; the computer's steps call this every tick, and the texts are rebuilt only
    // when they change.
    void Showsetting();

private:
    // Showsetting's work, apart so that a headless step returns without setting up for it.
    [[gnu::noinline]] void Drawsetting();
    Gamesetting shownsetting_;
    Gamestatus shownstatus_ = Gamestatus::None;
    struct Heldrow {
        int t, start, black, white;
        Codestring guess;
    };
    struct Heldanswer {
        std::string caption;
        Codestring answer;
        int length;
    };
    // Showrecord's and Showanswer's work, apart so that a headless step returns without setting
    // up for it.
    [[gnu::noinline]] void Noterow(const Heldrow& row);
    [[gnu::noinline]] void Noteanswer(const std::string& caption);
    void Drawrow(const Heldrow& row);
    void Drawanswer(const Heldanswer& a);
    bool holding_ = false;
    std::vector<Heldrow> heldrows_;
    std::optional<Heldanswer> heldanswer_;

    // In words, for a screen reader: a code ("red, green, blank" or "3 5 blank"), a cell of the
    // colour panel ("Red", "Red, used up") or of the input row ("Box 2: red", "Box 2: empty").
    std::string Spokencode(const Codestring& code, int length) const;
    // The subsystems and windows it works with.
    tc::Colourinput& Colourinput;
};

} // namespace tc
