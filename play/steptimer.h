#pragma once
// The step timer's work. Above the subsystems it calls and called by none of them: the computer's
// turn, the hint errors, the end of a game and the runs all start the timer, and this decides what
// its tick does.
#include "play/gamepart.h"

namespace tc {

class Steptimer : public Gamepart {
public:
    Steptimer(const Gamecore& core, tc::Boardview& boardview, tc::Marking& marking,
              tc::Computerplay& computerplay, tc::Demorun& demorun, tc::Hinterrors& hinterrors,
              tc::Gameending& gameending, tc::Statisticsruns& statisticsruns)
        : Gamepart(core), Boardview(boardview), Marking(marking), Computerplay(computerplay),
          Demorun(demorun), Hinterrors(hinterrors), Gameending(gameending),
          Statisticsruns(statisticsruns) {}

    // The timer's tick: one computer step, or many within a short time while a statistics run
    // goes at full speed.
    void Runtick();
    // One step: the correction of a detected error, the computer's mark and next guess, or the
    // next game of the demo or a run.
    void Tmrdelay_Timer();

private:
    bool Fastrun() const;
    // The subsystems and windows it works with.
    tc::Boardview& Boardview;
    tc::Marking& Marking;
    tc::Computerplay& Computerplay;
    tc::Demorun& Demorun;
    tc::Hinterrors& Hinterrors;
    tc::Gameending& Gameending;
    tc::Statisticsruns& Statisticsruns;
};

} // namespace tc
