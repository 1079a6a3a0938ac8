// The Winners record in bytes: sizes and offsets, a reader checked against bytes laid out by
// hand, round trips, malformed records, the setting slot and the statistics update.
#include "records/winners.h"
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <set>
#include <stdexcept>

namespace tc {
namespace {

// Writes fields the way the file holds them, without the code under test.
struct Handwriter {
    std::vector<unsigned char> Bytes;
    void Raw(std::initializer_list<unsigned> bytes) {
        for (unsigned b : bytes) Bytes.push_back(static_cast<unsigned char>(b));
    }
    void U16(unsigned v) { Raw({v & 0xFF, (v >> 8) & 0xFF}); }
    void Name(const std::string& s) {
        U16(static_cast<unsigned>(s.size()));
        Bytes.insert(Bytes.end(), s.begin(), s.end());
    }
};

unsigned U16at(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}

TEST(Winnersrecord, EmptyRecordTakes25352BytesAndIsPaddedWithZerosTo32392) {
    const Winnersrecord r;
    EXPECT_EQ(r.Size(), 25352u);
    const auto bytes = Encodewinners(r);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 32392u);
    // Stamp 0, then 3520 empty names (count 0) from offset 8.
    for (size_t i = 0; i < 7048; ++i) ASSERT_EQ((*bytes)[i], 0) << i;
    // Durations 3600 from 7048, attempts 27 from 14088.
    for (size_t i = 7048; i < 14088; i += 2) ASSERT_EQ(U16at(*bytes, i), 3600u) << i;
    for (size_t i = 14088; i < 21128; i += 2) ASSERT_EQ(U16at(*bytes, i), 27u) << i;
    // Averages (21128..23944), populations (23944..25352) and the padding are all zero.
    for (size_t i = 21128; i < 32392; ++i) ASSERT_EQ((*bytes)[i], 0) << i;
}

TEST(Winnersrecord, ReadsFieldsLaidOutByHand) {
    const int a = Entryindex(0, 1), b = Entryindex(239, 3), c = Entryindex(703, 5);
    ASSERT_EQ(b, 1647);
    ASSERT_EQ(c, 3519);
    Handwriter w;
    w.Raw({0, 0, 0, 0, 0x90, 0x1D, 0xE6, 0x40}); // 45292.5: 1 January 2024, noon
    for (int i = 0; i < Nentries; ++i) {
        if (i == a)
            w.Name("Ann");
        else if (i == b)
            w.Name("fifteen chars!!");
        else if (i == c)
            w.Name(std::string("Zo\xEB"));
        else
            w.U16(0);
    }
    for (int i = 0; i < Nentries; ++i) w.U16(i == a ? 30 : i == c ? 3599 : 3600);
    for (int i = 0; i < Nentries; ++i) w.U16(i == a ? 5 : i == b ? 0xFFFE : 27);
    for (int s = 0; s < Nslots; ++s) {
        if (s == 239)
            w.Raw({0, 0, 0xA8, 0x40}); // 5.25
        else if (s == 703)
            w.Raw({0, 0, 0x90, 0x40}); // 4.5
        else
            w.Raw({0, 0, 0, 0});
    }
    for (int s = 0; s < Nslots; ++s) w.U16(s == 239 ? 30001 : s == 703 ? 1 : 0);
    const size_t used = w.Bytes.size();
    ASSERT_EQ(used, 25352u + 3 + 15 + 3);
    w.Bytes.resize(Recordlength, 0xAA); // padding is never read, whatever it holds

    const Decodedrecord d = Decodewinners(w.Bytes);
    ASSERT_EQ(d.Fault, Recordfault::None);
    const Winnersrecord& r = d.Record;
    EXPECT_EQ(r.Stamp, Datetime::Make(2024, 1, 1, 12).Serial());
    EXPECT_EQ(r.Player[a], "Ann");
    EXPECT_EQ(r.Player[b], "fifteen chars!!");
    EXPECT_EQ(r.Player[c], "Zo\xEB");
    EXPECT_EQ(r.Player[1], "");
    EXPECT_EQ(r.Duration[a], 30);
    EXPECT_EQ(r.Duration[c], 3599);
    EXPECT_EQ(r.Duration[b], 3600);
    EXPECT_EQ(r.Attempt[a], 5);
    EXPECT_EQ(r.Attempt[b], -2);
    EXPECT_EQ(r.Attempt[c], 27);
    EXPECT_EQ(r.Average[239], 5.25f);
    EXPECT_EQ(r.Average[703], 4.5f);
    EXPECT_EQ(r.Average[0], 0.0f);
    EXPECT_EQ(r.Population[239], 30001);
    EXPECT_EQ(r.Population[703], 1);
    EXPECT_EQ(r.Size(), used);

    // Writing it again gives the same fields, with zero padding.
    const auto again = Encodewinners(r);
    ASSERT_TRUE(again);
    EXPECT_TRUE(std::equal(again->begin(), again->begin() + used, w.Bytes.begin()));
    EXPECT_TRUE(std::all_of(again->begin() + used, again->end(), [](auto x) { return x == 0; }));
}

Winnersrecord Randomrecord(std::mt19937& rng) {
    Winnersrecord r;
    std::uniform_int_distribution<int> len(0, 15), byte(0, 255), i16(-32768, 32767);
    std::uniform_real_distribution<float> avg(-100, 100);
    r.Stamp = std::uniform_real_distribution<double>(0, 80000)(rng);
    for (auto& p : r.Player) {
        p.resize(len(rng));
        for (char& ch : p) ch = static_cast<char>(byte(rng)); // zero bytes included
    }
    for (auto& v : r.Duration) v = i16(rng);
    for (auto& v : r.Attempt) v = i16(rng);
    for (auto& v : r.Average) v = avg(rng);
    for (auto& v : r.Population) v = i16(rng);
    return r;
}

TEST(Winnersrecord, RoundTripsEveryField) {
    std::mt19937 rng(7);
    for (int k = 0; k < 3; ++k) {
        Winnersrecord r = Randomrecord(rng);
        // Names of a file hold at most 7040 characters in all; trim the random ones to fit.
        size_t total = 0;
        for (auto& p : r.Player) {
            if (total + p.size() > 7040) p.clear();
            total += p.size();
        }
        const auto bytes = Encodewinners(r);
        ASSERT_TRUE(bytes);
        const Decodedrecord d = Decodewinners(*bytes);
        EXPECT_EQ(d.Fault, Recordfault::None);
        EXPECT_EQ(d.Record, r);
    }
}

TEST(Winnersrecord, NamesFitUpTo7040CharactersInAll) {
    Winnersrecord r;
    for (int i = 0; i < 7040 / 16; ++i) r.Player[i] = std::string(16, 'n');
    EXPECT_EQ(r.Size(), 32392u);
    EXPECT_TRUE(Encodewinners(r));
    r.Player[Nentries - 1] = "x";
    EXPECT_FALSE(Encodewinners(r)); // one character more cannot be written
    r.Player[Nentries - 1].clear();
    r.Average.pop_back();
    EXPECT_FALSE(Encodewinners(r)); // nor a record missing an element
}

// The file holds 16 bits a number: the ends round-trip, one beyond is refused, never wrapped.
TEST(Winnersrecord, NumbersBeyondSixteenBitsAreNotWritten) {
    for (auto f : {&Winnersrecord::Duration, &Winnersrecord::Attempt, &Winnersrecord::Population}) {
        Winnersrecord r;
        (r.*f)[6] = -32768;
        (r.*f)[7] = 32767;
        const auto bytes = Encodewinners(r);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(Decodewinners(*bytes).Record, r);
        (r.*f)[7] = 32768;
        EXPECT_FALSE(Encodewinners(r));
        (r.*f)[7] = -32769;
        EXPECT_FALSE(Encodewinners(r));
    }
}

TEST(Winnersrecord, RefusesFieldsRunningPastTheRecordLength) {
    auto bytes = *Encodewinners(Winnersrecord{});
    // A name count larger than what is left of the record.
    bytes[8] = 0xFF;
    bytes[9] = 0xFF;
    EXPECT_EQ(Decodewinners(bytes).Fault, Recordfault::Pastrecord);
    // The same in a file far shorter than the record: the count alone decides.
    bytes.resize(100);
    EXPECT_EQ(Decodewinners(bytes).Fault, Recordfault::Pastrecord);

    // Names that fit but push the last population one byte past the record.
    Handwriter w;
    w.Raw({0, 0, 0, 0, 0, 0, 0, 0});
    w.Name(std::string(7041, 'x'));
    for (int i = 1; i < Nentries; ++i) w.U16(0);
    for (int i = 0; i < 2 * Nentries + 3 * Nslots; ++i) w.U16(0);
    ASSERT_EQ(w.Bytes.size(), 32393u);
    EXPECT_EQ(Decodewinners(w.Bytes).Fault, Recordfault::Pastrecord);
}

TEST(Winnersrecord, ShortFilesAreFlaggedAndExtraBytesIgnored) {
    Winnersrecord r;
    r.Player[0] = "Bea";
    r.Population[5] = 12;
    const auto bytes = *Encodewinners(r);
    const size_t used = r.Size();

    std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<long>(used) - 1);
    const Decodedrecord shortened = Decodewinners(cut);
    EXPECT_EQ(shortened.Fault, Recordfault::Short);
    EXPECT_EQ(shortened.Record.Player[0], "Bea"); // what is there is still read

