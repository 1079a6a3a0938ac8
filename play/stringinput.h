#pragma once
// The input of a string opened, for the player's guess or the code or a row the player types;
// what the string is for is the business of those who open it.
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

class Stringinput : public Gamepart {
public:
    Stringinput(const Gamecore& core, tc::Boardview& boardview, tc::Colourinput& colourinput)
        : Gamepart(core), Boardview(boardview), Colourinput(colourinput) {}

    // Opens the input of a string: the player's guess, or the code or a row the player types.
    void Getstring();

private:
    // The subsystems and windows it works with.
    tc::Boardview& Boardview;
    tc::Colourinput& Colourinput;
};

} // namespace tc
