#pragma once
// A picture control: paints the model's display list, measured in twips, at 15 twips to the
// pixel of a 96-dpi screen. Qt's device-independent pixels keep it crisp on high-DPI screens.
#include "shell/picture.h"
#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>

namespace tc::ui {

constexpr double Twipsperpixel = 15.0;

// Paints the display list; image files are looked up below `folder` and skipped when missing.
void Paintpicture(QPainter& painter, const Picture& picture, const QString& folder,
                  QHash<QString, QPixmap>* images = nullptr);

class Picturewidget : public QWidget {
public:
    // What to paint while the display list is empty (an idle picture, a logo).
    using Painter = std::function<void(QPainter&, const QRect&)>;

    Picturewidget(const Picture& model, const QString& folder, QWidget* parent = nullptr);
    void Setempty(Painter painter) { empty_ = std::move(painter); }
    // Mouse presses: 1 for the left button, 2 for the right, with where on the screen.
    void Setpress(std::function<void(int, QPoint)> press) { press_ = std::move(press); }
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
    int revision_ = -1;
    Rgb background_ = 0;
    int border_ = -1;
};

} // namespace tc::ui
