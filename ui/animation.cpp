#include "ui/animation.h"

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
    p.drawImage(0, 0, strip);
}

Birdlayer::Birdlayer(Animation& ani, const Picture& board, const QString& folder,
                     Picturewidget* picture)
    : QWidget(picture), ani_(ani), board_(board), picture_(picture), folder_(folder),
      sheet_(Loadbirdsheet(folder)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!sheet_.isNull()) {
        ani_.Frame = {sheet_.width() / 4, sheet_.height() / 2};
        reserve_ = QImage(ani_.Frame.Width, ani_.Frame.Height, QImage::Format_RGB32);
    }
    setGeometry(picture->rect());
    picture->installEventFilter(this);
}

bool Birdlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

QImage* Birdlayer::surface(Surface s) {
    return s == Surface::Board     ? &canvas_
           : s == Surface::Sheet   ? &sheet_
           : s == Surface::Reserve ? &reserve_
                                   : nullptr;
}

QRect Birdlayer::birdrect(const Birdpose& p) const {
    return QRect(p.X, p.Y, ani_.Frame.Width, ani_.Frame.Height);
}

void Birdlayer::resizeEvent(QResizeEvent*) {
    ani_.Boardwidth = width();
}

void Birdlayer::renderboard() {
    canvas_ = QImage(size(), QImage::Format_RGB32);
    QPainter p(&canvas_);
    p.fillRect(canvas_.rect(), QColor::fromRgb(board_.Background));
    Paintpicture(p, board_, folder_, nullptr, picture_->view());
    if (board_.Borderstyle == 1) {
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(canvas_.rect().adjusted(0, 0, -1, -1));
    }
}

bool Birdlayer::refresh() {
    if (parentWidget() && geometry() != parentWidget()->rect()) setGeometry(parentWidget()->rect());
    if (sheet_.isNull() || size().isEmpty()) return false;
    const Surfaces images = [this](Surface s) { return surface(s); };
    bool changed = false;
    if (board_.Revision != revision_ || board_.Background != background_ || size() != size_) {
        // The board was drawn anew: the bird's saved pixels are taken from the new board, so
        // putting them back never brings back what the board no longer shows.
        revision_ = board_.Revision;
        background_ = board_.Background;
        size_ = size();
        renderboard();
        if (shown_.Drawn) Applyblits(Birddraw(shown_, ani_.Frame), images);
        changed = true;
    }
    if (ani_.Bird != shown_) {
        update(birdrect(shown_));
        Applyblits(Birderase(shown_, ani_.Frame), images);
        if (ani_.Bird.Drawn) Applyblits(Birddraw(ani_.Bird, ani_.Frame), images);
        shown_ = ani_.Bird;
        update(birdrect(shown_));
        changed = true;
    }
    return changed;
}

void Birdlayer::paintEvent(QPaintEvent* event) {
    // Only the bird's rectangle: elsewhere the board below shows itself, crisp at any scale.
    if (!shown_.Drawn || canvas_.isNull()) return;
    const QRect r = birdrect(shown_) & event->rect() & canvas_.rect();
    if (r.isEmpty()) return;
    QPainter p(this);
    p.drawImage(r.topLeft(), canvas_, r);
}

} // namespace tc::ui
