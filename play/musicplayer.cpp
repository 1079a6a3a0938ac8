// Background music and the main window's sounds. Devices (see system/media.h): "Mmctitle" plays
// the MIDI piece, "Mmcmenu" the wave sounds, "Mmcavi" the title video.
#include "play/musicplayer.h"

namespace tc {

namespace {
constexpr int Musicseconds = 120; // the piece is started again after this long
}

void Musicplayer::Musicon() {
    Musicstart = clock_.Ticks();
    Tmrmusic.Enabled = true;
    Options.Mediaout->Command("Mmctitle", "Open", "Music/canyon.mid");
    Options.Mediaout->Command("Mmctitle", "Play");
    switchedon_ = true;
    Main.Tlbgame[5].Tooltip = "Switch off background music";
}

void Musicplayer::Musicswitch() {
    if (!switchedon_) {
        Musicon();
        return;
    }
    Tmrmusic.Enabled = false;
    Options.Mediaout->Command("Mmctitle", "Close");
    Main.Tlbgame[5].Tooltip = "Switch on background music";
    switchedon_ = false;
}

void Musicplayer::Tmrmusic_Timer() {
    // Measured on the tick clock: minutes and seconds of the time of day fall back at every full
    // hour, and the piece would then wait up to an hour for its restart.
    if (Wholeseconds(Musicstart, clock_.Ticks()) <= Musicseconds) return;
    Options.Mediaout->Command("Mmctitle", "Close");
    Tmrmusic.Enabled = false;
    Musicon();
}

void Musicplayer::Playreminder() {
    Options.Mediaout->Command("Mmcmenu", "Open", "Music/Reminder.wav");
    Options.Mediaout->Command("Mmcmenu", "Play");
}

void Musicplayer::Closereminder() {
    Options.Mediaout->Command("Mmcmenu", "Close");
}

void Musicplayer::Closemedia() {
    Options.Mediaout->Command("Mmcmenu", "Close");
}

void Musicplayer::Closeallmedia() {
    Options.Mediaout->Command("Mmcmenu", "Close");
    if (switchedon_) Options.Mediaout->Command("Mmctitle", "Close");
}

} // namespace tc
