#pragma once
// The host that fires the design's timers. Each `Timer` model is registered under its name with
// the handler of its tick; whoever drives time (one QTimer per entry in the program, the
// virtual clock in tests) asks the host after every handler and tick which timers to start or
// stop, so both follow the same rule:
// - a timer runs while it is enabled with an interval above 0;
// - enabling it, or changing its interval, starts a fresh interval from that moment;
// - after a tick, a timer still enabled waits a full interval from the tick.
#include "system/clock.h"
#include "system/timer.h"
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tc {

class Timerhost {
public:
    using Handler = std::function<void()>;
    struct Entry {
        std::string Name;
        Timer* Model;
        Handler Tick;
    };
    enum class Change { Start, Stop };
    struct Order {
        size_t Index;
        Change What;
        int Interval; // milliseconds, for Start
        friend bool operator==(const Order&, const Order&) = default;
    };

    // Timers fire in registration order when they fall due at the same moment.
    void Add(const std::string& name, Timer& model, Handler tick);
    const std::vector<Entry>& Timers() const { return entries_; }
    // The index of the timer of that name, or nothing.
    std::optional<size_t> Find(const std::string& name) const;

    // Runs the tick of timer `index` if its model is enabled. The driver calls `Sync` next.
    void Fire(size_t index);
    // What changed since the last call: timers to (re)start with their interval, and to stop.
    std::vector<Order> Sync();

private:
    struct Armed {
        bool On = false;
        int Interval = 0;
    };
    std::vector<Entry> entries_;
    std::vector<Armed> armed_;
};

// Virtual time for tests: the time of day and the ticks move only in `advance`, which fires
// every timer tick that falls due on the way, in time order.
class Virtualclock : public Clock {
public:
    explicit Virtualclock(Timerhost& host, Datetime start = Datetime::Make(2024, 1, 1, 12));

    Datetime Now() const override { return Datetime::Fromtotalms(start_ + elapsed_); }
    int64_t Ticks() const override { return elapsed_; }

    // Moves time on by `ms` milliseconds, firing the due ticks.
    void advance(int64_t ms);
    // Takes in timer changes made outside a tick (by a handler the test called), at the
    // current time, as the program does after every handler.
    void Sync();
    // Moves the time of day without firing anything or moving the ticks, as a change of the
    // system's clock would.
    void Setnow(Datetime now) { start_ = now.Totalms() - elapsed_; }

private:
    Timerhost& host_;
    int64_t start_;       // time of day at tick 0, in milliseconds since day 0
    int64_t elapsed_ = 0; // ticks
    std::vector<std::optional<int64_t>> due_;
};

} // namespace tc
