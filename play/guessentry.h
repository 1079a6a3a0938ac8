#pragma once
// The player's guess and the code or row the player types, and the result shown.
#include "play/gamepart.h"

#include <string>
#include <vector>

namespace tc {

class Guessentry : public Gamepart {
public:
    Guessentry(const Gamecore& core, tc::Stringinput& stringinput, tc::Gamestarter& gamestarter,
               tc::Boardview& boardview, tc::Colourinput& colourinput, tc::Marking& marking,
               tc::Markentry& markentry, tc::Computerplay& computerplay, tc::Gameending& gameending)
        : Gamepart(core), Stringinput(stringinput), Gamestarter(gamestarter), Boardview(boardview),
          Colourinput(colourinput), Marking(marking), Markentry(markentry),
          Computerplay(computerplay), Gameending(gameending) {}

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
    // The subsystems and windows it works with.
    tc::Stringinput& Stringinput;
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Colourinput& Colourinput;
    tc::Marking& Marking;
    tc::Markentry& Markentry;
    tc::Computerplay& Computerplay;
    tc::Gameending& Gameending;
};

} // namespace tc
