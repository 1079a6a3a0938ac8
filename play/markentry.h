#pragma once
// The player's marks of the computer's guess.
#include "play/gamepart.h"

namespace tc {

class Markentry : public Gamepart {
public:
    Markentry(const Gamecore& core, tc::Stringinput& stringinput, tc::Marking& marking,
              tc::Gamestarter& gamestarter, tc::Boardview& boardview,
              tc::Computerplay& computerplay, tc::Gameending& gameending)
        : Gamepart(core), Stringinput(stringinput), Marking(marking), Gamestarter(gamestarter),
          Boardview(boardview), Computerplay(computerplay), Gameending(gameending) {}

    void Cbcorrect_Click();
    void Cbwrong_Click();
    bool Txtcorrect_KeyPress(char key);
    bool Txtwrong_KeyPress(char key);
    void Cmdgetresult_Click();
    void Cmdwin_Click();
    void Getresult();

private:
    void Resultok();
    // The subsystems and windows it works with.
    tc::Stringinput& Stringinput;
    tc::Marking& Marking;
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Computerplay& Computerplay;
    tc::Gameending& Gameending;
};

} // namespace tc
