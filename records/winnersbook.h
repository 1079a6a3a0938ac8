#pragma once
// The game's records keeper over the Winners files of a program folder: the computer's average
// attempts of a setting, and the statistics update after each counted win.
#include "records/recordbook.h"
#include "records/winners.h"
#include <array>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

namespace tc {

// What went wrong in the book's last file operation.
enum class Bookfault {
    None,
    Missing,
    Malformed,
    Unreadable,
    Altered,
    Toolarge,
    Unwritable,
    Badsetting
};

class Winnersbook : public Recordbook {
public:
    Winnersbook(std::filesystem::path folder, const Clock& clock);
    // Writes what batching still holds; a failure then is not reported.
    ~Winnersbook() override;
    Winnersbook(const Winnersbook&) = delete;
    Winnersbook& operator=(const Winnersbook&) = delete;

    // 0 when the file cannot be read; an average outside 0..27 (only an edited file holds one)
    // is taken as 27 or as unknown.
    float Average(const Gamesetting& s) override;
    // Reads the file, adds the game and writes the file back with a new stamp (also when the
    // population is past its cap). A file that cannot be read, or was changed by another
    // programme, is left untouched. While
    // batching, a problem is told when the write that fails falls due.
    std::string Addstatistic(const Gamesetting& s, int attempts) override;

    // While batching, games collect in memory and reach the files when a second of the clock's
    // ticks has passed since the last write, at `Flush`, when batching ends and at destruction.
    // Each write reads the file afresh and replays the collected games on it, so a change that
    // another writer made meanwhile survives.
    std::string Setbatching(bool on) override;
    bool Batching() const { return batching_; }
    // Writes the collected games; false when a file could not be read or written. Games of an
    // unwritable file are kept for the next attempt; those of an unreadable one are dropped.
    bool Flush();
    // What went wrong in the last failed read or write, naming the file; "" after a success.
    const std::string& Lastproblem() const { return problem_; }
    bool Pending() const;

    Bookfault Lastfault() const { return fault_; }

private:
    // Reads record n into the cache; false (and the fault noted) when it cannot be read.
    bool Load(int n);
    bool Write(int n, Winnersrecord& r);

    std::filesystem::path folder_;
    const Clock& clock_;
    bool batching_ = false;
    int64_t lastwrite_ = 0;
    Bookfault fault_ = Bookfault::None;
    std::string problem_;
    // Per number of colours 5..10, while batching: the record with the collected games applied,
    // and those games as (slot, attempts).
    std::array<std::optional<Winnersrecord>, 6> cache_;
    std::array<std::vector<std::pair<int, int>>, 6> pending_;
};

} // namespace tc
