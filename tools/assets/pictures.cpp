// The pictures: the clouds panorama, the bird sprite sheet with its masks, the logo, and the
// colour box and title drawing they share with the title video.
#include "assets.h"
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tc::assets {

namespace {

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
double Smooth(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// Value noise on an integer lattice that repeats every `period` cells along x, so the panorama
// joins its own left edge without a seam.
double Lattice(int x, int y, int period, std::uint32_t seed) {
    x = ((x % period) + period) % period;
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 0x9E3779B1u) ^
                      (static_cast<std::uint32_t>(y) * 0x85EBCA77u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double Valuenoise(double x, double y, int period, std::uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = x - ix;
    const double fy = y - iy;
    const double ux = fx * fx * fx * (fx * (fx * 6 - 15) + 10);
    const double uy = fy * fy * fy * (fy * (fy * 6 - 15) + 10);
    const double a = Lattice(ix, iy, period, seed);
    const double b = Lattice(ix + 1, iy, period, seed);
    const double c = Lattice(ix, iy + 1, period, seed);
    const double d = Lattice(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * ux) * (1 - uy) + (c + (d - c) * ux) * uy;
}

// Fractal sum of octaves; each octave's period is a whole number of cells across the width.
double Fbm(double u, double v, int basecells, std::uint32_t seed) {
    double sum = 0;
    double amp = 0.5;
    double norm = 0;
    int cells = basecells;
    for (int o = 0; o < 5; ++o) {
        sum += amp * Valuenoise(u * cells, v * cells, cells, seed + 101u * o);
        norm += amp;
        amp *= 0.48;
        cells *= 2;
    }
    return sum / norm;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = Clamp01(t);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace

void Paintbox(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Soft shadow below the box gives it depth on any background.
    QRadialGradient shadow(c + QPointF(r * 0.15, r * 0.25), r * 1.15);
    shadow.setColorAt(0.75, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(r * 0.15, r * 0.25), r * 1.15, r * 1.15);

    QRadialGradient body(c - QPointF(r * 0.35, r * 0.4), r * 1.6);
    body.setColorAt(0.0, colour.lighter(170));
    body.setColorAt(0.35, colour);
    body.setColorAt(1.0, colour.darker(230));
    p.setBrush(body);
    p.setPen(QPen(colour.darker(300), std::max(0.6, r * 0.06)));
    p.drawEllipse(c, r, r);

    QRadialGradient shine(c - QPointF(r * 0.38, r * 0.45), r * 0.45);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c - QPointF(r * 0.38, r * 0.45), r * 0.45, r * 0.38);
    p.restore();
}

void Painttitle(QPainter& p, const QRectF& box, double pixelsize, double opacity) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(pixelsize)));
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromLatin1(Gametitle));
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(opacity);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(path.translated(pixelsize * 0.05, pixelsize * 0.07));
    const QRectF pb = path.boundingRect();
    QLinearGradient fill(pb.topLeft(), pb.bottomLeft());
    fill.setColorAt(0.0, QColor(255, 252, 225));
    fill.setColorAt(0.55, QColor(255, 214, 90));
    fill.setColorAt(1.0, QColor(225, 130, 30));
    p.setPen(QPen(QColor(40, 25, 70), std::max(1.0, pixelsize / 16), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QImage Clouds(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    const QColor zenith(48, 108, 198);
    const QColor horizon(160, 200, 240);
    const QColor cloudlit(255, 255, 255);
    const QColor cloudshade(168, 184, 210);
    // Noise coordinates: u spans the width once (so it wraps), v keeps the aspect ratio.
    auto density = [&](double x, double y) {
        const double u = x / width;
        const double v = y / width;
        const double detail = Fbm(u, v, 12, 7u);
        // Broad patches decide where clouds gather, leaving blue gaps between them.
        const double patches = Valuenoise(u * 5, v * 5 + 0.5, 5, 99u);
        const double yy = y / height;
        // Cloud bases are flatter than their tops: thin out quickly below the band.
        const double band = Smooth(0.08, 0.45, yy) * (1 - 0.7 * Smooth(0.78, 1.0, yy));
        return (detail * 0.9 + patches * 0.55) * band - 0.62;
    };
    for (int y = 0; y < height; ++y) {
        const double t = double(y) / (height - 1);
        const QColor sky = Mix(zenith, horizon, std::pow(t, 1.2));
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double d = density(x, y);
            const double cover = Smooth(0.0, 0.14, d);
            QColor c = sky;
            // Thin streaks high up, stretched along the wind.
            const double wisp = Fbm(double(x) / width, 4.0 * y / width + 3.0, 6, 41u);
            const double high = Smooth(0.56, 0.74, wisp) * (1 - Smooth(0.2, 0.55, t));
            c = Mix(c, cloudlit, 0.45 * high);
            if (cover > 0.0) {
                // Lit from above: where density grows downwards the surface faces the sun;
                // the lower parts of each cloud sit in its own shadow.
                const double slope = (d - density(x, y - 6)) * 5.0;
                const double light = Clamp01(0.75 + slope - 0.45 * Smooth(0.4, 1.0, t));
                const QColor cloud = Mix(cloudshade, cloudlit, light);
                c = Mix(c, cloud, cover * 0.97);
            }
            line[x] = c.rgb();
        }
    }
    return img;
}

QImage Birdsheet(int fw, int fh) {
    constexpr int Scale = 4; // drawn large and reduced, for smooth edges before thresholding
    QImage big(fw * 4 * Scale, fh * Scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(Scale, Scale);
    // Wing tips through one beat: raised, sweeping down, lowered, rising.
    const QPointF tips[4] = {{-5, -13}, {-12, -6}, {-5, 12}, {-12, 2}};
    const QColor back(40, 58, 110);
    const QColor belly(240, 228, 206);
    const QColor wingcolour(92, 132, 210);
    for (int f = 0; f < 4; ++f) {
        p.save();
        p.translate(f * fw + fw / 2.0, fh / 2.0 + 1);
        const QPointF tip = tips[f];
        auto wingpath = [&](QPointF t) {
            QPainterPath w;
            w.moveTo(5, -1);
            w.quadTo(3 + t.x() * 0.2, t.y() * 0.95, t.x(), t.y());
            w.quadTo(t.x() * 0.3 - 3, t.y() * 0.3, -5, 1);
            w.closeSubpath();
            return w;
        };
        // Far wing behind the body, darker.
        p.setPen(Qt::NoPen);
        p.setBrush(back.darker(130));
        p.drawPath(wingpath(tip + QPointF(4, -1.5)));
        // Forked tail.
        QPainterPath tail;
        tail.moveTo(-6, -1);
        tail.lineTo(-17, -4.5);
        tail.lineTo(-12.5, 0.8);
        tail.lineTo(-17, 5);
        tail.lineTo(-6, 2.5);
        tail.closeSubpath();
        p.setBrush(back);
        p.drawPath(tail);
        // Body: dark back, pale belly.
        QLinearGradient bodyfill(0, -4, 0, 5.5);
        bodyfill.setColorAt(0.0, back.lighter(125));
        bodyfill.setColorAt(0.5, back);
        bodyfill.setColorAt(0.6, belly);
        bodyfill.setColorAt(1.0, belly.darker(112));
        p.setBrush(bodyfill);
        p.drawEllipse(QPointF(-0.5, 1), 8.5, 4.6);
        // Head, beak and eye.
        p.setBrush(back.lighter(118));
        p.drawEllipse(QPointF(8, -1), 4.3, 4.0);
        QPainterPath beak;
        beak.moveTo(11.6, -2.1);
        beak.lineTo(16.2, -0.5);
        beak.lineTo(11.6, 0.9);
        beak.closeSubpath();
        p.setBrush(QColor(246, 168, 36));
        p.drawPath(beak);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(9.3, -2.0), 1.5, 1.5);
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(QPointF(9.8, -2.0), 0.8, 0.8);
        // Near wing over the body, lighter so the beat reads at a small size.
        QLinearGradient wingfill(QPointF(0, 0), tip);
        wingfill.setColorAt(0.0, wingcolour);
        wingfill.setColorAt(1.0, wingcolour.darker(135));
        p.setBrush(wingfill);
        p.setPen(QPen(back.darker(150), 0.6));
        p.drawPath(wingpath(tip));
        p.restore();
    }
    p.end();
    const QImage small = big.scaled(fw * 4, fh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    // The sprite is black where transparent and opaque colour elsewhere, as OR drawing needs; an
    // opaque pixel is never pure black, so the mask can be read back from the sprite alone.
    QImage sheet(fw * 4, fh, QImage::Format_RGB32);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw * 4; ++x) {
            const QRgb c = small.pixel(x, y);
            QRgb v = qRgb(0, 0, 0);
            if (qAlpha(c) >= 128)
                v = qRgb(std::max(1, qRed(c)), std::max(1, qGreen(c)), std::max(1, qBlue(c)));
            sheet.setPixel(x, y, v);
        }
    return sheet;
}

QImage Birdmask(const QImage& sheet) {
    QImage mask(sheet.size(), QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            mask.setPixel(
                x, y, (sheet.pixel(x, y) & 0xFFFFFF) == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

QImage Logo(int width, int height) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = std::min(height * 0.15, width / 10.0 * 0.42);
    const double step = (width - 4 * r) / 9.0;
    for (int i = 0; i < 10; ++i) Paintbox(p, QPointF(2 * r + i * step, r + 4), r, Boxcolours[i]);
    Painttitle(p, QRectF(0, 2 * r + 8, width, height - 2 * r - 10), height * 0.42);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace tc::assets
