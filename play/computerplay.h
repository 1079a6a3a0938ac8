#pragma once
// The computer's turn: its next guess, the demo panel's note and the step timer.
#include "play/gamepart.h"

namespace tc {

class Computerplay : public Gamepart {
public:
    Computerplay(const Gamecore& core, tc::Boardview& boardview, tc::Guessentry& guessentry,
                 tc::Marking& marking, tc::Demorun& demorun, tc::Hinterrors& hinterrors,
                 tc::Gameending& gameending, tc::Statisticsruns& statisticsruns)
        : Gamepart(core), Boardview(boardview), Guessentry(guessentry), Marking(marking),
          Demorun(demorun), Hinterrors(hinterrors), Gameending(gameending),
          Statisticsruns(statisticsruns) {}

    void Getguess();
    void Tmrdelay_Timer();
    void Startdelay(int interval);

private:
    // The subsystems and windows it works with.
    tc::Boardview& Boardview;
    tc::Guessentry& Guessentry;
    tc::Marking& Marking;
    tc::Demorun& Demorun;
    tc::Hinterrors& Hinterrors;
    tc::Gameending& Gameending;
    tc::Statisticsruns& Statisticsruns;
};

} // namespace tc
