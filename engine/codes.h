#pragma once
// Code strings and marks: how a guess is marked, random codes, and the small string helpers.
#include "engine/gamerecord.h"
#include "engine/gamesetting.h"
#include "engine/random.h"
#include "engine/str.h"
#include <concepts>
#include <string_view>

namespace tc {

constexpr std::string_view Digits = "0123456789";

template <class T> T Minimum(T a, T b) {
    return a < b ? a : b;
}
template <class T> T Maximum(T a, T b) {
    return a > b ? a : b;
}
template <class T> void Swap(T& a, T& b) {
    T t = a;
    a = b;
    b = t;
}

// The colour digits of the setting, "0" to Ncolours - 1.
Str Alphabet(const Gamesetting& s);
// The characters a guess of the setting may hold: the alphabet, plus "b" for unspecified length.
Str Allowedchars(const Gamesetting& s);

Hint Markguess(const Str& guess, const Str& code, const Gamesetting& s);
// The most black marks a player may give a guess of this length and blanks beside this many
// whites, and the most whites beside this many blacks.
int Largestblack(int length, int blanks, int white);
int Largestwhite(int length, int blanks, int black);
// True when the marks say the guess is the code.
inline bool Breakscode(const Hint& h, const Gamesetting& s, int answerblanks) {
    return h.black == s.Codelength - answerblanks && h.blanks == answerblanks;
}
int Countcommon(const Str& s, const Str& guess);
int Countchar(std::string_view s, char c);
// The same for a short string, a word at a time up to eight characters: guesses are counted at
// every step of a game.
template <class T>
requires std::same_as<T, Str>
int Countchar(const T& s, char c) {
    const int n = s.size();
    if (n > 8) return Countchar(s.view(), c);
    constexpr uint64_t Ones = 0x0101010101010101ull, Top = 0x8080808080808080ull;
    uint64_t x;
    std::memcpy(&x, s.begin(), sizeof x); // within the string's storage
    x ^= static_cast<uint8_t>(c) * Ones;  // a zero byte where s holds c
    // The top bit of each byte that is not zero; the bytes past the end count as not zero.
    const uint64_t nonzero = (((x & ~Top) + ~Top) | x) & Top;
    const uint64_t past = n == 8 ? 0 : Top << (8 * n);
    const uint64_t zero = ~(nonzero | past) & Top;
    return static_cast<int>((zero >> 7) * Ones >> 56);
}
void Sortstring(Str& s);
bool Checkstring(const Str& candidate, std::string_view allowed, const Gamesetting& s);
// Checkstring plus what it leaves to its callers: the length and the characters themselves.
bool Validcode(const Str& candidate, const Gamesetting& s);
bool Isnewstring(const Gamerecord& r, const Gamesetting& s);

// Draws a random code of the setting; `blanks` receives its number of blanks.
Str Randomcode(const Gamesetting& s, Randomsource& rnd, int& blanks);
// Kind "Answer" sets the secret code; kind "Guessstr" sets the current string to a random
// string that is neither the answer nor an earlier trial's guess.
void Makecode(std::string_view kind, Gamerecord& r, const Gamesetting& s, Randomsource& rnd);
Str Shufflecolours(const Gamesetting& s, Randomsource& rnd);

// For each i, Val(counts[i]) copies of colours[i], in order.
Str Expand(const Str& counts, const Str& colours);

} // namespace tc
