#pragma once
// The computer's marks of the player's guess, and a falsified hint when one is due.
#include "play/gamepart.h"

namespace tc {

class Marking : public Gamepart {
public:
    Marking(const Gamecore& core) : Gamepart(core) {}

    void Mark();
    // The current guess and its hint become the trial's row of the record.
    void Processmark();
    // Inline: asked twice at every step of a game.
    bool Hintbreakscode() const { return Breakscode(Rec.Currenthint, Setting, Rec.Answerblanks); }

private:
    void Makeerror();
    // The subsystems and windows it works with.
};

} // namespace tc
