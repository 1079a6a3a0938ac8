#pragma once
// The music, its switch and restart, and the main window's sounds.
#include "play/gamepart.h"

namespace tc {

class Musicplayer : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Musicon();
    void Musicswitch();
    void Tmrmusic_Timer();
    // Closes the main window's sound and, while music is on, the music: the program ends.
    void Closeallmedia();
    void Closemedia();
    void Closereminder();
    void Playreminder();

private:
    int64_t Musicstart = 0; // tick clock reading when the piece was last started
};

} // namespace tc
