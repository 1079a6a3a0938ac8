#pragma once
// The main window over a fresh game, with helpers to drive it as a player would.
#include "play/game.h"
#include "shell/timerhost.h"
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
        game.Form_Load();
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

    tc::Seededrandom rnd{20240601};
    tc::Norecords records;
    tc::Game game{rnd, records};
    tc::Timerhost host;
    std::unique_ptr<tc::ui::Mainwindow> window;
};
