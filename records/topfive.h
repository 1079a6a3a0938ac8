#pragma once
// The TOP FIVE list of a setting: where a won game ranks, the name it is kept under, the texts
// of the list and its statistics box, and the values the design-mode editor accepts.
#include "records/winners.h"
#include <optional>
#include <string>

namespace tc {

constexpr int Namelength = 15; // characters of a name

// The place 1..5 that a game of `seconds` and `attempts` takes in the slot's list: the first
// place whose entry is slower, or as fast with as many attempts or more, so a game goes before
// the entries it equals. 0 when it does not beat the fifth entry: one equal to it stays out.
int Winnersplace(const Winnersrecord& r, int slot, int seconds, int attempts);

// Puts an entry at `place` 1..5, moving the entries from there on down one place; the fifth
// drops out.
void Insertwinner(Winnersrecord& r, int slot, int place, const std::string& name, int seconds,
                  int attempts);

// An entry nobody has taken: time 3600 and 27 attempts.
bool Emptyentry(const Winnersrecord& r, int slot, int place);

// Names are UTF-8 in the windows and one byte per character in the files (ISO 8859-1), so a
// name of 15 characters always takes 15 bytes. A character the files cannot hold, or a byte
// that is not UTF-8, is stored as '?'.
std::string Namebytes(const std::string& text);
std::string Nametext(const std::string& bytes);
// The first `n` characters of a UTF-8 text.
std::string Firstcharacters(const std::string& text, int n);

// The name a new entry is stored under: the text as typed (not trimmed), at most 15
// characters; "xxx" when nothing was typed.
std::string Recordname(const std::string& typed);

// An average as the list shows it, with one decimal and no leading zero: 5.26 "5.3", 0.5 ".5".
std::string Averagetext(float average);

struct Winnerstexts {
    std::string Names;      // " 1.  name" and two line feeds, for each place
    std::string Times;      // the time in words, or nothing for an empty time
    std::string Attempts;   // the attempts, or nothing for an empty entry
    std::string Statistics; // population and average, or "No Data Available"
};
Winnerstexts Listtexts(const Winnersrecord& r, int slot);

// The editor's boxes. A population is a whole number 0..32767 and an average a number of at
// least 0, each written alone (spaces around it allowed); nothing for any other text.
std::optional<int> Populationvalue(const std::string& text);
std::optional<float> Averagevalue(const std::string& text);
// The whole number a text starts with (after spaces, with an optional sign), kept within the
// 16-bit range; 0 when the text does not start with one.
int Leadingnumber(const std::string& text);

} // namespace tc
