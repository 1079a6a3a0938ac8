#pragma once
#include <cstdint>
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
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(gen_); }

private:
    std::mt19937_64 gen_;
};

} // namespace tc
