#pragma once
// A host without a window: fires the game's step timers as soon as they are armed and answers the
// "Continue Playing" message with OK, until the game ends or waits for a person.
#include "play/game.h"

namespace tc {

// Plays a computer-marked game that `Initialize` has prepared, through `Startgame` and
// `Getguess`, to its end: a win (message "Win" or status "Next Demo"), or a bug message.
void Autoplay(Game& g);
// Fires armed timers until none is left or a message other than "Continue Playing" shows.
void Runtimers(Game& g);
// Readies `g` for headless statistics games of setting `s`: `kind` is `Run::Simulate` or
// `Run::Initstat`; nothing is drawn and the demo's wait keeps every panel from waiting.
void Preparerun(Game& g, const Gamesetting& s, Run kind);
// Plays one simulated "Watch computer play" game of the game's setting against `code`; the game
// must have `Runkind` `Run::Simulate` and `Demomode` set. Returns false on a program fault.
bool Simulategame(Game& g, const Str& code);

} // namespace tc
