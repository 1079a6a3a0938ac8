// The main window on the offscreen platform's 800 x 600 screen: every state fits with each
// control whole, and the board grows with the window.
#include "ui/picturewidget.h"
#include "windowfixture.h"
#include <QLabel>

namespace {

using Layout = Window;

TEST_F(Layout, EveryStateFitsAnEightHundredBySixHundredScreen) {
    auto click = [this](std::initializer_list<const char*> names) {
        for (const char* n : names) QTest::mouseClick(widget(n), Qt::LeftButton);
    };
    window->resize(Smallscreen);
    ASSERT_EQ(window->size(), Smallscreen) << "least " << window->minimumHeight();
    fits("idle");
    action("Mnuset")->trigger();
    fits("setting menu");
    choose("Cbhint", "May contain error(s)");
    choose("Cblength", "8");
    choose("Cborder", "Random order");
    click({"Cmdstart"});
    fits("input row");
    for (int c = 0; c < 8; ++c) game.Panel.Lblcolour_DblClick(c);
    window->after();
    click({"Cmdsubcol"});
    fits("result");
    click({"Cmdshowresult"});
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
    click({"Cmdstart"});
    fits("who marks");
    click({"Optnomark", "Cmdokmark"});
    fits("the code asked for");
    click({"Cmdready"});
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
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    auto legible = [this](const char* state) {
        for (const QString n : {"colour0", "colour5", "colour8", "colour9", "string0", "string1"}) {
            const tc::Rgb shown = find<tc::ui::Picturewidget>(qPrintable("Pic" + n))->Showncolour();
            auto* digit = find<QLabel>(qPrintable("Lbl" + n));
            const QRgb ink = digit->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
            EXPECT_GE(tc::Contrastratio(ink, shown), 4.5) << state;
        }
    };
    legible("available");
    for (int c : {5, 8}) game.Panel.Lblcolour_DblClick(c);
    window->after();
    legible("used up");
    EXPECT_NE(find<tc::ui::Picturewidget>("Piccolour5")->Showncolour(), tc::Panelcolours[5]);
}

} // namespace
