// The four message icons and the two mouse pointers, and the ICO/CUR container they are stored in.
#include "assets.h"
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace tc::assets {

namespace {

QPainterPath Glyph(const QString& text, const QString& family, double pixelsize, QPointF centre) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(pixelsize)));
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(centre - path.boundingRect().center());
    return path;
}

void Disc(QPainter& p, double s, const QColor& colour) {
    const QPointF c(s / 2, s / 2);
    const double r = s / 2 - s / 32.0;
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.35), r * 1.5);
    g.setColorAt(0.0, colour.lighter(165));
    g.setColorAt(0.5, colour);
    g.setColorAt(1.0, colour.darker(190));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(260), std::max(1.0, s / 32.0)));
    p.drawEllipse(c, r - s / 64.0, r - s / 64.0);
}

QImage Drawicon(char kind, int s) {
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(s / 2.0, s / 2.0);
    switch (kind) {
    case 'X': {
        Disc(p, s, QColor(214, 30, 30));
        const double a = s * 0.2;
        p.setPen(QPen(Qt::white, s * 0.13, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
        p.drawLine(c + QPointF(a, -a), c + QPointF(-a, a));
        break;
    }
    case '?':
        Disc(p, s, QColor(30, 90, 220));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(Glyph("?", "DejaVu Sans", s * 0.72, c + QPointF(0, s * 0.01)));
        break;
    case 'i':
        Disc(p, s, QColor(30, 90, 220));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(Glyph("i", "DejaVu Serif", s * 0.72, c + QPointF(0, s * 0.01)));
        break;
    case '!': {
        const double m = s / 32.0;
        QPainterPath tri;
        tri.moveTo(s / 2.0, 2 * m);
        tri.lineTo(s - 1.5 * m, s - 3 * m);
        tri.lineTo(1.5 * m, s - 3 * m);
        tri.closeSubpath();
        QLinearGradient g(0, 0, 0, s);
        g.setColorAt(0.0, QColor(255, 240, 120));
        g.setColorAt(1.0, QColor(240, 190, 0));
        p.setBrush(g);
        p.setPen(QPen(QColor(120, 80, 0), std::max(1.0, 1.6 * m), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(tri);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(Glyph("!", "DejaVu Sans", s * 0.6, QPointF(s / 2.0, s * 0.6)));
        break;
    }
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Drawhourglass(int s) {
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double m = s / 32.0;
    // Glass: two bulbs meeting at the waist.
    QPainterPath glass;
    glass.moveTo(9 * m, 5 * m);
    glass.lineTo(23 * m, 5 * m);
    glass.cubicTo(23 * m, 12 * m, 17.5 * m, 14 * m, 17.5 * m, 16 * m);
    glass.cubicTo(17.5 * m, 18 * m, 23 * m, 20 * m, 23 * m, 27 * m);
    glass.lineTo(9 * m, 27 * m);
    glass.cubicTo(9 * m, 20 * m, 14.5 * m, 18 * m, 14.5 * m, 16 * m);
    glass.cubicTo(14.5 * m, 14 * m, 9 * m, 12 * m, 9 * m, 5 * m);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 240, 255));
    p.drawPath(glass);
    // Sand: a little left on top, a heap below, and the thin stream between.
    p.save();
    p.setClipPath(glass);
    p.setBrush(QColor(236, 184, 60));
    p.drawRect(QRectF(8 * m, 11 * m, 16 * m, 5 * m));
    QPainterPath heap;
    heap.moveTo(8 * m, 27 * m);
    heap.quadTo(16 * m, 18 * m, 24 * m, 27 * m);
    heap.closeSubpath();
    p.drawPath(heap);
    p.drawRect(QRectF(15.4 * m, 15 * m, 1.2 * m, 8 * m));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1.3 * m));
    p.drawPath(glass);
    // Wooden end caps.
    QLinearGradient wood(0, 0, 0, 3 * m);
    wood.setColorAt(0.0, QColor(170, 100, 40));
    wood.setColorAt(1.0, QColor(110, 60, 20));
    p.setPen(QPen(Qt::black, 1.0 * m));
    for (double y : {2.0, 27.0}) {
        wood.setStart(0, y * m);
        wood.setFinalStop(0, (y + 3) * m);
        p.setBrush(wood);
        p.drawRoundedRect(QRectF(6 * m, y * m, 20 * m, 3 * m), m, m);
    }
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QImage Drawhand(int s) {
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double m = s / 32.0;
    auto rr = [&](double x, double y, double w, double h, double r) {
        QPainterPath q;
        q.addRoundedRect(QRectF(x * m, y * m, w * m, h * m), r * m, r * m);
        return q;
    };
    // Index finger pointing up, three curled fingers, the palm and the thumb.
    QPainterPath hand = rr(9, 0.8, 5, 17, 2.5);
    hand = hand.united(rr(13.5, 10, 4.8, 9, 2.4));
    hand = hand.united(rr(18, 11, 4.8, 9, 2.4));
    hand = hand.united(rr(22.5, 12.5, 4.5, 8, 2.2));
    hand = hand.united(rr(9, 15, 18.5, 12, 4));
    QPainterPath thumb;
    thumb.moveTo(10 * m, 24 * m);
    thumb.cubicTo(6 * m, 21 * m, 3 * m, 17 * m, 4.5 * m, 15.5 * m);
    thumb.cubicTo(6 * m, 14 * m, 9 * m, 16.5 * m, 11 * m, 18 * m);
    thumb.closeSubpath();
    hand = hand.united(thumb);
    hand = hand.united(rr(11, 25, 14, 5.5, 1)); // the cuff
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.2 * m, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1.0 * m, Qt::SolidLine, Qt::RoundCap));
    for (double x : {18.0, 22.5}) p.drawLine(QPointF(x * m, 13 * m), QPointF(x * m, 18 * m));
    p.drawLine(QPointF(13.5 * m, 12 * m), QPointF(13.5 * m, 17 * m));
    p.drawLine(QPointF(11 * m, 25 * m), QPointF(25 * m, 25 * m));
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

Bytes Icocontainer(const std::vector<Iconentry>& entries, bool cursor) {
    std::vector<Bytes> bodies;
    for (const auto& e : entries) {
        const QImage img = e.image.convertToFormat(QImage::Format_ARGB32);
        const int w = img.width();
        const int h = img.height();
        const int maskrow = ((w + 31) / 32) * 4;
        Writer b;
        // BITMAPINFOHEADER; the height counts the colour rows and the AND mask rows.
        b.Le32(40);
        b.Le32(w);
        b.Le32(2 * h);
        b.Le16(1);
        b.Le16(32);
        b.Le32(0);
        b.Le32(w * h * 4 + maskrow * h);
        b.Le32(0);
        b.Le32(0);
        b.Le32(0);
        b.Le32(0);
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = img.pixel(x, y);
                b.U8(qBlue(c));
                b.U8(qGreen(c));
                b.U8(qRed(c));
                b.U8(qAlpha(c));
            }
        // AND mask, set where transparent, for readers that ignore the alpha channel.
        for (int y = h - 1; y >= 0; --y) {
            std::vector<std::uint8_t> row(maskrow, 0);
            for (int x = 0; x < w; ++x)
                if (qAlpha(img.pixel(x, y)) < 128) row[x / 8] |= 0x80 >> (x % 8);
            for (auto v : row) b.U8(v);
        }
        bodies.push_back(std::move(b.data));
    }
    Writer out;
    out.Le16(0);
    out.Le16(cursor ? 2 : 1);
    out.Le16(static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        out.U8(e.image.width() >= 256 ? 0 : e.image.width());
        out.U8(e.image.height() >= 256 ? 0 : e.image.height());
        out.U8(0);
        out.U8(0);
        out.Le16(cursor ? e.hotx : 1);
        out.Le16(cursor ? e.hoty : 32);
        out.Le32(static_cast<std::uint32_t>(bodies[i].size()));
        out.Le32(offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& b : bodies) out.Append(b);
    return out.data;
}

Bytes Messageicon(char kind) {
    return Icocontainer({{Drawicon(kind, 32)}, {Drawicon(kind, 16)}}, false);
}

Bytes Waitcursor() {
    return Icocontainer({{Drawhourglass(32), 16, 16}}, true);
}

Bytes Handcursor() {
    return Icocontainer({{Drawhand(32), 11, 1}}, true);
}

QImage Appicon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#2a63ad"));
    p.drawRoundedRect(QRectF(6, 6, 116, 116), 18, 18);
    p.setPen(QPen(QColor("#10284a"), 2));
    const char* boxes[] = {"#e03e3e", "#f2b72b", "#3ba858"};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(QColor(boxes[i]));
        p.drawEllipse(QPointF(34 + 30 * i, 44), 13, 13);
    }
    p.setPen(QPen(QColor("#202020"), 1.5));
    const char* marks[] = {"#151515", "#151515", "#f5f5f5", "#f5f5f5"};
    for (int i = 0; i < 4; ++i) {
        p.setOpacity(i == 3 ? 0.35 : 1.0);
        p.setBrush(QColor(marks[i]));
        p.drawRect(QRectF(27 + 22 * i, 80, 16, 16));
    }
    return img;
}

} // namespace tc::assets
