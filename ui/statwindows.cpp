#include "ui/statwindows.h"

#include "ui/bind.h"
#include "ui/dialogs.h"
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>

namespace tc::ui {

Statwindow::Statwindow(const Fmstat& model, std::function<void()> back, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), backclicked_(std::move(back)) {
    setObjectName("Fmstat");
    list_ = new QListWidget(this);
    list_->setObjectName("Lststat");
    // Thousands of lines of one height: uniform sizes keep filling and scrolling fast.
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    back_ = new QPushButton(this);
    back_->setObjectName("Cmdback");
    back_->setMinimumWidth(96);
    connect(back_, &QPushButton::clicked, this, [this] { backclicked_(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(list_, 1);
    layout->addWidget(back_, 0, Qt::AlignRight);
    // No taller than a small screen leaves room for.
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(24, 72);
    resize(QSize(720, 560).boundedTo(room));
}

void Statwindow::closeEvent(QCloseEvent* event) {
    // Closing it any other way would leave no window to go back to.
    event->ignore();
    backclicked_();
}

void Statwindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (back_->isEnabled()) backclicked_();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Statwindow::bind(Syncset& sync) {
    // The lines are compared only while the window is up: they are many, and unseen otherwise.
    sync.custom([this] {
        if (!model_.Visible || model_.Lststat.Items == shown_) return false;
        shown_ = model_.Lststat.Items;
        list_->clear();
        QStringList lines;
        lines.reserve(static_cast<qsizetype>(shown_.size()));
        for (const std::string& line : shown_) lines << Qs(line);
        list_->addItems(lines);
        return true;
    });
    Bindcontrol(sync, model_.Lststat, list_);
    Bindbutton(sync, model_.Cmdback, back_);
    sync.add([this] { return model_.Caption; },
             [this](const std::string& c) { setWindowTitle(Qs(c)); });
    sync.add([this] { return model_.Visible; },
             [this](bool v) {
                 if (!v) {
                     hide();
                     return;
                 }
                 list_->scrollToTop();
                 show();
                 raise();
                 activateWindow();
                 back_->setFocus();
             });
}

namespace {

// A step of 1, 2 or 5 times a power of ten giving about `ticks` divisions up to `top`.
long long Nicestep(long long top, int ticks) {
    const double raw = std::max(1.0, static_cast<double>(top) / ticks);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) return std::max(1LL, static_cast<long long>(m * power));
    return static_cast<long long>(10 * power);
}

} // namespace

Histogramchart::Histogramchart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Histogramchart::setbars(std::vector<std::pair<int, long long>> bars) {
    bars_ = std::move(bars);
    update();
}

namespace {

// The titles of the two axes beside `plot`.
void Axistitles(QPainter& p, const QRect& plot, const QFont& font) {
    const QFontMetrics fm(font);
    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(plot.left(), plot.bottom() + fm.height() + 8, plot.width(), fm.height() + 4),
               Qt::AlignHCenter | Qt::AlignTop, "Attempts");
    p.save();
    p.translate(2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRect(-plot.height() / 2, 0, plot.height(), fm.height() + 2), Qt::AlignCenter,
               "Games");
    p.restore();
}

} // namespace

void Histogramchart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xfb, 0xfc, 0xfe));
    if (bars_.empty()) return;

    // Every number of attempts from the fewest to the most gets its place, a gap shows as 0.
    std::map<int, long long> games(bars_.begin(), bars_.end());
    const int first = games.begin()->first;
    const int last = games.rbegin()->first;
    long long most = 0;
    for (auto& [attempts, n] : games) most = std::max(most, n);
    const long long step = Nicestep(most, 5);
    const long long top = (most + step - 1) / step * step;

    const QFontMetrics fm(font());
    const int left = fm.horizontalAdvance(QString::number(top)) + fm.height() + 14;
    const QRect plot = rect().adjusted(left, fm.height() + 6, -12, -(2 * fm.height() + 14));
    if (plot.width() < 20 || plot.height() < 20) return;
    auto ypos = [&](long long n) {
        return plot.bottom() - static_cast<int>(static_cast<double>(n) / top * plot.height());
    };

    // Grid lines and the games axis.
    p.setPen(QColor(0x55, 0x55, 0x55));
    for (long long n = 0; n <= top; n += step) {
        const int y = ypos(n);
        p.setPen(QColor(0xdd, 0xe4, 0xee));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(QRect(0, y - fm.height() / 2, left - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
    }

    const int count = last - first + 1;
    const double slot = static_cast<double>(plot.width()) / count;
    const int barwidth = std::max(1, static_cast<int>(slot * 0.7));
    QLinearGradient fill(0, plot.top(), 0, plot.bottom());
    fill.setColorAt(0, QColor(0x4a, 0x8f, 0xd8));
    fill.setColorAt(1, QColor(0x1f, 0x4e, 0x8f));
    // Labels under every bar when they fit, otherwise under every few.
    const int labelevery =
        std::max(1, static_cast<int>(std::ceil((fm.horizontalAdvance(QString::number(last)) + 6) /
                                               std::max(1.0, slot))));
    for (int a = first; a <= last; ++a) {
        const int i = a - first;
        const int x = plot.left() + static_cast<int>(slot * i + (slot - barwidth) / 2);
        const auto it = games.find(a);
        const long long n = it == games.end() ? 0 : it->second;
        if (n > 0) {
            const QRect bar(x, ypos(n), barwidth, plot.bottom() - ypos(n));
            p.fillRect(bar, fill);
            const QString value = QString::number(n);
            if (fm.horizontalAdvance(value) <= slot) {
                p.setPen(QColor(0x1f, 0x4e, 0x8f));
                p.drawText(QRect(x - static_cast<int>(slot), bar.top() - fm.height() - 2,
                                 barwidth + 2 * static_cast<int>(slot), fm.height()),
                           Qt::AlignHCenter | Qt::AlignBottom, value);
            }
        }
        if (i % labelevery == 0) {
            p.setPen(QColor(0x33, 0x33, 0x33));
            p.drawText(QRect(x - static_cast<int>(slot), plot.bottom() + 4,
                             barwidth + 2 * static_cast<int>(slot), fm.height()),
                       Qt::AlignHCenter | Qt::AlignTop, QString::number(a));
        }
    }

    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    Axistitles(p, plot, font());
}

Statdialog::Statdialog(const Statisticsbox& model, std::function<void()> closed, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model), closed_(std::move(closed)) {
    setObjectName("Statbox");
    setWindowModality(Qt::WindowModal);
    icon_ = new QLabel(this);
    icon_->setObjectName("Statboxicon");
    icon_->setFixedSize(48, 48);
    icon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    text_ = new QLabel(this);
    text_->setObjectName("Statboxtext");
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chart_ = new Histogramchart(this);
    chart_->setObjectName("Histogram");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("Cmdok");
    ok_->setMinimumWidth(96);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { closed_(); });

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon_, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addWidget(chart_, 1);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
}

