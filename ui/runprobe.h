#pragma once
// For the maintainers: with QT_LOGGING_RULES=tintcipher.runs.debug=true a statistics run logs,
// when it ends, its games per second since the speed bar reached its fastest and the longest time
// the event loop went without a turn, timed by a 1 ms timer of its own that runs only while the run
// does.
#include "play/game.h"
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTimer;

namespace tc::ui {

class Runprobe : public QObject {
public:
    Runprobe(const Game& game, QObject* parent);
    // After every handler and tick: starts or ends the timing as a run starts or ends.
    void check();
    // The figures of the last run ended, as logged; empty before one ends.
    const QString& report() const { return report_; }

private:
    const Game& game_;
    QTimer* probe_;
    QElapsedTimer run_, gap_;
    qint64 longest_ = 0, over_ = 0, games_ = 0, first_ = 0, cpu_ = 0, longestcpu_ = 0;
    bool running_ = false, fast_ = false, reached_ = false;
    QString report_;
};

} // namespace tc::ui
