#pragma once
// The animation's switch and tick: the clouds of the idle picture and the bird over the board of a
// timed game.
#include "play/gamepart.h"

namespace tc {

class Animator : public Gamepart {
public:
    Animator(const Gamecore& core, Timer& tmrani) : Gamepart(core), Tmrani(tmrani) {}

    // The switch starts on; the timer runs once the title has gone.
    void Form_Load();
    void Aniswitch();
    bool Switchedon() const { return switchedon_; }
    void Tmrani_Timer();
    void Background();
    // Takes the bird off the board, its saved pixels back in place.
    void Repaintstrip();
    // The bird starts again at the left edge of a freshly shown board.
    void Restartanimation();

private:
    bool switchedon_ = false;
    // The subsystems and windows it works with.
    Timer& Tmrani;
};

} // namespace tc
