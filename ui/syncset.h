#pragma once
// Brings widgets in step with the models. Each step reads one model value and writes it to its
// widget only when it differs from what the widget last got, so an idle pass touches nothing.
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace tc::ui {

class Syncset {
public:
    // A step whose widget only the program changes: compared with the value last written.
    template <class Read, class Write> void add(Read read, Write write) {
        using T = std::decay_t<std::invoke_result_t<Read&>>;
        steps_.push_back([read = std::move(read), write = std::move(write),
                          last = std::optional<T>()]() mutable {
            T now = read();
            if (last && *last == now) return false;
            write(now);
            last = std::move(now);
            return true;
        });
    }
    // A step whose widget the player changes too (a tick mark, a list choice): compared with
    // what the widget shows now, so a change the model refused is put right.
    template <class Read, class Shown, class Write> void live(Read read, Shown shown, Write write) {
        steps_.push_back(
            [read = std::move(read), shown = std::move(shown), write = std::move(write)]() mutable {
                auto now = read();
                if (shown() == now) return false;
                write(now);
                return true;
            });
    }
    // A step that does its own comparing; returns whether it wrote anything.
    void custom(std::function<bool()> step) { steps_.push_back(std::move(step)); }
    // Runs every step; returns how many widgets were written.
    int run() {
        int writes = 0;
        for (auto& step : steps_) writes += step() ? 1 : 0;
        return writes;
    }
    size_t size() const { return steps_.size(); }

private:
    std::vector<std::function<bool()>> steps_;
};

} // namespace tc::ui
