#pragma once
// The Winners files: one fixed-length record per number of colours holding the TOP FIVE entries
// and the computer's statistics of every setting, with a stamp that must agree with the file's
// last-modified time. Reading and writing go field by field, little-endian, so the bytes on disk
// never depend on how a compiler lays out a struct.
#include "engine/gamerecord.h"
#include "engine/gamesetting.h"
#include "system/clock.h"
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace tc {

constexpr int Recordlength = 32392; // record 1 of the file; bytes after the last field are padding
constexpr int Nslots = 704;         // 11 lengths x 2 orders x 2 starts x 2 hint types x 8 repeats
constexpr int Nplaces = 5;
constexpr int Nentries = Nslots * Nplaces;
constexpr int Emptyrecordsize = 25352; // every name empty
constexpr int Emptyduration = Timelimit;
constexpr int Emptyattempt = Lasttrial;
constexpr int Populationcap = 30000;      // a larger population takes no more games
constexpr double Stamptolerance = 0.0001; // of a day: 8.64 seconds
constexpr int Firstcolours = 5, Lastcolours = 10;
inline constexpr char Winnerspassword[] = "305817";

// The slot 0..703 of a setting in its record. Throws std::out_of_range for a setting outside
// the lists' values, rather than touching another setting's data.
int Settingslot(const Gamesetting& s);
// The element of a per-place field for slot 0..703 and place 1..5: all slots of place 1 first.
constexpr int Entryindex(int slot, int place) {
    return slot + Nslots * (place - 1);
}

struct Winnersrecord {
    double Stamp = 0;                // days since 30 December 1899, local time
    std::vector<std::string> Player; // Nentries; one byte per character
    std::vector<int> Duration;       // Nentries; seconds
    std::vector<int> Attempt;        // Nentries
    std::vector<float> Average;      // Nslots; the computer's average attempts
    std::vector<int> Population;     // Nslots; games behind `Average`

    // An empty record: names "", durations 3600, attempts 27, statistics 0.
    Winnersrecord();
    // Bytes the fields take on disk, before the padding up to `Recordlength`.
    size_t Size() const;
    bool operator==(const Winnersrecord&) const = default;
};

// One more computer game of `attempts` for the slot, in single precision. A population above
// the cap is left as it is; returns whether the slot changed.
bool Addgame(Winnersrecord& r, int slot, int attempts);

// How reading record 1 went. `Pastrecord`: a field runs past the record length, so the record
// cannot be read whole. `Short`: the file ends before the last field (the record would have to
// be made up of bytes that are not there).
enum class Recordfault { None, Pastrecord, Short };

struct Decodedrecord {
    Winnersrecord Record; // as far as it could be read; missing bytes read as zero
    Recordfault Fault = Recordfault::None;
};

// Reads record 1 from the first bytes of a file; bytes after the record length are ignored.
Decodedrecord Decodewinners(std::span<const unsigned char> bytes);
// The record as `Recordlength` bytes, zero-padded; nothing when it does not fit, its fields
// do not have their element counts or a number does not fit the file's 16 bits.
std::optional<std::vector<unsigned char>> Encodewinners(const Winnersrecord& r);

// "Winners/Winners<n>" below the program folder.
std::filesystem::path Winnersfile(const std::filesystem::path& folder, int ncolours);

// The instant that a local date and time names. In the hour a clock is put back two instants
// share a reading, and either is returned; a reading skipped when the clock goes forward gives
// an instant an hour away, so callers take the stamp from `Localdatetime` of the result.
std::chrono::system_clock::time_point Systemtime(const Datetime& local);

// Altered: read whole, but its stamp does not agree with its time (see `Readforupdate`).
enum class Filestatus { Ok, Missing, Malformed, Short, Unreadable, Altered };

struct Loadedrecord {
    Filestatus Status = Filestatus::Unreadable;
    Winnersrecord Record;
    double Filetime = 0;      // the file's last-modified time as a local serial date
    double Fileuniversal = 0; // the same in universal time
};

Loadedrecord Readwinners(const std::filesystem::path& file);
// Reads a file to change and write it back: a file the start-up check would refuse, a stamp that
// does not agree with the file's time above all, is not `Ok`, so that a change made behind the
// program's back is never stamped anew and the next start still reports it.
Loadedrecord Readforupdate(const std::filesystem::path& file);

// Gives a Winners file that reads whole the last-modified time its stamp names, as a copy made
// by another program may not keep it. False when the file cannot be read or its time set.
bool Stampfiletime(const std::filesystem::path& file);

enum class Writeresult { Written, Toolarge, Failed };

// Write with stamp: `Stamp` becomes the clock's present time, the record goes to a temporary
// file whose last-modified time is set to that same instant, and the temporary file is renamed
// over the old one. On failure the old file and `r.Stamp` are left as they were, and `why`, when
// given, holds the system's reason. A failure that left the new file in place all the same is a
// success, so a retry never stores a game twice.
Writeresult Writewinners(const std::filesystem::path& file, Winnersrecord& r, const Clock& clock,
                         std::error_code* why = nullptr);

// What went wrong with a Winners file, in words for the player and naming the file; "" when
// nothing did.
std::string Winnersproblem(const std::filesystem::path& file, Filestatus read);
std::string Winnersproblem(const std::filesystem::path& file, Writeresult write,
                           const std::error_code& why = {});

// The start-up check's outcomes, in the order the check decides them.
enum class Winnersverdict { Fine, Missing, Altered, Malformed, Unexpected };

struct Winnerscheck {
    Winnersverdict Verdict = Winnersverdict::Fine;
    int Ncolours = 0;               // the file that decided it (the first one, for Missing/Altered)
    std::vector<std::string> Lines; // the message's lines; empty when Fine
};

// Checks the six files below the program folder: all present, each readable as a record, each
// stamp within 0.0001 of a day of the file's last-modified time, read in the local zone or under
// any other zone's offset.
Winnerscheck Checkwinners(const std::filesystem::path& folder);

// The lines of a verdict's message (for Missing, the password prompt).
std::vector<std::string> Winnerslines(Winnersverdict v);
// The answer to the restore prompt that is neither empty nor the password.
std::vector<std::string> Incorrectpasswordlines();

// Re-creates all six files with empty records and fresh stamps (creating the folder if need be).
// Returns false when any could not be written.
bool Restorewinners(const std::filesystem::path& folder, const Clock& clock);

} // namespace tc
