// Background music and the main window's sounds. Devices (see shell/media.h): "Mmcmusic" plays
// the MIDI piece, "Mmcmain" the wave sounds, "Mmctitle" the title video.
#include "play/game.h"

namespace tc {

namespace {
constexpr int Musicseconds = 120; // the piece is started again after this long
}

void Game::Musicon() {
    Musicstart = clock_.Ticks();
    Tmrmusic.Enabled = true;
    Mediaout->Command("Mmcmusic", "Open", "Music/canyon.mid");
    Mediaout->Command("Mmcmusic", "Play");
    Tmrmusic.Tag = "On";
    Main.Tlbgame[5].Tooltip = "Switch off background music";
}

void Game::Musicswitch() {
    if (Tmrmusic.Tag != "On") {
        Musicon();
        return;
    }
    Tmrmusic.Enabled = false;
    Mediaout->Command("Mmcmusic", "Close");
    Main.Tlbgame[5].Tooltip = "Switch on background music";
    Tmrmusic.Tag = "Off";
}

void Game::Tmrmusic_Timer() {
    // Measured on the tick clock: minutes and seconds of the time of day fall back at every full
    // hour, and the piece would then wait up to an hour for its restart.
    if (Wholeseconds(Musicstart, clock_.Ticks()) <= Musicseconds) return;
    Mediaout->Command("Mmcmusic", "Close");
    Tmrmusic.Enabled = false;
    Musicon();
}

void Game::Playreminder() {
    Mediaout->Command("Mmcmain", "Open", "Music/Reminder.wav");
    Mediaout->Command("Mmcmain", "Play");
}

void Game::Closereminder() {
    Mediaout->Command("Mmcmain", "Close");
}

void Game::Closemedia() {
    Mediaout->Command("Mmcmain", "Close");
}

void Game::Closeallmedia() {
    Mediaout->Command("Mmcmain", "Close");
    if (Tmrmusic.Tag == "On") Mediaout->Command("Mmcmusic", "Close");
}

} // namespace tc
