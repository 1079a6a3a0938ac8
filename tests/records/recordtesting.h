#pragma once
// Helpers for the records tests: a clock the test sets, a scratch program folder, raw file
// access, a disk that fills up, and a switch of the local time zone.
#include "records/winners.h"
#include "system/clock.h"
#include "system/platform.h"
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace tc::testkit {

class Testclock : public Clock {
public:
    explicit Testclock(Datetime start = Datetime::Make(2024, 3, 5, 14, 30, 15, 250))
        : now_(start) {}
    Datetime Now() const override { return now_; }
    int64_t Ticks() const override { return ticks_; }
    void Advance(int64_t ms) {
        now_ = Datetime::Fromtotalms(now_.Totalms() + ms);
        ticks_ += ms;
    }
    void Set(Datetime now) { now_ = now; }

private:
    Datetime now_;
    int64_t ticks_ = 0;
};

// A fresh empty folder below the system's temporary folder, removed afterwards.
class Tempfolder {
public:
    Tempfolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device rd;
        path_ =
            std::filesystem::temp_directory_path() /
            ("tc-records-" + std::string(info ? info->name() : "x") + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~Tempfolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    Tempfolder(const Tempfolder&) = delete;
    Tempfolder& operator=(const Tempfolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::vector<unsigned char> Filebytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces a file's bytes as another program would, keeping nothing of its time.
inline void Putbytes(const std::filesystem::path& p, const std::vector<unsigned char>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Calls of a kind fail with `error` for the life of the object (see `Injectfault`).
struct Injectedfault {
    Injectedfault(Oscall call, int error, int after = 0, int times = 1 << 30) {
        Injectfault(call, error, after, times);
    }
    ~Injectedfault() { Clearfaults(); }
};

#ifndef _WIN32
// Writes that would make a file longer than `bytes` fail for the life of the object, as on a
// disk that has just filled up; reading goes on as before.
struct Fulldisk {
    explicit Fulldisk(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the tests
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~Fulldisk() { setrlimit(RLIMIT_FSIZE, &old); }
    rlimit old{};
};

// Switches the process to another time zone for the life of the object.
class Timezone {
public:
    explicit Timezone(const char* tz) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~Timezone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    Timezone(const Timezone&) = delete;
    Timezone& operator=(const Timezone&) = delete;

private:
    std::optional<std::string> old_;
};
#endif

} // namespace tc::testkit
