#include "ui/timerdriver.h"

namespace tc::ui {

Timerdriver::Timerdriver(Timerhost& host, std::function<void()> ticked, QObject* parent)
    : QObject(parent), host_(host), ticked_(std::move(ticked)) {
    for (size_t i = 0; i < host_.Timers().size(); ++i) {
        auto* t = new QTimer(this);
        t->setSingleShot(true);
        // The computer's 1 ms steps must not be stretched to the coarse timers' granularity.
        t->setTimerType(Qt::PreciseTimer);
        t->setObjectName(QString::fromStdString(host_.Timers()[i].Name));
        connect(t, &QTimer::timeout, this, [this, i] { tick(i); });
        timers_.push_back(t);
    }
}

void Timerdriver::apply() {
    for (const Timerhost::Order& o : host_.Sync()) {
        if (o.Index >= timers_.size()) continue; // registered after the driver was made
        if (o.What == Timerhost::Change::Start)
            timers_[o.Index]->start(o.Interval);
        else
            timers_[o.Index]->stop();
    }
}

QTimer* Timerdriver::timer(const std::string& name) const {
    const auto i = host_.Find(name);
    return i && *i < timers_.size() ? timers_[*i] : nullptr;
}

void Timerdriver::tick(size_t index) {
    host_.Fire(index);
    apply();
    if (ticked_) ticked_();
}

} // namespace tc::ui
