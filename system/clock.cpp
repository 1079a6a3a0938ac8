#include "system/clock.h"

#include <ctime>

namespace tc {

namespace {

constexpr std::chrono::sys_days Dayzero{std::chrono::year{1899} / std::chrono::December / 30};

int Daynumber(int year, int month, int day) {
    const std::chrono::sys_days d{std::chrono::year{year} / std::chrono::month{unsigned(month)} /
                                  std::chrono::day{unsigned(day)}};
    return static_cast<int>((d - Dayzero).count());
}

// The one platform difference: the thread-safe local-time call is spelled differently.
std::tm Localtm(std::time_t t) {
    std::tm out{};
#ifdef _WIN32
    localtime_s(&out, &t);
#else
    localtime_r(&t, &out);
#endif
    return out;
}

} // namespace

Datetime Datetime::Fromtotalms(int64_t ms) {
    int64_t day = ms / Msperday;
    int64_t rest = ms % Msperday;
    if (rest < 0) {
        rest += Msperday;
        --day;
    }
    return {static_cast<int>(day), static_cast<int>(rest)};
}

Datetime Datetime::Make(int year, int month, int day, int hour, int minute, int second,
                        int millisecond) {
    return {Daynumber(year, month, day), ((hour * 60 + minute) * 60 + second) * 1000 + millisecond};
}

Datetime Localdatetime(std::chrono::system_clock::time_point t) {
    using namespace std::chrono;
    const auto secs = floor<seconds>(t);
    const int ms = static_cast<int>(duration_cast<milliseconds>(t - secs).count());
    const std::tm tm = Localtm(system_clock::to_time_t(secs));
    // A leap second (tm_sec 60) is folded into the second before it, keeping the time in its day.
    return Datetime::Make(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                          tm.tm_sec > 59 ? 59 : tm.tm_sec, ms);
}

Datetime Systemclock::Now() const {
    return Localdatetime(std::chrono::system_clock::now());
}

int64_t Systemclock::Ticks() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace tc
