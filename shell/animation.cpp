// The clouds and the bird: their state, their raster copies, and the game's switch and tick.
#include "shell/animation.h"

#include "play/game.h"
#include <algorithm>

namespace tc {

void Applyblit(const Blit& b, const Pixelimage& from, Pixelimage& to) {
    for (int j = 0; j < b.Height; ++j) {
        const int sy = b.Sy + j, dy = b.Dy + j;
        if (sy < 0 || sy >= from.Height || dy < 0 || dy >= to.Height) continue;
        for (int i = 0; i < b.Width; ++i) {
            const int sx = b.Sx + i, dx = b.Dx + i;
            if (sx < 0 || sx >= from.Width || dx < 0 || dx >= to.Width) continue;
            const uint32_t s = from.At(sx, sy), d = to.At(dx, dy);
            to.Set(dx, dy,
                   b.Op == Rasterop::Copy  ? s
                   : b.Op == Rasterop::And ? (s & d) & 0xFFFFFF
                                           : (s | d) & 0xFFFFFF);
        }
    }
}

int Nextoffset(int offset, int width) {
    return offset + 1 >= width ? 0 : offset + 1;
}

std::vector<Blit> Backgroundblits(int w, int o) {
    const int h = 1 << 20; // every row: the pictures clip it
    return {{Surface::Back, Surface::Fore, w - o, 0, o, h, 0, 0, Rasterop::Copy},
            {Surface::Back, Surface::Fore, 0, 0, w - o, h, o, 0, Rasterop::Copy},
            {Surface::Back, Surface::Fore, 5, 0, 4, h, o - 2, 0, Rasterop::Copy}};
}

int Birdy(int trial) {
    // `trial` counts the answered trials; before the first answer r is -1, and its band
    // (rounded down) is the line of the first three trials.
    const int r = trial < 22 ? trial - 1 : trial - 22;
    const int band = r < 0 ? (r - 2) / 3 : r / 3;
    return ((band + 1) * 450 + 600) / 15;
}

Birdpose Movebird(const Birdpose& now, int trial, int boardwidth, Framesize frame) {
    Birdpose next = now;
    next.X += 5;
    if (next.X > boardwidth) next.X = -frame.Width;
    next.Y = Birdy(trial);
    next.Frame = (now.Frame + 1) % 4;
    next.Drawn = true;
    return next;
}

std::vector<Blit> Birderase(const Birdpose& p, Framesize f) {
    if (!p.Drawn) return {};
    return {{Surface::Reserve, Surface::Board, 0, 0, f.Width, f.Height, p.X, p.Y, Rasterop::Copy}};
}

std::vector<Blit> Birddraw(const Birdpose& p, Framesize f) {
    const int column = p.Frame * f.Width;
    return {{Surface::Board, Surface::Reserve, p.X, p.Y, f.Width, f.Height, 0, 0, Rasterop::Copy},
            {Surface::Sheet, Surface::Board, column, f.Height, f.Width, f.Height, p.X, p.Y,
             Rasterop::And},
            {Surface::Sheet, Surface::Board, column, 0, f.Width, f.Height, p.X, p.Y, Rasterop::Or}};
}

bool Game::Timedgame() const {
    return Setting.Whoguess == Role::Youguess || Playermarks();
}

void Game::Aniswitch() {
    Toolbutton& button = Main.Tlbgame[6];
    if (Tmrani.Tag != "On") {
        button.Tooltip = "Switch off animation";
        Tmrani.Tag = "On";
        Tmrani.Enabled = true;
        if (Main.Picrecord.Visible && Timedgame()) {
            Main.Ani.Bird.X = -Main.Ani.Frame.Width;
            ++Main.Ani.Moves;
        }
    } else {
        button.Tooltip = "Switch on animation";
        Tmrani.Tag = "Off";
        Tmrani.Enabled = false;
        Repaintstrip();
    }
}

void Game::Tmrani_Timer() {
    Animation& a = Main.Ani;
    if (!(Main.Lbltime.Visible && Timedgame())) {
        // A game that ended without taking the bird off (run out of trials or time) has it
        // taken off here, so it never hangs over the final board.
        Repaintstrip();
        a.Offset = Nextoffset(a.Offset, a.Forewidth);
        Background();
        return;
    }
    a.Bird = Movebird(a.Bird, Rec.Trial, a.Boardwidth, a.Frame);
    ++a.Moves;
}

void Game::Background() {
    ++Main.Ani.Moves;
}

void Game::Repaintstrip() {
    if (!Main.Ani.Bird.Drawn) return;
    Main.Ani.Bird.Drawn = false;
    ++Main.Ani.Moves;
}

void Game::Restartanimation() {
    Animation& a = Main.Ani;
    a.Bird = Birdpose{};
    a.Bird.X = -a.Frame.Width;
    a.Bird.Y = Birdy(Rec.Trial);
    ++a.Moves;
}

} // namespace tc
