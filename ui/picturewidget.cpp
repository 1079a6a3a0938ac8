#include "ui/picturewidget.h"

#include "ui/icons.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace tc::ui {

namespace {

QColor Colour(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Whole device-independent pixels, so box edges land on pixel boundaries and stay sharp.
int Pixels(int twips) {
    return static_cast<int>(std::lround(twips / Twipsperpixel));
}

} // namespace

void Paintpicture(QPainter& painter, const Picture& picture, const QString& folder,
                  QHash<QString, QPixmap>* images) {
    for (const Drawop& op : picture.Ops) {
        switch (op.What) {
        case Drawop::Kind::Box: {
            const Drawbox& b = op.Box;
            const QRect r(Pixels(b.X), Pixels(b.Y), Pixels(b.Width), Pixels(b.Height));
            painter.setRenderHint(QPainter::Antialiasing, false);
            if (b.Filled) painter.fillRect(r, Colour(b.Fill));
            QPen pen(Colour(b.Outline));
            pen.setStyle(b.Dotted ? Qt::DotLine : Qt::SolidLine);
            pen.setWidth(0);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            // A one-pixel outline inside the box, as the box's own edge.
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            break;
        }
        case Drawop::Kind::Text: {
            const Drawtext& t = op.Text;
            QFont font = painter.font();
            font.setPointSizeF(t.Size);
            font.setBold(t.Bold);
            font.setItalic(t.Italic);
            painter.setFont(font);
            painter.setPen(Colour(t.Colour));
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            const QPointF at(t.X / Twipsperpixel, t.Y / Twipsperpixel);
            painter.drawText(QRectF(at, QSizeF(100000, 100000)),
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
            if (!pixmap.isNull()) painter.drawPixmap(Pixels(op.Box.X), Pixels(op.Box.Y), pixmap);
            break;
        }
        }
    }
}

Picturewidget::Picturewidget(const Picture& model, const QString& folder, QWidget* parent)
    : QWidget(parent), model_(model), folder_(folder) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool Picturewidget::refresh() {
    if (model_.Revision == revision_ && model_.Background == background_ &&
        model_.Borderstyle == border_)
        return false;
    revision_ = model_.Revision;
    background_ = model_.Background;
    border_ = model_.Borderstyle;
    update();
    return true;
}

void Picturewidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Colour(model_.Background));
    if (model_.Ops.empty() && empty_) {
        painter.save();
        empty_(painter, rect());
        painter.restore();
    } else {
        Paintpicture(painter, model_, folder_, &images_);
    }
    if (model_.Borderstyle == 1) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
