#pragma once
// A picture control: paints the model's display list, measured in twips, at 15 twips to the
// pixel of a 96-dpi screen, or scaled to fit the widget when it is given the list's extent. Qt's
// device-independent pixels keep it crisp on high-DPI screens.
#include "windows/picture.h"
#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QWidget>
#include <functional>

namespace tc::ui {

constexpr double Twipsperpixel = 15.0;

// Where a display list lands: device-independent pixels per twip, and where twip 0,0 goes.
struct Pictureview {
    double Scale = 1.0 / Twipsperpixel;
    QPointF Origin;
};

// The largest view of `extent` twips that fits in `area`, proportions kept, centred or at the
// top left.
Pictureview Fitview(const QSize& extent, const QSize& area, bool centred = true);

// Paints the display list; image files are looked up below `folder` and skipped when missing.
void Paintpicture(QPainter& painter, const Picture& picture, const QString& folder,
                  QHash<QString, QPixmap>* images = nullptr, const Pictureview& view = {});

// Black or white, whichever reads better on `background`.
Rgb Readableink(Rgb background);

class Picturewidget : public QWidget {
public:
    // What to paint while the display list is empty (an idle picture, a logo).
    using Painter = std::function<void(QPainter&, const QRect&)>;

    Picturewidget(const Picture& model, const QString& folder, QWidget* parent = nullptr);
    void Setempty(Painter painter) { empty_ = std::move(painter); }
    // Mouse presses: 1 for the left button, 2 for the right, with where on the screen.
    void Setpress(std::function<void(int, QPoint)> press) { press_ = std::move(press); }
    // Scales the display list to the widget, `extent` twips filling as much of it as they can.
    void Setextent(const QSize& extent, bool centred = true) {
        extent_ = extent;
        centred_ = centred;
    }
    // Draws the display list `inset` pixels in from the left and top (at the design's size).
    void Setinset(int inset) { inset_ = inset; }
    // A colour of the colour panel: without its border it is used up, and shown washed out.
    void Setcolourcell(bool cell) { cell_ = cell; }
    // The colour the box shows: its background, washed out when it is a used-up colour.
    Rgb Showncolour() const;
    Pictureview view() const;
    // Schedules a repaint when the display list or the background changed since the last paint.
    // Returns whether it did.
    bool refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Picture& model_;
    QString folder_;
    Painter empty_;
    std::function<void(int, QPoint)> press_;
    QHash<QString, QPixmap> images_;
    QSize extent_;
    bool centred_ = true;
    bool cell_ = false;
    int inset_ = 0;
    int revision_ = -1;
    Rgb background_ = 0;
    int border_ = -1;
};

} // namespace tc::ui
