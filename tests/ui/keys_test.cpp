// The keyboard on the offscreen platform, keys as the platform delivers them (shortcuts first,
// then the focus); the whole game by keys is the end-to-end run keyboard.sh.
#include "ui/keys.h"
#include "windowfixture.h"
#include <QWindow>

namespace {

class Keys : public Window {
protected:
    // A key to the window `w` is in, once it has the keyboard.
    static void press(QWidget* w, Qt::Key key) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
        QTest::keyClick(w->window()->windowHandle(), key);
    }
};

TEST_F(Keys, AHiddenListLosesTheKeyboardAndItsArrowKeys) {
    action("Mnuset")->trigger();
    ASSERT_EQ(QApplication::focusWidget(), widget("Cbwho"));
    button("Cmdstart")->click(); // "You guess", by mouse
    EXPECT_EQ(QApplication::focusWidget(), widget("Picrecord"));
    press(window.get(), Qt::Key_Down);
    EXPECT_EQ(game.Main.Lists.Cbwho.Text(), "You guess");
}

TEST_F(Keys, EscapeAnswersAQuestionAsItsTimeOutAndAOneButtonMessageButNoOther) {
    action("Mnuquit")->trigger();
    EXPECT_EQ(tc::ui::Escapebutton(game.Message), tc::Boxbutton::Cmdr2);
    press(window->messagebox(), Qt::Key_Escape);
    EXPECT_FALSE(game.Message.Visible);
    EXPECT_FALSE(game.Menus.Quitrequested());
    game.Wait.Showmessage(tc::Withok({.Key = tc::Waitkey::Notexist, .Pushed = true}));
    EXPECT_EQ(tc::ui::Escapebutton(game.Message), tc::Boxbutton::Cmdmid);
    game.Wait.Showmessage(tc::Withendchoices({.Key = tc::Waitkey::Win}));
    EXPECT_EQ(tc::ui::Escapebutton(game.Message), tc::Boxbutton::None);
}

TEST_F(Keys, TheWindowBehindAMessageHandsTheKeyboardOnToIt) {
    action("Mnuquit")->trigger();
    QWidget* box = window->messagebox();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    window->activateWindow(); // as a click on it does
    EXPECT_TRUE(waitfor([&] { return QApplication::activeWindow() == box; }, 2000));
    press(box, Qt::Key_Return);
    EXPECT_TRUE(game.Menus.Quitrequested());
}

} // namespace
