#pragma once
// Drives the game's timers with one single-shot QTimer each. The host decides which run: after
// every tick and every handler, `apply` takes in its start and stop orders.
#include "system/timerhost.h"
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

namespace tc::ui {

class Timerdriver : public QObject {
public:
    // `ticked` runs after each tick, once the host's orders are applied: the window syncs there.
    Timerdriver(Timerhost& host, std::function<void()> ticked, QObject* parent = nullptr);
    void apply();
    // The QTimer of the host's timer of that name, or nullptr.
    QTimer* timer(const std::string& name) const;

private:
    void tick(size_t index);

    Timerhost& host_;
    std::function<void()> ticked_;
    std::vector<QTimer*> timers_;
};

} // namespace tc::ui
