#pragma once
// The computer's turn: its next guess, the demo panel's note and the step timer.
#include "play/gamepart.h"
#include <string_view>

namespace tc {

class Computerplay : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Getguess();
    // The demo panel's text and logo. Views, so that a step of a simulation builds no string.
    void Demonote(std::string_view text, std::string_view icon);
    void Tmrdelay_Timer();
    void Startdelay(int interval);
};

} // namespace tc
