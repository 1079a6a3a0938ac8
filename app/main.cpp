// Tintcipher: wires the game to its Qt windows and runs the event loop.
#include "play/game.h"
#include "shell/clock.h"
#include "shell/timerhost.h"
#include "ui/mainwindow.h"
#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintcipher");
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    // Pictures and icons are looked up beside the executable.
    const QString folder = QCoreApplication::applicationDirPath();

    tc::Systemclock clock;
    const tc::Datetime now = clock.Now();
    tc::Seededrandom rnd(static_cast<uint64_t>(now.Totalms()) ^
                         (static_cast<uint64_t>(clock.Ticks()) << 20));
    tc::Norecords records;
    tc::Game game(rnd, records, &clock);
    tc::ui::Designdefaults(game.Main);
    game.Form_Load();
    tc::Timerhost host;
    game.Registertimers(host);
    // No title window yet: the main window shows at once.
    game.Main.Visible = true;

    tc::ui::Mainwindow window(game, host, folder);
    QObject::connect(&window, &tc::ui::Mainwindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
