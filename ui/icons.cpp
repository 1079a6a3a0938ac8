#include "ui/icons.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace tc::ui {

namespace {

const QColor Ink(0x33, 0x3d, 0x4f);
const QColor Red(0xd9, 0x3b, 0x3b);
const QColor Green(0x2e, 0xa0, 0x4f);
const QColor Blue(0x2f, 0x6f, 0xd0);
const QColor Yellow(0xf2, 0xc1, 0x2e);
const QColor Paper(0xfa, 0xfa, 0xf5);

// The game's buttons; false for any other key.
bool Drawgame(QPainter& p, const std::string& key) {
    if (key == "Icosetting") {
        // Three sliders.
        for (int i = 0; i < 3; ++i) {
            const double y = 6 + i * 6;
            p.drawLine(QPointF(3, y), QPointF(21, y));
            p.setBrush(i == 0 ? Red : i == 1 ? Green : Blue);
            p.drawEllipse(QPointF(i == 1 ? 15 : i == 0 ? 8 : 11, y), 2.6, 2.6);
        }
    } else if (key == "Iconew") {
        p.setBrush(Paper);
        p.drawRect(QRectF(5, 3, 13, 18));
        p.setBrush(Green);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(17, 17), 5, 5);
        p.setPen(QPen(Qt::white, 1.8));
        p.drawLine(QPointF(17, 14), QPointF(17, 20));
        p.drawLine(QPointF(14, 17), QPointF(20, 17));
    } else if (key == "Icoload") {
        p.setBrush(Yellow);
        QPainterPath folder;
        folder.moveTo(2, 7);
        folder.lineTo(9, 7);
        folder.lineTo(11, 9);
        folder.lineTo(21, 9);
        folder.lineTo(21, 19);
        folder.lineTo(2, 19);
        folder.closeSubpath();
        p.drawPath(folder);
        p.setBrush(Yellow.lighter(120));
        QPolygonF flap{QPointF(5, 12), QPointF(23, 12), QPointF(21, 19), QPointF(2, 19)};
        p.drawPolygon(flap);
    } else if (key == "Icosave") {
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Paper);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(6, 13, 12, 8));
    } else if (key == "Icoend") {
        p.setBrush(Red);
        p.drawRoundedRect(QRectF(5, 5, 14, 14), 2, 2);
    } else {
        return false;
    }
    return true;
}

// Multimedia, the options and quitting; a plain square for any other key.
void Drawother(QPainter& p, const std::string& key) {
    if (key == "Icomusic") {
        p.setBrush(Ink);
        p.drawEllipse(QPointF(7, 18), 3, 2.4);
        p.drawEllipse(QPointF(17, 16), 3, 2.4);
        p.drawLine(QPointF(10, 18), QPointF(10, 5));
        p.drawLine(QPointF(20, 16), QPointF(20, 3));
        p.setPen(QPen(Ink, 2.6));
        p.drawLine(QPointF(10, 5.5), QPointF(20, 3.5));
    } else if (key == "Icoani") {
        // A bird in flight.
        QPainterPath bird;
        bird.moveTo(2, 10);
        bird.quadTo(7, 5, 12, 12);
        bird.quadTo(17, 5, 22, 10);
        p.setPen(QPen(Ink, 2));
        p.drawPath(bird);
        p.setPen(QPen(Blue, 1.4));
        p.drawLine(QPointF(4, 19), QPointF(20, 19));
    } else if (key == "Icodemo") {
        p.setBrush(Green);
        p.drawPolygon(QPolygonF{QPointF(7, 4), QPointF(20, 12), QPointF(7, 20)});
    } else if (key == "Icomouse") {
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(6, 3, 12, 18), 6, 6);
        p.drawLine(QPointF(12, 3), QPointF(12, 10));
        p.drawLine(QPointF(6, 10), QPointF(18, 10));
    } else if (key == "Icokey") {
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(2, 6, 20, 13), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 5; ++col)
                p.drawRect(QRectF(4.5 + col * 3.3, 8.5 + row * 3.3, 2, 2));
        p.drawRect(QRectF(7, 15.5, 10, 1.8));
    } else if (key == "Icocolour") {
        const QColor dots[4] = {Red, Yellow, Green, Blue};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(dots[i]);
            p.drawEllipse(QPointF(i % 2 ? 16.5 : 7.5, i / 2 ? 16.5 : 7.5), 4.5, 4.5);
        }
    } else if (key == "Iconumber") {
        QFont f = p.font();
        f.setPixelSize(13);
        f.setBold(true);
        p.setFont(f);
        p.setBrush(Paper);
        p.drawRoundedRect(QRectF(2, 4, 20, 16), 3, 3);
        p.drawText(QRectF(2, 4, 20, 16), Qt::AlignCenter, "12");
    } else if (key == "Icoquit") {
        // A door left ajar.
        p.setBrush(Paper);
        p.drawRect(QRectF(5, 3, 12, 18));
        p.setBrush(QColor(0x8a, 0x5a, 0x32));
        p.drawPolygon(QPolygonF{QPointF(5, 3), QPointF(13, 6), QPointF(13, 23), QPointF(5, 21)});
        p.setPen(QPen(Red, 2));
        p.drawLine(QPointF(16, 12), QPointF(22, 12));
        p.drawLine(QPointF(19.5, 9.5), QPointF(22, 12));
        p.drawLine(QPointF(19.5, 14.5), QPointF(22, 12));
    } else {
        p.drawRect(QRectF(5, 5, 14, 14));
    }
}

void Draw(QPainter& p, const std::string& key) {
    QPen pen(Ink, 1.6);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    if (!Drawgame(p, key)) Drawother(p, key);
}

} // namespace

QIcon Toolicon(const std::string& key) {
    QIcon icon;
    // Drawn at 1x and 2x so the picture stays sharp on high-DPI screens.
    for (int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        Draw(p, key);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon Messageicon(const std::string& file) {
    QStyle::StandardPixmap kind;
    if (file.ends_with("W95mbx01.ico"))
        kind = QStyle::SP_MessageBoxCritical;
    else if (file.ends_with("W95mbx02.ico"))
        kind = QStyle::SP_MessageBoxQuestion;
    else if (file.ends_with("W95mbx03.ico"))
        kind = QStyle::SP_MessageBoxWarning;
    else if (file.ends_with("W95mbx04.ico"))
        kind = QStyle::SP_MessageBoxInformation;
    else
        return QIcon();
    return QApplication::style()->standardIcon(kind);
}

QCursor Loadcursor(const QString& path, Qt::CursorShape fallback) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QCursor(fallback);
    // The first entry of the directory holds the hotspot, after a 6-byte header and 4 bytes.
    const QByteArray head = file.read(14);
    const QPixmap picture(path);
    if (picture.isNull() || head.size() < 14) return QCursor(fallback);
    auto le16 = [&head](int at) {
        return static_cast<uint8_t>(head[at]) | static_cast<uint8_t>(head[at + 1]) << 8;
    };
    return QCursor(picture, le16(10), le16(12));
}

} // namespace tc::ui
