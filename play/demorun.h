#pragma once
// The demo: its start after the idle wait, and its speed.
#include "play/gamepart.h"

namespace tc {

class Demorun : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Hsbspeed_Change(int value);
    void Startdemo();
};

} // namespace tc
