// The clouds and the bird in virtual time, with the raster copies carried out on plain pixel
// images the way the window carries them out on its own.
#include "windows/animation.h"

#include "engine/random.h"
#include "play/game.h"
#include "tests/play/gametesting.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tc {
namespace {

// The window's side of the bird: the board's pixels, the saved pixels and the sprite sheet, put
// in step with the game's pose by the game's own copies.
struct Boardpixels {
    Pixelimage Board, Reserve, Sheet;
    Birdpose Shown;
    Framesize Frame;

    explicit Boardpixels(Framesize f) : Reserve(f.Width, f.Height), Frame(f) {
        // A board with a different colour at every pixel, so any pixel out of place shows.
        Board = Pixelimage(800, 320);
        for (int y = 0; y < Board.Height; ++y)
            for (int x = 0; x < Board.Width; ++x)
                Board.Set(x, y, static_cast<uint32_t>((x * 2654435761u) ^ (y * 40503u)) & 0xFFFFFF);
        // Each frame: a bird of colour 0x1020F0 + frame in a diamond on black; its mask black
        // there and white around it.
        Sheet = Pixelimage(4 * f.Width, 2 * f.Height);
        for (int k = 0; k < 4; ++k)
            for (int y = 0; y < f.Height; ++y)
                for (int x = 0; x < f.Width; ++x) {
                    const bool body = std::abs(x - f.Width / 2) + std::abs(y - f.Height / 2) < 12;
                    Sheet.Set(k * f.Width + x, y, body ? 0x1020F0u + k : 0);
                    Sheet.Set(k * f.Width + x, f.Height + y, body ? 0 : 0xFFFFFF);
                }
    }
    void Apply(const std::vector<Blit>& blits) {
        for (const Blit& b : blits) {
            const Pixelimage& from = b.From == Surface::Board     ? Board
                                     : b.From == Surface::Reserve ? Reserve
                                                                  : Sheet;
            Pixelimage& to = b.To == Surface::Board ? Board : Reserve;
            Applyblit(b, from, to);
        }
    }
    void Follow(const Birdpose& now) {
        if (now == Shown) return;
        Apply(Birderase(Shown, Frame));
        if (now.Drawn) Apply(Birddraw(now, Frame));
        Shown = now;
    }
};

struct Animated : ::testing::Test, testkit::Virtualgame {
    Animation& ani = g.Main.Ani;
    Boardpixels px{g.Main.Ani.Frame};
    Pixelimage clean = px.Board;

    Animated() {
        // As the title does when it gives way to the main window.
        g.Tmrani.Enabled = true;
        clock.Sync();
        Act([&] { g.Menus.Menu_Click(Menucommand::Mnukey); });
    }
    void Settled() override { px.Follow(ani.Bird); }
    // Ticks of the animation timer, the board following each.
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            clock.advance(50);
            px.Follow(ani.Bird);
        }
    }
    // Plays wrong guesses until trial `t` is the one being played.
    void Playto(int t) {
        static const char* const digits = "0123456";
        while (g.Rec.Trial < t) {
            const int n = g.Rec.Trial; // distinct sorted triples of 0..6
            int k = 0;
            std::string s;
            for (int a = 0; a < 7 && s.empty(); ++a)
                for (int b = a + 1; b < 7 && s.empty(); ++b)
                    for (int c = b + 1; c < 7 && s.empty(); ++c)
                        if (k++ == n) s = {digits[a], digits[b], digits[c]};
            Play(s);
        }
    }
    // The board is the clean board except in the bird's rectangle, where it is the clean board
    // ANDed with the mask and ORed with the sprite of the frame shown.
    void Expectbirdover(const Birdpose& p) {
        const Framesize f = ani.Frame;
        int differing = 0;
        for (int y = 0; y < clean.Height; ++y)
            for (int x = 0; x < clean.Width; ++x) {
                const int u = x - p.X, v = y - p.Y;
                uint32_t want = clean.At(x, y);
                if (u >= 0 && u < f.Width && v >= 0 && v < f.Height) {
                    const int sx = p.Frame * f.Width + u;
                    want = (want & px.Sheet.At(sx, f.Height + v)) | px.Sheet.At(sx, v);
                }
                differing += px.Board.At(x, y) != want;
            }
        EXPECT_EQ(differing, 0) << "bird at " << p.X << "," << p.Y;
    }
};

