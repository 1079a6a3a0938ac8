// The window's own Simulate at full speed, with the real main window (offscreen unless
// QT_QPA_PLATFORM says otherwise) over Winners files in a scratch folder: its games per second and
// the longest gap between event-loop turns, beside the companion's rate on one thread. The
// pictures come from the build's program folder (build/app) when it is there.
// Usage: tintcipher_windowbench [COLOURS LENGTH REPEAT ORDER], e.g. 8 5 any random (the default);
// REPEAT is none, any or a limit 2..7, ORDER fixed or random.
#include "play/autoplay.h"
#include "play/game.h"
#include "records/winners.h"
#include "records/winnersbook.h"
#include "settings/settingtexts.h"
#include "statistics/simulation.h"
#include "system/timerhost.h"
#include "ui/mainwindow.h"
#include "ui/runprobe.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>

namespace {

using namespace tc;

// The companion's way: games one after another on this thread, nothing drawn or recorded.
double Companionrate(const Gamesetting& s) {
    Seededrandom rnd(7);
    Norecords records;
    Systemclock clock;
    Game g(rnd, records, clock);
    Preparerun(g, s, Run::Simulate);
    QElapsedTimer t;
    t.start();
    long long games = 0;
    for (Odometer o(s);; ++games) {
        Simulategame(g, o.Code());
        if (!o.Next()) break;
    }
    return static_cast<double>(games + 1) / (static_cast<double>(t.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules("tintcipher.runs.debug=true");
    QApplication app(argc, argv);
    const QStringList a = QApplication::arguments();
    const auto arg = [&a](int i, const char* otherwise) {
        return (a.size() > i ? a[i] : QString(otherwise)).toStdString();
    };
    const std::string colours = arg(1, "8"), length = arg(2, "5"), repeat = arg(3, "any"),
                      order = arg(4, "random");

    QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    Systemclock clock;
    if (!Restorewinners(folder, clock)) return 2;
    Seededrandom rnd(7);
    Winnersbook book(folder, clock);
    Game game(rnd, book, clock);
    game.Programfolder = folder;
    game.Menus.Form_Load();
    Timerhost host;
    game.Registertimers(host);
    game.Main.Visible = true;
    // Pictures and icons from the build's program folder when there is one beside this program's.
    const QString pictures = QApplication::applicationDirPath() + "/../app";
    ui::Mainwindow window(game, host,
                          QDir(pictures).exists("Pictures") ? pictures : scratch.path());

    // The setting menu as a player fills it, the speed bar at its fastest, then Simulate.
    game.Menus.Mnuset_Click();
    Settinglists& l = game.Main.Lists;
    const std::string repeattext = repeat == "none"  ? std::string(Norepeat)
                                   : repeat == "any" ? std::string(Anyrepeat)
                                                     : Repeatitem(std::stoi(repeat));
    for (const auto& [list, text] :
         {std::pair{&l.Cbwho, std::string(Whoitems[2])},
          {&l.Cbcolour, colours},
          {&l.Cblength, length},
          {&l.Cborder, std::string(order == "fixed" ? Orderitems[0] : Orderitems[1])},
          {&l.Cbrepeat, repeattext}})
        if (!l.Choose(*list, text)) {
            std::fprintf(stderr, "the setting menu offers no '%s'\n", text.c_str());
            return 2;
        }
    game.Demorun.Hsbspeed_Change(game.Main.Hsbspeed.Min);
    window.after();
    game.Statisticsruns.Cmdsimulate_Click();
    window.after();
    const Gamesetting setting = game.Setting;

    QTimer done;
    QObject::connect(&done, &QTimer::timeout, &app, [&] {
        if (!window.runprobe()->report().isEmpty()) app.quit();
    });
    done.start(50);
    app.exec();

    const double companion = Companionrate(setting);
    std::printf("window:    %s\n", qPrintable(window.runprobe()->report()));
    std::printf("companion: %.0f games/s on one thread\n", companion);
    const QString rate = window.runprobe()->report().section(" = ", 1).section(' ', 0, 0);
    std::printf("window / companion: %.2f (goal: at least 0.5); longest gap goal: 50 ms\n",
                rate.toDouble() / companion);
    return 0;
}
