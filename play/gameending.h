#pragma once
// The end of a game: the win, a bug report, the game over, and the game clock with its warnings.
#include "play/gamepart.h"

namespace tc {

class Gameending : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Tmrbuffer_Timer();
    void Win();
    void Reportbug(const std::string& guess);
    void Gameover();
    void Tmrrec_Timer();
    void Calculatetime();
    bool Warned = false; // the five-minute warning of this game was given
    // What follows when the "Warning" message closes: the next guess after the last-chance
    // warning, or the result panel's OK after the clock's warning.
    enum class Afterwarning { Nothing, Nextguess, Showresultok } Afterwarn = Afterwarning::Nothing;
    bool Retypeafterwarning = false; // the clock closed an "Inappropriate Input" message

private:
    // The demo panel's win text, kept between games so that a simulated win allocates nothing.
    std::string winnote_;
};

} // namespace tc