TEST(Clouds, BackgroundShiftsThePanoramaRoundAndCoversTheSeam) {
    const int w = 30;
    Pixelimage back(w, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < w; ++x) back.Set(x, y, static_cast<uint32_t>(x + 100 * y));
    for (int o : {0, 1, 2, 13, w - 1}) {
        Pixelimage fore(w, 3, 0xABCDEF);
        for (const Blit& b : Backgroundblits(w, o)) Applyblit(b, back, fore);
        for (int y = 0; y < 3; ++y)
            for (int c = 0; c < w; ++c) {
                const bool seam = c >= o - 2 && c < o + 2;
                const int from = seam ? 5 + c - (o - 2) : (c - o + w) % w;
                EXPECT_EQ(fore.At(c, y), back.At(from, y)) << "offset " << o << " column " << c;
            }
    }
}

TEST_F(Animated, CloudsDriftAPixelEveryFiftyMillisecondsAndWrapAtTheWidth) {
    ani.Forewidth = 40;
    EXPECT_EQ(ani.Offset, 0);
    EXPECT_TRUE(g.Animator.Switchedon());
    clock.advance(49);
    EXPECT_EQ(ani.Offset, 0);
    clock.advance(1);
    EXPECT_EQ(ani.Offset, 1);
    // Every offset once a round: the last before the wrap is 39, and no copy reads past the
    // panorama's edge.
    clock.advance(50 * 38);
    EXPECT_EQ(ani.Offset, 39);
    clock.advance(50);
    EXPECT_EQ(ani.Offset, 0);
    EXPECT_FALSE(ani.Bird.Drawn);
}

TEST_F(Animated, BirdFliesInTheBandOfTheTrialAndReentersFromTheLeft) {
    Startyouguess("789");
    EXPECT_EQ(g.Rec.Trial, 0);
    const int offset = ani.Offset;
    Ticks(1);
    EXPECT_EQ(ani.Offset, offset); // the clouds rest while the bird flies
    EXPECT_TRUE(ani.Bird.Drawn);
    EXPECT_EQ(ani.Bird.X, -ani.Frame.Width + 5);
    EXPECT_EQ(ani.Bird.Y, 40); // before the first answer: the first line, 600 twips
    Playto(1);
    Ticks(1);
    EXPECT_EQ(ani.Bird.Y, 70); // 1050 twips
    Expectbirdover(ani.Bird);

    // Across the board and round again.
    ani.Boardwidth = 100;
    int wraps = 0, last = ani.Bird.X;
    for (int i = 0; i < 60; ++i) {
        Ticks(1);
        if (ani.Bird.X < last) {
            ++wraps;
            EXPECT_GT(last, 95);
            EXPECT_EQ(ani.Bird.X, -ani.Frame.Width);
        } else {
            EXPECT_EQ(ani.Bird.X, last + 5);
        }
        EXPECT_LE(ani.Bird.X, 100 + 5);
        last = ani.Bird.X;
    }
    EXPECT_EQ(wraps, 2);
    Expectbirdover(ani.Bird);

    Playto(4);
    Ticks(1);
    EXPECT_EQ(ani.Bird.Y, 100);
    Expectbirdover(ani.Bird);
    Playto(21);
    Ticks(1);
    EXPECT_EQ(ani.Bird.Y, 250);
    Playto(22);
    Ticks(1);
    EXPECT_EQ(ani.Bird.Y, 70); // back at the top, over rows already drawn
    Expectbirdover(ani.Bird);
}

