#pragma once
// The computer's turn: its next guess, the demo panel's note and the step timer.
#include "play/gamepart.h"

namespace tc {

class Computerplay : public Gamepart {
public:
    Computerplay(const Gamecore& core, tc::Guessentry& guessentry)
        : Gamepart(core), Guessentry(guessentry) {}

    void Getguess();
    void Startdelay(int interval);

private:
    // The subsystems and windows it works with.
    tc::Guessentry& Guessentry;
};

} // namespace tc
