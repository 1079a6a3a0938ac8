// The title window on the offscreen platform: its labels, a click or the timer giving way to the
// main window, the Winners prompt and refusal, and the hidden prompt of design mode.
#include "play/game.h"
#include "records/winners.h"
#include "shell/title.h"
#include "system/timerhost.h"
#include "ui/mainwindow.h"
#include "ui/timerdriver.h"
#include "ui/titlewindow.h"
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Titlescreen : public ::testing::Test {
protected:
    // `winners`: whether the program folder holds its Winners files.
    void start(bool winners) {
        ASSERT_TRUE(folder.isValid());
        game.Programfolder = folder.path().toStdString();
        if (winners) {
            ASSERT_TRUE(tc::Restorewinners(game.Programfolder, clock));
        }
        game.Menus.Form_Load();
        game.Registertimers(host);
        title = std::make_unique<tc::Title>(game, game.Programfolder, clock);
        title->Registertimers(host);
        window = std::make_unique<tc::ui::Mainwindow>(game, host, QDir::tempPath());
        screen = std::make_unique<tc::ui::Titlewindow>(*title, [this] { window->after(); });
        QObject::connect(window->timers().timer("Tmrtitle"), &QTimer::timeout, screen.get(),
                         [this] { screen->sync(); });
        screen->act([this] { title->Form_Load(); });
    }
    QLabel* label(const char* name) { return screen->findChild<QLabel*>(name); }

    QTemporaryDir folder;
    tc::Systemclock clock;
    tc::Seededrandom rnd{7};
    tc::Norecords records;
    tc::Game game{rnd, records, clock};
    tc::Timerhost host;
    std::unique_ptr<tc::Title> title;
    std::unique_ptr<tc::ui::Mainwindow> window;
    std::unique_ptr<tc::ui::Titlewindow> screen;
};

TEST_F(Titlescreen, ShowsItsLabelsAndAClickGivesWayToTheMainWindow) {
    start(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(screen->windowTitle(), "Tint Cipher");
    EXPECT_EQ(label("Lbltint")->text(), "TINTCIPHER");
    EXPECT_EQ(label("Lblstart")->text(), "Click mouse to start.");
    EXPECT_EQ(label("Stbtitle1")->text(), "Click mouse or just wait for 5 seconds.");
    EXPECT_FALSE(screen->findChild<QWidget*>("Picavi")->isVisible()); // no video file
    EXPECT_TRUE(window->timers().timer("Tmrtitle")->isActive());
    const QString shots = qEnvironmentVariable("TINTCIPHER_UI_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QTest::qWait(100);
        screen->grab().save(QDir(shots).filePath("title.png"));
    }

    QTest::mouseClick(screen.get(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->timers().timer("Tmrtitle")->isActive());
}

TEST_F(Titlescreen, TheTimerGivesWayToo) {
    start(true);
    QTimer* t = window->timers().timer("Tmrtitle");
    ASSERT_TRUE(t->isActive());
    // Five seconds are long for a test: the tick is what matters.
    t->setInterval(10);
    t->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, 3000));
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(Titlescreen, MissingWinnersAskForThePasswordAndCancelEnds) {
    start(false);
    QInputDialog* ask = screen->inputbox();
    ASSERT_TRUE(ask->isVisible());
    EXPECT_TRUE(ask->labelText().contains("Winners")) << ask->labelText().toStdString();
    EXPECT_FALSE(screen->isVisible());
    ask->reject();
    EXPECT_TRUE(title->Ended);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Titlescreen, AWrongPasswordIsRefusedWithAnErrorAndTheProgramEnds) {
    start(false);
    screen->inputbox()->setTextValue("nonsense");
    screen->inputbox()->accept();
    QMessageBox* box = screen->messagebox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_FALSE(box->text().isEmpty());
    box->accept();
    EXPECT_TRUE(title->Ended);
}

TEST_F(Titlescreen, TheRightPasswordRestoresTheFilesAndWaitsForAClick) {
    start(false);
    screen->inputbox()->setTextValue(tc::Winnerspassword);
    screen->inputbox()->accept();
    EXPECT_FALSE(title->Ended);
    ASSERT_TRUE(screen->isVisible());
    EXPECT_FALSE(window->timers().timer("Tmrtitle")->isActive());
    QTest::mouseClick(screen.get(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Titlescreen, TheCreditLinesHiddenPromptTurnsOnDesignMode) {
    start(true);
    QLabel* credit = label("Lbldesign");
    // A plain press on the credit line is neither the prompt nor the window's click.
    QTest::mousePress(credit, Qt::LeftButton);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(screen->inputbox()->isVisible());
    QTest::mousePress(credit, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_TRUE(screen->inputbox()->isVisible());
    screen->inputbox()->setTextValue(tc::Winnerspassword);
    screen->inputbox()->accept();
    EXPECT_TRUE(game.Designmode);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(window->isVisible());
}

} // namespace
