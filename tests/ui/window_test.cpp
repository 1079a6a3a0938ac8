// The main window on the offscreen platform, driven as a player would: menus, toolbar buttons,
// list choices, buttons, the Enter key, and real timers for the computer's play.
#include "play/game.h"
#include "system/timerhost.h"
#include "ui/dialogs.h"
#include "ui/inputs.h"
#include "ui/mainwindow.h"
#include "ui/manual.h"
#include "ui/timerdriver.h"
#include "windowfixture.h"
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const Menunames[] = {"Mnugame",  "Mnuset",    "Mnunew",     "Mnuload",   "Mnusaving",
                                 "Mnusave",  "Mnusaveas", "Mnuend",     "Mnuquit",   "Mnumedia",
                                 "Mnumusic", "Mnuani",    "Mnudemo",    "Mnuoption", "Mnuinput",
                                 "Mnumouse", "Mnukey",    "Mnudisplay", "Mnucolour", "Mnunumber",
                                 "Mnuhelp",  "Mnuinstr",  "Mnuabout"};

TEST_F(Window, EveryMenuItemHasItsActionWithTheModelsCaption) {
    for (const char* name : Menunames) {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text().isEmpty()) << name;
    }
    EXPECT_EQ(action("Mnugame")->text(), "Game(&G)");
    EXPECT_EQ(action("Mnuset")->text(), "Game Setting(&G)");
    EXPECT_EQ(action("Mnusaving")->text(), "Save Game(&S)");
    EXPECT_EQ(action("Mnuabout")->text(), "About Tintcipher(&A)");
    // The submenus hold their items.
    EXPECT_TRUE(find<QMenu>("Mnusaving")->actions().contains(action("Mnusaveas")));
    EXPECT_TRUE(find<QMenu>("Mnudisplay")->actions().contains(action("Mnunumber")));
}

TEST_F(Window, ToolbarHoldsThirteenButtonsInOrderWithTheirTooltips) {
    QStringList keys;
    for (QAction* a : find<QToolBar>("Tlbgame")->actions())
        if (!a->isSeparator()) keys << a->objectName();
    ASSERT_EQ(keys.size(), 13);
    for (int i = 0; i < 13; ++i) {
        const tc::Toolbutton& model = game.Main.Tlbgame[static_cast<size_t>(i)];
        EXPECT_EQ(keys[i].toStdString(), model.Key);
        EXPECT_EQ(action(model.Key.c_str())->toolTip().toStdString(), model.Tooltip);
        EXPECT_FALSE(action(model.Key.c_str())->icon().isNull()) << model.Key;
    }
    EXPECT_EQ(action("Icoquit")->toolTip(), "Quit this programme");
}