    cut.assign(bytes.begin(), bytes.begin() + static_cast<long>(used)); // padding lost only
    EXPECT_EQ(Decodewinners(cut).Fault, Recordfault::None);
    EXPECT_EQ(Decodewinners(cut).Record, r);

    const Decodedrecord nothing = Decodewinners({});
    EXPECT_EQ(nothing.Fault, Recordfault::Short);
    EXPECT_EQ(nothing.Record.Duration[0], 0);

    auto longer = bytes;
    longer.resize(40000, 0xFF);
    EXPECT_EQ(Decodewinners(longer).Fault, Recordfault::None);
    EXPECT_EQ(Decodewinners(longer).Record, r);
}

Gamesetting Slotsetting(int length, bool unspecified, int order, int start, int hint, int repeat) {
    Gamesetting s;
    s.Codelength = length;
    s.Fixedlength = unspecified ? 0 : 1;
    s.Ordertype = static_cast<Orderkind>(order);
    s.Starttype = static_cast<Startkind>(start);
    s.Hinttype = static_cast<Hintkind>(hint);
    s.Maxrepeat = repeat;
    return s;
}

TEST(Settingslot, PlacesSettingsByLengthOrderStartHintAndRepeat) {
    EXPECT_EQ(Settingslot(Gamesetting{}), 0);
    EXPECT_EQ(Settingslot(Slotsetting(6, true, 2, 1, 2, 3)), 239);  // "Unspecified (3 - 6)"
    EXPECT_EQ(Settingslot(Slotsetting(8, false, 1, 2, 1, 8)), 643); // 5 + 22 + 616
    EXPECT_EQ(Settingslot(Slotsetting(8, true, 2, 2, 2, 8)), 703);
    EXPECT_EQ(Entryindex(5, 1), 5);
    EXPECT_EQ(Entryindex(0, 2), 704);

    // Every combination has a slot of its own, and the slots fill 0..703.
    std::set<int> seen;
    for (int key = 3; key <= 13; ++key)
        for (int o = 1; o <= 2; ++o)
            for (int st = 1; st <= 2; ++st)
                for (int h = 1; h <= 2; ++h)
                    for (int rep = 1; rep <= 8; ++rep)
                        seen.insert(Settingslot(
                            Slotsetting(key <= 8 ? key : key - 5, key > 8, o, st, h, rep)));
    EXPECT_EQ(seen.size(), 704u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 703);

    EXPECT_THROW(Settingslot(Slotsetting(3, false, 1, 1, 1, 9)), std::out_of_range);
    EXPECT_THROW(Settingslot(Slotsetting(9, false, 1, 1, 1, 1)), std::out_of_range);
    EXPECT_THROW(Settingslot(Slotsetting(3, true, 1, 1, 1, 1)), std::out_of_range);
    EXPECT_THROW(Settingslot(Slotsetting(3, false, 0, 1, 1, 1)), std::out_of_range);
    EXPECT_THROW(Settingslot(Slotsetting(3, false, 1, 3, 1, 1)), std::out_of_range);
}

