// The main window on the offscreen platform's 800 x 600 screen: every state fits with each
// control whole, and the board grows with the window.
#include "ui/picturewidget.h"
#include "windowfixture.h"
#include <QLabel>
#include <map>

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
    for (int c = 0; c < 8; ++c) game.Colourinput.Lblcolour_DblClick(c);
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
    for (int c : {5, 8}) game.Colourinput.Lblcolour_DblClick(c);
    window->after();
    legible("used up");
    EXPECT_NE(find<tc::ui::Picturewidget>("Piccolour5")->Showncolour(), tc::Panelcolours[5]);
}

} // namespace

// Every panel state at every size from the least to a 4K screen: each control whole and inside
// the window, no sibling over another but the design's overlays, no caption cut, and a board
// that stays where it is as the panels change.
TEST_F(Layout, EveryStateAtEverySizeIsWholeAndTheBoardStill) {
    std::map<std::pair<int, int>, QRect> boards;
    auto check = [&](const char* state) {
        const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
        EXPECT_LE(least.width(), Smallscreen.width()) << state;
        EXPECT_LE(least.height(), Smallscreen.height()) << state;
        for (const QSize size :
             {least, Smallscreen, QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            window->resize(size);
            ASSERT_EQ(window->size(), size) << state;
            const std::string at = state + (" at " + std::to_string(size.width()));
            fits(at.c_str());
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->window() != window.get()) continue;
                const QString name = w->objectName();
                // The idle picture lies under all, the menu over all, TOP FIVE over the board.
                // TOP FIVE may stand over the panels' strips too, but over no panel they show.
                auto over = [this](const QString& a, const QString& b) {
                    const bool strip = b == "Strip" || b == "Settingstrip";
                    if (a == "Picwinners" && strip) {
                        for (QWidget* c : widget(qPrintable(b))->findChildren<QWidget*>()) {
                            const QRect r(c->mapTo(window.get(), QPoint()), c->size());
                            const QWidget* list = widget("Picwinners");
                            EXPECT_FALSE(
                                c->isVisible() &&
                                r.intersects({list->mapTo(window.get(), QPoint()), list->size()}))
                                << "TOP FIVE over " << c->objectName().toStdString();
                        }
                    }
                    return a == "Picfore" || a == "Frmenu" ||
                           (a == "Picwinners" && (b == "Boardcolumn" || strip));
                };
                for (QObject* o : w->parentWidget()->children()) {
                    auto* s = qobject_cast<QWidget*>(o);
                    if (!s || s == w || !s->isVisible() || s->isWindow() ||
                        over(name, s->objectName()) || over(s->objectName(), name))
                        continue;
                    EXPECT_FALSE(s->geometry().intersects(w->geometry()))
                        << at << " " << name.toStdString() << " over "
                        << s->objectName().toStdString();
                }
                auto* l = qobject_cast<QLabel*>(w);
                if (!l || l->text().isEmpty() ||
                    l->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
                    continue;
                const QRect need = l->fontMetrics().boundingRect(
                    l->contentsRect(), (l->wordWrap() ? Qt::TextWordWrap : 0) | l->alignment(),
                    l->text());
                EXPECT_TRUE(l->contentsRect().contains(need))
                    << at << " cut: " << name.toStdString();
            }
            const QWidget* board = widget("Picrecord");
            if (!board->isVisible()) continue;
            const QRect r(board->mapTo(window.get(), QPoint()), board->size());
            EXPECT_EQ(boards.try_emplace({size.width(), size.height()}, r).first->second, r) << at;
        }
    };
    action("Mnuset")->trigger();
    check("setting menu");
    QTest::mouseClick(button("Cmdtop"), Qt::LeftButton);
    check("TOP FIVE");
    QTest::mouseClick(button("Cmdcontinue"), Qt::LeftButton);
    choose("Cblength", "8");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    check("guess by mouse");
    for (int c = 0; c < 8; ++c) game.Colourinput.Lblcolour_DblClick(c);
    window->after();
    QTest::mouseClick(button("Cmdsubcol"), Qt::LeftButton);
    check("result");
    QTest::mouseClick(button("Cmdshowresult"), Qt::LeftButton);
    action("Mnukey")->trigger();
    check("guess by keys");
    action("Mnuend")->trigger();
    answer();
    action("Mnuset")->trigger();
    choose("Cbwho", "Computer guesses");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    for (const char* b : {"Optnomark", "Cmdokmark", "Cmdready"})
        QTest::mouseClick(widget(b), Qt::LeftButton);
    ASSERT_TRUE(waitfor([&] { return widget("Frgetresult")->isVisible(); }));
    check("marks");
    action("Mnuend")->trigger();
    answer();
    action("Mnuset")->trigger();
    choose("Cbstart", "Middle");
    QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
    ASSERT_TRUE(widget("Frtrialno")->isVisible());
    check("trial choice");
}
