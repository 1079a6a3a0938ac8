#include "ui/scenery.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace tc::ui {

namespace {

void Cloud(QPainter& p, QPointF at, double size) {
    QPainterPath cloud;
    cloud.addEllipse(at, size * 1.1, size * 0.55);
    cloud.addEllipse(at + QPointF(-size * 0.6, size * 0.1), size * 0.6, size * 0.4);
    cloud.addEllipse(at + QPointF(size * 0.2, -size * 0.35), size * 0.55, size * 0.5);
    cloud.addEllipse(at + QPointF(size * 0.8, size * 0.05), size * 0.5, size * 0.38);
    cloud.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(cloud.translated(size * 0.06, size * 0.08));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawPath(cloud);
}

const QColor Boxcolours[6] = {QColor(0xe0, 0x3e, 0x3e), QColor(0xf2, 0xb7, 0x2b),
                              QColor(0x3b, 0xa8, 0x58), QColor(0x2f, 0x7b, 0xd6),
                              QColor(0x8e, 0x4f, 0xc8), QColor(0xf0, 0x7d, 0x2e)};

void Colourbox(QPainter& p, QPointF at, double r, const QColor& c) {
    QRadialGradient shine(at - QPointF(r * 0.35, r * 0.35), r * 1.3);
    shine.setColorAt(0, c.lighter(150));
    shine.setColorAt(0.5, c);
    shine.setColorAt(1, c.darker(140));
    p.setPen(QPen(c.darker(170), std::max(1.0, r * 0.08)));
    p.setBrush(shine);
    p.drawEllipse(at, r, r);
}

} // namespace

void Paintsky(QPainter& p, const QRect& area) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x2a, 0x6f, 0xc4));
    sky.setColorAt(0.6, QColor(0x7f, 0xb8, 0xea));
    sky.setColorAt(1, QColor(0xd6, 0xec, 0xfb));
    p.fillRect(area, sky);

    const double w = area.width(), h = area.height();
    const double unit = std::min(w, h * 1.4) / 10;
    Cloud(p, area.topLeft() + QPointF(w * 0.16, h * 0.18), unit * 0.9);
    Cloud(p, area.topLeft() + QPointF(w * 0.78, h * 0.12), unit * 0.7);
    Cloud(p, area.topLeft() + QPointF(w * 0.8, h * 0.84), unit * 1.0);
    Cloud(p, area.topLeft() + QPointF(w * 0.1, h * 0.86), unit * 0.6);

    QFont title("Serif");
    title.setPixelSize(std::max(18, static_cast<int>(unit * 1.25)));
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    const QRectF band(area.left(), area.top() + h * 0.32, w, unit * 1.8);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(band.translated(unit * 0.04, unit * 0.05), Qt::AlignCenter, "Tintcipher");
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, "Tintcipher");

    const double r = unit * 0.28;
    const double y = band.bottom() + r * 1.6;
    for (int i = 0; i < 6; ++i)
        Colourbox(p, QPointF(area.left() + w / 2 + (i - 2.5) * r * 2.8, y), r, Boxcolours[i]);

    QFont sub("Sans Serif");
    sub.setPixelSize(std::max(11, static_cast<int>(unit * 0.3)));
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 230));
    p.drawText(QRectF(area.left(), y + r * 1.6, w, unit * 0.6), Qt::AlignCenter,
               "A game of code-breaking");
}

void Paintlogo(QPainter& p, const QRect& area) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(area.topLeft(), area.bottomRight());
    back.setColorAt(0, QColor(0x3a, 0x7f, 0xd0));
    back.setColorAt(1, QColor(0x1f, 0x4e, 0x8f));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(area, area.width() * 0.12, area.width() * 0.12);
    const double r = area.width() / 10.0;
    for (int i = 0; i < 4; ++i)
        Colourbox(
            p,
            QPointF(area.left() + area.width() * (0.2 + i * 0.2), area.top() + area.height() * 0.4),
            r, Boxcolours[i]);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
        p.setBrush(i < 2 ? QColor(0x15, 0x15, 0x15) : QColor(0xf5, 0xf5, 0xf5));
        const double s = r * 0.9;
        p.drawRect(QRectF(area.left() + area.width() * (0.2 + i * 0.2) - s / 2,
                          area.top() + area.height() * 0.72 - s / 2, s, s));
    }
}

void Paintcup(QPainter& p, const QRect& area) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF a = QRectF(area).adjusted(2, 2, -2, -2);
    const double w = a.width(), h = a.height();
    QLinearGradient gold(a.topLeft(), a.topRight());
    gold.setColorAt(0, QColor(0xb8, 0x86, 0x0b));
    gold.setColorAt(0.45, QColor(0xff, 0xe0, 0x6a));
    gold.setColorAt(1, QColor(0xa0, 0x70, 0x08));
    const QPen edge(QColor(0x7a, 0x55, 0x05), 1);
    p.setPen(QPen(QColor(0xb8, 0x86, 0x0b), w * 0.06));
    p.setBrush(Qt::NoBrush);
    // The handles.
    p.drawArc(QRectF(a.left() + w * 0.04, a.top() + h * 0.12, w * 0.3, h * 0.3), 90 * 16, 180 * 16);
    p.drawArc(QRectF(a.right() - w * 0.34, a.top() + h * 0.12, w * 0.3, h * 0.3), 270 * 16,
              180 * 16);
    p.setPen(edge);
    p.setBrush(gold);
    QPainterPath bowl;
    bowl.moveTo(a.left() + w * 0.2, a.top() + h * 0.08);
    bowl.lineTo(a.right() - w * 0.2, a.top() + h * 0.08);
    bowl.cubicTo(a.right() - w * 0.2, a.top() + h * 0.5, a.center().x() + w * 0.1,
                 a.top() + h * 0.6, a.center().x() + w * 0.06, a.top() + h * 0.66);
    bowl.lineTo(a.center().x() - w * 0.06, a.top() + h * 0.66);
    bowl.cubicTo(a.center().x() - w * 0.1, a.top() + h * 0.6, a.left() + w * 0.2, a.top() + h * 0.5,
                 a.left() + w * 0.2, a.top() + h * 0.08);
    p.drawPath(bowl);
    p.drawRect(QRectF(a.center().x() - w * 0.06, a.top() + h * 0.66, w * 0.12, h * 0.14));
    p.setBrush(QColor(0x5a, 0x3a, 0x1a));
    p.drawRect(QRectF(a.center().x() - w * 0.26, a.top() + h * 0.8, w * 0.52, h * 0.16));
}

} // namespace tc::ui
