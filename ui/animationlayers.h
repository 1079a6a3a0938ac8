#pragma once
// The clouds and the bird on screen: the game's raster copies carried out on images with
// QPainter's raster operations, shown by two layers over the idle picture and the board.
#include "windows/animation.h"
#include "windows/picture.h"
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

namespace tc::ui {

// The image of each surface, or nullptr for one that is not there (the copy is skipped).
using Surfaces = std::function<QImage*(Surface)>;
// Copy, AND and OR as the game's model does them, clipped to both images.
void Applyblits(const std::vector<Blit>& blits, const Surfaces& images);

// The bird's sprite sheet from the sprite picture (black where transparent) and its mask (white
// where transparent): pictures on top, masks below. Null when either file is missing.
QImage Loadbirdsheet(const QString& folder);

// Over the idle picture: the cloud panorama "Pictures/Clouds.png" at the game's offset, across
// the top of the picture. Nothing shows when the panorama is missing.
class Cloudlayer : public QWidget {
public:
    Cloudlayer(Animation& ani, const QString& folder, QWidget* picture);
    bool refresh();

protected:
    void paintEvent(QPaintEvent*) override;
    // Follows the idle picture's size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    Animation& ani_;
    QImage back_, fore_;
    int moves_ = -1;
};

class Picturewidget;

// Over the board: the bird, its picture where its mask is black, at the game's place for it in
// the board's design pixels (15 twips each), scaled with the board.
class Birdlayer : public QWidget {
public:
    Birdlayer(Animation& ani, const Picture& board, const QString& folder, Picturewidget* picture);
    bool refresh();

protected:
    void paintEvent(QPaintEvent*) override;
    // Follows the board's size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the bird of `pose` lands on the widget.
    QRectF birdrect(const Birdpose& pose) const;
    void place();

    Animation& ani_;
    const Picturewidget* picture_;
    std::vector<QImage> frames_; // the four frames, transparent where the mask is white
    Birdpose shown_;
};

} // namespace tc::ui
