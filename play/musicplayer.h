#pragma once
// The music, its switch and restart, and the main window's sounds.
#include "play/gamepart.h"

namespace tc {

class Musicplayer : public Gamepart {
public:
    Musicplayer(const Gamecore& core, Timer& tmrmusic) : Gamepart(core), Tmrmusic(tmrmusic) {}

    void Musicon();
    void Musicswitch();
    bool Switchedon() const { return switchedon_; }
    void Tmrmusic_Timer();
    // Closes the main window's sound and, while music is on, the music: the program ends.
    void Closeallmedia();
    void Closemedia();
    void Closereminder();
    void Playreminder();

private:
    bool switchedon_ = false;
    int64_t Musicstart = 0; // tick clock reading when the piece was last started
    // The subsystems and windows it works with.
    Timer& Tmrmusic;
};

} // namespace tc
