#pragma once
// A picture control as a display list of drawing commands in twips (1/1440 inch). The game draws
// by appending commands; the binding paints the list, scaled to the screen.
#include "windows/controls.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tc {

using Rgb = uint32_t; // 0xRRGGBB

// How light a colour looks, 0 for black to 1 for white (sRGB relative luminance).
inline double Luminance(Rgb rgb) {
    auto linear = [](unsigned v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
           0.0722 * linear(rgb & 0xFF);
}

// How well one colour stands out against another: 1 (not at all) to 21 (black on white).
inline double Contrastratio(Rgb a, Rgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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
    // What the drawing shows, in words for a screen reader: one line per row, by row number.
    std::map<int, std::string> Spoken;

    void Cls() {
        Ops.clear();
        Spoken.clear();
        ++Revision;
    }
    // The spoken lines in row order, one to a line; without any, the texts printed, in order.
    std::string Spokentext() const {
        std::string out;
        const auto add = [&out](const std::string& line) {
            out += (out.empty() ? "" : "\n") + line;
        };
        for (const auto& [row, line] : Spoken) add(line);
        if (Spoken.empty())
            for (const Drawop& op : Ops)
                if (op.What == Drawop::Kind::Text && !op.Text.Text.empty()) add(op.Text.Text);
        return out;
    }
    void Box(const Drawbox& b) {
        Ops.push_back({Drawop::Kind::Box, b, {}, {}});
        ++Revision;
    }
    void Print(const Drawtext& t) {
        Ops.push_back({Drawop::Kind::Text, {}, t, {}});
        ++Revision;
    }
    // Cls, then Image(file): the same list and revision, keeping the buffers of a list that
    // holds one command (a demo or simulation changes its logo twice a game).
    void Replaceimage(std::string_view file) {
        if (Ops.size() != 1) {
            Cls();
            Image(std::string(file));
            return;
        }
        Spoken.clear();
        Drawop& op = Ops.front();
        op.What = Drawop::Kind::Image;
        op.Box = Drawbox{};
        op.Text = Drawtext{};
        op.Image.assign(file);
        Revision += 2;
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
