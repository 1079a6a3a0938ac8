#pragma once
// The computer's turn: its next guess, the demo panel's note and the step timer.
#include "play/gamepart.h"
#include <cstring>
#include <string>
#include <string_view>

namespace tc {

class Computerplay : public Gamepart {
public:
    Computerplay(const Gamecore& core, tc::Gamestarter& gamestarter, tc::Boardview& boardview,
                 tc::Guessentry& guessentry, tc::Marking& marking, tc::Demorun& demorun,
                 tc::Hinterrors& hinterrors, tc::Gameending& gameending,
                 tc::Statisticsruns& statisticsruns)
        : Gamepart(core), Gamestarter(gamestarter), Boardview(boardview), Guessentry(guessentry),
          Marking(marking), Demorun(demorun), Hinterrors(hinterrors), Gameending(gameending),
          Statisticsruns(statisticsruns) {}

    void Getguess();
    // The demo panel's text and logo. Views, so that a step of a simulation builds no string.
    // Every step of a demo or simulation comes here, mostly with the note already shown: the
    // caption and the logo change only when they differ, found (inline, where the note is a
    // constant) in a few compares.
    void Demonote(std::string_view text, std::string_view icon) {
        std::string& caption = Main.Lbldemo.Caption;
        if (!Same(caption, text)) caption.assign(text); // no allocation once it fits
        Picture& logo = Main.Piclogo;
        if (logo.Ops.empty() || !Same(logo.Ops.front().Image, icon)) logo.Replaceimage(icon);
        Main.Picdemo.Visible = true;
    }
    void Tmrdelay_Timer();
    void Startdelay(int interval);

private:
    static bool Same(const std::string& a, std::string_view b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), b.size()) == 0;
    }
    // The subsystems and windows it works with.
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Guessentry& Guessentry;
    tc::Marking& Marking;
    tc::Demorun& Demorun;
    tc::Hinterrors& Hinterrors;
    tc::Gameending& Gameending;
    tc::Statisticsruns& Statisticsruns;
};

} // namespace tc