TEST_F(Window, EveryControlOfTheWindowHasAWidget) {
    for (const char* name :
         {"Frmenu",        "Lblset",       "Lblgametype",   "Lblcolourno",   "Lblstart",
          "Lblgamelength", "Lblhint",      "Lblgameorder",  "Lblgamerepeat", "Cbwho",
          "Cbcolour",      "Cbstart",      "Cblength",      "Cbhint",        "Cborder",
          "Cbrepeat",      "Cmdtop",       "Cmdstart",      "Cmdcancel",     "Cmdstat",
          "Cmdinitstat",   "Cmdsimulate",  "Frgetstring",   "Lblgetstring",  "Cmdsubcol",
          "Picstring7",    "Lblstring7",   "Frinput",       "Lblinput",      "Cmdsubnum",
          "Txtinput",      "Frcolour",     "Piccolour9",    "Lblcolour9",    "Frerror",
          "Cmderror",      "Frshowresult", "Frcorrect",     "Frwrong",       "Lblcorrect",
          "Lblwrong",      "Lbltrials",    "Cmdshowresult", "Piccorrect",    "Picwrong",
          "Frgetresult",   "Frgetwrong",   "Lblgetcorr",    "Lblgetwrong",   "Lbltrials2",
          "Lblmyguess",    "Cmdgetresult", "Cmdwin",        "Txtcorrect",    "Txtwrong",
          "Cbcorrect",     "Cbwrong",      "Picguess",      "Frtrialno",     "Lbltrialno",
          "Cmdoktrial",    "Cbtrialno",    "Frmark",        "Lblmark",       "Cmdokmark",
          "Optyesmark",    "Optnomark",    "Fraskcode",     "Lblaskcode",    "Cmdready",
          "Frsetting",     "Lblsettitle",  "Lblsetcontent", "Franswer",      "Picanswer",
          "Frscroll",      "Hsbspeed",     "Lbltime",       "Picrecord",     "Picupper",
          "Picfore",       "Picdemo",      "Lbldemo",       "Piclogo",       "Stbmenu",
          "Stbmenu1",      "Progress"})
        EXPECT_NE(window->findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(Window, IdleWindowShowsTheSkyAndTheScrollingHelp) {
    EXPECT_EQ(window->windowTitle(), "Tintcipher");
    EXPECT_TRUE(widget("Picfore")->isVisible());
    EXPECT_FALSE(widget("Frmenu")->isVisible());
    EXPECT_FALSE(widget("Picrecord")->isVisible());
    auto* banner = find<QLabel>("Stbmenu1");
    EXPECT_TRUE(banner->text().contains("Choose an option from the pulldown menu"));
    const QString before = banner->text();
    // The banner timer moves the text on by one character.
    EXPECT_TRUE(waitfor([&] { return banner->text() != before; }, 3000));
    EXPECT_EQ(banner->text(), before.mid(1) + before.left(1));
}

TEST_F(Window, AnIdleSyncWritesNothingAndAChangeWritesOnlyItself) {
    EXPECT_EQ(window->sync(), 0);
    game.Wait.Tmrbanner_Timer();
    EXPECT_EQ(window->sync(), 1);
    EXPECT_EQ(find<QLabel>("Stbmenu1")->text().toStdString(), game.Wait.Banner);
    game.Main.Lbltime.Caption = "Time spent:  5 seconds";
    EXPECT_EQ(window->sync(), 1);
    EXPECT_EQ(find<QLabel>("Lbltime")->text(), "Time spent:  5 seconds");
}

TEST_F(Window, GameSettingOpensTheSettingMenuAndCancelClosesIt) {
    action("Mnuset")->trigger();
    EXPECT_TRUE(game.Main.Frmenu.Visible);
    EXPECT_TRUE(widget("Frmenu")->isVisible());
    EXPECT_TRUE(widget("Cbwho")->isVisible());
    EXPECT_FALSE(action("Mnuset")->isEnabled());
    EXPECT_FALSE(action("Icosetting")->isEnabled());
    EXPECT_TRUE(button("Cmdstart")->isDefault());
    EXPECT_TRUE(find<QLabel>("Stbmenu1")->text().contains("Choose a game setting from this menu"));
    EXPECT_EQ(find<QLabel>("Lblgametype")->text(), "Who guesses?");
    EXPECT_EQ(button("Cmdstart")->text(), "Start  Game");

    QTest::mouseClick(button("Cmdcancel"), Qt::LeftButton);
    EXPECT_FALSE(widget("Frmenu")->isVisible());
    EXPECT_TRUE(action("Mnuset")->isEnabled());
    EXPECT_TRUE(action("Icosetting")->isEnabled());
}

TEST_F(Window, ToolbarButtonOpensTheSettingMenu) {
    action("Icosetting")->trigger();
    EXPECT_TRUE(widget("Frmenu")->isVisible());
}

TEST_F(Window, ListChoicesRunTheRules) {
    action("Mnuset")->trigger();
    EXPECT_GT(combo("Cblength")->count(), 1);
    choose("Cbcolour", "5");
    EXPECT_EQ(combo("Cbcolour")->currentText(), "5");
    EXPECT_EQ(items("Cblength"), QStringList{"3"});
    EXPECT_EQ(combo("Cblength")->currentText(), "3");
    EXPECT_EQ(game.Main.Lists.Cbcolour.Text(), "5");

    // Back to ten colours: the longer lengths come back.
    choose("Cbcolour", "10");
    EXPECT_TRUE(items("Cblength").contains("8"));

    // "Computer guesses" leaves no TOP FIVE list to see.
    EXPECT_TRUE(button("Cmdtop")->isEnabled());
    choose("Cbwho", "Computer guesses");
    EXPECT_EQ(combo("Cbwho")->currentText(), "Computer guesses");

    // Cancel brings back the choices the menu opened with.
    QTest::mouseClick(button("Cmdcancel"), Qt::LeftButton);
    EXPECT_EQ(combo("Cbwho")->currentText(), "You guess");
    EXPECT_EQ(combo("Cbcolour")->currentText(), "10");
}

TEST_F(Window, WatchComputerPlayReachesTheWinMessage) {
    action("Mnuset")->trigger();
    choose("Cbwho", "Watch computer play");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    EXPECT_FALSE(widget("Frmenu")->isVisible());
    EXPECT_FALSE(widget("Picfore")->isVisible());
    EXPECT_TRUE(widget("Picrecord")->isVisible());
    EXPECT_TRUE(widget("Frsetting")->isVisible());
    EXPECT_FALSE(find<QLabel>("Lblsetcontent")->text().isEmpty());

    tc::ui::Messagedialog* box = window->messagebox();
    ASSERT_TRUE(waitfor([&] { return box->isVisible(); }));
    EXPECT_EQ(box->windowTitle(), "Win");
    EXPECT_TRUE(box->isModal());
    EXPECT_TRUE(find<QLabel>("Lblmessage")->text().startsWith("Win!  I have tried"));
    EXPECT_EQ(box->button("Cmdr3")->text(), "End");
    EXPECT_TRUE(box->button("Cmdr3")->isDefault());
    EXPECT_TRUE(box->button("Cmdmid")->isVisible());
    EXPECT_FALSE(box->button("Cmdl2")->isVisible());

    // "End" goes back to the idle screen.
    QTest::mouseClick(box->button("Cmdr3"), Qt::LeftButton);
    EXPECT_FALSE(game.Message.Visible);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(widget("Picfore")->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tintcipher");
}

TEST_F(Window, EnterPressesTheDefaultButtonOfTheOpenPanel) {
    action("Mnuset")->trigger();
    choose("Cbwho", "Watch computer play");
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
    EXPECT_FALSE(game.Main.Frmenu.Visible);
    EXPECT_EQ(game.Rec.Demomode, 0);
    EXPECT_EQ(window->windowTitle(), "New Game - Unsaved");
    ASSERT_TRUE(waitfor([&] { return window->messagebox()->isVisible(); }));
    // In the message box Enter presses its default button, "End".
    QTest::keyClick(window->messagebox()->button("Cmdr3"), Qt::Key_Return);
    EXPECT_FALSE(window->messagebox()->isVisible());
    EXPECT_EQ(window->windowTitle(), "Tintcipher");
}

TEST_F(Window, MessageButtonsReachTheGameAndOkToQuitClosesTheWindow) {
    QSignalSpy closed(window.get(), &tc::ui::Mainwindow::closed);
    action("Mnuquit")->trigger();
    tc::ui::Messagedialog* box = window->messagebox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), "Quit Programme?");
    EXPECT_EQ(box->button("Cmdl2")->text(), "OK");
    EXPECT_EQ(box->button("Cmdr2")->text(), "Cancel");

    QTest::mouseClick(box->button("Cmdr2"), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closed.count(), 0);

    action("Mnuquit")->trigger();
    QTest::mouseClick(box->button("Cmdl2"), Qt::LeftButton);
    EXPECT_TRUE(game.Menus.Quitrequested());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Window, CloseBoxEndsTheProgramWithoutAQuestion) {
    QSignalSpy closed(window.get(), &tc::ui::Mainwindow::closed);
    window->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(game.Message.Visible);
}

TEST_F(Window, AMessageWithALongFileNameWrapsWithinTheScreen) {
    game.Wait.Showmessage({.Text = "The file /" + std::string(300, 'x') + ".tc does not exist!",
                           .Kind = tc::Messagekind::One,
                           .Icon = tc::Boxicon::Critical,
                           .Mid = "OK",
                           .Defaultbutton = tc::Boxbutton::Cmdmid,
                           .Key = tc::Waitkey::Notexist,
                           .Caption = "File Not Exist",
                           .Timeout = 60});
    window->sync();
    QDialog* box = window->messagebox();
    auto* text = box->findChild<QLabel*>("Lblmessage");
    EXPECT_LE(box->width(), box->screen()->availableGeometry().width());
    EXPECT_TRUE(box->rect().contains(text->geometry()));
    EXPECT_GE(text->height(), 4 * text->fontMetrics().lineSpacing()); // wrapped, all of it shown
}

TEST_F(Window, AboutOpensAndOkClosesIt) {
    action("Mnuabout")->trigger();
    QDialog* about = window->aboutbox();
    ASSERT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Tintcipher");
    EXPECT_EQ(game.Wait.Key(), "Fmabout+Picfore");
    EXPECT_FALSE(about->findChild<QLabel*>("Lblabout")->text().isEmpty());
    QTest::mouseClick(about->findChild<QPushButton*>("Cmdokabout"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(game.About.Visible);
    EXPECT_EQ(game.Wait.Key(), "Picfore");
}

TEST_F(Window, InstructionsCloseWithTheirCloseBoxAsWithOk) {
    action("Mnuinstr")->trigger();
    QDialog* instr = window->instructions();
    ASSERT_TRUE(instr->isVisible());
    EXPECT_EQ(instr->windowTitle(), "Brief Instructions");
    EXPECT_EQ(instr->findChild<QLabel*>("Lbltitle")->text(), "Brief Instructions");
    instr->reject();
    EXPECT_FALSE(instr->isVisible());
    EXPECT_FALSE(game.Instr.Visible);
    EXPECT_EQ(game.Wait.Key(), "Picfore");
}

TEST_F(Window, TheManualsNameInTheInstructionsOpensItInABrowserOrInAWindowOfTheGame) {
    QTemporaryDir folder;
    QFile page(folder.filePath("Vbintro.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Tintcipher manual</title></head><body>Roles</body></html>");
    page.close();
    tc::ui::Manualopener& manual = window->manual();
    manual.Folders = {folder.path()};
    QList<QUrl> asked;
    bool browser = true;
    manual.Browser = [&](const QUrl& url) { return asked << url, browser; };

    action("Mnuinstr")->trigger();
    auto* link = window->instructions()->findChild<QAbstractButton*>("Vbintro.html");
    ASSERT_NE(link, nullptr);
    ASSERT_TRUE(link->isVisible());
    // The link lies over the painted name, on the last line of the text.
    const QImage text = window->instructions()->findChild<QWidget*>("Picinstr")->grab().toImage();
    int ink = 0;
    for (int x = link->x(); x < link->x() + link->width(); ++x)
        ink += qGray(text.pixel(x, link->y() + link->height() / 2)) < 100;
    EXPECT_GT(ink, 4);

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], QUrl::fromLocalFile(folder.filePath("Vbintro.html")));
    EXPECT_EQ(manual.Window(), nullptr);

    // No browser: the game's own window shows it, and the keyboard reaches the link too.
    browser = false;
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    ASSERT_NE(manual.Window(), nullptr);
    EXPECT_TRUE(manual.Window()->isVisible());
    EXPECT_EQ(manual.Window()->windowTitle(), "Tintcipher manual");
    EXPECT_EQ(manual.Window()->findChild<QTextBrowser*>()->toPlainText(), "Roles");
    EXPECT_TRUE(game.Instr.Visible); // the instructions wait for their own OK
    EXPECT_EQ(game.Wait.Key(), "Instruct+Picfore");

    // The desktop's helper started, but no browser could show the page: the game shows it.
    QFile helper(folder.filePath("xdg-open"));
    ASSERT_TRUE(helper.open(QIODevice::WriteOnly));
    helper.write("#!/bin/sh\necho \"$1\" > \"$0.asked\"\nexit 4\n");
    helper.close();
    helper.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.path().toLocal8Bit());
    tc::ui::Manualopener desktop(folder.path());
    desktop.Open();
    qputenv("PATH", path);
    EXPECT_TRUE(waitfor([&] { return desktop.Window() && desktop.Window()->isVisible(); }, 5000));
    QFile handed(folder.filePath("xdg-open.asked"));
    ASSERT_TRUE(handed.open(QIODevice::ReadOnly));
    EXPECT_EQ(QUrl(handed.readAll().trimmed()),
              QUrl::fromLocalFile(folder.filePath("Vbintro.html")));
}

TEST_F(Window, TickMarksFollowTheModelEvenWhenClickedAgain) {
    EXPECT_TRUE(action("Mnucolour")->isChecked());
    EXPECT_FALSE(action("Mnunumber")->isChecked());
    action("Mnunumber")->trigger();
    EXPECT_TRUE(action("Mnunumber")->isChecked());
    EXPECT_FALSE(action("Mnucolour")->isChecked());
    // A second click would untick it on its own; the display mode stays "Number".
    action("Mnunumber")->trigger();
    EXPECT_TRUE(action("Mnunumber")->isChecked());
    action("Iconumber")->trigger();
    EXPECT_TRUE(action("Mnunumber")->isChecked());
    action("Icokey")->trigger();
    EXPECT_TRUE(action("Mnukey")->isChecked());
    EXPECT_FALSE(action("Mnumouse")->isChecked());
}

TEST_F(Window, TimersRunAsTheModelsSay) {
    QTimer* wait = window->timers().timer("Tmrwait");
    QTimer* delay = window->timers().timer("Tmrdelay");
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(delay, nullptr);
    EXPECT_TRUE(wait->isActive());
    EXPECT_EQ(wait->interval(), 1000);
    EXPECT_FALSE(delay->isActive());
    game.Tmrdelay.Interval = 250;
    game.Tmrdelay.Enabled = true;
    window->after();
    EXPECT_TRUE(delay->isActive());
    EXPECT_EQ(delay->interval(), 250);
    game.Tmrdelay.Enabled = false;
    window->after();
    EXPECT_FALSE(delay->isActive());
}

TEST_F(Window, DoubleClicksAndDropsOnTheColourCellsReachTheGame) {
    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton); // "You guess"
    ASSERT_TRUE(widget("Frcolour")->isVisible());
    ASSERT_TRUE(widget("Frgetstring")->isVisible());
    QTest::mouseDClick(find<QLabel>("Lblcolour3"), Qt::LeftButton);
    EXPECT_EQ(game.Colourinput.Inputboxes()[0], 3);
    EXPECT_EQ(find<QLabel>("Lblstring0")->text(), "3");

    // Colour 5 dragged onto the second box of the row.
    QMimeData mime;
    mime.setData("application/x-tintcipher-drag",
                 tc::ui::Dragdata({tc::Dragsource::Kind::Colour, 5}));
    QLabel* target = find<QLabel>("Lblstring1");
    // Qt hands a drop only to the widget that took the drag in.
    QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    EXPECT_EQ(game.Colourinput.Inputboxes()[1], 5);
    EXPECT_EQ(target->text(), "5");

    // A double click on a filled box empties it again.
    QTest::mouseDClick(target, Qt::LeftButton);
    EXPECT_NE(game.Colourinput.Inputboxes()[1], 5);
    EXPECT_EQ(target->text(), "");
}

