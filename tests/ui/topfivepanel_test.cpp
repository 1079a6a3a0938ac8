// The TOP FIVE list and its name panel on the offscreen platform: from the setting menu and
// back, a won game's name typed and kept, and the design-mode editor.
#include "records/winners.h"
#include "ui/dialogs.h"
#include "windowfixture.h"
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

namespace {

class Topfive : public Window {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        game.Programfolder = folder.path().toStdString();
        ASSERT_TRUE(tc::Restorewinners(game.Programfolder, clock));
        Window::SetUp();
    }
    QLabel* text(const char* name) { return find<QLabel>(name); }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    void keep(const char* name) {
        const QString shots = qEnvironmentVariable("TINTCIPHER_UI_SHOTS");
        if (shots.isEmpty()) return;
        QDir().mkpath(shots);
        QTest::qWait(100); // layouts settle in the event loop
        window->grab().save(QDir(shots).filePath(QString(name) + ".png"));
    }
    // A "You guess" game of the first setting won at the first try, typed, then End.
    void winatonce() {
        action("Mnukey")->trigger();
        action("Mnuset")->trigger();
        game.Plan.Answer = tc::Str("789");
        QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
        QTest::keyClicks(box("Txtinput"), "789");
        QTest::mouseClick(button("Cmdsubnum"), Qt::LeftButton);
        ASSERT_TRUE(window->messagebox()->isVisible());
        ASSERT_EQ(window->messagebox()->windowTitle(), "Win");
        QTest::mouseClick(find<QPushButton>("Cmdr3"), Qt::LeftButton);
    }

    QTemporaryDir folder;
    tc::Systemclock clock;
};

TEST_F(Topfive, TheListFromTheSettingMenuAndContinueBackToIt) {
    EXPECT_FALSE(widget("Picwinners")->isVisible());
    EXPECT_FALSE(widget("Frgetname")->isVisible());
    action("Mnuset")->trigger();
    ASSERT_TRUE(button("Cmdtop")->isEnabled());
    QTest::mouseClick(button("Cmdtop"), Qt::LeftButton);
    EXPECT_FALSE(widget("Frmenu")->isVisible());
    EXPECT_FALSE(widget("Picfore")->isVisible());
    ASSERT_TRUE(widget("Picwinners")->isVisible());
    EXPECT_EQ(text("Lblwinners")->text(), "TOP   FIVE");
    EXPECT_EQ(text("Lblhead")->text().toStdString(), game.Main.Lblhead.Caption);
    EXPECT_EQ(text("Lblplayer")->text(), "Players' Name");
    EXPECT_TRUE(text("Lblname")->text().startsWith(" 1.  "))
        << text("Lblname")->text().toStdString();
    EXPECT_EQ(text("Lblstat")->text(), "Computer Statistics");
    EXPECT_TRUE(text("Lbldata")->text().contains("No Data Available"));
    EXPECT_FALSE(widget("Fredit")->isVisible());
    EXPECT_TRUE(button("Cmdcontinue")->isDefault());
    keep("topfive-list");

    QTest::mouseClick(button("Cmdcontinue"), Qt::LeftButton);
    EXPECT_FALSE(widget("Picwinners")->isVisible());
    EXPECT_TRUE(widget("Frmenu")->isVisible());
    EXPECT_EQ(game.Wait.Key(), "Frmenu");
}

TEST_F(Topfive, AWonGameTakesANameOfAtMostFifteenCharactersIntoTheList) {
    winatonce();
    ASSERT_TRUE(widget("Frgetname")->isVisible());
    EXPECT_TRUE(text("Lblgetname")->text().startsWith("Congratulation!"));
    EXPECT_TRUE(button("Cmdokname")->isDefault());
    QLineEdit* name = box("Txtname");
    // The main window is active again once the message is gone (a window manager sees to it).
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(name->hasFocus());
    EXPECT_EQ(name->text(), "");
    QTest::keyClicks(name, "Ada Lovelace the First");
    EXPECT_EQ(name->text(), "Ada Lovelace th");
    EXPECT_EQ(game.Main.Txtname.Caption, "Ada Lovelace th");
    keep("topfive-name");

    // Enter presses the panel's OK.
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_FALSE(widget("Frgetname")->isVisible());
    ASSERT_TRUE(widget("Picwinners")->isVisible());
    EXPECT_TRUE(text("Lblname")->text().startsWith(" 1.  Ada Lovelace th"));
    EXPECT_FALSE(text("Lbllisttime")->text().trimmed().isEmpty());
    EXPECT_EQ(game.Wait.Key(), "Picwinners");

    QTest::mouseClick(button("Cmdcontinue"), Qt::LeftButton);
    EXPECT_FALSE(widget("Picwinners")->isVisible());
    EXPECT_TRUE(widget("Picfore")->isVisible());
    EXPECT_EQ(game.Wait.Key(), "Picfore");
}

TEST_F(Topfive, TheEditorShowsAPlaceAndGoStoresIt) {
    game.Designmode = true;
    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdtop"), Qt::LeftButton);
    ASSERT_TRUE(widget("Fredit")->isVisible());
    window->resize(Smallscreen);
    fits("TOP FIVE editor");
    EXPECT_EQ(items("Cbedit"), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(combo("Cbedit")->currentText(), "1");
    EXPECT_EQ(box("Txtduration")->text(), "3600");
    EXPECT_EQ(box("Txtattempt")->text(), "27");
    EXPECT_EQ(box("Txtpopulation")->text(), "0");
    keep("topfive-editor");

    choose("Cbedit", "2");
    QLineEdit* player = box("Txtplayer");
    player->selectAll();
    QTest::keyClicks(player, "Grace Hopper of the Navy");
    EXPECT_EQ(player->text(), "Grace Hopper of");
    box("Txtduration")->selectAll();
    QTest::keyClicks(box("Txtduration"), "42");
    box("Txtattempt")->selectAll();
    QTest::keyClicks(box("Txtattempt"), "5");
    QTest::mouseClick(button("Cmdgo"), Qt::LeftButton);
    EXPECT_TRUE(text("Lblname")->text().contains(" 2.  Grace Hopper of"));
    EXPECT_TRUE(text("Lblattempt")->text().contains("5"));
    const tc::Loadedrecord stored =
        tc::Readwinners(tc::Winnersfile(game.Programfolder, game.Setting.Ncolours));
    ASSERT_EQ(stored.Status, tc::Filestatus::Ok);
    EXPECT_EQ(stored.Record.Duration[static_cast<size_t>(tc::Entryindex(0, 2))], 42);
}

TEST_F(Topfive, RightPressOnTheListPopsUpTheGameMenu) {
    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdtop"), Qt::LeftButton);
    QTest::mousePress(text("Lblname"), Qt::RightButton);
    EXPECT_TRUE(window->gamemenu()->isVisible());
    window->gamemenu()->hide();
}

} // namespace
