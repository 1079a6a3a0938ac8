// The keyboard alone on the offscreen platform: keys as the platform delivers them (shortcuts
// first, then the focus), where the focus goes as panels come and go, and which button Return,
// Space and Escape press.
#include "ui/keys.h"
#include "ui/manual.h"
#include "ui/statwindows.h"
#include "windowfixture.h"
#include <QListWidget>
#include <QWindow>

namespace {

class Keys : public Window {
protected:
    // A key to the window `w` is in, once it has the keyboard.
    static void press(QWidget* w, Qt::Key key) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
        QTest::keyClick(w->window()->windowHandle(), key);
    }
    QWidget* focus() { return QApplication::focusWidget(); }
};

TEST_F(Keys, AHiddenControlNeverKeepsTheKeyboardAndEachPanelTakesItAtItsEntry) {
    action("Mnuset")->trigger();
    ASSERT_EQ(focus(), widget("Cbwho"));
    button("Cmdstart")->click(); // "You guess", by mouse
    ASSERT_NE(focus(), nullptr);
    EXPECT_TRUE(focus()->isVisible()) << focus()->objectName().toStdString();
    press(window.get(), Qt::Key_Down);
    EXPECT_EQ(game.Main.Lists.Cbwho.Text(), "You guess");
    action("Mnuend")->trigger();
    answer();

    // "Computer guesses": the marking question at its first option, then Ready, then the marks
    // list, which takes the arrows at once.
    action("Mnuset")->trigger();
    choose("Cbwho", "Computer guesses");
    choose("Cborder", "Random order");
    press(window.get(), Qt::Key_Return);
    EXPECT_EQ(focus(), widget("Optyesmark"));
    press(window.get(), Qt::Key_Return); // the default, OK, with "No" chosen
    EXPECT_EQ(focus(), button("Cmdready"));
    press(window.get(), Qt::Key_Space);
    ASSERT_TRUE(waitfor([&] { return widget("Cbcorrect")->isVisible(); }));
    EXPECT_EQ(focus(), widget("Cbcorrect"));
    press(window.get(), Qt::Key_Down);
    EXPECT_EQ(game.Main.Cbcorrect.Listindex, 1);
    press(window.get(), Qt::Key_Tab);
    EXPECT_EQ(focus(), widget("Cbwrong"));
    press(window.get(), Qt::Key_Return); // the default, OK: the next trial asks from the start
    ASSERT_TRUE(waitfor([&] { return game.Rec.Trial == 2 && widget("Cbcorrect")->isVisible(); }))
        << "the marks were not taken";
    EXPECT_EQ(focus(), widget("Cbcorrect"));
}

TEST_F(Keys, ReturnPressesTheFocusedButtonAndElseTheDefaultOne) {
    action("Mnuset")->trigger();
    button("Cmdcancel")->setFocus();
    press(window.get(), Qt::Key_Return);
    EXPECT_FALSE(game.Main.Frmenu.Visible);
    EXPECT_EQ(window->windowTitle(), "Tintcipher") << "Return on Cancel started a game";

    // In a message too: the Quit question's Cancel with the keyboard, OK the default.
    action("Mnuquit")->trigger();
    tc::ui::Messagedialog* box = window->messagebox();
    ASSERT_EQ(box->focusWidget(), box->button("Cmdl2"));
    box->button("Cmdr2")->setFocus();
    press(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(game.Quitrequested);
}

TEST_F(Keys, EscapeAnswersAQuestionAsItsTimeOutAndAOneButtonMessageButNoOther) {
    tc::ui::Messagedialog* box = window->messagebox();
    action("Mnuquit")->trigger();
    press(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(game.Quitrequested);
    EXPECT_EQ(game.Wait.Key(), "Picfore");

    game.Wait.Showmessage(
        tc::Withok({.Text = "Gone", .Key = tc::Waitkey::Notexist, .Pushed = true}));
    window->after();
    EXPECT_EQ(tc::ui::Escapebutton(game.Message), "Cmdmid");
    press(box, Qt::Key_Escape);
    EXPECT_FALSE(game.Message.Visible);

    game.Wait.Showmessage(tc::Withendchoices({.Text = "Won", .Key = tc::Waitkey::Win}));
    window->after();
    EXPECT_EQ(tc::ui::Escapebutton(game.Message), "");
    press(box, Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(game.Wait.Key(), "Win");
}

TEST_F(Keys, EscapeEndsTheDemoAndReturnOrEscapeLeaveTheStatistics) {
    action("Mnudemo")->trigger();
    ASSERT_EQ(game.Rec.Demomode, -1);
    press(window.get(), Qt::Key_Escape);
    EXPECT_EQ(game.Rec.Demomode, 0);
    EXPECT_EQ(game.Wait.Key(), "Picfore");

    game.Designmode = true;
    game.Menu.Form_Activate(); // shows the statistics buttons
    window->after();
    action("Mnuset")->trigger();
    tc::ui::Statwindow* stat = window->statistics();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        button("Cmdstat")->click();
        ASSERT_TRUE(stat->isVisible());
        stat->list()->setFocus();
        press(stat, key);
        EXPECT_FALSE(stat->isVisible()) << key;
        EXPECT_EQ(game.Wait.Key(), "Frmenu");
    }
}

TEST_F(Keys, AClosedWindowHandsTheKeyboardBackToTheOneBefore) {
    action("Mnuinstr")->trigger();
    QWidget* instr = window->instructions();
    ASSERT_TRUE(QTest::qWaitForWindowActive(instr));
    window->manual().Browser = [](const QUrl&) { return false; };
    window->manual().Open();
    QWidget* manual = window->manual().Window();
    press(manual, Qt::Key_Escape);
    EXPECT_FALSE(manual->isVisible());
    EXPECT_TRUE(waitfor([&] { return QApplication::activeWindow() == instr; }, 2000));
}

TEST_F(Keys, TheWindowBehindAMessageHandsTheKeyboardOnToIt) {
    action("Mnuquit")->trigger();
    QWidget* box = window->messagebox();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    window->activateWindow(); // as a click on it does
    EXPECT_TRUE(waitfor([&] { return QApplication::activeWindow() == box; }, 2000));
    press(box, Qt::Key_Return);
    EXPECT_TRUE(game.Quitrequested);
}

} // namespace
