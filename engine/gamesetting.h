#pragma once

namespace tc {

// Who guesses; the numbers are the ones saved games hold.
enum class Role { Youguess = 1, Computerguesses = 2, Watch = 3 };
// "Trial 1" or "Middle"; the numbers are the saved games' and the records' too.
enum class Startkind { Trialone = 1, Middle = 2 };
// "No error" or "May contain error(s)".
enum class Hintkind { Noerror = 1, Errors = 2 };
// "Fixed order" or "Random order".
enum class Orderkind { Fixed = 1, Random = 2 };

// The current game setting; every subsystem reads it.
struct Gamesetting {
    Role Whoguess = Role::Youguess;
    int Ncolours = 10; // 5..10
    Startkind Starttype = Startkind::Trialone;
    int Starttrial = 1;  // 0..9
    int Codelength = 3;  // fixed length, or N of "Unspecified (3 - N)"
    int Fixedlength = 1; // 1 fixed, 0 unspecified
    int Maxblanks = 0;   // 0, or N - 3
    Hintkind Hinttype = Hintkind::Noerror;
    Orderkind Ordertype = Orderkind::Fixed;
    int Maxrepeat = 1; // 1..Codelength

    // Folds fixed and unspecified lengths into one index 3..13 for the records.
    int Lengthkey() const { return Fixedlength ? Codelength : Codelength + 5; }
    bool Fixedorder() const { return Ordertype == Orderkind::Fixed; }
    bool operator==(const Gamesetting&) const = default;
};

} // namespace tc
