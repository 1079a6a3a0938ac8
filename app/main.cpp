// Tintcipher: wires the game to its Qt windows and runs the event loop.
#include "play/game.h"
#include "records/winnersbook.h"
#include "shell/title.h"
#include "system/clock.h"
#include "system/timerhost.h"
#include "ui/mainwindow.h"
#include "ui/media.h"
#include "ui/timerdriver.h"
#include "ui/titlewindow.h"
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

namespace {

QString Joined(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << QString::fromStdString(l);
    return out.join('\n');
}

// For the end-to-end tests only: with TINTCIPHER_TEST_CLOCKRATE=N in the environment the steady
// clock runs N times as fast, so a game's hour passes in 3600/N seconds and its end can be seen in
// a real window. The time of day, and with it every wait's time-out, stays the system's.
class Testclock : public tc::Systemclock {
public:
    explicit Testclock(int rate) : rate_(rate), origin_(tc::Systemclock::Ticks()) {}
    int64_t Ticks() const override {
        return origin_ + (tc::Systemclock::Ticks() - origin_) * rate_;
    }

private:
    int64_t rate_, origin_;
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
    if (!started.Notice.empty())
        QMessageBox::information(nullptr, QString::fromStdString(started.Caption),
                                 Joined(started.Notice));
    // Pictures, icons, sounds and the manual are read from the installation; the Winners files
    // and saved games live in the program folder.
    const QString folder = QString::fromStdString(started.Data.string());

    const int rate = qEnvironmentVariableIntValue("TINTCIPHER_TEST_CLOCKRATE");
    Testclock clock(rate > 1 ? rate : 1);
    const tc::Datetime now = clock.Now();
    tc::Seededrandom rnd(static_cast<uint64_t>(now.Totalms()) ^
                         (static_cast<uint64_t>(clock.Ticks()) << 20));
    tc::Winnersbook records(started.Folder, clock);
    tc::Game game(rnd, records, clock);
    game.Programfolder = started.Folder;
    tc::ui::Mediadevices media(folder, tc::ui::Soundfontplaces(folder));
    game.Mediaout = &media;
    game.Menu.Form_Load();
    tc::Timerhost host;
    game.Registertimers(host);
    tc::Title title(game, started.Folder, clock, started.Data);
    // Before the window, so that its timer driver has a QTimer for the title's timer too.
    title.Registertimers(host);

    tc::ui::Mainwindow window(game, host, folder);
    QObject::connect(&window, &tc::ui::Mainwindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    tc::ui::Titlewindow titlescreen(title, [&] {
        window.after();
        if (title.Ended) QTimer::singleShot(0, &app, [&app] { app.exit(1); });
    });
    media.Setvideoarea(titlescreen.findChild<QWidget*>("Picavi"));
    // The title's timer ticks in the main window's driver: the title follows each tick.
    if (QTimer* t = window.timers().timer("Tmrtitle"))
        QObject::connect(t, &QTimer::timeout, &titlescreen, [&] { titlescreen.sync(); });
    titlescreen.act([&] { title.Form_Load(); });
    return app.exec();
}
