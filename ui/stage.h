#pragma once
// The main window's client area, laid out by a grid: the idle picture under everything, the board
// over the top row with the TOP FIVE list over it, the panels in a strip below, and the setting
// menu in the middle over all. The panels grow with the board: the stage picks the largest box
// size for which the strip still leaves the board boxes at least that large.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QGridLayout;

namespace tc::ui {

// The style of the stage's frames and buttons.
const char* Stagestyle();

// The size of the panels: a colour box, in pixels, and the points of their text.
struct Scale {
    int Box = 24;
    double Font = 9;
    // Pixels to the twip of the panels' pictures: a colour box is 280 twips, as on the board.
    double Pixels(int twips) const { return twips * Box / 280.0; }
    bool operator==(const Scale&) const = default;
};

// The scale for `box` pixels: the desktop's text at the least box, twice it at most.
Scale Scalefor(int box);
// The least box: one that holds a digit of the desktop's bold text.
int Leastbox();

// A word-wrapped label that keeps room for `lines` lines and for the longest captions it can
// show, so a longer caption moves nothing.
class Wraplabel : public QLabel {
public:
    Wraplabel(int lines, QWidget* parent);
    // The longest captions, each with the size in points it shows at (0: the panels' own size).
    void Reserve(std::vector<std::pair<QString, int>> longest) { longest_ = std::move(longest); }
    void Reserve(const QStringList& longest, int points = 0) {
        longest_.clear();
        for (const QString& t : longest) longest_.emplace_back(t, points);
    }
    // The caption's own size in points (0: the panels' size), grown with the panels' scale.
    void Setpoints(int points);
    void Setscale(const Scale& scale);
    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override;

private:
    int lines_;
    std::vector<std::pair<QString, int>> longest_;
    int own_ = 0;
    double grow_ = 1, font_ = 9;
};

// The strip of panels below the board: it paints a clean ground behind the panels it shows, so
// none stands on the idle picture's art.
class Strip : public QWidget {
public:
    using QWidget::QWidget;
    // The height its panels take, shown or not, laid out `width` pixels wide.
    int needed(int width) const;
    // Its height is fixed by the stage for the width it has.
    bool hasHeightForWidth() const override { return false; }
    QSize sizeHint() const override { return {minimumSizeHint().width(), minimumHeight()}; }

protected:
    void paintEvent(QPaintEvent*) override;
};

class Stage : public QWidget {
public:
    // The strips: the setting's column, and the panels of the game in play beside it.
    Stage(QWidget* fore, QWidget* board, QWidget* winners, std::array<Strip*, 2> strips,
          QWidget* menu, QWidget* parent);
    // `apply` is called with every new scale, before the layout places the widgets.
    void Onscale(std::function<void(const Scale&)> apply) { appliers_.push_back(std::move(apply)); }
    const Scale& scale() const { return scale_; }
    // The window asks for no more than the least size; the board takes what it is given.
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }
    bool hasHeightForWidth() const override { return false; }
    // Fits the panels to the present size, and fixes the least size at the least box.
    void rescale();

protected:
    void showEvent(QShowEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent*) override;
    // TOP FIVE finds its place as it comes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The strips' least width, and the height they take in `width`.
    int stripwidth() const;
    int stripheight(int width) const;
    // TOP FIVE over the board where it fits there, else over the board and the panels beside
    // the setting's column, which hold none while it shows, else over all.
    void placewinners();
    void apply(int box);
    // Whether `box` leaves the board boxes at least as large in `area`.
    bool fits(int box, QSize area);

    static constexpr int Margin = 8;
    // Three columns of 3900 twips and nine lines of 450 below a 600-twip heading.
    static constexpr int Boardwidth = 11700, Boardheight = 4650;
    // The least height of the board: a third of its design size.
    static constexpr int Boardleast = 110;
    QGridLayout* grid_;
    QWidget *fore_, *board_, *winners_, *menu_;
    std::array<Strip*, 2> strips_;
    int winnersplace_ = -1;
    std::vector<std::function<void(const Scale&)>> appliers_;
    Scale scale_;
    int applied_ = 0;
};

} // namespace tc::ui
