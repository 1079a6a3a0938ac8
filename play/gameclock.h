#pragma once
// The game clock's tick. Above what it interrupts: the player's entry is told of the warning and,
// when the time is up, its result panel is closed for it before the game is over.
#include "play/gamepart.h"
#include "savedgames/fmfiles.h"
#include "windows/messagebox.h"

namespace tc {

class Gameclock : public Gamepart {
public:
    Gameclock(const Gamecore& core, tc::Guessentry& guessentry, tc::Gameending& gameending,
              Fmabout& about, Fminstr& instr, Fmfiles& files, Fmmessage& message)
        : Gamepart(core), Guessentry(guessentry), Gameending(gameending), About(about),
          Instr(instr), Files(files), Message(message) {}

    void Tmrrec_Timer();
    // The clock starts or resumes: a loaded game past the five-minute mark is not warned again.
    void Resetwarning() { Warned = Rec.Carriedseconds >= Warningtime; }

private:
    bool Warned = false; // the five-minute warning of this game was given
    // The subsystems and windows it works with.
    tc::Guessentry& Guessentry;
    tc::Gameending& Gameending;
    Fmabout& About;
    Fminstr& Instr;
    Fmfiles& Files;
    Fmmessage& Message;
};

} // namespace tc
