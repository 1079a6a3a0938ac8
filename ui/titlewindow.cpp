#include "ui/titlewindow.h"

#include "ui/bind.h"
#include "ui/scenery.h"
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QVBoxLayout>

namespace tc::ui {

namespace {

QString Joined(const std::vector<std::string>& lines) {
    QStringList all;
    for (const std::string& l : lines) all << Qs(l);
    return all.join('\n');
}

// Where the video plays (its player draws over it), or the still picture in its place.
class Videoarea : public QWidget {
public:
    explicit Videoarea(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        const int side = std::min(width(), height()) * 2 / 3;
        Paintlogo(p, QRect(rect().center() - QPoint(side / 2, side / 2), QSize(side, side)));
    }
};

} // namespace

Titlewindow::Titlewindow(Title& title, std::function<void()> after, QWidget* parent)
    : QWidget(parent, Qt::Window), title_(title), after_(std::move(after)) {
    setObjectName("Fmtitle");
    auto* tint = new QLabel(this);
    tint->setObjectName("Lbltint");
    QFont big("Arial");
    big.setPointSize(34);
    big.setBold(true);
    big.setLetterSpacing(QFont::PercentageSpacing, 112);
    tint->setFont(big);
    tint->setStyleSheet("color: #1f4e8f;");
    tint->setAlignment(Qt::AlignCenter);
    avi_ = new Videoarea(this);
    avi_->setObjectName("Picavi");
    avi_->setFixedSize(360, 240);
    // Without a video its place shows the game's picture, so the window is not bare.
    auto* still = new Videoarea(this);
    still->setObjectName("Titlepicture");
    still->setFixedSize(360, 240);
    auto* start = new QLabel(this);
    start->setObjectName("Lblstart");
    QFont medium = start->font();
    medium.setPointSizeF(medium.pointSizeF() * 1.2);
    start->setFont(medium);
    start->setAlignment(Qt::AlignCenter);
    design_ = new QLabel(this);
    design_->setObjectName("Lbldesign");
    design_->setStyleSheet("color: #4a5a6a;");
    design_->setAlignment(Qt::AlignCenter);
    // Its presses are the hidden prompt's, not the window's click.
    design_->installEventFilter(this);
    auto* status = new QStatusBar(this);
    status->setObjectName("Stbtitle");
    status->setSizeGripEnabled(false);
    auto* statuslabel = new QLabel(status);
    statuslabel->setObjectName("Stbtitle1");
    status->addWidget(statuslabel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 0);
    layout->setSpacing(12);
    layout->addWidget(tint);
    layout->addWidget(avi_, 0, Qt::AlignHCenter);
    layout->addWidget(still, 0, Qt::AlignHCenter);
    layout->addWidget(start);
    layout->addStretch();
    layout->addWidget(design_);
    layout->addWidget(status);
    resize(560, 460);

    input_ = new QInputDialog(this);
    input_->setObjectName("Inputbox");
    input_->setWindowModality(Qt::ApplicationModal);
    input_->setTextEchoMode(QLineEdit::Password);
    connect(input_, &QDialog::finished, this, [this](int result) {
        const std::string answer =
            result == QDialog::Accepted ? input_->textValue().toStdString() : std::string();
        act([&] { title_.Inputbox_Close(answer); });
    });

    bindmodels();
}

void Titlewindow::bindmodels() {
    const Fmtitle& f = title_.Form;
    auto* tint = findChild<QLabel*>("Lbltint");
    auto* still = findChild<QWidget*>("Titlepicture");
    auto* start = findChild<QLabel*>("Lblstart");
    auto* statuslabel = findChild<QLabel*>("Stbtitle1");
    sync_.add([&f] { return f.Caption; }, [this](const std::string& c) { setWindowTitle(Qs(c)); });
    Bindlabel(sync_, f.Lbltint, tint);
    Bindcontrol(sync_, f.Picavi, avi_);
    sync_.add([&f] { return f.Picavi.Visible; }, [still](bool v) { still->setVisible(!v); });
    Bindlabel(sync_, f.Lblstart, start);
    Bindlabel(sync_, f.Lbldesign, design_);
    Bindlabel(sync_, f.Stbtitle, statuslabel);
    sync_.add([&f] { return std::pair(f.Input.Caption, f.Input.Prompt); },
              [this](const std::pair<std::string, std::vector<std::string>>& p) {
                  input_->setWindowTitle(Qs(p.first));
                  input_->setLabelText(Joined(p.second));
              });
    // The box is made when it is first shown, and then takes the model's text itself.
    sync_.add([&f] { return std::tuple(f.Box.Caption, f.Box.Icon, f.Box.Lines); },
              [this](const auto&) {
                  if (box_) fillbox();
              });
    // The window before its boxes, so a box opened with it shows above it.
    sync_.add([&f] { return f.Visible; },
              [this](bool v) {
                  if (!v) {
                      hide();
                      return;
                  }
                  if (const QScreen* s = QGuiApplication::primaryScreen())
                      move(s->availableGeometry().center() - rect().center());
                  show();
                  raise();
                  activateWindow();
              });
    // Compared with what shows, so a box closed by its own buttons opens again if still asked.
    sync_.live([&f] { return f.Input.Visible; }, [this] { return input_->isVisible(); },
               [this](bool v) { showinput(v); });
    sync_.live([&f] { return f.Box.Visible; }, [this] { return box_ && box_->isVisible(); },
               [this](bool v) { showbox(v); });
}

void Titlewindow::showinput(bool visible) {
    if (!visible) {
        input_->hide();
        return;
    }
    input_->setTextValue(QString());
    input_->open();
}

void Titlewindow::showbox(bool visible) {
    if (!visible) {
        if (box_) box_->hide();
        return;
    }
    if (!box_) {
        // Made at its first showing: a message box takes a while to build, and the title
        // rarely needs one.
        box_ = new QMessageBox(this);
        box_->setObjectName("Systemmessage");
        box_->setWindowModality(Qt::ApplicationModal);
        box_->setStandardButtons(QMessageBox::Ok);
        // Its lines may name a file: a path is shown as written, never read as markup.
        box_->setTextFormat(Qt::PlainText);
        connect(box_, &QDialog::finished, this,
                [this] { act([this] { title_.Messagebox_Close(); }); });
        fillbox();
    }
    box_->open();
}

void Titlewindow::fillbox() {
    const Systemmessage& b = title_.Form.Box;
    box_->setWindowTitle(Qs(b.Caption));
    box_->setIcon(b.Icon == Boxicon::Critical ? QMessageBox::Critical : QMessageBox::Information);
    box_->setText(Joined(b.Lines));
}

void Titlewindow::act(const std::function<void()>& handler) {
    handler();
    if (after_) after_();
    sync();
}

int Titlewindow::sync() {
    return sync_.run();
}

void Titlewindow::mousePressEvent(QMouseEvent*) {
    act([this] { title_.Form_Click(); });
}

void Titlewindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        if (!event->isAutoRepeat()) act([this] { title_.Form_Click(); });
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool Titlewindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != design_ || event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    const auto* e = static_cast<QMouseEvent*>(event);
    const int button = e->button() == Qt::LeftButton     ? 1
                       : e->button() == Qt::RightButton  ? 2
                       : e->button() == Qt::MiddleButton ? 4
                                                         : 0;
    const Qt::KeyboardModifiers m = e->modifiers();
    const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                      (m & Qt::AltModifier ? 4 : 0);
    act([&] { title_.Lbldesign_MouseDown(button, shift); });
    return true;
}

void Titlewindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient back(rect().topLeft(), rect().bottomLeft());
    back.setColorAt(0, QColor(0xe9, 0xf0, 0xf8));
    back.setColorAt(1, QColor(0xc6, 0xd6, 0xea));
    p.fillRect(rect(), back);
}

} // namespace tc::ui
