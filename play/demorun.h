#pragma once
// The demo: its start after the idle wait, and its speed.
#include "play/gamepart.h"

namespace tc {

class Demorun : public Gamepart {
public:
    Demorun(const Gamecore& core, tc::Menus& menus, tc::Gamestarter& gamestarter,
            tc::Boardview& boardview, tc::Computerplay& computerplay)
        : Gamepart(core), Menus(menus), Gamestarter(gamestarter), Boardview(boardview),
          Computerplay(computerplay) {}

    void Hsbspeed_Change(int value);
    void Startdemo();

private:
    // The subsystems and windows it works with.
    tc::Menus& Menus;
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Computerplay& Computerplay;
};

} // namespace tc
