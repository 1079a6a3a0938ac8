#pragma once
// The end of a game: the win, a bug report, the game over, and the time spent.
#include "play/gamepart.h"

namespace tc {

class Gameending : public Gamepart {
public:
    Gameending(const Gamecore& core, tc::Boardview& boardview, tc::Hinterrors& hinterrors,
               tc::Statisticsruns& statisticsruns, tc::Animator& animator)
        : Gamepart(core), Boardview(boardview), Hinterrors(hinterrors),
          Statisticsruns(statisticsruns), Animator(animator) {}

    void Tmrbuffer_Timer();
    void Win();
    void Reportbug(const std::string& guess);
    void Gameover();
    void Calculatetime();

private:
    // The demo panel's win text, kept between games so that a simulated win allocates nothing.
    std::string winnote_;
    // The subsystems and windows it works with.
    tc::Boardview& Boardview;
    tc::Hinterrors& Hinterrors;
    tc::Statisticsruns& Statisticsruns;
    tc::Animator& Animator;
};

} // namespace tc
