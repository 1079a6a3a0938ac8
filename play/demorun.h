#pragma once
// The demo: its start after the idle wait, and its speed.
#include "play/gamepart.h"

namespace tc {

class Demorun : public Gamepart {
public:
    Demorun(const Gamecore& core, tc::Gamestarter& gamestarter, tc::Boardview& boardview,
            tc::Computerplay& computerplay)
        : Gamepart(core), Gamestarter(gamestarter), Boardview(boardview),
          Computerplay(computerplay) {}

    void Hsbspeed_Change(int value);
    void Startdemo();

private:
    // The subsystems and windows it works with.
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Computerplay& Computerplay;
};

} // namespace tc
