#pragma once
// A new game: the record cleared, the answer, the start trial and the errors drawn, the first
// panels shown, and the rows of a middle start.
#include "play/gamepart.h"

namespace tc {

class Gamestarter : public Gamepart {
public:
    Gamestarter(const Gamecore& core, tc::Gameclock& gameclock, tc::Stringinput& stringinput,
                tc::Boardview& boardview, tc::Marking& marking, tc::Computerplay& computerplay,
                tc::Animator& animator)
        : Gamepart(core), Gameclock(gameclock), Stringinput(stringinput), Boardview(boardview),
          Marking(marking), Computerplay(computerplay), Animator(animator) {}

    void Initialize();
    void Startgame();
    void Finishgame();
    void Cmdstart_Click();
    void Cmdoktrial_Click();
    void Cmdokmark_Click();
    void Cmdready_Click();
    // Inline: the computer asks for the delay at every step.
    int Demodelay() const { return Wait.Is(Waitkey::Demo) ? Main.Speeddelay() : 0; }

private:
    void Clearrec();
    void Getstarttrial();
    void Geterrortrial();
    // The subsystems and windows it works with.
    tc::Gameclock& Gameclock;
    tc::Stringinput& Stringinput;
    tc::Boardview& Boardview;
    tc::Marking& Marking;
    tc::Computerplay& Computerplay;
    tc::Animator& Animator;
};

} // namespace tc
