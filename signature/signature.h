#pragma once
// The game's behaviour in one number: a fixed set of games played through the game's handlers in
// virtual time, written down by a `Transcriber`, and the transcript hashed. A change to what the
// game shows, waits for, draws in its rows or writes to its files changes the number.
#include <cstdint>
#include <string>

namespace tc {

struct Signature {
    std::string Transcript;
    uint64_t Number = 0; // FNV-1a 64 of the transcript
};

// Plays the games in a program folder of its own under the system's temporary folder, removed
// afterwards. Nothing depends on the time of day, the locale, the home or working folder.
Signature Playsignature();

} // namespace tc
