#pragma once
#include <cstdint>

namespace tc {

// Who guesses; the numbers are the ones saved games hold.
enum class Role : int16_t { Youguess = 1, Computerguesses = 2, Watch = 3 };

// The current game setting; every subsystem reads it.
struct Gamesetting {
    Role Whoguess = Role::Youguess;
    int16_t Ncolours = 10;   // 5..10
    int16_t Starttype = 1;   // 1 "Trial 1", 2 "Middle"
    int16_t Starttrial = 1;  // 0..9
    int16_t Codelength = 3;  // fixed length, or N of "Unspecified (3 - N)"
    int16_t Fixedlength = 1; // 1 fixed, 0 unspecified
    int16_t Maxblanks = 0;   // 0, or N - 3
    int16_t Hinttype = 1;    // 1 "No error", 2 "May contain error(s)"
    int16_t Ordertype = 1;   // 1 "Fixed order", 2 "Random order"
    int16_t Maxrepeat = 1;   // 1..Codelength

    // Folds fixed and unspecified lengths into one index 3..13 for the records.
    int16_t Lengthkey() const {
        return static_cast<int16_t>(Fixedlength ? Codelength : Codelength + 5);
    }
    bool Fixedorder() const { return Ordertype == 1; }
    bool operator==(const Gamesetting&) const = default;
};

} // namespace tc
