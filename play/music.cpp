// Background music and the main window's sounds. Devices (see shell/media.h): "Mmctitle" plays
// the MIDI piece, "Mmcmenu" the wave sounds, "Mmcavi" the title video.
#include "play/game.h"

namespace tc {

namespace {
constexpr int Musicseconds = 120; // the piece is started again after this long
}

void Game::Musicon() {
    Musicstart = clock_.Ticks();
    Tmrmusic.Enabled = true;
    Mediaout->Command("Mmctitle", "Open", "Music/canyon.mid");
    Mediaout->Command("Mmctitle", "Play");
    Tmrmusic.Tag = "On";
    Main.Tlbgame[5].Tooltip = "Switch off background music";
}

void Game::Musicswitch() {
    if (Tmrmusic.Tag != "On") {
        Musicon();
        return;
    }
    Tmrmusic.Enabled = false;
    Mediaout->Command("Mmctitle", "Close");
    Main.Tlbgame[5].Tooltip = "Switch on background music";
    Tmrmusic.Tag = "Off";
}

void Game::Tmrmusic_Timer() {
    // Measured on the tick clock: minutes and seconds of the time of day fall back at every full
    // hour, and the piece would then wait up to an hour for its restart.
    if (Wholeseconds(Musicstart, clock_.Ticks()) <= Musicseconds) return;
    Mediaout->Command("Mmctitle", "Close");
    Tmrmusic.Enabled = false;
    Musicon();
}

void Game::Playreminder() {
    Mediaout->Command("Mmcmenu", "Open", "Music/Reminder.wav");
    Mediaout->Command("Mmcmenu", "Play");
}

void Game::Closereminder() {
    Mediaout->Command("Mmcmenu", "Close");
}

void Game::Closemedia() {
    Mediaout->Command("Mmcmenu", "Close");
}

void Game::Closeallmedia() {
    Mediaout->Command("Mmcmenu", "Close");
    if (Tmrmusic.Tag == "On") Mediaout->Command("Mmctitle", "Close");
}

} // namespace tc
