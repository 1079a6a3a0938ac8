#pragma once
// Time as the game sees it: the time of day and date for wait contexts and stamps, and a steady
// millisecond count for the game clock. The program reads the system clock; tests inject a
// virtual one, so nothing in the game layer reads the real time itself.
#include <chrono>
#include <cstdint>

namespace tc {

constexpr int Msperday = 86'400'000;

// A local date and time of day to the millisecond. Days count from 30 December 1899 (day 0),
// the origin of the Winners files' stamps, so a stamp is `Serial()`.
struct Datetime {
    int Day = 0;
    int Millisecond = 0; // of the day, 0 .. Msperday - 1

    int Hour() const { return Millisecond / 3'600'000; }
    int Minute() const { return Millisecond / 60'000 % 60; }
    int Second() const { return Millisecond / 1000 % 60; }
    int Secondofday() const { return Millisecond / 1000; }
    // Days and the fraction of the day, the form in which stamps are compared.
    double Serial() const { return Day + static_cast<double>(Millisecond) / Msperday; }
    int64_t Totalms() const { return static_cast<int64_t>(Day) * Msperday + Millisecond; }

    // From a count of milliseconds since day 0 (negative counts give dates before it).
    static Datetime Fromtotalms(int64_t ms);
    // From a calendar date and time of day; the date must be a real one.
    static Datetime Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                         int millisecond = 0);

    friend bool operator==(const Datetime&, const Datetime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time of day.
    virtual Datetime Now() const = 0;
    // Milliseconds since an arbitrary origin, never going back: the game clock measures whole
    // seconds of play with it, unmoved by changes of the time of day.
    virtual int64_t Ticks() const = 0;
};

// Whole seconds from one `Ticks` reading to a later one.
inline int Wholeseconds(int64_t from, int64_t to) {
    return static_cast<int>((to - from) / 1000);
}

// The local date and time of a system time point, e.g. a file's last-modified time.
Datetime Localdatetime(std::chrono::system_clock::time_point t);

class Systemclock : public Clock {
public:
    Datetime Now() const override;
    int64_t Ticks() const override;
};

} // namespace tc
