// The statistics tools, the demo and the marking question on the offscreen platform: the list
// window and its BACK, a simulation's message with its chart, the progress bar, the speed bar,
// board presses and the option buttons. With TINTCIPHER_UI_SHOTS set to a folder, the windows
// are also saved there as pictures to look at.
#include "ui/statwindows.h"
#include "ui/timerdriver.h"
#include "windowfixture.h"
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <numeric>

namespace {

void Keepshot(QWidget* w, const char* name) {
    const QString folder = qEnvironmentVariable("TINTCIPHER_UI_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    QTest::qWait(100); // layouts settle in the event loop
    w->grab().save(QDir(folder).filePath(QString(name) + ".png"));
}

class Runs : public Window {
protected:
    // Design mode shows the statistics buttons when the main window is next activated.
    void designbuttons() {
        game.Designmode = true;
        QEvent activated(QEvent::ActivationChange);
        QApplication::setActiveWindow(window.get());
        QApplication::sendEvent(window.get(), &activated);
    }
    // The smallest setting: ten codes of three colours out of five, in fixed order.
    void smallsetting() {
        action("Mnuset")->trigger();
        choose("Cbwho", "Watch computer play");
        choose("Cbcolour", "5");
        choose("Cborder", "Fixed order");
        choose("Cbrepeat", "No repetition");
    }
    tc::ui::Statdialog* statbox() { return window->statbox(); }
};

TEST_F(Runs, StatisticsButtonsShowAsTheirModelsSay) {
    action("Mnuset")->trigger();
    EXPECT_FALSE(button("Cmdstat")->isVisible());
    EXPECT_FALSE(button("Cmdsimulate")->isVisible());
    designbuttons();
    EXPECT_TRUE(button("Cmdstat")->isVisible());
    EXPECT_TRUE(button("Cmdinitstat")->isVisible());
    EXPECT_TRUE(button("Cmdsimulate")->isVisible());
    EXPECT_EQ(button("Cmdstat")->text(), "See Statistics");
}

TEST_F(Runs, SeeStatisticsShowsEveryLineInItsWindowAndBackReturns) {
    designbuttons();
    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdstat"), Qt::LeftButton);
    tc::ui::Statwindow* stat = window->statistics();
    ASSERT_TRUE(stat->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stat->windowTitle(), "Statistics");
    stat->resize(Smallscreen);
    EXPECT_EQ(stat->size(), Smallscreen);
    fits("statistics", stat);
    QListWidget* list = stat->list();
    ASSERT_EQ(static_cast<size_t>(list->count()), game.Stat.Lststat.Items.size());
    EXPECT_EQ(list->count(), 1424 * 3);
    for (int i : {0, 1, 2, 2000, list->count() - 2})
        EXPECT_EQ(list->item(i)->text().toStdString(), game.Stat.Lststat.Items[size_t(i)]) << i;
    EXPECT_EQ(stat->backbutton()->text(), "BACK");
    Keepshot(stat, "statistics");
    // An idle pass does not fill the list again.
    EXPECT_EQ(window->sync(), 0);

    QTest::mouseClick(stat->backbutton(), Qt::LeftButton);
    EXPECT_FALSE(game.Stat.Visible);
    EXPECT_FALSE(stat->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(game.Wait.Key(), "Frmenu");
}

TEST_F(Runs, ClosingTheStatisticsWindowGoesBackToo) {
    designbuttons();
    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdstat"), Qt::LeftButton);
    ASSERT_TRUE(window->statistics()->isVisible());
    window->statistics()->close();
    EXPECT_FALSE(game.Stat.Visible);
    EXPECT_FALSE(window->statistics()->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Runs, ProgressBarFollowsTheModel) {
    auto* bar = find<QProgressBar>("Progress");
    EXPECT_FALSE(bar->isVisible());
    game.Main.Progress.Visible = true;
    game.Main.Progress.Max = 3560;
    game.Main.Progress.Value = 890;
    game.Main.Progress.Caption = "890 / 3560 games   45 games/s   59 s left";
    window->sync();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 3560);
    EXPECT_EQ(bar->value(), 890);
    EXPECT_EQ(bar->text(), "890 / 3560 games   45 games/s   59 s left");
    game.Main.Progress.Value = 891;
    EXPECT_EQ(window->sync(), 1);
    EXPECT_EQ(bar->value(), 891);
    game.Main.Progress.Visible = false;
    window->sync();
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(Runs, SimulationEndsWithItsMessageAndChartAndClosingItClearsTheModel) {
    designbuttons();
    smallsetting();
    QTest::mouseClick(button("Cmdsimulate"), Qt::LeftButton);
    EXPECT_FALSE(widget("Frmenu")->isVisible());
    EXPECT_TRUE(widget("Frscroll")->isVisible());
    // The first slow step shows how far the run has come.
    auto* progress = find<QProgressBar>("Progress");
    ASSERT_TRUE(waitfor([&] { return progress->isVisible(); }, 5000));
    EXPECT_EQ(progress->maximum(), 10);
    EXPECT_TRUE(progress->text().contains("/ 10 games")) << progress->text().toStdString();
    Keepshot(window.get(), "simulation-running");
    // Runs start at the slowest speed; the bar set to its fastest plays many games a tick.
    find<QScrollBar>("Hsbspeed")->setValue(0);
    EXPECT_EQ(game.Tmrdelay.Interval, 1);
    ASSERT_TRUE(waitfor([&] { return statbox()->isVisible(); }));
    EXPECT_TRUE(game.Statbox.Visible);
    EXPECT_TRUE(statbox()->isModal());
    EXPECT_EQ(statbox()->windowTitle(), "Statistics");
    const QString text = statbox()->findChild<QLabel*>("Statboxtext")->text();
    EXPECT_TRUE(text.startsWith("Average number of attempts: ")) << text.toStdString();
    EXPECT_TRUE(text.contains("/ 10 = ")) << text.toStdString();
    EXPECT_FALSE(statbox()->findChild<QLabel*>("Statboxicon")->pixmap().isNull());
    const auto& bars = statbox()->chart()->bars();
    EXPECT_EQ(bars, game.Statbox.Histogram);
    EXPECT_EQ(std::accumulate(bars.begin(), bars.end(), 0LL,
                              [](long long s, const auto& b) { return s + b.second; }),
              10);
    EXPECT_TRUE(statbox()->chart()->isVisible());
    EXPECT_FALSE(find<QProgressBar>("Progress")->isVisible());
    Keepshot(statbox(), "simulation-message");

    QTest::mouseClick(statbox()->okbutton(), Qt::LeftButton);
    EXPECT_FALSE(game.Statbox.Visible);
    EXPECT_FALSE(statbox()->isVisible());
    EXPECT_TRUE(widget("Picfore")->isVisible());
}

TEST_F(Runs, TheStatisticsMessagesCloseBoxClearsTheModel) {
    game.Statbox.Title = "Statistics";
    game.Statbox.Text = "Average number of attempts: 431 / 100 = 4.31";
    game.Statbox.Icon = tc::Boxicon::Information;
    game.Statbox.Histogram = {{3, 20}, {4, 40}, {6, 40}};
    game.Statbox.Visible = true;
    window->sync();
    ASSERT_TRUE(statbox()->isVisible());
    static_cast<QDialog*>(statbox())->reject(); // its close box
    EXPECT_FALSE(game.Statbox.Visible);
    EXPECT_FALSE(statbox()->isVisible());
}

TEST_F(Runs, AStatusBarClickInDesignModePausesTheDemoUntilThePauseCloses) {
    designbuttons();
    action("Mnudemo")->trigger();
    ASSERT_EQ(game.Wait.Key(), "Demo");
    QTest::mouseClick(find<QLabel>("Stbmenu1"), Qt::LeftButton);
    ASSERT_TRUE(statbox()->isVisible());
    EXPECT_EQ(statbox()->findChild<QLabel*>("Statboxtext")->text(), "PAUSE");
    EXPECT_FALSE(statbox()->findChild<QLabel*>("Statboxicon")->isVisible());
    EXPECT_FALSE(statbox()->chart()->isVisible());
    EXPECT_FALSE(window->timers().timer("Tmrdelay")->isActive());
    QTest::mouseClick(statbox()->okbutton(), Qt::LeftButton);
    EXPECT_FALSE(statbox()->isVisible());
    EXPECT_TRUE(window->timers().timer("Tmrdelay")->isActive());
    EXPECT_EQ(game.Wait.Key(), "Demo");
}

TEST_F(Runs, SpeedBarChangeReachesTheGame) {
    action("Mnudemo")->trigger();
    EXPECT_EQ(game.Wait.Key(), "Demo");
    ASSERT_TRUE(widget("Frscroll")->isVisible());
    auto* speed = find<QScrollBar>("Hsbspeed");
    EXPECT_EQ(speed->minimum(), game.Main.Hsbspeed.Min);
    EXPECT_EQ(speed->maximum(), game.Main.Hsbspeed.Max);
    speed->setValue(50);
    EXPECT_EQ(game.Main.Hsbspeed.Value, 50);
    EXPECT_EQ(game.Tmrdelay.Interval, 500);
    // A step by the bar's arrow goes the same way.
    speed->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(game.Main.Hsbspeed.Value, 51);
    // The game changing it moves the bar.
    game.Demorun.Hsbspeed_Change(10);
    window->sync();
    EXPECT_EQ(speed->value(), 10);
}

TEST_F(Runs, DemoShowsItsPanelAndALeftPressOnTheBoardEndsIt) {
    action("Mnudemo")->trigger();
    EXPECT_TRUE(widget("Picrecord")->isVisible());
    EXPECT_FALSE(widget("Picfore")->isVisible());
    EXPECT_FALSE(action("Mnugame")->isEnabled());
    EXPECT_EQ(game.Rec.Demomode, -1);
    ASSERT_TRUE(waitfor([&] { return widget("Picdemo")->isVisible(); }, 5000));
    EXPECT_EQ(find<QLabel>("Lbldemo")->text().toStdString(), game.Main.Lbldemo.Caption);
    Keepshot(window.get(), "demo");

    // The right button on the board offers no menu while the Game menu is off.
    QTest::mousePress(widget("Picrecord"), Qt::RightButton);
    EXPECT_FALSE(window->gamemenu()->isVisible());
    EXPECT_EQ(game.Rec.Demomode, -1);

    QTest::mousePress(widget("Picrecord"), Qt::LeftButton);
    EXPECT_EQ(game.Rec.Demomode, 0);
    EXPECT_EQ(game.Wait.Key(), "Picfore");
    EXPECT_TRUE(widget("Picfore")->isVisible());
    EXPECT_FALSE(widget("Frscroll")->isVisible());
    EXPECT_FALSE(widget("Picdemo")->isVisible());
    EXPECT_TRUE(action("Mnugame")->isEnabled());
}

TEST_F(Runs, ALeftPressOnTheBoardOutsideADemoDoesNothing) {
    action("Mnuset")->trigger();
    choose("Cbwho", "Watch computer play");
    game.Main.Hsbspeed.Value = 100; // slow steps, so the game is still on
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    const tc::Gamestatus status = game.Rec.Status;
    QTest::mousePress(widget("Picrecord"), Qt::LeftButton);
    EXPECT_EQ(game.Rec.Status, status);
    EXPECT_TRUE(widget("Picrecord")->isVisible());
}

TEST_F(Runs, RightPressOnTheIdlePictureOrTheBoardPopsUpTheGameMenu) {
    QMenu* menu = window->gamemenu();
    QTest::mousePress(widget("Picfore"), Qt::RightButton, {}, QPoint(40, 40));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    // The empty panel columns lie over the idle picture; a press on them is the picture's.
    QTest::mousePress(widget("Strip"), Qt::RightButton, {}, QPoint(40, 40));
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton); // "You guess"
    ASSERT_TRUE(widget("Picrecord")->isVisible());
    ASSERT_TRUE(action("Mnugame")->isEnabled());
    QTest::mousePress(widget("Picrecord"), Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(Runs, MarkingOptionsCallTheGame) {
    action("Mnuset")->trigger();
    choose("Cbwho", "Computer guesses");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    ASSERT_TRUE(widget("Frmark")->isVisible());
    auto* yes = find<QRadioButton>("Optyesmark");
    auto* no = find<QRadioButton>("Optnomark");
    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_TRUE(game.Main.Optnomark.Value);
    EXPECT_FALSE(game.Main.Optyesmark.Value);
    EXPECT_TRUE(no->isChecked());
    EXPECT_FALSE(yes->isChecked());
    // A second click keeps the choice rather than leaving neither.
    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_TRUE(no->isChecked());
    EXPECT_TRUE(game.Main.Optnomark.Value);
    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_TRUE(game.Main.Optyesmark.Value);
    EXPECT_FALSE(game.Main.Optnomark.Value);
    EXPECT_TRUE(yes->isChecked());
    EXPECT_FALSE(no->isChecked());
}

TEST(Histogram, KeepsItsBarsAndPaintsWithoutThem) {
    tc::ui::Histogramchart chart;
    chart.resize(400, 220);
    EXPECT_FALSE(chart.grab().isNull());
    chart.setbars({{2, 1}, {5, 1000000}});
    ASSERT_EQ(chart.bars().size(), 2u);
    EXPECT_FALSE(chart.grab().isNull());
}

} // namespace
