#pragma once
// The two animations as plain state and raster copies: the clouds drifting across the idle
// picture `Picfore` and the bird flying over the board `Picrecord` in timed games. The game moves
// the state on each `Tmrani` tick; what is to be copied where is a list of `Blit`s, which the
// window carries out on its images and the tests on `Pixelimage`s.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tc {

// The pictures the copies read and write: the cloud panorama `Picback`, the idle picture
// `Picfore`, the board `Picrecord`, the bird's sprite sheet `Picbird` (the four frames side by
// side, their pictures in the top half and their masks in the bottom half) and `Picreserve`, the
// board pixels under the bird.
enum class Surface { Back, Fore, Board, Sheet, Reserve };

// Copy replaces; And keeps the destination where the source is white (the mask); Or adds the
// source where the destination is black (the sprite on its black ground).
enum class Rasterop { Copy, And, Or };

struct Blit {
    Surface From, To;
    int Sx, Sy;        // source's top left
    int Width, Height; // the rectangle copied
    int Dx, Dy;        // destination's top left
    Rasterop Op;
    bool operator==(const Blit&) const = default;
};

// A picture as pixels 0xRRGGBB, for the tests and any caller without a toolkit.
struct Pixelimage {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;
    Pixelimage() = default;
    Pixelimage(int w, int h, uint32_t fill = 0)
        : Width(w), Height(h),
          Pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    void Set(int x, int y, uint32_t v) { Pixels[static_cast<std::size_t>(y) * Width + x] = v; }
    bool operator==(const Pixelimage&) const = default;
};

// Carries out one copy; the parts outside either picture are left out, as a window's raster
// copy clips them.
void Applyblit(const Blit& b, const Pixelimage& from, Pixelimage& to);

// The size of one frame of the bird.
struct Framesize {
    int Width = 40, Height = 30;
};

// Where the bird is and whether it is on the board (its pixels saved in `Picreserve`).
struct Birdpose {
    int X = 0, Y = 0, Frame = 0;
    bool Drawn = false;
    bool operator==(const Birdpose&) const = default;
};

struct Animation {
    // Cloud scroll: the offset of `Picback`'s left edge in `Picfore`, 0 .. Forewidth - 1.
    int Offset = 0;
    int Forewidth = 1600; // `Picfore` and `Picback`, in pixels: the window sets the panorama's
    int Boardwidth = 780; // `Picrecord` in pixels: three columns of 3900 twips
    Framesize Frame;
    Birdpose Bird;
    int Moves = 0; // counts every change of the pictures, so a window repaints only on change
};

// The next cloud offset: one pixel on, back to 0 at the panorama's width, so every offset shows
// once a round and no copy reads beyond `Picback`.
int Nextoffset(int offset, int width);

// `Background`: `Picback` copied into `Picfore` shifted right by `offset` and wrapped round, then
// a 4-pixel strip of `Picback` from column 5 laid over the seam.
std::vector<Blit> Backgroundblits(int width, int offset);

// The bird's top edge in pixels for `Trial` (the trials answered): one band lower every three
// trials, back to the top at trial 22; a band is a line of the board, 450 twips at 15 twips to
// the pixel.
int Birdy(int trial);

// One move of the bird: its pose after the tick (x on by 5, re-entering from the left past the
// board's width; the band of the trial; the next frame).
Birdpose Movebird(const Birdpose& now, int trial, int boardwidth, Framesize frame);

// The copies that take the bird off the board: its saved pixels back in place. None when it is
// not drawn.
std::vector<Blit> Birderase(const Birdpose& pose, Framesize frame);
// The copies that put the bird on: the board pixels under it saved, the mask ANDed, the picture
// ORed.
std::vector<Blit> Birddraw(const Birdpose& pose, Framesize frame);

} // namespace tc
