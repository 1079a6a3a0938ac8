// Tintcipher: wires the game to its Qt windows and runs the event loop.
#include "play/game.h"
#include "records/winnersbook.h"
#include "shell/title.h"
#include "system/clock.h"
#include "system/platform.h"
#include "system/timerhost.h"
#include "ui/mainwindow.h"
#include "ui/platformmedia.h"
#include "ui/timerdriver.h"
#include "ui/titlewindow.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char* const Helptext = R"HELP(Usage: tintcipher [OPTION]
Starts the code-breaking game Tintcipher in its window; everything else is chosen in the
game's own menus.

Options:
  --help     show this text and exit
  --version  show the version and exit

Qt's options for every program, such as -platform, are taken as Qt documents them.
)HELP";

// --help and --version: told and done before Qt starts, so they need no display. Returns the
// exit status, or -1 to go on.
int Commandline(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const bool help = std::strcmp(argv[i], "--help") == 0;
        if (!help && std::strcmp(argv[i], "--version") != 0) continue;
        if (help)
            std::fputs(Helptext, stdout);
        else
            std::printf("tintcipher %s\n", TINTCIPHER_VERSION);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 3;
    }
    return -1;
}

// A message box before the title. Its lines name folders: plain text, so a path holding "<h1>"
// or "<img>" shows as written instead of drawing a heading or a picture.
void Tell(QMessageBox::Icon icon, const std::string& caption,
          const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& l : lines) text << QString::fromStdString(l);
    QMessageBox box(icon, QString::fromStdString(caption), text.join('\n'), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
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

// Where the start-up's time goes, for the maintainers: shown with
// QT_LOGGING_RULES=tintcipher.startup.debug=true (bench/startup.sh prints them).
Q_LOGGING_CATEGORY(Startuplog, "tintcipher.startup", QtWarningMsg)

// Runs `then` once, as soon as the event loop is free after `window`'s first paint; or a moment
// after it was shown, should no paint come (a window the desktop keeps covered).
class Afterfirstpaint : public QObject {
public:
    Afterfirstpaint(QWidget* window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            QTimer::singleShot(300, this, [this] { run(); });
        else if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run() {
        if (!then_) return;
        parent()->removeEventFilter(this);
        std::exchange(then_, nullptr)();
    }

    std::function<void()> then_;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer since;
    since.start();
    const auto phase = [&since](const char* what) {
        qCDebug(Startuplog, "%6.1f ms  %s", static_cast<double>(since.nsecsElapsed()) / 1e6, what);
    };
    if (const int status = Commandline(argc, argv); status >= 0) return status;
    // A file-size limit makes a write fail and be told, not end the game mid-write.
    tc::Ignorefilesizesignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tintcipher");
    phase("Qt started");
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const tc::Started started = tc::Startup(QCoreApplication::applicationDirPath().toStdString(),
                                            screen ? screen->geometry().width() : 0);
    if (started.Verdict != tc::Startverdict::Run) {
        Tell(QMessageBox::Critical, started.Caption, started.Lines);
        return 1;
    }
    if (!started.Notice.empty()) Tell(QMessageBox::Information, started.Caption, started.Notice);
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
    media.Hold();
    game.Mediaout = &media;
    game.Menus.Form_Load();
    tc::Timerhost host;
    game.Registertimers(host);
    tc::Title title(game, started.Folder, clock, started.Data);
    // Before the window, so that its timer driver has a QTimer for the title's timer too.
    title.Registertimers(host);

    // The title needs little of what the program has: the main window, with the driver of every
    // timer, and the video player are made after its first paint, so that it shows at once. The
    // title's timer waits in the host until the driver takes it up; a click before that builds
    // the main window at once.
    std::unique_ptr<tc::ui::Mainwindow> window;
    std::unique_ptr<tc::ui::Titlewindow> titlescreen;
    const auto mainwindow = [&]() -> tc::ui::Mainwindow& {
        if (window) return *window;
        window = std::make_unique<tc::ui::Mainwindow>(game, host, folder);
        QObject::connect(window.get(), &tc::ui::Mainwindow::closed, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        // The title's timer ticks in the main window's driver: the title follows each tick.
        if (QTimer* t = window->timers().timer("Tmrtitle"))
            QObject::connect(t, &QTimer::timeout, titlescreen.get(), [&] { titlescreen->sync(); });
        phase("main window built");
        return *window;
    };
    titlescreen = std::make_unique<tc::ui::Titlewindow>(title, [&] {
        if (window || game.Main.Visible) mainwindow().after();
        if (title.Ended) QTimer::singleShot(0, &app, [&app] { app.exit(1); });
    });
    new Afterfirstpaint(titlescreen.get(), [&] {
        phase("title shown");
        mainwindow();
        // A second turn, so that a click waiting meanwhile goes first.
        QTimer::singleShot(0, titlescreen.get(), [&] {
            media.Release();
            phase("media devices made");
        });
    });
    media.Setvideoarea(titlescreen->findChild<QWidget*>("Picavi"));
    phase("title built");
    titlescreen->act([&] { title.Form_Load(); });
    return app.exec();
}
