#include "system/timerhost.h"

namespace tc {

void Timerhost::Add(const std::string& name, Timer& model, Handler tick) {
    entries_.push_back({name, &model, std::move(tick)});
    armed_.push_back({});
}

std::optional<size_t> Timerhost::Find(const std::string& name) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Name == name) return i;
    return std::nullopt;
}

void Timerhost::Fire(size_t index) {
    // The tick used up the interval: a timer still enabled afterwards starts a new one.
    armed_[index].On = false;
    Entry& e = entries_[index];
    if (e.Model->Enabled && e.Tick) e.Tick();
}

std::vector<Timerhost::Order> Timerhost::Sync() {
    std::vector<Order> orders;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Timer& t = *entries_[i].Model;
        Armed& a = armed_[i];
        const bool run = t.Enabled && t.Interval > 0;
        if (run && (!a.On || a.Interval != t.Interval)) {
            a = {true, t.Interval};
            orders.push_back({i, Change::Start, t.Interval});
        } else if (!run && a.On) {
            a = {};
            orders.push_back({i, Change::Stop, 0});
        }
    }
    return orders;
}

Virtualclock::Virtualclock(Timerhost& host, Datetime start)
    : host_(host), start_(start.Totalms()) {}

void Virtualclock::Sync() {
    due_.resize(host_.Timers().size());
    for (const Timerhost::Order& o : host_.Sync()) {
        if (o.What == Timerhost::Change::Start)
            due_[o.Index] = elapsed_ + o.Interval;
        else
            due_[o.Index].reset();
    }
}

void Virtualclock::advance(int64_t ms) {
    const int64_t target = elapsed_ + ms;
    Sync();
    for (;;) {
        std::optional<size_t> next;
        for (size_t i = 0; i < due_.size(); ++i)
            if (due_[i] && *due_[i] <= target && (!next || *due_[i] < *due_[*next])) next = i;
        if (!next) break;
        elapsed_ = *due_[*next];
        due_[*next].reset();
        host_.Fire(*next);
        Sync();
    }
    elapsed_ = target;
}

} // namespace tc