TEST_F(Window, TypedKeysGoThroughTheGamesCheck) {
    action("Mnukey")->trigger();
    action("Mnuset")->trigger();
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton); // "You guess"
    auto* text = find<QLineEdit>("Txtinput");
    ASSERT_TRUE(text->isVisible());
    QTest::keyClicks(text, "12");
    EXPECT_EQ(game.Main.Txtinput.Caption, "12");
    EXPECT_EQ(text->text(), "12");
    QTest::keyClicks(text, "x"); // not a colour
    EXPECT_EQ(text->text(), "12");
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->text(), "1");
    EXPECT_EQ(game.Main.Txtinput.Caption, "1");
}

TEST_F(Window, EachPromptTakesTheKeyboardEveryTimeItShows) {
    action("Mnukey")->trigger();
    action("Mnuset")->trigger();
    game.Plan.Answer = tc::Str("789");
    button("Cmdstart")->click();
    auto* text = find<QLineEdit>("Txtinput");
    for (const char* guess : {"012", "345", "678"}) {
        EXPECT_EQ(QApplication::focusWidget(), text) << guess;
        widget("Picrecord")->setFocus();           // the player clicked elsewhere meanwhile
        window->gamemenu()->popup(QPoint(40, 40)); // and left a menu open
        QTest::keyClicks(text, guess);
        button("Cmdsubnum")->click();
        button("Cmdshowresult")->click(); // its OK closes the menu
        EXPECT_FALSE(window->gamemenu()->isVisible());
    }
}

