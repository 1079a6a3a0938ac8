#pragma once
// A short string held inline. Codes, guesses and the search's digit lists are at most a few
// characters long; keeping them off the heap matters for the exhaustive simulation.
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tc {

class Str {
public:
    static constexpr int Capacity = 23;

    Str() = default;
    Str(const char* s) : Str(std::string_view(s)) {}
    Str(std::string_view s) {
        assert(s.size() <= Capacity);
        n_ = static_cast<uint8_t>(s.size());
        std::memcpy(d_, s.data(), s.size());
    }
    Str(int count, char c) {
        assert(count >= 0 && count <= Capacity);
        n_ = static_cast<uint8_t>(count);
        std::memset(d_, c, static_cast<size_t>(count));
    }

    int size() const { return n_; }
    bool empty() const { return n_ == 0; }
    char operator[](int i) const { return d_[i]; }
    char& operator[](int i) { return d_[i]; }
    const char* begin() const { return d_; }
    const char* end() const { return d_ + n_; }
    char* begin() { return d_; }
    char* end() { return d_ + n_; }

    void push_back(char c) {
        assert(n_ < Capacity);
        d_[n_++] = c;
    }
    Str& operator+=(const Str& o) {
        assert(n_ + o.n_ <= Capacity);
        std::memcpy(d_ + n_, o.d_, o.n_);
        n_ = static_cast<uint8_t>(n_ + o.n_);
        return *this;
    }
    friend Str operator+(Str a, const Str& b) { return a += b; }
    void clear() { n_ = 0; }
    void resize(int n) {
        assert(n >= 0 && n <= Capacity);
        n_ = static_cast<uint8_t>(n);
    }
    // Index of the first c, or -1.
    int find(char c) const {
        for (int i = 0; i < n_; ++i)
            if (d_[i] == c) return i;
        return -1;
    }
    bool contains(char c) const { return find(c) >= 0; }

    std::string_view view() const { return {d_, n_}; }
    std::string str() const { return std::string(d_, n_); }
    operator std::string_view() const { return view(); }

    // Codes are at most eight characters: those compare as one word each, without a call; the
    // search compares guesses at every step.
    friend bool operator==(const Str& a, const Str& b) {
        const int n = a.n_;
        if (n != b.n_) return false;
        if (n == 0) return true;
        if (std::endian::native != std::endian::little || n > 8) return a.view() == b.view();
        uint64_t x, y;
        std::memcpy(&x, a.d_, sizeof x);
        std::memcpy(&y, b.d_, sizeof y);
        return ((x ^ y) & (~uint64_t{0} >> (64 - 8 * n))) == 0;
    }
    friend bool operator==(const Str& a, const char* b) { return a.view() == b; }

private:
    char d_[Capacity] = {};
    uint8_t n_ = 0;
};

} // namespace tc
