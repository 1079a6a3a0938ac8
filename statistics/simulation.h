#pragma once
// The exhaustive simulation: the computer plays against every valid code of a setting once, in
// increasing odometer order over the setting's characters.
#include "engine/codes.h"
#include <cstdint>
#include <map>
#include <string>

namespace tc {

Str Firstcode(const Gamesetting& s);
Str Lastcode(const Gamesetting& s);
// Walks the valid codes of a setting from the first to the last, stepping over no invalid string.
class Odometer {
public:
    explicit Odometer(const Gamesetting& s) : Odometer(s, Firstcode(s)) {}
    Odometer(const Gamesetting& s, const Str& start);
    const Str& Code() const { return code_; }
    // Steps to the next valid code after the current string; false when none follows.
    bool Next();

private:
    bool fixed_;
    Str code_, alphabet_;
    // Per character of the alphabet its limit and its copies in the valid prefix; per position
    // the character's place in the alphabet.
    int limit_[Str::Capacity] = {}, used_[Str::Capacity] = {}, index_[Str::Capacity] = {};
    int valid_ = 0; // the length of the prefix of the code that breaks no rule
    bool ended_ = false;
};

struct Simulationtotals {
    int32_t Population = 0;
    int32_t Total = 0;
    int Maxattempts = 0;
    int Maxtrials = 0;
    std::map<int, int64_t> Histogram; // attempts -> games

    void Count(int attempts, int finaltrial);
    void Add(const Simulationtotals& o);
};

// The three lines of the statistics message.
std::string Statisticsmessage(const Simulationtotals& t);
// A double in the shortest general form, up to 15 significant digits.
std::string Generaldouble(double v);

} // namespace tc