TEST_F(Window, ReturnInAnOpenListOnlyChoosesAndEscapeCancelsTheMenu) {
    // Keys as the platform delivers them: shortcuts first, then the pop-up or the focus.
    auto press = [](QWidget* w, Qt::Key key) { QTest::keyClick(w->window()->windowHandle(), key); };
    action("Mnuset")->trigger();
    QComboBox* who = combo("Cbwho");
    press(who, Qt::Key_Escape);
    EXPECT_FALSE(game.Main.Frmenu.Visible);
    action("Mnuset")->trigger();
    who->showPopup();
    press(who->view(), Qt::Key_Down);
    press(who->view(), Qt::Key_Return);
    EXPECT_TRUE(game.Main.Frmenu.Visible) << "Return in the list started a game";
    EXPECT_EQ(game.Main.Lists.Cbwho.Text(), "Computer guesses");
    who->showPopup();
    press(who->view(), Qt::Key_Escape); // closes the list only
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(game.Main.Frmenu.Visible);
}

} // namespace

TEST_F(Window, AScreenReaderHearsTheBoardsRowsTheColourPanelAndTheSettingLists) {
    const auto spoken = [](QWidget* w, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(w)->text(what).toStdString();
    };
    action("Mnukey")->trigger();
    action("Mnuset")->trigger();
    const auto labels =
        QAccessible::queryAccessibleInterface(widget("Cbwho"))->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name).toStdString(),
              game.Main.Lblgametype.Caption);
    game.Plan.Answer = tc::Str("789");
    button("Cmdstart")->click();
    auto* text = find<QLineEdit>("Txtinput");
    EXPECT_EQ(spoken(text, QAccessible::Name), game.Main.Lblinput.Caption);
    for (const char* guess : {"012", "678"}) {
        QTest::keyClicks(text, guess);
        button("Cmdsubnum")->click();
        button("Cmdshowresult")->click();
    }
    // The board is a list of its rows.
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(widget("Picrecord"));
    ASSERT_EQ(board->role(), QAccessible::List);
    ASSERT_EQ(board->childCount(), 2);
    EXPECT_EQ(board->child(0)->text(QAccessible::Name).toStdString(),
              "Trial 1: red, orange, yellow; 0 correct");
    EXPECT_EQ(board->child(1)->text(QAccessible::Name).toStdString(),
              "Trial 2: magenta, pink, brown; 2 correct");
    EXPECT_EQ(spoken(widget("Lblcolour8"), QAccessible::Name), "Brown");
    // In number display the digits are read, on the board as in the panel.
    action("Mnunumber")->trigger();
    EXPECT_EQ(board->child(1)->text(QAccessible::Name).toStdString(), "Trial 2: 6 7 8; 2 correct");
    EXPECT_EQ(spoken(widget("Lblcolour8"), QAccessible::Name), "8, Brown");
}

