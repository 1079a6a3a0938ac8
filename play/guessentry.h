#pragma once
// The player's guess and the code or row the player types, and the result shown.
#include "play/gamepart.h"

#include <string>
#include <vector>

namespace tc {

class Guessentry : public Gamepart {
public:
    Guessentry(const Gamecore& core, tc::Stringinput& stringinput, tc::Gamestarter& gamestarter,
               tc::Boardview& boardview, tc::Colourinput& colourinput, tc::Marking& marking,
               tc::Markentry& markentry, tc::Computerplay& computerplay, tc::Gameending& gameending)
        : Gamepart(core), Stringinput(stringinput), Gamestarter(gamestarter), Boardview(boardview),
          Colourinput(colourinput), Marking(marking), Markentry(markentry),
          Computerplay(computerplay), Gameending(gameending) {}

    // A key typed into `Txtinput` at its caret; '\b' is Backspace. False when refused.
    bool Txtinput_KeyPress(char key);
    void Cmdsubcol_Click();
    void Cmdsubnum_Click();
    void Showresult();
    void Cmderror_Click();
    void Cmdshowresult_Click();
    void Messageclosed(Waitkey key);
    // The clock closed an "Inappropriate Input" message: the string is asked for again after its
    // warning.
    void Refusalclosed() { Retypeafterwarning = true; }
    // The clock's warning: once it closes, the result panel's OK, unless the last chance's next
    // guess is due.
    void Clockwarned() {
        if (Afterwarn != Afterwarning::Nextguess) Afterwarn = Afterwarning::Showresultok;
    }

private:
    // Before the last trial: "only one more chance", then the computer's next guess.
    void Warnlastchance();
    // A "Warning" message closed: back to what it interrupted.
    void Warningclosed();
    // What follows when the "Warning" message closes: the next guess after the last-chance
    // warning, or the result panel's OK after the clock's warning.
    enum class Afterwarning { Nothing, Nextguess, Showresultok } Afterwarn = Afterwarning::Nothing;
    bool Retypeafterwarning = false; // the clock closed an "Inappropriate Input" message
    void Submitguess();
    // The subsystems and windows it works with.
    tc::Stringinput& Stringinput;
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Colourinput& Colourinput;
    tc::Marking& Marking;
    tc::Markentry& Markentry;
    tc::Computerplay& Computerplay;
    tc::Gameending& Gameending;
};

} // namespace tc
