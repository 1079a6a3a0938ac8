#include "ui/runprobe.h"

#include <QLoggingCategory>
#include <QTimer>
#include <algorithm>
#include <ctime>

namespace tc::ui {

namespace {
Q_LOGGING_CATEGORY(Runlog, "tintcipher.runs", QtWarningMsg)
constexpr qint64 Longgap = 50; // ms: longer, and the window is felt to stick

// The main thread's own running time in microseconds: a gap the thread did not run through was
// another process's doing.
qint64 Threadmicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<qint64>(t.tv_sec) * 1'000'000 + t.tv_nsec / 1000;
}
} // namespace

Runprobe::Runprobe(const Game& game, QObject* parent)
    : QObject(parent), game_(game), probe_(new QTimer(this)) {
    probe_->setTimerType(Qt::PreciseTimer);
    probe_->setInterval(1);
    connect(probe_, &QTimer::timeout, this, [this] {
        const qint64 gap = gap_.restart(), cpu = Threadmicros();
        longest_ = std::max(longest_, gap);
        longestcpu_ = std::max(longestcpu_, cpu - cpu_);
        cpu_ = cpu;
        if (gap > Longgap) ++over_;
    });
}

void Runprobe::check() {
    const Scrollbar& progress = game_.Main.Progress;
    if (progress.Visible) games_ = progress.Value;
    // The rate counts from the moment the speed bar reached its fastest.
    const bool fast = game_.Main.Hsbspeed.Value == game_.Main.Hsbspeed.Min;
    if (running_ && fast && !fast_) {
        run_.restart();
        first_ = games_;
        reached_ = true;
    }
    fast_ = fast;
    if (progress.Visible == running_) return;
    running_ = progress.Visible;
    if (running_) {
        if (!Runlog().isDebugEnabled()) {
            running_ = false;
            return;
        }
        longest_ = over_ = games_ = first_ = longestcpu_ = 0;
        reached_ = fast;
        cpu_ = Threadmicros();
        run_.start();
        gap_.start();
        probe_->start();
        return;
    }
    probe_->stop();
    // The progress shows the games before the last tick; a simulation counts every one.
    if (game_.Rec.Runkind == Run::Simulate) games_ = game_.Controls.Simtotals().Population;
    const double seconds = static_cast<double>(run_.nsecsElapsed()) / 1e9;
    games_ -= first_;
    report_ = QString("%1 games in %2 s = %3 games/s%8; longest gap between event-loop turns "
                      "%4 ms, %6 over %7 ms; longest the thread itself ran between two turns %5 ms")
                  .arg(games_)
                  .arg(seconds, 0, 'f', 2)
                  .arg(seconds > 0 ? static_cast<double>(games_) / seconds : 0, 0, 'f', 0)
                  .arg(longest_)
                  .arg(static_cast<double>(longestcpu_) / 1000, 0, 'f', 1)
                  .arg(over_)
                  .arg(Longgap)
                  .arg(reached_ ? " at full speed" : " (never at full speed)");
    qCDebug(Runlog, "%s", qPrintable(report_));
}

} // namespace tc::ui
