#pragma once
// A picture control as a display list of drawing commands in twips (1/1440 inch). The game draws
// by appending commands; the binding paints the list, scaled to the screen.
#include "shell/controls.h"
#include <cstdint>
#include <string>
#include <vector>

namespace tc {

using Rgb = uint32_t; // 0xRRGGBB

struct Drawbox {
    int X = 0, Y = 0, Width = 0, Height = 0; // twips
    Rgb Outline = 0x000000;
    bool Dotted = false;
    bool Filled = true;
    Rgb Fill = 0xFFFFFF;
};

struct Drawtext {
    int X = 0, Y = 0; // twips, top left of the text
    std::string Text;
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    Rgb Colour = 0x000000;
};

struct Drawop {
    enum class Kind { Box, Text, Image } What = Kind::Box;
    Drawbox Box;
    Drawtext Text;
    std::string Image; // picture file relative to the program folder, drawn at Box.X/Box.Y
};

struct Picture : Control {
    std::vector<Drawop> Ops;
    Rgb Background = 0xC0C0C0;
    int Borderstyle = 1; // 1 a border, 0 none
    int Revision = 0;    // counts changes, so a binding repaints only what changed

    void Cls() {
        Ops.clear();
        ++Revision;
    }
    void Box(const Drawbox& b) {
        Ops.push_back({Drawop::Kind::Box, b, {}, {}});
        ++Revision;
    }
    void Print(const Drawtext& t) {
        Ops.push_back({Drawop::Kind::Text, {}, t, {}});
        ++Revision;
    }
    void Image(const std::string& file, int x = 0, int y = 0) {
        Drawop op;
        op.What = Drawop::Kind::Image;
        op.Box.X = x;
        op.Box.Y = y;
        op.Image = file;
        Ops.push_back(op);
        ++Revision;
    }
};

} // namespace tc
