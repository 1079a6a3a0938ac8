// The animation's switch and tick: the clouds of the idle picture and the bird of a timed game.
#include "play/game.h"

namespace tc {

bool Animator::Timedgame() const {
    return Setting.Whoguess == Role::Youguess || G.Playermarks();
}

void Animator::Aniswitch() {
    Toolbutton& button = Main.Tlbgame[6];
    if (!G.Animationswitchedon) {
        button.Tooltip = "Switch off animation";
        G.Animationswitchedon = true;
        G.Tmrani.Enabled = true;
        if (Main.Picrecord.Visible && Timedgame()) {
            Main.Ani.Bird.X = -Main.Ani.Frame.Width;
            ++Main.Ani.Moves;
        }
    } else {
        button.Tooltip = "Switch on animation";
        G.Animationswitchedon = false;
        G.Tmrani.Enabled = false;
        Repaintstrip();
    }
}

void Animator::Tmrani_Timer() {
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

void Animator::Background() {
    ++Main.Ani.Moves;
}

void Animator::Repaintstrip() {
    if (!Main.Ani.Bird.Drawn) return;
    Main.Ani.Bird.Drawn = false;
    ++Main.Ani.Moves;
}

void Animator::Restartanimation() {
    Animation& a = Main.Ani;
    a.Bird = Birdpose{};
    a.Bird.X = -a.Frame.Width;
    a.Bird.Y = Birdy(Rec.Trial);
    ++a.Moves;
}

} // namespace tc
