#pragma once
// The end of a game: the win, a bug report, the game over, and the game clock with its warnings.
#include "play/gamepart.h"
#include "savedgames/fmfiles.h"
#include "windows/messagebox.h"

namespace tc {

class Gameending : public Gamepart {
public:
    Gameending(const Gamecore& core, tc::Stringinput& stringinput, tc::Boardview& boardview,
               tc::Guessentry& guessentry, tc::Computerplay& computerplay,
               tc::Hinterrors& hinterrors, tc::Statisticsruns& statisticsruns,
               tc::Animator& animator, Fmabout& about, Fminstr& instr, Fmfiles& files,
               Fmmessage& message)
        : Gamepart(core), Stringinput(stringinput), Boardview(boardview), Guessentry(guessentry),
          Computerplay(computerplay), Hinterrors(hinterrors), Statisticsruns(statisticsruns),
          Animator(animator), About(about), Instr(instr), Files(files), Message(message) {}

    void Tmrbuffer_Timer();
    void Win();
    void Reportbug(const std::string& guess);
    void Gameover();
    void Tmrrec_Timer();
    void Calculatetime();
    // The clock starts or resumes: a loaded game past the five-minute mark is not warned again.
    void Resetwarning() { Warned = Rec.Carriedseconds >= Warningtime; }
    // Before the last trial: "only one more chance", then the computer's next guess.
    void Warnlastchance();
    // A "Warning" message closed: back to what it interrupted.
    void Warningclosed();

private:
    bool Warned = false; // the five-minute warning of this game was given
    // What follows when the "Warning" message closes: the next guess after the last-chance
    // warning, or the result panel's OK after the clock's warning.
    enum class Afterwarning { Nothing, Nextguess, Showresultok } Afterwarn = Afterwarning::Nothing;
    bool Retypeafterwarning = false; // the clock closed an "Inappropriate Input" message
    // The demo panel's win text, kept between games so that a simulated win allocates nothing.
    std::string winnote_;
    // The subsystems and windows it works with.
    tc::Stringinput& Stringinput;
    tc::Boardview& Boardview;
    tc::Guessentry& Guessentry;
    tc::Computerplay& Computerplay;
    tc::Hinterrors& Hinterrors;
    tc::Statisticsruns& Statisticsruns;
    tc::Animator& Animator;
    Fmabout& About;
    Fminstr& Instr;
    Fmfiles& Files;
    Fmmessage& Message;
};

} // namespace tc
