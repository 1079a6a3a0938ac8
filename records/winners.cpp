#include "records/winners.h"

#include "system/fieldtext.h"
#include "system/filewrite.h"
#include <algorithm>
#include <bit>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace tc {

namespace fs = std::filesystem;

namespace {

// Reads fields from record 1. Bytes the file does not have read as zero, as a fixed-length
// record read at the end of a short file does; `Past` is set, and nothing more is read, when a
// field would run past the record length.
class Fieldreader {
public:
    explicit Fieldreader(std::span<const unsigned char> bytes)
        : bytes_(bytes.first(std::min<size_t>(bytes.size(), Recordlength))) {}

    bool Past() const { return past_; }
    size_t Used() const { return pos_; }

    uint64_t Unsigned(size_t width) {
        if (!Take(width)) return 0;
        uint64_t v = 0;
        for (size_t i = 0; i < width; ++i) v |= uint64_t{Byte(pos_ - width + i)} << (8 * i);
        return v;
    }
    int Int16() { return static_cast<int16_t>(Unsigned(2)); }
    float Single() { return std::bit_cast<float>(static_cast<uint32_t>(Unsigned(4))); }
    double Double() { return std::bit_cast<double>(Unsigned(8)); }
    std::string Text() {
        const size_t n = Unsigned(2);
        if (!Take(n)) return {};
        std::string s(n, '\0');
        for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>(Byte(pos_ - n + i));
        return s;
    }

private:
    bool Take(size_t n) {
        if (past_ || n > Recordlength - pos_) {
            past_ = true;
            return false;
        }
        pos_ += n;
        return true;
    }
    unsigned char Byte(size_t i) const { return i < bytes_.size() ? bytes_[i] : 0; }

    std::span<const unsigned char> bytes_;
    size_t pos_ = 0;
    bool past_ = false;
};

class Fieldwriter {
public:
    std::vector<unsigned char> Bytes;
    bool Fits = true; // every number was within the file's 16 bits; one outside is not wrapped

