#pragma once
#include <cstdint>
#include <limits>
#include <random>

namespace tc {

// The source of chance. The program seeds it from the clock; tests fix the seed.
class Randomsource {
public:
    virtual ~Randomsource() = default;
    // A fresh uniform number in [0, 1).
    virtual double Rnd() = 0;
};

class Seededrandom : public Randomsource {
public:
    explicit Seededrandom(uint64_t seed) : gen_(seed) {}
    double Rnd() override { return Unitinterval(gen_()); }

    // The draw from one 64-bit output x: x / 2^64, with x rounded to the nearest double first,
    // and 1 taken back to the largest double below it. This is written out rather than left to
    // std::uniform_real_distribution, whose mapping each standard library chooses itself; it is
    // the one GCC's library uses, so the recorded plays keep their draws. The engine
    // std::mt19937_64 is the same everywhere.
    static double Unitinterval(uint64_t x) {
        static_assert(std::numeric_limits<double>::is_iec559, "rounding to nearest double");
        const double r = static_cast<double>(x) * 0x1p-64;
        return r < 1.0 ? r : 0x1.fffffffffffffp-1;
    }

private:
    std::mt19937_64 gen_;
};

} // namespace tc
