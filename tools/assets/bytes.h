#pragma once
// Little- and big-endian field writers and readers for the binary containers the tool writes
// (ICO, WAV, MIDI, AVI) and checks; every field is written explicitly, never by dumping a struct.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tc::assets {

using Bytes = std::vector<std::uint8_t>;

class Writer {
public:
    Bytes data;

    void U8(std::uint32_t v) { data.push_back(static_cast<std::uint8_t>(v & 0xFF)); }
    void Le16(std::uint32_t v) {
        U8(v);
        U8(v >> 8);
    }
    void Le32(std::uint32_t v) {
        Le16(v & 0xFFFF);
        Le16(v >> 16);
    }
    void Be16(std::uint32_t v) {
        U8(v >> 8);
        U8(v);
    }
    void Be32(std::uint32_t v) {
        Be16(v >> 16);
        Be16(v & 0xFFFF);
    }
    void Tag(std::string_view fourcc) {
        for (char c : fourcc) U8(static_cast<std::uint8_t>(c));
    }
    void Append(const Bytes& b) { data.insert(data.end(), b.begin(), b.end()); }
    void Append(const char* p, std::size_t n) { data.insert(data.end(), p, p + n); }
    std::size_t Size() const { return data.size(); }
    // Overwrites a 32-bit little-endian field written earlier (chunk sizes known only later).
    void Patchle32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void Patchbe32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) data[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    }
};

// Bounds-checked reader: every read past the end fails instead of reading garbage.
class Reader {
public:
    explicit Reader(const Bytes& b, std::size_t begin = 0, std::size_t end = SIZE_MAX)
        : data_(b), pos_(begin), end_(end > b.size() ? b.size() : end) {}

    bool Has(std::size_t n) const { return pos_ <= end_ && end_ - pos_ >= n; }
    std::size_t Pos() const { return pos_; }
    std::size_t Left() const { return end_ - pos_; }
    bool Skip(std::size_t n) {
        if (!Has(n)) return false;
        pos_ += n;
        return true;
    }
    std::optional<std::uint32_t> U8() {
        if (!Has(1)) return std::nullopt;
        return data_[pos_++];
    }
    std::optional<std::uint32_t> Le16() { return Read(2, false); }
    std::optional<std::uint32_t> Le32() { return Read(4, false); }
    std::optional<std::uint32_t> Be16() { return Read(2, true); }
    std::optional<std::uint32_t> Be32() { return Read(4, true); }
    std::optional<std::string> Tag() {
        if (!Has(4)) return std::nullopt;
        std::string s(reinterpret_cast<const char*>(&data_[pos_]), 4);
        pos_ += 4;
        return s;
    }

private:
    std::optional<std::uint32_t> Read(int n, bool big) {
        if (!Has(static_cast<std::size_t>(n))) return std::nullopt;
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t b = data_[pos_ + i];
            v |= big ? b << (8 * (n - 1 - i)) : b << (8 * i);
        }
        pos_ += n;
        return v;
    }
    const Bytes& data_;
    std::size_t pos_;
    std::size_t end_;
};

} // namespace tc::assets
