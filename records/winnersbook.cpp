#include "records/winnersbook.h"

#include <cmath>
#include <stdexcept>

namespace tc {

namespace {

constexpr int Batchinterval = 1000; // ms between batched writes

bool Hascolours(int n) {
    return n >= Firstcolours && n <= Lastcolours;
}

Bookfault Readfault(Filestatus s) {
    switch (s) {
    case Filestatus::Ok:
        return Bookfault::None;
    case Filestatus::Missing:
        return Bookfault::Missing;
    case Filestatus::Malformed:
    case Filestatus::Short:
        return Bookfault::Malformed;
    case Filestatus::Unreadable:
        return Bookfault::Unreadable;
    case Filestatus::Altered:
        return Bookfault::Altered;
    }
    return Bookfault::Unreadable;
}

} // namespace

Winnersbook::Winnersbook(std::filesystem::path folder, const Clock& clock)
    : folder_(std::move(folder)), clock_(clock) {}

Winnersbook::~Winnersbook() {
    try {
        Flush();
    } catch (...) {}
}

bool Winnersbook::Load(int n) {
    Loadedrecord f = Readwinners(Winnersfile(folder_, n));
    fault_ = Readfault(f.Status);
    problem_ = Winnersproblem(Winnersfile(folder_, n), f.Status);
    if (f.Status != Filestatus::Ok) return false;
    cache_[n - Firstcolours] = std::move(f.Record);
    return true;
}

bool Winnersbook::Write(int n, Winnersrecord& r) {
    std::error_code why;
    const Writeresult w = Writewinners(Winnersfile(folder_, n), r, clock_, &why);
    problem_ = Winnersproblem(Winnersfile(folder_, n), w, why);
    switch (w) {
    case Writeresult::Written:
        fault_ = Bookfault::None;
        return true;
    case Writeresult::Toolarge:
        fault_ = Bookfault::Toolarge;
        return false;
    case Writeresult::Failed:
        fault_ = Bookfault::Unwritable;
        return false;
    }
    return false;
}

float Winnersbook::Average(const Gamesetting& s) {
    Gamesetting base = s;
    base.Starttype = Startkind::Trialone;
    base.Hinttype = Hintkind::Noerror;
    int slot = 0;
    try {
        slot = Settingslot(base);
    } catch (const std::out_of_range&) {
        fault_ = Bookfault::Badsetting;
        return 0;
    }
    const int n = s.Ncolours;
    if (!Hascolours(n)) {
        fault_ = Bookfault::Badsetting;
        return 0;
    }
    float a = 0;
    if (batching_) {
        std::optional<Winnersrecord>& held = cache_[n - Firstcolours];
        if (!held && !Load(n)) return 0;
        a = held->Average[slot];
    } else {
        const Loadedrecord f = Readwinners(Winnersfile(folder_, n));
        fault_ = Readfault(f.Status);
        if (f.Status != Filestatus::Ok) return 0;
        a = f.Record.Average[slot];
    }
    // Callers turn the average into a trial number; a value no game can give must not reach
    // that conversion.
    if (!(a >= 0)) return 0;
    return a > Emptyattempt ? Emptyattempt : a;
}

std::string Winnersbook::Addstatistic(const Gamesetting& s, int attempts) {
    int slot = 0;
    try {
        slot = Settingslot(s);
    } catch (const std::out_of_range&) {
        fault_ = Bookfault::Badsetting;
        return {};
    }
    const int n = s.Ncolours;
    if (!Hascolours(n)) {
        fault_ = Bookfault::Badsetting;
        return {};
    }
    if (!batching_) {
        Loadedrecord f = Readforupdate(Winnersfile(folder_, n));
        fault_ = Readfault(f.Status);
        problem_ = Winnersproblem(Winnersfile(folder_, n), f.Status);
        // A file that cannot be read is left as found, so that the next start reports it.
        if (f.Status != Filestatus::Ok) return problem_;
        Addgame(f.Record, slot, attempts);
        return Write(n, f.Record) ? std::string() : problem_;
    }
    std::optional<Winnersrecord>& held = cache_[n - Firstcolours];
    if (!held && !Load(n)) return problem_;
    Addgame(*held, slot, attempts);
    pending_[n - Firstcolours].emplace_back(slot, attempts);
    if (clock_.Ticks() - lastwrite_ >= Batchinterval && !Flush()) return problem_;
    return {};
}

std::string Winnersbook::Setbatching(bool on) {
    if (on == batching_) return {};
    if (on) {
        batching_ = true;
        lastwrite_ = clock_.Ticks();
        return {};
    }
    const bool ok = Flush();
    batching_ = false;
    for (auto& c : cache_) c.reset();
    // What could not be written now is told; the next run does not carry it.
    for (auto& games : pending_) games.clear();
    return ok ? std::string() : problem_;
}

bool Winnersbook::Flush() {
    bool ok = true;
    for (int n = Firstcolours; n <= Lastcolours; ++n) {
        auto& games = pending_[n - Firstcolours];
        if (games.empty()) continue;
        Loadedrecord f = Readforupdate(Winnersfile(folder_, n));
        if (f.Status != Filestatus::Ok) {
            fault_ = Readfault(f.Status);
            problem_ = Winnersproblem(Winnersfile(folder_, n), f.Status);
            games.clear();
            cache_[n - Firstcolours].reset();
            ok = false;
            continue;
        }
        for (const auto& [slot, attempts] : games) Addgame(f.Record, slot, attempts);
        if (!Write(n, f.Record)) {
            ok = false;
            continue;
        }
        games.clear();
        cache_[n - Firstcolours] = std::move(f.Record);
    }
    lastwrite_ = clock_.Ticks();
    return ok;
}

bool Winnersbook::Pending() const {
    for (const auto& games : pending_)
        if (!games.empty()) return true;
    return false;
}

} // namespace tc