    void Unsigned(uint64_t v, size_t width) {
        for (size_t i = 0; i < width; ++i)
            Bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void Int16(int v) {
        Fits = Fits && std::in_range<int16_t>(v);
        Unsigned(static_cast<uint16_t>(v), 2);
    }
    void Single(float v) { Unsigned(std::bit_cast<uint32_t>(v), 4); }
    void Double(double v) { Unsigned(std::bit_cast<uint64_t>(v), 8); }
    void Text(const std::string& s) {
        Unsigned(s.size(), 2);
        Bytes.insert(Bytes.end(), s.begin(), s.end());
    }
};

bool Wellformed(const Winnersrecord& r) {
    return r.Player.size() == Nentries && r.Duration.size() == Nentries &&
           r.Attempt.size() == Nentries && r.Average.size() == Nslots &&
           r.Population.size() == Nslots;
}

constexpr std::chrono::sys_days Dayzero{std::chrono::year{1899} / std::chrono::December / 30};

using Fileclock = fs::file_time_type::clock;

// libstdc++ offers the file clock's conversion as to_sys; the standard's general form is
// clock_cast, which some libraries offer instead.
std::chrono::system_clock::time_point Tosystem(fs::file_time_type t) {
#if __cpp_lib_chrono >= 201907L
    return std::chrono::clock_cast<std::chrono::system_clock>(t);
#else
    return std::chrono::time_point_cast<std::chrono::system_clock::duration>(Fileclock::to_sys(t));
#endif
}

fs::file_time_type Fromsystem(std::chrono::system_clock::time_point t) {
#if __cpp_lib_chrono >= 201907L
    return std::chrono::clock_cast<Fileclock>(t);
#else
    return std::chrono::time_point_cast<fs::file_time_type::duration>(Fileclock::from_sys(t));
#endif
}

// The stamp is the local time at which the file was written; the file's time is an instant.
// Read in the zone of the writer, the two agree within the tolerance. Moving the computer to
// another zone, changing its zone or shipping files written elsewhere changes only the offset
// between them, and every zone's offset from universal time, summer time included, is a whole
// number of quarter hours within 14 hours. So a stamp is accepted when it is the file's time
// under some such offset. A file changed by another program takes the time of that change: it
// still fails unless the change fell within seconds of a whole quarter hour from the last
// write and within 14 hours of it. Written so that a stamp that is not a number never passes.
bool Stampmatches(double stamp, double filetime, double fileuniversal) {
    if (std::fabs(filetime - stamp) <= Stamptolerance) return true;
    constexpr double Quarterhour = 1.0 / 96, Widestoffset = 14.0 / 24;
    const double offset = stamp - fileuniversal;
    if (!(std::fabs(offset) <= Widestoffset + Stamptolerance)) return false;
    return std::fabs(offset - std::round(offset / Quarterhour) * Quarterhour) <= Stamptolerance;
}

// Whether the file holds exactly `bytes`.
bool Filestarts(const fs::path& file, const std::vector<unsigned char>& bytes) {
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> held(bytes.size() + 1);
    in.read(reinterpret_cast<char*>(held.data()), static_cast<std::streamsize>(held.size()));
    return static_cast<size_t>(in.gcount()) == bytes.size() &&
           std::equal(bytes.begin(), bytes.end(), held.begin());
}

Winnerscheck Verdict(Winnersverdict v, int n) {
    return {v, n, Winnerslines(v)};
}

} // namespace

int Settingslot(const Gamesetting& s) {
    // A fixed length of 9, or "Unspecified (3 - 3)", would fall on another length's slot.
    const bool length = s.Codelength <= 8 && ((s.Fixedlength == 1 && s.Codelength >= 3) ||
                                              (s.Fixedlength == 0 && s.Codelength >= 4));
    const int e = s.Lengthkey();
    const int o = static_cast<int>(s.Ordertype), st = static_cast<int>(s.Starttype),
              h = static_cast<int>(s.Hinttype);
    if (!length || o < 1 || o > 2 || st < 1 || st > 2 || h < 1 || h > 2 || s.Maxrepeat < 1 ||
        s.Maxrepeat > 8)
        throw std::out_of_range("setting has no Winners slot");
    return (e - 3) + 11 * (o - 1) + 22 * (st - 1) + 44 * (h - 1) + 88 * (s.Maxrepeat - 1);
}

Winnersrecord::Winnersrecord()
    : Player(Nentries), Duration(Nentries, Emptyduration), Attempt(Nentries, Emptyattempt),
      Average(Nslots, 0.0f), Population(Nslots, 0) {}

size_t Winnersrecord::Size() const {
    size_t n = 8 + 2 * Player.size() + 2 * Duration.size() + 2 * Attempt.size() +
               4 * Average.size() + 2 * Population.size();
    for (const std::string& p : Player) n += p.size();
    return n;
}

bool Addgame(Winnersrecord& r, int slot, int attempts) {
    int p = r.Population.at(slot);
    // Only an edited file holds a negative population; such a count means nothing, so the
    // slot starts again rather than dividing by zero or less.
    if (p < 0) p = 0;
    if (p > Populationcap) return false;
    // Each step rounds to single precision, as the stored averages always have.
    const float sum = r.Average[slot] * static_cast<float>(p) + static_cast<float>(attempts);
    r.Average[slot] = sum / static_cast<float>(p + 1);
    r.Population[slot] = p + 1;
    return true;
}

Decodedrecord Decodewinners(std::span<const unsigned char> bytes) {
    Decodedrecord d;
    Winnersrecord& r = d.Record;
    Fieldreader in(bytes);
    r.Stamp = in.Double();
    for (std::string& p : r.Player) p = in.Text();
    for (int& v : r.Duration) v = in.Int16();
    for (int& v : r.Attempt) v = in.Int16();
    for (float& v : r.Average) v = in.Single();
    for (int& v : r.Population) v = in.Int16();
    if (in.Past())
        d.Fault = Recordfault::Pastrecord;
    else if (in.Used() > bytes.size())
        d.Fault = Recordfault::Short;
    return d;
}

std::optional<std::vector<unsigned char>> Encodewinners(const Winnersrecord& r) {
    if (!Wellformed(r) || r.Size() > Recordlength) return std::nullopt;
    Fieldwriter out;
    out.Bytes.reserve(Recordlength);
    out.Double(r.Stamp);
    for (const std::string& p : r.Player) out.Text(p);
    for (int v : r.Duration) out.Int16(v);
    for (int v : r.Attempt) out.Int16(v);
    for (float v : r.Average) out.Single(v);
    for (int v : r.Population) out.Int16(v);
    if (!out.Fits) return std::nullopt;
    out.Bytes.resize(Recordlength, 0);
    return std::move(out.Bytes);
}

fs::path Winnersfile(const fs::path& folder, int ncolours) {
    return folder / "Winners" / ("Winners" + std::to_string(ncolours));
}

std::chrono::system_clock::time_point Systemtime(const Datetime& local) {
    using namespace std::chrono;
    const int64_t want = local.Totalms();
    // Start from the reading taken as universal time and correct by the offset found there;
    // a second round settles a guess that crossed a change of offset.
    system_clock::time_point t = sys_days{Dayzero} + milliseconds{want};
    for (int round = 0; round < 4; ++round) {
        const int64_t off = want - Localdatetime(t).Totalms();
        if (off == 0) break;
        t += milliseconds{off};
    }
    return t;
}

Loadedrecord Readwinners(const fs::path& file) {
    Loadedrecord out;
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (st.type() == fs::file_type::not_found) {
        out.Status = Filestatus::Missing;
        return out;
    }
    if (ec || !fs::is_regular_file(st)) return out;
    const fs::file_time_type when = fs::last_write_time(file, ec);
    if (ec) return out;
    std::ifstream in(file, std::ios::binary);
    if (!in) return out;
    std::vector<unsigned char> bytes(Recordlength);
    in.read(reinterpret_cast<char*>(bytes.data()), Recordlength);
    if (in.bad()) return out;
    bytes.resize(static_cast<size_t>(in.gcount()));
    Decodedrecord d = Decodewinners(bytes);
    out.Record = std::move(d.Record);
    const auto instant = Tosystem(when);
    out.Filetime = Localdatetime(instant).Serial();
    out.Fileuniversal = std::chrono::duration<double, std::ratio<86400>>(instant - Dayzero).count();
    switch (d.Fault) {
    case Recordfault::None:
        out.Status = Filestatus::Ok;
        break;
    case Recordfault::Pastrecord:
        out.Status = Filestatus::Malformed;
        break;
    case Recordfault::Short:
        out.Status = Filestatus::Short;
        break;
    }
    return out;
}

Loadedrecord Readforupdate(const fs::path& file) {
    Loadedrecord f = Readwinners(file);
    if ((f.Status == Filestatus::Ok || f.Status == Filestatus::Short) &&
        !Stampmatches(f.Record.Stamp, f.Filetime, f.Fileuniversal))
        f.Status = Filestatus::Altered;
    return f;
}

bool Stampfiletime(const fs::path& file) {
    const Loadedrecord f = Readwinners(file);
    if (f.Status != Filestatus::Ok || !(std::fabs(f.Record.Stamp) < 1e7)) return false;
    const auto ms = static_cast<int64_t>(std::llround(f.Record.Stamp * Msperday));
    std::error_code ec;
    fs::last_write_time(file, Fromsystem(Systemtime(Datetime::Fromtotalms(ms))), ec);
    return !ec;
}

Writeresult Writewinners(const fs::path& file, Winnersrecord& r, const Clock& clock,
                         std::error_code* why) {
    const double old = r.Stamp;
    // One instant serves both the stamp and the file's time, so the two agree exactly whatever
    // the time zone and its summer time rules.
    const auto when = Systemtime(clock.Now());
    r.Stamp = Localdatetime(when).Serial();
    const std::optional<std::vector<unsigned char>> bytes = Encodewinners(r);
    if (!bytes) {
        r.Stamp = old;
        return Writeresult::Toolarge;
    }

    std::error_code ec;
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
    // The file's time is set before the rename, which keeps it and replaces the old file in one
    // step.
    if (!ec) ec = Replacefile(file, *bytes, Fromsystem(when));
    // A failure reported after the file was put in place all the same (a network disk's rename
    // that timed out) is a success: a caller that retried would count its games twice.
    if (ec && Filestarts(file, *bytes)) ec.clear();
    if (why) *why = ec;
    if (ec) {
        r.Stamp = old;
        return Writeresult::Failed;
    }
    return Writeresult::Written;
}

std::string Winnersproblem(const fs::path& file, Filestatus read) {
    const std::string name = "The file " + Fieldtext(file.string());
    switch (read) {
    case Filestatus::Ok:
        return {};
    case Filestatus::Missing:
        return name + " is missing.";
    case Filestatus::Malformed:
    case Filestatus::Short:
        return name + " is damaged.";
    case Filestatus::Altered:
        return name + " has been changed by another programme, so the records were not updated.";
    case Filestatus::Unreadable:
        break;
    }
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (!ec && fs::exists(st) && !fs::is_regular_file(st))
        return name + " is not a regular file; put the programme's own file back in its place.";
    if (ec == std::errc::permission_denied || (!ec && !std::ifstream(file)))
        return name + " may not be read by you; ask whoever looks after this computer to let you "
                      "read and write it and its folder.";
    return name + " cannot be read.";
}

std::string Winnersproblem(const fs::path& file, Writeresult write, const std::error_code& why) {
    const std::string name = "The file " + Fieldtext(file.string());
    switch (write) {
    case Writeresult::Written:
        return {};
    case Writeresult::Toolarge:
        return name + " has no room for more names.";
    case Writeresult::Failed:
        break;
    }
    if (!why) return name + " cannot be written; the disk may be full or write-protected.";
    return name + " cannot be written. " + Writereason(why);
}

std::vector<std::string> Winnerslines(Winnersverdict v) {
    switch (v) {
    case Winnersverdict::Fine:
        return {};
    case Winnersverdict::Missing:
        return {"Some of the Winners files are missing.",
                "To restore the files, input the password."};
    case Winnersverdict::Altered:
        return {"The Winners files have been altered improperly by someone.",
                "This programme cannot be run any more.",
                "To reinstall the programme, please download again."};
    case Winnersverdict::Malformed:
        return {"Some of the Winners file has been altered improperly by someone.",
                "This programme cannot be run any more.",
                "To reinstall the programme, please download again."};
    case Winnersverdict::Unexpected:
        return {"Unexpected Error"};
    }
    return {};
}

std::vector<std::string> Incorrectpasswordlines() {
    return {"Incorrect password! This programme cannot be run any more.",
            "To reinstall the programme, please download again."};
}

Winnerscheck Checkwinners(const fs::path& folder) {
    try {
        for (int n = Firstcolours; n <= Lastcolours; ++n) {
            std::error_code ec;
            const bool there = fs::exists(Winnersfile(folder, n), ec);
            if (ec) return Verdict(Winnersverdict::Unexpected, n);
            if (!there) return Verdict(Winnersverdict::Missing, n);
        }
        // An altered file does not stop the loop: a malformed file further on still decides.
        int altered = 0;
        for (int n = Firstcolours; n <= Lastcolours; ++n) {
            const Loadedrecord f = Readwinners(Winnersfile(folder, n));
            switch (f.Status) {
            case Filestatus::Ok:
            case Filestatus::Short:
                if (!Stampmatches(f.Record.Stamp, f.Filetime, f.Fileuniversal)) {
                    if (altered == 0) altered = n;
                } else if (f.Status == Filestatus::Short) {
                    // Cut short behind the program's back yet keeping its time: what is left
                    // is not a record, and zeros must not stand in for the rest.
                    return Verdict(Winnersverdict::Malformed, n);
                }
                break;
            case Filestatus::Malformed:
                return Verdict(Winnersverdict::Malformed, n);
            case Filestatus::Missing:
            case Filestatus::Unreadable:
            case Filestatus::Altered: {
                // The design's line alone names no file: the player is told which and why.
                Winnerscheck c = Verdict(Winnersverdict::Unexpected, n);
                c.Lines.push_back(Winnersproblem(Winnersfile(folder, n), f.Status));
                return c;
            }
            }
        }
        if (altered != 0) return Verdict(Winnersverdict::Altered, altered);
        return {};
    } catch (const std::exception&) {
        return Verdict(Winnersverdict::Unexpected, 0);
    }
}

bool Restorewinners(const fs::path& folder, const Clock& clock) {
    bool all = true;
    for (int n = Firstcolours; n <= Lastcolours; ++n) {
        Winnersrecord r;
        if (Writewinners(Winnersfile(folder, n), r, clock) != Writeresult::Written) all = false;
    }
    return all;
}

} // namespace tc
