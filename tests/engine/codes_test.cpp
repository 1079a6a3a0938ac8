#include "engine/codes.h"
#include "tests/play/gametesting.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace tc {
namespace {

using namespace testkit;

Hint Mark(const char* guess, const char* code, const Gamesetting& s) {
    return Markguess(Str(guess), Str(code), s);
}

// ---- Marking ----

TEST(Markguess, RandomOrderCountsBlackAndWhite) {
    const Gamesetting s = Makesetting(6, 4, Any, Random);
    Hint h = Mark("0011", "1100", s);
    EXPECT_EQ(h.black, 0);
    EXPECT_EQ(h.white, 4);
    h = Mark("0255", "0255", s);
    EXPECT_EQ(h.black, 4);
    EXPECT_EQ(h.white, 0);
    h = Mark("3310", "0255", s); // the first guess of the random-order example
    EXPECT_EQ(h.black, 0);
    EXPECT_EQ(h.white, 1);
    h = Mark("0042", "0255", s);
    EXPECT_EQ(h.black, 1);
    EXPECT_EQ(h.white, 1);
}

TEST(Markguess, FixedOrderGivesOneCount) {
    const Gamesetting s = Makesetting(6, 4, Any, Fixed);
    EXPECT_EQ(Mark("0011", "0111", s).black, 3);
    EXPECT_EQ(Mark("0133", "0255", s).black, 1);
    EXPECT_EQ(Mark("0445", "0255", s).black, 2);
    EXPECT_EQ(Mark("0555", "0255", s).black, 3);
    EXPECT_EQ(Mark("0255", "0255", s).black, 4);
}

TEST(Markguess, BlanksNeverScore) {
    const Gamesetting s = Makesetting(7, 5, Any, Random, true); // "Unspecified (3 - 5)"
    Hint h = Mark("01b2b", "0b12b", s);
    EXPECT_EQ(h.black, 2);
    EXPECT_EQ(h.white, 1);
    EXPECT_EQ(h.blanks, 1);
    EXPECT_FALSE(Breakscode(h, s, 2));

    // All colours against a code with blanks: at most L - blanks correct colours.
    h = Mark("01234", "01bb2", s);
    EXPECT_EQ(h.black, 2);
    EXPECT_EQ(h.white, 1);
    EXPECT_EQ(h.blanks, 0);

    const Gamesetting f = Makesetting(6, 4, Any, Fixed, true);
    h = Mark("012b", "01bb", f);
    EXPECT_EQ(h.black, 2);
    EXPECT_EQ(h.blanks, 1);
    EXPECT_FALSE(Breakscode(h, f, 2));
}

// Over every pair of codes of a small unspecified setting: black + white is the colour overlap
// without blanks, black the positional matches, and the code is broken exactly when equal.
TEST(Markguess, AgreesWithCountingOverAllPairs) {
    for (int order : {Fixed, Random}) {
        const Gamesetting s = Makesetting(6, 4, 2, order, true);
        const std::vector<Str> codes = Allcodes(s);
        for (const Str& g : codes)
            for (const Str& c : codes) {
                int overlap = 0, positional = 0, blanks = 0;
                for (char x : Str("012345")) overlap += std::min(Countchar(g, x), Countchar(c, x));
                for (int i = 0; i < s.Codelength; ++i) {
                    if (g[i] == c[i] && g[i] != 'b') ++positional;
                    if (g[i] == c[i] && g[i] == 'b') ++blanks;
                }
                const Hint h = Markguess(g, c, s);
                ASSERT_EQ(h.blanks, blanks) << g.view() << " " << c.view();
                if (order == Fixed) {
                    ASSERT_EQ(h.black, overlap) << g.view() << " " << c.view();
                } else {
                    ASSERT_EQ(h.black, positional) << g.view() << " " << c.view();
                    ASSERT_EQ(h.white, overlap - positional) << g.view() << " " << c.view();
                }
                ASSERT_EQ(Breakscode(h, s, Countchar(c, 'b')), g == c)
                    << g.view() << " " << c.view();
            }
    }
}

// ---- String helpers ----

TEST(Checkstring, RejectsOrderRepetitionAndBlankBreaches) {
    const Gamesetting fixed = Makesetting(5, 3, 1, Fixed);
    EXPECT_TRUE(Checkstring("024", "01234b", fixed));
    EXPECT_FALSE(Checkstring("102", "01234b", fixed));
    EXPECT_FALSE(Checkstring("0b1", "01234b", fixed)); // blank before a colour
    EXPECT_FALSE(Checkstring("01b", "01234b", fixed)); // Maxblanks 0
    EXPECT_FALSE(Checkstring("011", "01234b", fixed)); // "No repetition"

    const Gamesetting unspec = Makesetting(6, 4, 2, Fixed, true); // Maxblanks 1
    EXPECT_TRUE(Checkstring("011b", "012345b", unspec));
    EXPECT_FALSE(Checkstring("01bb", "012345b", unspec));
    EXPECT_FALSE(Checkstring("0111", "012345b", unspec));
    EXPECT_FALSE(Checkstring("0b11", "012345b", unspec));

    const Gamesetting random = Makesetting(6, 4, 2, Random, true);
    EXPECT_TRUE(Checkstring("b110", "012345b", random));
    EXPECT_FALSE(Checkstring("1b11", "012345b", random));
    EXPECT_FALSE(Checkstring("bb10", "012345b", random));
}

TEST(Checkstring, ValidcodeAlsoChecksLengthAndCharacters) {
    const Gamesetting s = Makesetting(6, 4, Any, Random);
    EXPECT_TRUE(Validcode("0255", s));
    EXPECT_FALSE(Validcode("025", s));
    EXPECT_FALSE(Validcode("02555", s));
    EXPECT_FALSE(Validcode("0265", s)); // colour 6 of 0..5
    EXPECT_FALSE(Validcode("025b", s)); // no blanks at a fixed length
    EXPECT_FALSE(Validcode("02#5", s));
}

TEST(Sortstring, DigitsAscendingBlanksLast) {
    Str s = "b3b10";
    Sortstring(s);
    EXPECT_EQ(s, "013bb");
    s = "5432";
    Sortstring(s);
    EXPECT_EQ(s, "2345");
    s = "0113bb";
    Sortstring(s);
    EXPECT_EQ(s, "0113bb");
    s = "bbb9";
    Sortstring(s);
    EXPECT_EQ(s, "9bbb");
}

TEST(Strings, ExpandCountcommonCountchar) {
    EXPECT_EQ(Expand("21", "03"), "003");
    EXPECT_EQ(Expand("0302", "1234"), "22244");
    EXPECT_EQ(Expand("", ""), "");
    EXPECT_EQ(Countcommon("055", "0255"), 3);
    EXPECT_EQ(Countcommon("045", "0445"), 3);
    EXPECT_EQ(Countcommon("0011", "1000"), 3);
    EXPECT_EQ(Countchar("0b1b", 'b'), 2);
}

// Equality looks at the length and the characters in use only, whatever a shortened string still
// holds beyond its end, at every length.
TEST(Strings, EqualityComparesTheCharactersInUse) {
    const std::string_view text = "0123456789b0123456789bb";
    for (int n = 0; n <= Str::Capacity; ++n)
        for (int m = 0; m <= Str::Capacity; ++m)
            for (int changed = -1; changed < m; ++changed) {
                const Str a(text.substr(0, static_cast<size_t>(n)));
                Str b(text);
                b.resize(m);
                if (changed >= 0) b[changed] = 'x';
                EXPECT_EQ(a == b, a.view() == b.view()) << n << " " << m << " " << changed;
            }
}

TEST(Isnewstring, LooksAtEarlierTrialsOnly) {
    Gamesetting s = Makesetting(6, 4, Any, Random);
    Gamerecord r;
    r.Trial = 1;
    r.Currentstring = "0123";
    EXPECT_TRUE(Isnewstring(r, s)); // first trial of a game
    r.Guesses[1] = "0123";
    EXPECT_TRUE(Isnewstring(r, s)); // the computer's trial counter already counts this guess
    r.Trial = 2;
    EXPECT_FALSE(Isnewstring(r, s));
    s.Whoguess = Role::Youguess; // "You guess": the counter holds the finished trials
    r.Trial = 1;
    EXPECT_FALSE(Isnewstring(r, s));
    r.Currentstring = "0124";
    EXPECT_TRUE(Isnewstring(r, s));
}

// ---- Random codes ----

std::vector<Gamesetting> Everykind() {
    std::vector<Gamesetting> out;
    for (int order : {Fixed, Random})
        for (bool unspecified : {false, true})
            for (int colours : {5, 6, 7, 10})
                for (int length = 3; length <= colours - 2; ++length) {
                    if (unspecified && length < 4) continue;
                    for (int rep : {1, 2, length - 1, Any})
                        if (rep >= 1 && rep <= length)
                            out.push_back(Makesetting(colours, length, rep, order, unspecified));
                }
    return out;
}

// The draw's mapping is the program's own: the same numbers from the same seed everywhere.
TEST(Seededrandom, MapsTheEnginesOutputOntoTheUnitInterval) {
    EXPECT_EQ(Seededrandom::Unitinterval(0), 0.0);
    EXPECT_EQ(Seededrandom::Unitinterval(uint64_t{1} << 63), 0.5);
    EXPECT_EQ(Seededrandom::Unitinterval(3), 3 * 0x1p-64);
    EXPECT_EQ(Seededrandom::Unitinterval(~uint64_t{0}), 0x1.fffffffffffffp-1); // never 1
    Seededrandom rnd(5489);
    std::mt19937_64 engine(5489);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(rnd.Rnd(), Seededrandom::Unitinterval(engine()));
}

TEST(Makecode, StaysWithinTheSettingsLimits) {
    Seededrandom rnd(20240601);
    for (const Gamesetting& s : Everykind()) {
        std::map<int, int> blankcounts;
        std::map<int, int> mostcopies;
        const int draws = 600;
        for (int n = 0; n < draws; ++n) {
            Gamerecord r;
            Makecode("Answer", r, s, rnd);
            ASSERT_TRUE(Validcode(r.Answer, s)) << Describe(s) << ": " << r.Answer.view();
            ASSERT_EQ(r.Answerblanks, Countchar(r.Answer, 'b')) << Describe(s);
            if (s.Fixedorder()) {
                Str sorted = r.Answer;
                Sortstring(sorted);
                ASSERT_EQ(sorted, r.Answer) << Describe(s);
            }
            ++blankcounts[r.Answerblanks];
            int most = 0;
            for (char c : Alphabet(s)) most = std::max(most, Countchar(r.Answer, c));
            ++mostcopies[most];
        }
        // Blank counts: uniform over 0..Maxblanks (only 0 at a fixed length).
        ASSERT_EQ(static_cast<int>(blankcounts.size()), s.Maxblanks + 1) << Describe(s);
        const double expected = static_cast<double>(draws) / (s.Maxblanks + 1);
        for (const auto& [blanks, n] : blankcounts)
            EXPECT_NEAR(n, expected, expected * 0.35) << Describe(s) << ", " << blanks << " blanks";
        // A repetition limit above 1 is actually reached.
        EXPECT_EQ(mostcopies.rbegin()->first, s.Maxrepeat > 1 ? s.Maxrepeat : 1) << Describe(s);
    }
}

TEST(Makecode, GuessstrAvoidsAnswerAndEarlierRows) {
    // 5 colours, length 3, "No repetition", fixed order: only ten codes, so with the answer and
    // eight earlier rows taken exactly one string is left.
    const Gamesetting s = Makesetting(5, 3, 1, Fixed);
    const std::vector<Str> codes = Allcodes(s);
    ASSERT_EQ(codes.size(), 10u);
    Seededrandom rnd(7);
    for (size_t left = 0; left < codes.size(); ++left) {
        Gamerecord r;
        r.Answer = codes[(left + 1) % codes.size()];
        int t = 0;
        for (size_t i = 0; i < codes.size(); ++i)
            if (i != left && !(codes[i] == r.Answer)) r.Guesses[++t] = codes[i];
        r.Trial = t + 1;
        for (int n = 0; n < 20; ++n) {
            Makecode("Guessstr", r, s, rnd);
            EXPECT_EQ(r.Currentstring, codes[left]);
        }
    }
    // A roomier setting: many draws, never the answer nor an earlier row.
    const Gamesetting big = Makesetting(6, 4, 2, Random, true);
    Gamerecord r;
    r.Answer = "01b2";
    for (int t = 1; t <= 8; ++t) {
        r.Trial = t;
        Makecode("Guessstr", r, big, rnd);
        ASSERT_TRUE(Validcode(r.Currentstring, big));
        ASSERT_FALSE(r.Currentstring == r.Answer);
        for (int u = 1; u < t; ++u) ASSERT_FALSE(r.Currentstring == r.Guesses[u]);
        r.Guesses[t] = r.Currentstring;
    }
}

TEST(Shufflecolours, UniformPermutation) {
    Seededrandom rnd(99);
    const Gamesetting s = Makesetting(5, 3, 1, Random);
    std::map<std::string, int> seen;
    int firstplace[5] = {};
    const int draws = 60000;
    for (int n = 0; n < draws; ++n) {
        const Str p = Shufflecolours(s, rnd);
        Str sorted = p;
        Sortstring(sorted);
        ASSERT_EQ(sorted, "01234") << p.view();
        ++seen[p.str()];
        ++firstplace[p[0] - '0'];
    }
    ASSERT_EQ(seen.size(), 120u);
    for (const auto& [p, n] : seen) EXPECT_NEAR(n, 500, 125) << p;
    for (int c = 0; c < 5; ++c) EXPECT_NEAR(firstplace[c], draws / 5, 600) << c;

    const Gamesetting ten = Makesetting(10, 8, Any, Random);
    Str p = Shufflecolours(ten, rnd);
    Sortstring(p);
    EXPECT_EQ(p, "0123456789");
}

} // namespace
} // namespace tc
