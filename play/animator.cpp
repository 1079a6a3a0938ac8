// The animation's switch and tick: the clouds of the idle picture and the bird of a timed game.
#include "play/animator.h"

namespace tc {

void Animator::Form_Load() {
    switchedon_ = true;
    Main.Ani.Offset = 0;
    Background();
}

void Animator::Aniswitch() {
    Toolbutton& button = Main.Tlbgame[6];
    if (!switchedon_) {
        button.Tooltip = "Switch off animation";
        switchedon_ = true;
        Tmrani.Enabled = true;
        if (Main.Picrecord.Visible && Timedgame()) {
            Main.Ani.Bird.X = -Main.Ani.Frame.Width;
            ++Main.Ani.Moves;
        }
    } else {
        button.Tooltip = "Switch on animation";
        switchedon_ = false;
        Tmrani.Enabled = false;
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