TEST_F(Window, AScreenReaderGetsListValuesRadioButtonsAndToolButtonsReadOnce) {
    action("Mnuset")->trigger();
    QAccessibleInterface* who = QAccessible::queryAccessibleInterface(widget("Cbwho"));
    ASSERT_NE(who->textInterface(), nullptr);
    EXPECT_EQ(who->textInterface()->text(0, 100), combo("Cbwho")->currentText());
    EXPECT_EQ(who->child(1)->text(QAccessible::Name), "Computer guesses");
    for (const char* name : {"Optyesmark", "Optnomark"}) {
        QAccessibleInterface* option = QAccessible::queryAccessibleInterface(widget(name));
        EXPECT_EQ(option->role(), QAccessible::RadioButton) << name;
        EXPECT_EQ(option->parent()->text(QAccessible::Name).toStdString(),
                  game.Main.Lblmark.Caption);
    }
    auto* bar = window->findChild<QToolBar*>("Tlbgame");
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(bar->widgetForAction(bar->actions().first()));
    EXPECT_FALSE(button->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(button->text(QAccessible::Description).isEmpty());
    // The clock is read when asked, from the label itself.
    auto* clock = find<QLabel>("Lbltime");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(clock)->text(QAccessible::Name),
              clock->text().simplified());
}
