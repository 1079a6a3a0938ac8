#pragma once
// The main window over a fresh game, with helpers to drive it as a player would.
#include "play/game.h"
#include "system/timerhost.h"
#include "ui/dialogs.h"
#include "ui/mainwindow.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        game.Menus.Form_Load();
        game.Registertimers(host);
        game.Main.Visible = true;
        window = std::make_unique<tc::ui::Mainwindow>(game, host, QDir::tempPath());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T> T* find(const char* name) {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    QWidget* widget(const char* name) { return find<QWidget>(name); }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }
    QComboBox* combo(const char* name) { return find<QComboBox>(name); }

    // A pick from the list's popup, as the player makes it.
    void choose(const char* list, const QString& text) {
        QComboBox* c = combo(list);
        const int index = c->findText(text);
        ASSERT_GE(index, 0) << list << " offers no " << text.toStdString();
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    QStringList items(const char* list) {
        QStringList all;
        QComboBox* c = combo(list);
        for (int i = 0; i < c->count(); ++i) all << c->itemText(i);
        return all;
    }
    // The timers run for real; the computer's steps take a millisecond each.
    bool waitfor(const std::function<bool()>& done, int ms = 20000) {
        return QTest::qWaitFor(done, ms);
    }

    // What an 800 x 600 screen leaves a window with its frame and a desktop panel.
    static constexpr QSize Smallscreen{776, 528};

    // The message box's default button, as Enter would press it.
    void answer() {
        ASSERT_TRUE(window->messagebox()->isVisible());
        for (QPushButton* b : window->messagebox()->findChildren<QPushButton*>())
            if (b->isVisible() && b->isDefault()) return QTest::mouseClick(b, Qt::LeftButton);
        FAIL() << "no default button";
    }
    // Every visible control of `top` lies inside it and has at least the size it asks for.
    void fits(const char* state, QWidget* top = nullptr) {
        if (!top) top = window.get();
        // Layout requests go up one level per pass of the event loop.
        for (int pass = 0; pass < 8; ++pass) QApplication::processEvents();
        if (const QString shots = qEnvironmentVariable("TINTCIPHER_UI_SHOTS"); !shots.isEmpty())
            top->grab().save(QDir(shots).filePath(QString(state) + ".png"));
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->window() != top) continue;
            const std::string what =
                state + (" " + w->objectName()).toStdString() + " " + w->metaObject()->className();
            EXPECT_TRUE(top->rect().contains(QRect(w->mapTo(top, QPoint()), w->size()))) << what;
            const QSizePolicy policy = w->sizePolicy();
            const QSize hint = w->hasHeightForWidth() ? w->minimumSizeHint() : w->sizeHint();
            if (policy.horizontalPolicy() != QSizePolicy::Ignored && hint.width() > 0) {
                EXPECT_GE(w->width(), hint.width()) << what;
            }
            const int tall = w->hasHeightForWidth() ? w->heightForWidth(w->width()) : hint.height();
            if (policy.verticalPolicy() != QSizePolicy::Ignored && tall > 0) {
                EXPECT_GE(w->height(), tall) << what;
            }
        }
    }

    tc::Seededrandom rnd{20240601};
    tc::Norecords records;
    tc::Systemclock clock;
    tc::Game game{rnd, records, clock};
    tc::Timerhost host;
    std::unique_ptr<tc::ui::Mainwindow> window;
};