TEST(Statistics, AddsAGameInSinglePrecision) {
    Winnersrecord r;
    EXPECT_TRUE(Addgame(r, 10, 4));
    EXPECT_EQ(r.Average[10], 4.0f);
    EXPECT_EQ(r.Population[10], 1);
    EXPECT_EQ(r.Average[11], 0.0f); // the neighbours stay as they were
    EXPECT_EQ(r.Population[11], 0);

    // Each step rounded to single precision gives 0x1.2c903ep+2; the same sum taken in double
    // precision and rounded once gives 0x1.2c903cp+2.
    r.Average[20] = 4.7f;
    r.Population[20] = 1000;
    Addgame(r, 20, 1);
    EXPECT_EQ(r.Average[20], 0x1.2c903ep+2f);
    EXPECT_EQ(r.Population[20], 1001);
}

TEST(Statistics, APopulationOf30000StillTakesAGameButNotOneAbove) {
    Winnersrecord r;
    r.Average[3] = 5.0f;
    r.Population[3] = 30000;
    EXPECT_TRUE(Addgame(r, 3, 30006));
    EXPECT_EQ(r.Population[3], 30001);
    EXPECT_EQ(r.Average[3], 6.0f);
    EXPECT_FALSE(Addgame(r, 3, 1));
    EXPECT_EQ(r.Population[3], 30001);
    EXPECT_EQ(r.Average[3], 6.0f);
    r.Population[3] = 32767;
    EXPECT_FALSE(Addgame(r, 3, 1));
    EXPECT_EQ(r.Population[3], 32767);
}

TEST(Statistics, ANegativePopulationStartsTheSlotAgain) {
    Winnersrecord r;
    r.Average[4] = 9.0f;
    r.Population[4] = -1; // would divide by zero
    EXPECT_TRUE(Addgame(r, 4, 6));
    EXPECT_EQ(r.Average[4], 6.0f);
    EXPECT_EQ(r.Population[4], 1);
}

} // namespace
} // namespace tc
