#pragma once
// The player's marks of the computer's guess.
#include "play/gamepart.h"

namespace tc {

class Markentry : public Gamepart {
public:
    using Gamepart::Gamepart;

    int Largestblack(int white) const;
    int Largestwhite(int black) const;
    void Cbcorrect_Click();
    void Cbwrong_Click();
    bool Txtcorrect_KeyPress(char key);
    bool Txtwrong_KeyPress(char key);
    void Cmdgetresult_Click();
    void Cmdwin_Click();
    void Getresult();

private:
    void Resultok();
};

} // namespace tc
