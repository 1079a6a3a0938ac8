#pragma once
#include <cstdint>

namespace tc {

// Who guesses; the numbers are the ones saved games hold.
enum class Role : int16_t { Youguess = 1, Computerguesses = 2, Watch = 3 };
// "Trial 1" or "Middle"; the numbers are the saved games' and the records' too.
enum class Startkind : int16_t { Trialone = 1, Middle = 2 };
// "No error" or "May contain error(s)".
enum class Hintkind : int16_t { Noerror = 1, Errors = 2 };
// "Fixed order" or "Random order".
enum class Orderkind : int16_t { Fixed = 1, Random = 2 };

// The current game setting; every subsystem reads it.
struct Gamesetting {
    Role Whoguess = Role::Youguess;
    int16_t Ncolours = 10; // 5..10
    Startkind Starttype = Startkind::Trialone;
    int16_t Starttrial = 1;  // 0..9
    int16_t Codelength = 3;  // fixed length, or N of "Unspecified (3 - N)"
    int16_t Fixedlength = 1; // 1 fixed, 0 unspecified
    int16_t Maxblanks = 0;   // 0, or N - 3
    Hintkind Hinttype = Hintkind::Noerror;
    Orderkind Ordertype = Orderkind::Fixed;
    int16_t Maxrepeat = 1; // 1..Codelength

    // Folds fixed and unspecified lengths into one index 3..13 for the records.
    int16_t Lengthkey() const {
        return static_cast<int16_t>(Fixedlength ? Codelength : Codelength + 5);
    }
    bool Fixedorder() const { return Ordertype == Orderkind::Fixed; }
    bool operator==(const Gamesetting&) const = default;
};

} // namespace tc
