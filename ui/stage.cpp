#include "ui/stage.h"

#include <QApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace tc::ui {

namespace {

QLinearGradient Ground(const QRect& r) {
    QLinearGradient back(r.topLeft(), r.bottomLeft());
    back.setColorAt(0, QColor(0xe9, 0xf0, 0xf8));
    back.setColorAt(1, QColor(0xd3, 0xdf, 0xec));
    return back;
}

bool Rescaling = false;

double Desktoppoints() {
    const QFont desktop = QApplication::font();
    return desktop.pointSizeF() > 0 ? desktop.pointSizeF() : desktop.pixelSize() * 72.0 / 96.0;
}

} // namespace

int Leastbox() {
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).height() + 6;
}

Scale Scalefor(int box) {
    const double base = Desktoppoints();
    // The desktop's size up to a box a little above the least, growing with the box beyond.
    const double grown = base * box / (Leastbox() * 1.3);
    return {box, std::clamp(grown, base, 2 * base)};
}

Wraplabel::Wraplabel(int lines, QWidget* parent) : QLabel(parent), lines_(lines) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void Wraplabel::Setpoints(int points) {
    own_ = points;
    QFont f = font();
    f.setPointSizeF(points > 0 ? points * grow_ : font_);
    setFont(f);
}

void Wraplabel::Setscale(const Scale& scale) {
    grow_ = scale.Font / Desktoppoints();
    font_ = scale.Font;
    Setpoints(own_);
}

int Wraplabel::heightForWidth(int width) const {
    const QMargins m = contentsMargins();
    const auto shown = [this](int points) {
        QFont f = font();
        if (points > 0) f.setPointSizeF(std::max(f.pointSizeF(), points * grow_));
        return QFontMetrics(f);
    };
    int largest = 0;
    for (const auto& entry : longest_) largest = std::max(largest, entry.second);
    int h = std::max(QLabel::heightForWidth(width), lines_ * shown(largest).lineSpacing());
    const QRect room(0, 0, width - m.left() - m.right(), 100000);
    for (const auto& [text, points] : longest_)
        h = std::max(h, shown(points).boundingRect(room, Qt::TextWordWrap, text).height());
    return h + m.top() + m.bottom();
}

QSize Wraplabel::minimumSizeHint() const {
    // The height at a width comes from heightForWidth; the least is the lines kept.
    const QSize least = QLabel::minimumSizeHint();
    const QMargins m = contentsMargins();
    return {least.width(), lines_ * fontMetrics().lineSpacing() + m.top() + m.bottom()};
}

int Strip::needed(int width) const {
    // Laid out with room to spare below: every panel takes its own height from the top.
    layout()->setGeometry(QRect(0, 0, width, 10000));
    int bottom = 0;
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o))
            bottom = std::max(bottom, w->geometry().bottom() + 1);
    layout()->setGeometry(rect());
    return bottom;
}

void Strip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ground;
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible())
            ground.addRoundedRect(QRectF(w->geometry()).adjusted(-5, -5, 5, 5), 10, 10);
    // The stage's own gradient, lined up with it: no seam where the ground ends.
    const QWidget* stage = parentWidget();
    p.fillPath(ground.simplified(),
               Ground(stage ? QRect(mapFrom(stage, QPoint()), stage->size()) : rect()));
}

Stage::Stage(QWidget* fore, QWidget* board, QWidget* winners, std::array<Strip*, 2> strips,
             QWidget* menu, QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)), fore_(fore), board_(board), winners_(winners),
      menu_(menu), strips_(strips) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{fore, board, strips[0], strips[1], winners, menu})
        w->setParent(this);
    // The idle picture is the stage's own ground, under the layout.
    fore->lower();
    grid_->setContentsMargins(Margin, Margin, Margin, Margin);
    grid_->setSpacing(Margin);
    grid_->addWidget(board, 0, 0, 1, 2);
    grid_->addWidget(strips[0], 1, 0);
    grid_->addWidget(strips[1], 1, 1);
    grid_->addWidget(winners, 0, 0, 1, 2);
    grid_->addWidget(menu, 0, 0, 2, 2, Qt::AlignCenter);
    grid_->setRowStretch(0, 1);
    grid_->setColumnStretch(1, 1);
    // The menu's room counts while it is hidden; TOP FIVE's is in the least size.
    QSizePolicy keep = menu->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    menu->setSizePolicy(keep);
    for (Strip* s : strips) s->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    winners->installEventFilter(this);
    menu->raise();
}

void Stage::apply(int box) {
    if (box == applied_) return;
    applied_ = box;
    scale_ = Scalefor(box);
    for (const auto& a : appliers_) a(scale_);
    // The sizes the layouts keep are measured anew at once, not on their next pass.
    for (QWidget* w : findChildren<QWidget*>()) w->updateGeometry();
    for (QLayout* l : findChildren<QLayout*>()) l->invalidate();
}

int Stage::stripwidth() const {
    return strips_[0]->minimumSizeHint().width() + Margin + strips_[1]->minimumSizeHint().width();
}

int Stage::stripheight(int width) const {
    const int left = strips_[0]->minimumSizeHint().width();
    return std::max(strips_[0]->needed(left), strips_[1]->needed(width - left - Margin));
}

bool Stage::fits(int box, QSize area) {
    apply(box);
    const int width = area.width() - 2 * Margin;
    if (stripwidth() > width) return false;
    const int room =
        area.height() - 3 * Margin - stripheight(width) - board_->minimumSizeHint().height();
    if (room < Boardleast) return false;
    const double scale = std::min(double(width) / Boardwidth, double(room) / Boardheight);
    return std::floor(scale * 280) >= box;
}