TEST(Birdbands, DropEveryThreeTrialsAndRestartAtTrial22) {
    const int want[28] = {40,  70,  70,  70,  100, 100, 100, 130, 130, 130, 160, 160, 160, 190,
                          190, 190, 220, 220, 220, 250, 250, 250, 70,  70,  70,  100, 100, 100};
    for (int t = 0; t <= 27; ++t) EXPECT_EQ(Birdy(t), want[t]) << "trial " << t;
}

TEST_F(Animated, SwitchingOffErasesTheBirdAndOnBringsItBackFromTheLeft) {
    Startyouguess("789");
    Playto(22); // the top band lies over drawn rows
    Ticks(37);
    ASSERT_TRUE(ani.Bird.Drawn);
    Expectbirdover(ani.Bird);
    const Birdpose at = ani.Bird;

    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuani); });
    EXPECT_EQ(m.Tlbgame[6].Tooltip, "Switch on animation");
    EXPECT_FALSE(g.Animator.Switchedon());
    EXPECT_FALSE(g.Tmrani.Enabled);
    EXPECT_FALSE(ani.Bird.Drawn);
    EXPECT_EQ(px.Board, clean);
    Ticks(20);
    EXPECT_EQ(ani.Bird.X, at.X); // nothing moves while off
    EXPECT_EQ(px.Board, clean);

    Act([&] { g.Menus.Tlbgame_ButtonClick("Icoani"); });
    EXPECT_EQ(m.Tlbgame[6].Tooltip, "Switch off animation");
    EXPECT_TRUE(g.Animator.Switchedon());
    EXPECT_TRUE(g.Tmrani.Enabled);
    EXPECT_EQ(ani.Bird.X, -ani.Frame.Width);
    Ticks(1);
    EXPECT_EQ(ani.Bird.X, -ani.Frame.Width + 5);
    Expectbirdover(ani.Bird);
}

TEST_F(Animated, TheBirdLeavesTheBoardWhenTheGameEnds) {
    Startyouguess("789");
    Playto(3);
    Ticks(10);
    ASSERT_TRUE(ani.Bird.Drawn);
    // A win: the final board shows without the bird, and the clouds move again.
    for (char k : std::string("789")) ASSERT_TRUE(g.Guessentry.Txtinput_KeyPress(k));
    Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    ASSERT_EQ(g.Rec.Status, Gamestatus::Win);
    EXPECT_FALSE(ani.Bird.Drawn);
    EXPECT_EQ(px.Board, clean);
    const int offset = ani.Offset;
    Ticks(3);
    EXPECT_FALSE(ani.Bird.Drawn);
    EXPECT_EQ(ani.Offset, offset + 3);

    // The End Game question answered OK.
    Act([&] { g.Messagebutton(Boxbutton::Cmdr3); });
    Startyouguess("789");
    Ticks(5);
    ASSERT_TRUE(ani.Bird.Drawn);
    Act([&] { g.Menus.Menu_Click(Menucommand::Mnuend); });
    Act([&] { g.Messagebutton(Boxbutton::Cmdl2); });
    EXPECT_FALSE(ani.Bird.Drawn);
    EXPECT_EQ(px.Board, clean);
}

TEST_F(Animated, OutOfTimeTheBirdIsTakenOffAtTheNextTick) {
    // The hour runs out with the bird on the board: nothing in the game's end takes it off, so
    // the next tick does, as the clouds take over.
    Startyouguess("789");
    Ticks(1);
    ASSERT_TRUE(ani.Bird.Drawn);
    for (int minute = 0; minute <= 60 && g.Rec.Inplay(); ++minute) Ticks(1200);
    ASSERT_FALSE(g.Rec.Inplay());
    Ticks(1);
    EXPECT_FALSE(ani.Bird.Drawn);
    EXPECT_EQ(px.Board, clean);
}

} // namespace
} // namespace tc
