#include "ui/picturewidget.h"

#include "ui/icons.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tc::ui {

namespace {

QColor Colour(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// What a used-up colour is washed out towards: the colour panel's own background.
constexpr Rgb Washbackground = 0xFBFCFE;

Rgb Blend(Rgb a, Rgb b, double share) {
    auto channel = [&](int shift) {
        const double v = ((a >> shift) & 0xFF) * (1 - share) + ((b >> shift) & 0xFF) * share;
        return static_cast<Rgb>(std::lround(v)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

} // namespace

Pictureview Fitview(const QSize& extent, const QSize& area, bool centred) {
    Pictureview view;
    if (extent.isEmpty() || area.isEmpty()) return view;
    view.Scale =
        std::min(double(area.width()) / extent.width(), double(area.height()) / extent.height());
    if (!centred) return view;
    view.Origin = QPointF((area.width() - extent.width() * view.Scale) / 2,
                          (area.height() - extent.height() * view.Scale) / 2);
    return view;
}

Rgb Readableink(Rgb background) {
    return Contrastratio(background, 0x000000) >= Contrastratio(background, 0xFFFFFF) ? 0x000000
                                                                                      : 0xFFFFFF;
}

void Paintpicture(QPainter& painter, const Picture& picture, const QString& folder,
                  QHash<QString, QPixmap>* images, const Pictureview& view) {
    // Edges land on whole device pixels, so boxes stay sharp at any scale and pixel ratio.
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    auto snap = [ratio](double v) { return std::round(v * ratio) / ratio; };
    auto x = [&](int twips) { return snap(view.Origin.x() + twips * view.Scale); };
    auto y = [&](int twips) { return snap(view.Origin.y() + twips * view.Scale); };
    // One pixel at the design's size, thicker as the picture grows.
    const double line = std::max(1.0, snap(view.Scale * Twipsperpixel));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Drawop& op : picture.Ops) {
        switch (op.What) {
        case Drawop::Kind::Box: {
            const Drawbox& b = op.Box;
            const QRectF r(QPointF(x(b.X), y(b.Y)), QPointF(x(b.X + b.Width), y(b.Y + b.Height)));
            if (b.Filled) painter.fillRect(r, Colour(b.Fill));
            if (b.Dotted) {
                QPen pen(Colour(b.Outline), line, Qt::DotLine, Qt::FlatCap);
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                const double half = line / 2;
                painter.drawRect(r.adjusted(half, half, -half, -half));
            } else {
                // The outline inside the box, as the box's own edge.
                const QColor ink = Colour(b.Outline);
                const double w = std::min(line, r.width() / 2), h = std::min(line, r.height() / 2);
                painter.fillRect(QRectF(r.left(), r.top(), r.width(), h), ink);
                painter.fillRect(QRectF(r.left(), r.bottom() - h, r.width(), h), ink);
                painter.fillRect(QRectF(r.left(), r.top(), w, r.height()), ink);
                painter.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), ink);
            }
            break;
        }
        case Drawop::Kind::Text: {
            const Drawtext& t = op.Text;
            QFont font = painter.font();
            font.setPointSizeF(t.Size * view.Scale * Twipsperpixel);
            font.setBold(t.Bold);
            font.setItalic(t.Italic);
            painter.setFont(font);
            painter.setPen(Colour(t.Colour));
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.drawText(QRectF(QPointF(x(t.X), y(t.Y)), QSizeF(100000, 100000)),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             QString::fromStdString(t.Text));
            break;
        }
        case Drawop::Kind::Image: {
            const QString path = QDir(folder).filePath(QString::fromStdString(op.Image));
            QPixmap pixmap;
            if (images && images->contains(path)) {
                pixmap = images->value(path);
            } else {
                if (QFileInfo::exists(path)) pixmap.load(path);
                if (pixmap.isNull()) pixmap = Messageicon(op.Image).pixmap(32, 32);
                if (images) images->insert(path, pixmap);
            }
            if (pixmap.isNull()) break;
            const double grow = view.Scale * Twipsperpixel;
            painter.drawPixmap(
                QRectF(x(op.Box.X), y(op.Box.Y), pixmap.width() * grow, pixmap.height() * grow)
                    .toRect(),
                pixmap);
            break;
        }
        }
    }
}

Picturewidget::Picturewidget(const Picture& model, const QString& folder, QWidget* parent)
    : QWidget(parent), model_(model), folder_(folder) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Rgb Picturewidget::Showncolour() const {
    return cell_ && model_.Borderstyle == 0 ? Blend(model_.Background, Washbackground, 0.7)
                                            : model_.Background;
}

Pictureview Picturewidget::view() const {
    return extent_.isEmpty() ? Pictureview{1.0 / Twipsperpixel, QPointF(inset_, inset_)}
                             : Fitview(extent_, size(), centred_);
}

bool Picturewidget::refresh() {
    if (model_.Revision == revision_ && model_.Background == background_ &&
        model_.Borderstyle == border_)
        return false;
    revision_ = model_.Revision;
    background_ = model_.Background;
    border_ = model_.Borderstyle;
    update();
    // What the picture shows, in words; a screen reader is told of each change.
    const QString spoken = QString::fromStdString(model_.Spokentext());
    if (spoken != accessibleDescription()) {
        setAccessibleDescription(spoken);
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    return true;
}

void Picturewidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Colour(Showncolour()));
    if (model_.Ops.empty() && empty_) {
        painter.save();
        empty_(painter, rect());
        painter.restore();
    } else {
        Paintpicture(painter, model_, folder_, &images_, view());
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A picture read by keys (the board) shows when it has them.
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    if (model_.Borderstyle == 1) {
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else if (cell_) {
        // Crossed out as well as pale: no colour left to take, seen at a glance.
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5));
        painter.drawLine(QPointF(3, height() - 3), QPointF(width() - 3, 3));
    }
}

void Picturewidget::mousePressEvent(QMouseEvent* event) {
    if (!press_) return QWidget::mousePressEvent(event);
    const QPoint at = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton)
        press_(1, at);
    else if (event->button() == Qt::RightButton)
        press_(2, at);
}

} // namespace tc::ui
