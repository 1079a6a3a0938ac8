// Background music and the main window's sounds. Devices (see system/media.h): "Mmctitle" plays
// the MIDI piece, "Mmcmenu" the wave sounds, "Mmcavi" the title video.
#include "play/game.h"

namespace tc {

namespace {
constexpr int Musicseconds = 120; // the piece is started again after this long
}

void Musicplayer::Musicon() {
    Musicstart = clock_.Ticks();
    G.Tmrmusic.Enabled = true;
    G.Mediaout->Command("Mmctitle", "Open", "Music/canyon.mid");
    G.Mediaout->Command("Mmctitle", "Play");
    G.Musicswitchedon = true;
    Main.Tlbgame[5].Tooltip = "Switch off background music";
}

void Musicplayer::Musicswitch() {
    if (!G.Musicswitchedon) {
        Musicon();
        return;
    }
    G.Tmrmusic.Enabled = false;
    G.Mediaout->Command("Mmctitle", "Close");
    Main.Tlbgame[5].Tooltip = "Switch on background music";
    G.Musicswitchedon = false;
}

void Musicplayer::Tmrmusic_Timer() {
    // Measured on the tick clock: minutes and seconds of the time of day fall back at every full
    // hour, and the piece would then wait up to an hour for its restart.
    if (Wholeseconds(Musicstart, clock_.Ticks()) <= Musicseconds) return;
    G.Mediaout->Command("Mmctitle", "Close");
    G.Tmrmusic.Enabled = false;
    Musicon();
}

void Musicplayer::Playreminder() {
    G.Mediaout->Command("Mmcmenu", "Open", "Music/Reminder.wav");
    G.Mediaout->Command("Mmcmenu", "Play");
}

void Musicplayer::Closereminder() {
    G.Mediaout->Command("Mmcmenu", "Close");
}

void Musicplayer::Closemedia() {
    G.Mediaout->Command("Mmcmenu", "Close");
}

void Musicplayer::Closeallmedia() {
    G.Mediaout->Command("Mmcmenu", "Close");
    if (G.Musicswitchedon) G.Mediaout->Command("Mmctitle", "Close");
}

} // namespace tc
