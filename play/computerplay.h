#pragma once
// The computer's turn: its next guess, the demo panel's note and the step timer.
#include "play/gamepart.h"

namespace tc {

class Computerplay : public Gamepart {
public:
    Computerplay(const Gamecore& core, tc::Stringinput& stringinput)
        : Gamepart(core), Stringinput(stringinput) {}

    void Getguess();
    void Startdelay(int interval);

private:
    // The subsystems and windows it works with.
    tc::Stringinput& Stringinput;
};

} // namespace tc
