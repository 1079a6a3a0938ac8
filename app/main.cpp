// Tintcipher: wires the game to its Qt windows and runs the event loop.
#include "play/game.h"
#include "records/winnersbook.h"
#include "shell/clock.h"
#include "shell/timerhost.h"
#include "shell/title.h"
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
    // Pictures, icons and the Winners files are looked up in the program folder.
    const QString folder = QString::fromStdString(started.Folder.string());

    tc::Systemclock clock;
    const tc::Datetime now = clock.Now();
    tc::Seededrandom rnd(static_cast<uint64_t>(now.Totalms()) ^
                         (static_cast<uint64_t>(clock.Ticks()) << 20));
    tc::Winnersbook records(started.Folder, clock);
    tc::Game game(rnd, records, &clock);
    game.Programfolder = started.Folder;
    tc::ui::Mediadevices media(folder, tc::ui::Soundfontplaces(folder));
    game.Mediaout = &media;
    game.Form_Load();
    tc::Timerhost host;
    game.Registertimers(host);
    tc::Title title(game, started.Folder, clock);
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
