#pragma once
#include "engine/gamesetting.h"
#include <string>

namespace tc {

// The records keeper as the game sees it: the computer's average attempts of a setting and the
// statistics update after a counted win.
class Recordbook {
public:
    virtual ~Recordbook() = default;
    // Average attempts of the setting's slot taken with "Trial 1" and "No error"; 0 when unknown.
    virtual float Average(const Gamesetting& s) = 0;
    // "" when the game was stored; otherwise what went wrong, naming the file, for the player.
    virtual std::string Addstatistic(const Gamesetting& s, int attempts) = 0;
    // While on, updates may wait in memory and be written now and then; off writes them and
    // returns "" or, when that failed, what went wrong, naming the file.
    virtual std::string Setbatching(bool) { return {}; }
};

// A records keeper that knows nothing yet: averages 0, statistics dropped.
class Norecords : public Recordbook {
public:
    float Average(const Gamesetting&) override { return 0; }
    std::string Addstatistic(const Gamesetting&, int) override { return {}; }
};

} // namespace tc
