#pragma once
// The demo: its start after the idle wait, and its speed.
#include "play/gamepart.h"

namespace tc {

class Demorun : public Gamepart {
public:
    Demorun(const Gamecore& core, tc::Statisticsruns& statisticsruns, tc::Gamestarter& gamestarter,
            tc::Boardview& boardview, tc::Computerplay& computerplay)
        : Gamepart(core), Statisticsruns(statisticsruns), Gamestarter(gamestarter),
          Boardview(boardview), Computerplay(computerplay) {}

    void Hsbspeed_Change(int value);
    void Startdemo();
    // A click on the board: the left button ends the demo (1 left, 2 right).
    void Picrecord_MouseDown(int button);

private:
    // The subsystems and windows it works with.
    tc::Statisticsruns& Statisticsruns;
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Computerplay& Computerplay;
};

} // namespace tc
