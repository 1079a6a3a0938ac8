#pragma once
// The player's guess and the code or row the player types, and the result shown.
#include "play/gamepart.h"

namespace tc {

class Guessentry : public Gamepart {
public:
    using Gamepart::Gamepart;

    // Opens the input of a string: the player's guess, or the code or a row the player types.
    void Getstring();
    void Submitok();
    // A key typed into `Txtinput` at its caret; '\b' is Backspace. False when refused.
    bool Txtinput_KeyPress(char key);
    void Cmdsubcol_Click();
    void Cmdsubnum_Click();
    void Showresult();
    void Cmderror_Click();
    void Cmdshowresult_Click();
    void Messageclosed(Waitkey key);

private:
    void Submitguess();
};

} // namespace tc
