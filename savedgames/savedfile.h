#pragma once
// The saved-game file: one record of at most 722 bytes at the start of the file, written and
// read field by field. Integers are 16-bit signed little-endian (ints in memory, narrowed only
// here); a string is a 16-bit unsigned byte count followed by its bytes. The record has no
// signature, so the reader trusts nothing: every count is checked against what is left and every
// value against what the game can hold, and a record that fails is refused whole, before anything
// of the game is touched.
#include "engine/gamesetting.h"
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tc {

class Codebreaker;
struct Fmmain;
struct Gamerecord;

constexpr int Savedrecordlength = 722;
// The integers and string counts of the record, without the characters of the strings.
constexpr int Savedfixedpart = 480;

// The record, field by field in file order.
struct Savedgame {
    Role Whoguess = Role::Youguess;     // the file holds it as 1, 2 or 3
    std::string Inputmethod = "Mouse";  // or "Keyboard"
    std::string Displaymode = "Colour"; // or "Number"
    int Computermarks = 0;              // "Computer guesses" only: -1 the computer marks, 0 not
    int Ncolours = 10;                  // the setting, fields 5 to 12
    int Starttype = 1;
    int Starttrial = 1;
    int Codelength = 3;
    int Fixedlength = 1;
    int Hinttype = 1;
    int Ordertype = 1;
    int Maxrepeat = 1;
    std::string Status;
    int Trial = 0;
    int Finaltrial = 0;                  // rows 1..Finaltrial are stored
    std::string Answer;                  // see Answerstored
    std::array<std::string, 28> Guesses; // index 1..Finaltrial
    std::array<int, 28> Blacks{};        // index 1..Finaltrial
    std::array<int, 28> Whites{};        // index 1..Finaltrial
    std::array<int, 28> Corrects{};      // error block, index 0..Finaltrial
    int Errorpending = 0;
    std::string Errortrials;
    std::string Trueblacks;
    std::string Truewhites;
    int Claimtrial = 0;
    std::array<std::string, 28> Newcolours; // error block, index 0..Finaltrial
    std::array<std::string, 28> Newcounts;  // the same
    std::array<std::string, 28> Choice;     // the same
    std::string Colourorder;                // error block
    std::string Currentstring;              // error block
    std::array<int, 10> Used{};             // error block, per colour
    std::array<int, 10> Absent{};           // error block, per colour
    int Elapsed = 0;                        // seconds of play

    bool operator==(const Savedgame&) const = default;
};

// The answer is kept unless the player marks in "Computer guesses" and the game was not won:
// then the program never knew the code.
bool Answerstored(const Savedgame& g);
// The computer codebreaker's search state is kept when the player marks in "Computer guesses"
// and play has begun, so that it can go on reasoning about the player's marks after loading.
bool Errorblockstored(const Savedgame& g);
// True while the game is still being played ("Playing", "Continue Playing").
bool Savedinplay(const Savedgame& g);

// The game setting the record's fields 5 to 12 describe.
Gamesetting Settingof(const Savedgame& g);

// The same record with the fields its conditions leave out emptied, as the writer stores them
// and the reader takes them.
Savedgame Normalise(const Savedgame& g);

// Why the record is not a game this program can hold, or "" when it is sound. Fields that the
// conditions leave out are not looked at.
std::string Check(const Savedgame& g);

struct Encoded {
    std::vector<uint8_t> Bytes; // exactly Savedrecordlength bytes when accepted
    std::string Reason;         // why the record was refused, else ""
    explicit operator bool() const { return Reason.empty(); }
};

struct Decoded {
    std::optional<Savedgame> Game; // normalised, and sound by Check
    std::string Reason{};          // why the bytes were refused, else ""
    // For the player, after "The file <path> ": what is wrong with it, in words; "" when sound.
    std::string Told{};
    explicit operator bool() const { return Game.has_value(); }
};

// The record as the file holds it, padded with zero bytes. A record that the reader would
// refuse, whose strings do not fit the 722 bytes or whose numbers do not fit 16 bits, is refused
// rather than cut short or wrapped.
Encoded Encode(const Savedgame& g);
// Reads the fields in order from the first byte and ignores whatever follows the last one.
// Pure: the bytes are either a sound saved game or refused with a reason.
Decoded Decode(std::span<const uint8_t> bytes);

// The game as it stands. The caller settles `Finaltrial` first (the save operations do) and
// brings `Elapsed` up to date for a game in play.
Savedgame Capture(const Gamesetting& s, const Gamerecord& r, const Codebreaker& e,
                  const Fmmain& main);
// Puts a record into the game: the setting, the game record, the codebreaker's records and the
// marking, input and display choices; the game becomes "Loaded". Drawing the board, the panels
// and restarting the clock are the caller's. A record that Check refuses is refused here too,
// with nothing changed; the reason is returned, "" when the record was applied.
std::string Restore(Gamesetting& s, Gamerecord& r, Codebreaker& e, Fmmain& main,
                    const Savedgame& g);

// Writes the whole record to a temporary file beside `path`, then moves it into place, so an
// existing file is either replaced whole or left as it was. Returns why it failed, or "".
std::string Writesavedgame(const std::filesystem::path& path, const Savedgame& g);
// What the player is told of a file whose record is refused: the loader's reason means nothing to
// a player.
inline constexpr char Damagedtext[] = "is not a saved game of Tintcipher.\nIt is damaged, or it "
                                      "was not written by this programme.";
// Reads and decodes the saved game at `path`; a folder, a pipe or a device is refused without
// being opened.
Decoded Readsavedgame(const std::filesystem::path& path);

} // namespace tc