void Stage::placewinners() {
    const QSize least = winners_->minimumSizeHint();
    auto fitsin = [&](int width, int height) {
        const int tall = winners_->hasHeightForWidth() ? winners_->heightForWidth(width) : 0;
        return least.width() <= width && std::max(least.height(), tall) <= height;
    };
    // Over the board; else over all, when the setting's column shows nothing; else over the
    // board and the panels beside the setting (they show none with the list).
    bool setting = false;
    for (QWidget* w : strips_[0]->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        setting = setting || w->isVisibleTo(this);
    const int place = fitsin(board_->width(), board_->height()) ? 0 : setting ? 1 : 2;
    if (place == winnersplace_ && grid_->indexOf(winners_) >= 0) return;
    winnersplace_ = place;
    grid_->removeWidget(winners_);
    if (place == 0)
        grid_->addWidget(winners_, 0, 0, 1, 2);
    else
        grid_->addWidget(winners_, 0, 2 - place, 2, place);
    menu_->raise();
}

bool Stage::eventFilter(QObject* watched, QEvent* event) {
    // Once its texts are in: they come after it shows.
    if (watched == winners_ && event->type() == QEvent::Show)
        QTimer::singleShot(0, this, [this] { rescale(); });
    return QWidget::eventFilter(watched, event);
}

void Stage::rescale() {
    if (Rescaling) return;
    const QScopedValueRollback<bool> busy(Rescaling, true);
    const int least = Leastbox();
    // Hidden and shown controls count from now on, down to the innermost layout.
    applied_ = 0;
    // The least size: the panels at the least box, the board at its least, the menu whole, and
    // TOP FIVE beside the setting's column.
    apply(least);
    for (Strip* s : strips_) {
        s->setMinimumHeight(0);
        s->setMaximumHeight(QWIDGETSIZE_MAX);
    }
    QSize list = winners_->minimumSizeHint();
    if (winners_->hasHeightForWidth())
        list.setHeight(std::max(list.height(), winners_->heightForWidth(list.width())));
    const int width = std::max({stripwidth(), menu_->sizeHint().width(),
                                strips_[0]->minimumSizeHint().width() + Margin + list.width()});
    const QSize smallest(width + 2 * Margin, std::max({3 * Margin + stripheight(width) + Boardleast,
                                                       menu_->sizeHint().height() + 2 * Margin,
                                                       list.height() + 2 * Margin}));
    if (minimumSize() != smallest) setMinimumSize(smallest);
    int low = least, high = std::max(least, height() / 4);
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fits(mid, size()))
            low = mid;
        else
            high = mid - 1;
    }
    apply(low);
    // As tall as their panels need at this width, shown or not: the board takes the rest.
    const int tall = stripheight(QWidget::width() - 2 * Margin);
    for (Strip* s : strips_) s->setFixedHeight(tall);
    // A list over both rows must not take the strips' room from them.
    grid_->setRowMinimumHeight(1, tall);
    grid_->activate();
    placewinners();
    grid_->activate();
}

void Stage::showEvent(QShowEvent*) {
    // The panels' texts and the controls hidden at the start are in place now.
    rescale();
}

void Stage::resizeEvent(QResizeEvent*) {
    fore_->setGeometry(rect());
    rescale();
}

// The strip's empty corners over the idle picture pass their presses to it: they belong to it.
void Stage::mousePressEvent(QMouseEvent* event) {
    if (!fore_->isVisible()) return QWidget::mousePressEvent(event);
    QMouseEvent moved(event->type(), fore_->mapFrom(this, event->position()),
                      event->scenePosition(), event->globalPosition(), event->button(),
                      event->buttons(), event->modifiers(), event->pointingDevice());
    QApplication::sendEvent(fore_, &moved);
}

void Stage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Ground(rect()));
}

const char* Stagestyle() {
    return R"(
QGroupBox {
    background: #fbfcfe;
    border: 1px solid #a9bbd0;
    border-radius: 8px;
    padding: 5px 8px 5px 8px;
}
QGroupBox#Frsetting, QGroupBox#Frcolour, QGroupBox#Frshowresult, QGroupBox#Franswer {
    margin-top: 0.8em;
    padding-top: 0.8em;
}
QGroupBox#Frerror, QGroupBox#Frcorrect, QGroupBox#Frwrong, QGroupBox#Frgetwrong {
    border: none;
    background: transparent;
    padding: 0;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 12px;
    padding: 0 4px;
    color: #1f4e8f;
    font-weight: bold;
}
QGroupBox#Frmenu {
    border: 2px solid #2f6fb0;
    border-radius: 0;
    margin-top: 0;
}
QLabel#Lblset {
    color: #1f4e8f;
}
QLabel#Lbltime {
    color: #1f4e8f;
    font-weight: bold;
    background: #fbfcfe;
    border: 1px solid #a9bbd0;
    border-radius: 6px;
    padding: 4px 8px;
}
QFrame#Picdemo {
    background: #fff8e1;
    border: 1px solid #d8b65a;
    border-radius: 8px;
}
QLabel#Lblname {
    border: 2px solid transparent;
}
QLabel#Lblname:focus {
    border-color: #2f6fb0;
}
QPushButton {
    min-width: 64px;
    padding: 4px 10px;
}
)";
}

} // namespace tc::ui
