#pragma once
// A timer of the design as a model: the host (a QTimer in the program, a virtual clock in tests)
// fires it while it is enabled.
#include <string>

namespace tc {

struct Timer {
    explicit Timer(int interval = 1000) : Interval(interval) {}
    bool Enabled = false;
    int Interval; // milliseconds
    std::string Tag;
};

} // namespace tc
