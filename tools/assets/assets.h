#pragma once
// The installation's data files: what each generator produces and the checker reads back.
#include "bytes.h"
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <array>
#include <string>

namespace tc::assets {

// The ten colours of the colour panel, in colour order 0..9.
inline const std::array<QColor, 10> Boxcolours = {
    QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x80, 0x00), QColor(0xFF, 0xFF, 0x00),
    QColor(0x00, 0xFF, 0x00), QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0x00, 0xFF),
    QColor(0xFF, 0x00, 0xFF), QColor(0xFF, 0xC0, 0xFF), QColor(0xC0, 0x40, 0x00),
    QColor(0x80, 0x80, 0x80)};

inline const char* const Gametitle = "Tintcipher";

// A glossy round colour box of the given radius centred at c.
void Paintbox(QPainter& p, QPointF c, double radius, const QColor& colour);
// The title word with an outline and a warm gradient fill, centred on the rectangle.
void Painttitle(QPainter& p, const QRectF& box, double pixelsize, double opacity = 1.0);

// Pictures.
QImage Clouds(int width, int height);
QImage Birdsheet(int framewidth, int frameheight); // black where transparent
QImage Birdmask(const QImage& sheet);              // white where transparent, black on the bird
QImage Logo(int width, int height);
// The program's icon of `size` pixels square: the shapes of data/tintcipher.svg, drawn anew at
// each size so that the small ones stay sharp.
QImage Appicon(int size);

// Icons and cursors: whole file contents.
Bytes Messageicon(char kind); // 'X', '?', '!', 'i'
Bytes Waitcursor();
Bytes Handcursor();
// An ICO (type 1) or CUR (type 2) container of 32-bit BMP entries; hotspots only for cursors.
struct Iconentry {
    QImage image;
    int hotx = 0;
    int hoty = 0;
};
Bytes Icocontainer(const std::vector<Iconentry>& entries, bool cursor);

// Sounds and music: whole file contents.
Bytes Reminderwav();
Bytes Tadawav();
Bytes Canyonmidi();

// The title video: whole file contents.
Bytes Titlevideo();

// Writes every file below the program folder; returns false with a message on failure.
bool Generateall(const QString& folder, std::string& error);
// Reads every file back and verifies its format; prints one line per file.
bool Checkall(const QString& folder);
// The desktop icons, "<n>x<n>/apps/tintcipher.png" below a hicolor theme folder.
inline constexpr int Appiconsizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
bool Writeicons(const QString& hicolor);

} // namespace tc::assets
