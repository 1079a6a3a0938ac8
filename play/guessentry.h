#pragma once
// The player's guess and the code or row the player types, and the result shown.
#include "play/gamepart.h"

#include <string>
#include <vector>

namespace tc {

// What the input of a string asks: the mouse panel's prompt with its size in points, and the
// keyboard panel's.
struct Stringprompts {
    std::string Mouse, Typed;
    int Points = 12;
};
Stringprompts Promptsfor(Role who, bool errorbutton, int trial, bool blanks);
// Every prompt pair the input can show, for a panel that keeps room for the longest.
std::vector<Stringprompts> Everystringprompt();

class Guessentry : public Gamepart {
public:
    Guessentry(const Gamecore& core, tc::Gamestarter& gamestarter, tc::Boardview& boardview,
               tc::Colourinput& colourinput, tc::Marking& marking, tc::Markentry& markentry,
               tc::Computerplay& computerplay, tc::Gameending& gameending)
        : Gamepart(core), Gamestarter(gamestarter), Boardview(boardview), Colourinput(colourinput),
          Marking(marking), Markentry(markentry), Computerplay(computerplay),
          Gameending(gameending) {}

    // Opens the input of a string: the player's guess, or the code or a row the player types.
    void Getstring();
    // A key typed into `Txtinput` at its caret; '\b' is Backspace. False when refused.
    bool Txtinput_KeyPress(char key);
    void Cmdsubcol_Click();
    void Cmdsubnum_Click();
    void Showresult();
    void Cmderror_Click();
    void Cmdshowresult_Click();
    void Messageclosed(Waitkey key);

private:
    void Submitguess();
    // The subsystems and windows it works with.
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Colourinput& Colourinput;
    tc::Marking& Marking;
    tc::Markentry& Markentry;
    tc::Computerplay& Computerplay;
    tc::Gameending& Gameending;
};

} // namespace tc
