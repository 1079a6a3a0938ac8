#include "ui/animationlayers.h"

#include "ui/picturewidget.h"
#include <QDir>
#include <QPaintEvent>
#include <QPainter>

namespace tc::ui {

namespace {

QImage Loadrgb(const QString& path) {
    QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

void Applyblits(const std::vector<Blit>& blits, const Surfaces& images) {
    for (const Blit& b : blits) {
        QImage* from = images(b.From);
        QImage* to = images(b.To);
        if (!from || !to || from->isNull() || to->isNull()) continue;
        // Clipped to both pictures first, as the model does: what lies outside is not copied.
        QRect source = QRect(b.Sx, b.Sy, b.Width, b.Height) & from->rect();
        const QPoint shift(b.Dx - b.Sx, b.Dy - b.Sy);
        const QRect target = source.translated(shift) & to->rect();
        if (target.isEmpty()) continue;
        source = target.translated(-shift);
        const QImage piece = from->copy(source); // `from` may be `to`
        QPainter p(to);
        p.setCompositionMode(b.Op == Rasterop::Copy  ? QPainter::CompositionMode_Source
                             : b.Op == Rasterop::And ? QPainter::RasterOp_SourceAndDestination
                                                     : QPainter::RasterOp_SourceOrDestination);
        p.drawImage(target.topLeft(), piece);
    }
}

QImage Loadbirdsheet(const QString& folder) {
    const QDir dir(folder);
    const QImage bird = Loadrgb(dir.filePath("Pictures/Bird.png"));
    const QImage mask = Loadrgb(dir.filePath("Pictures/Birdmask.png"));
    if (bird.isNull() || mask.isNull() || bird.size() != mask.size()) return {};
    QImage sheet(bird.width(), bird.height() * 2, QImage::Format_RGB32);
    QPainter p(&sheet);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, bird);
    p.drawImage(0, bird.height(), mask);
    return sheet;
}

Cloudlayer::Cloudlayer(Animation& ani, const QString& folder, QWidget* picture)
    : QWidget(picture), ani_(ani), back_(Loadrgb(QDir(folder).filePath("Pictures/Clouds.png"))) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!back_.isNull()) {
        ani_.Forewidth = back_.width();
        fore_ = QImage(back_.size(), QImage::Format_RGB32);
    }
    setVisible(!back_.isNull());
    picture->installEventFilter(this);
}

bool Cloudlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && !back_.isNull()) place();
    return QWidget::eventFilter(watched, event);
}

void Cloudlayer::place() {
    // Across the top of the idle picture, as wide as it, the panorama's proportions kept.
    const int w = parentWidget()->width();
    const QRect band(0, 0, w, w * back_.height() / back_.width());
    if (geometry() != band) setGeometry(band);
}

bool Cloudlayer::refresh() {
    if (back_.isNull() || ani_.Moves == moves_ || !parentWidget()->isVisible()) return false;
    moves_ = ani_.Moves;
    Applyblits(Backgroundblits(ani_.Forewidth, ani_.Offset), [this](Surface s) {
        return s == Surface::Back ? &back_ : s == Surface::Fore ? &fore_ : nullptr;
    });
    place();
    update();
    return true;
}

void Cloudlayer::paintEvent(QPaintEvent*) {
    // The strip's lower edge fades into the sky painted below it.
    QImage strip = fore_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QLinearGradient fade(0, height() * 0.6, 0, height());
    fade.setColorAt(0, QColor(0, 0, 0, 255));
    fade.setColorAt(1, QColor(0, 0, 0, 0));
    {
        QPainter s(&strip);
        s.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        s.fillRect(strip.rect(), fade);
    }
    QPainter p(this);
    // The lighter of the two wins: a still cloud of the sky below shows through the drifting
    // ones instead of being cut off at the strip's edge.
    p.setCompositionMode(QPainter::CompositionMode_Lighten);
    p.drawImage(0, 0, strip);
}

Birdlayer::Birdlayer(Animation& ani, const Picture&, const QString& folder, Picturewidget* picture)
    : QWidget(picture), ani_(ani), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QImage sheet = Loadbirdsheet(folder);
    if (!sheet.isNull()) {
        ani_.Frame = {sheet.width() / 4, sheet.height() / 2};
        // The mask's AND and the picture's OR, done once: the picture where the mask is black.
        for (int f = 0; f < 4; ++f) {
            QImage frame = sheet.copy(f * ani_.Frame.Width, 0, ani_.Frame.Width, ani_.Frame.Height)
                               .convertToFormat(QImage::Format_ARGB32);
            const QImage mask = sheet.copy(f * ani_.Frame.Width, ani_.Frame.Height,
                                           ani_.Frame.Width, ani_.Frame.Height);
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    if (qGray(mask.pixel(x, y)) > 127) frame.setPixel(x, y, 0);
            frames_.push_back(frame);
        }
    }
    picture->installEventFilter(this);
    place();
}

bool Birdlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) place();
    return QWidget::eventFilter(watched, event);
}

void Birdlayer::place() {
    setGeometry(parentWidget()->rect());
    // The bird crosses the whole widget: its width in the board's design pixels.
    const double grow = picture_->view().Scale * Twipsperpixel;
    if (grow > 0) ani_.Boardwidth = static_cast<int>(width() / grow);
}

QRectF Birdlayer::birdrect(const Birdpose& pose) const {
    const Pictureview view = picture_->view();
    const double grow = view.Scale * Twipsperpixel;
    return {view.Origin.x() + pose.X * grow, view.Origin.y() + pose.Y * grow,
            ani_.Frame.Width * grow, ani_.Frame.Height * grow};
}

bool Birdlayer::refresh() {
    if (frames_.empty() || ani_.Bird == shown_) return false;
    update(birdrect(shown_).toAlignedRect().adjusted(-1, -1, 1, 1));
    shown_ = ani_.Bird;
    update(birdrect(shown_).toAlignedRect().adjusted(-1, -1, 1, 1));
    return true;
}

void Birdlayer::paintEvent(QPaintEvent*) {
    if (!shown_.Drawn || frames_.empty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(birdrect(shown_), frames_[static_cast<size_t>(shown_.Frame) % frames_.size()]);
}

} // namespace tc::ui
