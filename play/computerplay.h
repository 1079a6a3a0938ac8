#pragma once
// The computer's turn: its next guess, the demo panel's note and the step timer.
#include "play/gamepart.h"

namespace tc {

class Computerplay : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Getguess();
    // The demo panel's text and logo.
    void Demonote(const std::string& text, const std::string& icon);
    void Tmrdelay_Timer();
    void Startdelay(int interval);
};

} // namespace tc