void Statdialog::seticon(Boxicon kind) {
    // A plain message ("PAUSE") has no icon.
    icon_->setVisible(kind != Boxicon::None);
    if (kind == Boxicon::None) return;
    QStyle::StandardPixmap which = QStyle::SP_MessageBoxInformation;
    if (kind == Boxicon::Critical)
        which = QStyle::SP_MessageBoxCritical;
    else if (kind == Boxicon::Exclamation)
        which = QStyle::SP_MessageBoxWarning;
    else if (kind == Boxicon::Question)
        which = QStyle::SP_MessageBoxQuestion;
    icon_->setPixmap(
        style()->standardIcon(which, nullptr, this).pixmap(QSize(40, 40), devicePixelRatioF()));
}

void Statdialog::bind(Syncset& sync) {
    sync.add([this] { return model_.Title; },
             [this](const std::string& t) { setWindowTitle(Qs(t)); });
    sync.add([this] { return model_.Icon; }, [this](Boxicon i) { seticon(i); });
    sync.add([this] { return model_.Text; },
             [this](const std::string& t) { text_->setText(Qs(t)); });
    sync.add([this] { return model_.Histogram; },
             [this](const std::vector<std::pair<int, long long>>& h) {
                 chart_->setbars(h);
                 chart_->setVisible(!h.empty());
             });
    sync.add([this] { return model_.Visible; },
             [this](bool v) {
                 if (!v) {
                     hide();
                     return;
                 }
                 Placeonscreen(this, 1.0 / 4, 1.0 / 4);
                 open();
                 ok_->setFocus();
             });
}

} // namespace tc::ui
