// The main window on the offscreen platform's 800 x 600 screen: every state fits with each
// control whole, and the board grows with the window.
#include "ui/dialogs.h"
#include "ui/picturewidget.h"
#include "ui/statwindows.h"
#include "windowfixture.h"
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>

namespace {

using Layout = Window;

TEST_F(Layout, EveryStateFitsAnEightHundredBySixHundredScreen) {
    window->resize(Smallscreen);
    ASSERT_EQ(window->size(), Smallscreen)
        << "the least size is " << window->minimumWidth() << " x " << window->minimumHeight();
    fits("idle");
    action("Mnuset")->trigger();
    fits("setting menu");
    choose("Cbhint", "May contain error(s)");
    choose("Cblength", "8");
    choose("Cborder", "Random order");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    fits("input row");
    for (int c = 0; c < 8; ++c) game.Lblcolour_DblClick(c);
    window->after();
    QTest::mouseClick(button("Cmdsubcol"), Qt::LeftButton);
    fits("result");
    QTest::mouseClick(button("Cmdshowresult"), Qt::LeftButton);
    ASSERT_TRUE(button("Cmderror")->isVisible());
    fits("input row with the Error button");
    action("Mnunumber")->trigger();
    action("Mnukey")->trigger();
    fits("typed input in number display");
    action("Mnuend")->trigger();
    answer();
    fits("answer");

    action("Mnuset")->trigger();
    choose("Cbhint", "No error");
    choose("Cbwho", "Computer guesses");
    choose("Cbstart", "Middle");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    fits("trial number");
    QTest::mouseClick(button("Cmdoktrial"), Qt::LeftButton);
    fits("who marks");
    QTest::mouseClick(widget("Optnomark"), Qt::LeftButton);
    QTest::mouseClick(button("Cmdokmark"), Qt::LeftButton);
    fits("the code asked for");
    QTest::mouseClick(button("Cmdready"), Qt::LeftButton);
    fits("rows before the start");
    action("Mnuend")->trigger();
    answer();
    action("Mnuset")->trigger();
    choose("Cbstart", "Trial 1");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    QTest::mouseClick(widget("Optnomark"), Qt::LeftButton);
    QTest::mouseClick(button("Cmdokmark"), Qt::LeftButton);
    QTest::mouseClick(button("Cmdready"), Qt::LeftButton);
    ASSERT_TRUE(waitfor([&] { return widget("Frgetresult")->isVisible(); }));
    fits("marks by the keyboard");
    action("Mnumouse")->trigger();
    fits("marks from lists");
    action("Mnuend")->trigger();
    answer();

    action("Mnudemo")->trigger();
    ASSERT_TRUE(waitfor([&] { return widget("Picdemo")->isVisible(); }));
    fits("demo");
}

// The digits of the colour panel and the input row read on every colour, used up or not.
TEST_F(Layout, DigitsReadOnEveryColour) {
    action("Mnuset")->trigger();
    choose("Cbcolour", "10");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    auto legible = [this](const char* state) {
        for (const char* stem : {"colour", "string"})
            for (int i = 0; i < (stem[0] == 'c' ? 10 : 3); ++i) {
                const QString n = QString::number(i);
                auto* pic =
                    find<tc::ui::Picturewidget>((QString("Pic") + stem + n).toUtf8().constData());
                auto* digit = find<QLabel>((QString("Lbl") + stem + n).toUtf8().constData());
                if (digit->text().isEmpty()) continue;
                const QColor ink = digit->palette().color(QPalette::WindowText);
                EXPECT_GE(tc::Contrastratio(ink.rgb() & 0xFFFFFF, pic->Showncolour()), 4.5)
                    << state << " " << digit->objectName().toStdString();
            }
    };
    legible("available");
    for (int c : {5, 8, 9}) game.Lblcolour_DblClick(c);
    window->after();
    legible("used up");
    EXPECT_NE(find<tc::ui::Picturewidget>("Piccolour5")->Showncolour(), tc::Panelcolours[5])
        << "a used-up colour looks the same as an available one";
}

} // namespace
