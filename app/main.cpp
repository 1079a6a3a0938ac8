// Tintcipher: wires the game to its Qt windows and runs the event loop.
#include "play/game.h"
#include "records/winnersbook.h"
#include "shell/clock.h"
#include "shell/timerhost.h"
#include "shell/title.h"
#include "ui/mainwindow.h"
#include "ui/timerdriver.h"
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace {

QString Joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l);
    return out.join('\n');
}

// The title window until ui/ has its own: the labels of `Fmtitle`, a press anywhere is its click,
// the right button with Ctrl+Alt on `Lbldesign` its hidden prompt; the input and message boxes
// are shown with open(), and their answers go to the title.
class Titlescreen : public QWidget {
public:
    Titlescreen(tc::Title& title, std::function<void()> after)
        : title_(title), after_(std::move(after)) {
        setWindowTitle(QString::fromStdString(title.Form.Caption));
        auto* layout = new QVBoxLayout(this);
        const tc::Fmtitle& f = title.Form;
        tint_ = new QLabel(QString::fromStdString(f.Lbltint.Caption), this);
        tint_->setObjectName("Lbltint");
        tint_->setStyleSheet("font-size: 40px; font-weight: bold; color: #1f4e8f;");
        avi_ = new QLabel(this);
        avi_->setObjectName("Picavi");
        avi_->setMinimumSize(320, 240);
        avi_->setStyleSheet("background: black;");
        start_ = new QLabel(QString::fromStdString(f.Lblstart.Caption), this);
        design_ = new QLabel(QString::fromStdString(f.Lbldesign.Caption), this);
        design_->setObjectName("Lbldesign");
        design_->installEventFilter(this);
        status_ = new QStatusBar(this);
        status_->setObjectName("Stbtitle");
        status_->showMessage(QString::fromStdString(f.Stbtitle.Caption));
        for (QWidget* w : {static_cast<QWidget*>(tint_), static_cast<QWidget*>(avi_),
                           static_cast<QWidget*>(start_), static_cast<QWidget*>(design_)})
            layout->addWidget(w, 0, Qt::AlignHCenter);
        layout->addWidget(status_);
    }

    void act(const std::function<void()>& handler) {
        handler();
        after_();
    }

    // Brings the window and its boxes in step with the model.
    void sync() {
        const tc::Fmtitle& f = title_.Form;
        avi_->setVisible(f.Picavi.Visible);
        if (f.Visible != isVisible()) setVisible(f.Visible);
        if (f.Input.Visible && !input_) {
            input_ = new QInputDialog(isVisible() ? this : nullptr);
            input_->setAttribute(Qt::WA_DeleteOnClose);
            input_->setWindowTitle(QString::fromStdString(f.Input.Caption));
            input_->setLabelText(Joined(f.Input.Prompt));
            input_->setWindowModality(Qt::ApplicationModal);
            connect(input_, &QDialog::finished, this, [this](int result) {
                const std::string answer =
                    result == QDialog::Accepted ? input_->textValue().toStdString() : "";
                input_ = nullptr;
                act([&] { title_.Inputbox_Close(answer); });
            });
            input_->open();
        }
        if (f.Box.Visible && !box_) {
            box_ =
                new QMessageBox(QMessageBox::Critical, QString::fromStdString(f.Box.Caption),
                                Joined(f.Box.Lines), QMessageBox::Ok, isVisible() ? this : nullptr);
            box_->setAttribute(Qt::WA_DeleteOnClose);
            box_->setWindowModality(Qt::ApplicationModal);
            connect(box_, &QDialog::finished, this, [this] {
                box_ = nullptr;
                act([this] { title_.Messagebox_Close(); });
            });
            box_->open();
        }
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        act([this] { title_.Form_Click(); });
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != design_ || event->type() != QEvent::MouseButtonPress) return false;
        const auto* e = static_cast<QMouseEvent*>(event);
        const int button = e->button() == Qt::LeftButton     ? 1
                           : e->button() == Qt::RightButton  ? 2
                           : e->button() == Qt::MiddleButton ? 4
                                                             : 0;
        const Qt::KeyboardModifiers m = e->modifiers();
        const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                          (m & Qt::AltModifier ? 4 : 0);
        act([&] { title_.Lbldesign_MouseDown(button, shift); });
        return true; // a press on the credit line is not a click on the window
    }

private:
    tc::Title& title_;
    std::function<void()> after_;
    QLabel *tint_, *avi_, *start_, *design_;
    QStatusBar* status_;
    QInputDialog* input_ = nullptr;
    QMessageBox* box_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintcipher");
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const tc::Started started = tc::Startup(QCoreApplication::applicationDirPath().toStdString(),
                                            screen ? screen->geometry().width() : 0);
    if (started.Verdict != tc::Startverdict::Run) {
        QMessageBox::critical(nullptr, QString::fromStdString(started.Caption),
                              Joined(started.Lines));
        return 1;
    }
    // Pictures, icons and the Winners files are looked up in the program folder.
    const QString folder = QString::fromStdString(started.Folder.string());

    tc::Systemclock clock;
    const tc::Datetime now = clock.Now();
    tc::Seededrandom rnd(static_cast<uint64_t>(now.Totalms()) ^
                         (static_cast<uint64_t>(clock.Ticks()) << 20));
    tc::Winnersbook records(started.Folder, clock);
    tc::Game game(rnd, records, &clock);
    game.Programfolder = started.Folder;
    tc::ui::Designdefaults(game.Main);
    game.Form_Load();
    tc::Timerhost host;
    game.Registertimers(host);
    tc::Title title(game, started.Folder, clock);
    // Before the window, so that its timer driver has a QTimer for the title's timer too.
    title.Registertimers(host);

    tc::ui::Mainwindow window(game, host, folder);
    QObject::connect(&window, &tc::ui::Mainwindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    Titlescreen* screenptr = nullptr;
    Titlescreen titlescreen(title, [&] {
        window.after();
        screenptr->sync();
        if (title.Ended) QTimer::singleShot(0, &app, [&app] { app.exit(1); });
    });
    screenptr = &titlescreen;
    titlescreen.resize(560, 460);
    // The title's timer ticks in the main window's driver: the title follows each tick.
    if (QTimer* t = window.timers().timer("Tmrtitle"))
        QObject::connect(t, &QTimer::timeout, &titlescreen, [&] { titlescreen.sync(); });
    titlescreen.act([&] { title.Form_Load(); });
    return app.exec();
}
