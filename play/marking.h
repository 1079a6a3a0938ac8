#pragma once
// The computer's marks of the player's guess, and a falsified hint when one is due.
#include "play/gamepart.h"

namespace tc {

class Marking : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Mark();
    bool Hintbreakscode() const;

private:
    void Makeerror();
};

} // namespace tc
