// The Open/Save dialog on the offscreen platform, driven as a player would: typing a name and
// pressing Save or Enter, clicking and double-clicking files and folders, the Delete key, Cancel,
// Escape and the close box; and the message box staying on top of the dialog.
#include "engine/codes.h"
#include "play/game.h"
#include "ui/dialogs.h"
#include "ui/filewindow.h"
#include "ui/mainwindow.h"
#include "windowfixture.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

namespace fs = std::filesystem;

class Files : public Window {
protected:
    void SetUp() override {
        Window::SetUp();
        ASSERT_TRUE(folder.isValid());
        game.Programfolder = folder.path().toStdString();
        dialog = window->filedialog();
        ASSERT_NE(dialog, nullptr);
    }

    fs::path filesfolder() const { return game.Programfolder / "Files"; }
    QPushButton* dialogbutton(const char* name) {
        auto* b = dialog->findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    QString labeltext(const char* name) {
        auto* l = dialog->findChild<QLabel*>(name);
        EXPECT_NE(l, nullptr) << name;
        return l ? l->text() : QString();
    }
    static QStringList texts(QListWidget* list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
        return all;
    }
    // A click or double click on the entry of that text, where the player would make it.
    static void clickitem(QListWidget* list, const QString& text, bool twice = false) {
        const auto found = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        list->scrollToItem(found[0]);
        const QPoint at = list->visualItemRect(found[0]).center();
        // A double click comes after the click of its first press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    static void touch(const fs::path& file) {
        QFile f(QString::fromStdString(file.string()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QPushButton* messagebutton(const char* name) { return window->messagebox()->button(name); }

    // A "You guess" game in play with one guess made, when it may be saved; then Save As.
    void startandsaveas() {
        action("Mnukey")->trigger();
        action("Mnuset")->trigger();
        game.Plan.Answer = tc::Str("789");
        QTest::mouseClick(button("Cmdstart"), Qt::LeftButton);
        QTest::keyClicks(find<QLineEdit>("Txtinput"), "123");
        QTest::mouseClick(button("Cmdsubnum"), Qt::LeftButton);
        QTest::mouseClick(button("Cmdshowresult"), Qt::LeftButton);
        ASSERT_TRUE(game.Rec.Inplay());
        action("Mnusaveas")->trigger();
        ASSERT_TRUE(dialog->isVisible());
    }
    void saveas(const QString& name) {
        QTest::keyClicks(dialog->name(), name);
        QTest::mouseClick(dialogbutton("Cmdsave"), Qt::LeftButton);
    }
    // The game in play ended through End Game and the answer's End button: the idle window.
    void endgame() {
        action("Mnuend")->trigger();
        ASSERT_TRUE(window->messagebox()->isVisible());
        QTest::mouseClick(messagebutton("Cmdl2"), Qt::LeftButton); // OK
        ASSERT_TRUE(
            waitfor([&] { return game.Message.Visible && game.Message.Tag == "Franswer"; }));
        QTest::mouseClick(messagebutton("Cmdr3"), Qt::LeftButton); // End
        ASSERT_EQ(game.Wait.Key(), "Picfore");
    }

    QTemporaryDir folder;
    tc::ui::Filewindow* dialog = nullptr;
};

TEST_F(Files, SavingWritesTheTypedNameAsATcFileAndRetitlesTheMainWindow) {
    startandsaveas();
    EXPECT_EQ(dialog->windowTitle(), "Save As");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(dialogbutton("Cmdsave")->isVisible());
    EXPECT_TRUE(dialogbutton("Cmdsave")->isDefault());
    EXPECT_FALSE(dialogbutton("Cmdopen")->isVisible());
    EXPECT_EQ(labeltext("Lbllook"), "Look in:");
    EXPECT_EQ(labeltext("Lblname"), "File name:");
    EXPECT_EQ(labeltext("Lbltype"), "Files of type:");
    EXPECT_EQ(labeltext("Lbldelete"),
              "To delete a file, just highlight the file name and press the Delete key.");
    EXPECT_EQ(dialog->findChild<QComboBox*>("Cbfiles")->currentText(), "All tc files(*.tc)");
    EXPECT_EQ(dialog->folderpath()->path().toStdString(), filesfolder().string());
    EXPECT_TRUE(dialog->name()->text().isEmpty());
    // Shown and in step, an idle pass writes nothing.
    window->sync();
    EXPECT_EQ(window->sync(), 0);

    QTest::keyClicks(dialog->name(), "first");
    EXPECT_EQ(game.Files.Txtfiles.Caption, "first");
    QTest::mouseClick(dialogbutton("Cmdsave"), Qt::LeftButton);
    const fs::path saved = filesfolder() / "first.tc";
    EXPECT_TRUE(fs::is_regular_file(saved));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), "Saved Game - " + saved.string());

    // The next time the file is listed; a click names it, Enter saves over it after asking.
    action("Mnusaveas")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(texts(dialog->files()), QStringList{"first.tc"});
    clickitem(dialog->files(), "first.tc");
    EXPECT_EQ(dialog->name()->text(), "first.tc");
    QTest::keyClick(dialog->name(), Qt::Key_Return);
    ASSERT_TRUE(window->messagebox()->isVisible());
    EXPECT_EQ(window->messagebox()->windowTitle(), "Overwrite File?");
    // The question is over the dialog, not under it, and any window manager keeps it there.
    EXPECT_EQ(QApplication::activeModalWidget(), window->messagebox());
    EXPECT_EQ(window->messagebox()->parentWidget(), dialog);
    QTest::mouseClick(messagebutton("Cmdr2"), Qt::LeftButton); // No
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->name()->text(), "first.tc");
}

TEST_F(Files, AFailedSaveShowsItsMessageOverTheReopenedDialog) {
    startandsaveas();
    saveas("kept");
    ASSERT_FALSE(dialog->isVisible());
    // Save writes to the same file again; with its folder gone the write fails, and the dialog
    // and the message open in one step.
    fs::remove_all(filesfolder());
    action("Mnusave")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_TRUE(window->messagebox()->isVisible());
    EXPECT_EQ(window->messagebox()->windowTitle(), "Game Not Saved");
    EXPECT_EQ(QApplication::activeModalWidget(), window->messagebox());
    QTest::mouseClick(messagebutton("Cmdmid"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
}

TEST_F(Files, ADoubleClickOnASavedGameLoadsIt) {
    startandsaveas();
    saveas("again");
    endgame();

    action("Mnuload")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Open");
    EXPECT_TRUE(dialogbutton("Cmdopen")->isVisible());
    EXPECT_TRUE(dialogbutton("Cmdopen")->isDefault());
    EXPECT_FALSE(dialogbutton("Cmdsave")->isVisible());
    clickitem(dialog->files(), "again.tc", true);
    EXPECT_FALSE(dialog->isVisible());
    const fs::path path = filesfolder() / "again.tc";
    EXPECT_EQ(window->windowTitle().toStdString(), "Loaded Game - " + path.string());
    EXPECT_TRUE(game.Rec.Inplay());
    EXPECT_EQ(window->messagebox()->windowTitle(), "Loaded Game");
}

TEST_F(Files, TheDeleteKeyOnTheFileListAsksBeforeDeleting) {
    fs::create_directories(filesfolder());
    touch(filesfolder() / "a.tc");
    touch(filesfolder() / "b.tc");
    action("Mnuload")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(texts(dialog->files()), (QStringList{"a.tc", "b.tc"}));

    // Nothing chosen, nothing asked; entering the list by the keyboard chooses nothing.
    QFocusEvent tabbedin(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(dialog->files(), &tabbedin);
    QTest::keyClick(dialog->files(), Qt::Key_Delete);
    EXPECT_FALSE(game.Message.Visible);
    EXPECT_TRUE(dialog->name()->text().isEmpty());
    // The arrow keys choose as clicks do.
    QTest::keyClick(dialog->files(), Qt::Key_Down);
    EXPECT_FALSE(dialog->name()->text().isEmpty());

    clickitem(dialog->files(), "b.tc");
    // In the name box the key edits the name.
    QTest::keyClick(dialog->name(), Qt::Key_Home);
    QTest::keyClick(dialog->name(), Qt::Key_Delete);
    EXPECT_FALSE(game.Message.Visible);
    EXPECT_EQ(dialog->name()->text(), ".tc");

    QTest::keyClick(dialog->files(), Qt::Key_Delete);
    ASSERT_TRUE(window->messagebox()->isVisible());
    const fs::path b = filesfolder() / "b.tc";
    EXPECT_EQ(game.Message.Lblmessage.Caption,
              "Are you sure you want to delete the file " + b.string() + "?");
    QTest::mouseClick(messagebutton("Cmdr2"), Qt::LeftButton); // No
    EXPECT_TRUE(fs::exists(b));

    clickitem(dialog->files(), "b.tc");
    QTest::keyClick(dialog->files(), Qt::Key_Delete);
    ASSERT_TRUE(window->messagebox()->isVisible());
    QTest::mouseClick(messagebutton("Cmdl2"), Qt::LeftButton); // Yes
    EXPECT_FALSE(fs::exists(b));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(texts(dialog->files()), QStringList{"a.tc"});
    EXPECT_EQ(dialog->files()->currentRow(), -1);
    EXPECT_TRUE(dialog->name()->text().isEmpty());
}

TEST_F(Files, CancelEscapeAndTheCloseBoxLeaveTheDialogAsCancelDoes) {
    // During a game: back to the game, waiting as before.
    startandsaveas();
    const std::string waiting = game.Wait.Key().substr(game.Wait.Key().find('+') + 1);
    QTest::mouseClick(dialogbutton("Cmdcancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(game.Rec.Inplay());
    EXPECT_EQ(game.Wait.Key(), waiting);

    action("Mnusaveas")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog->name(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(game.Rec.Inplay());
    EXPECT_EQ(game.Wait.Key(), waiting);
    endgame();

    // From the idle window: idle again, nothing loaded.
    action("Mnuload")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(game.Files.Visible);
    EXPECT_EQ(game.Wait.Key(), "Picfore");
    EXPECT_EQ(window->windowTitle(), "Tintcipher");
}

TEST_F(Files, FoldersAreEnteredByDoubleClickAndLeftByTheParentEntry) {
    fs::create_directories(filesfolder() / "sub");
    touch(filesfolder() / "top.tc");
    touch(filesfolder() / "sub" / "inner.tc");
    touch(filesfolder() / "sub" / "notes.txt");
    startandsaveas();
    EXPECT_EQ(texts(dialog->folders()), (QStringList{"..", "sub"}));
    EXPECT_EQ(texts(dialog->files()), QStringList{"top.tc"});

    QTest::keyClicks(dialog->name(), "draft");
    clickitem(dialog->folders(), "sub", true);
    const fs::path sub = filesfolder() / "sub";
    EXPECT_EQ(dialog->folderpath()->path().toStdString(), sub.string());
    EXPECT_EQ(texts(dialog->files()), QStringList{"inner.tc"});
    EXPECT_TRUE(dialog->name()->text().isEmpty());
    EXPECT_EQ(texts(dialog->folders()), QStringList{".."});

    // Saved where the dialog looks.
    saveas("deep");
    EXPECT_TRUE(fs::is_regular_file(sub / "deep.tc"));

    action("Mnusaveas")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    // Each opening starts in the program's folder again. Return in the list enters a folder,
    // and saves nothing.
    EXPECT_EQ(dialog->folderpath()->path().toStdString(), filesfolder().string());
    QTest::keyClicks(dialog->name(), "unsaved");
    dialog->folders()->setCurrentRow(1);
    QTest::keyClick(dialog->folders(), Qt::Key_Return);
    EXPECT_EQ(dialog->folderpath()->path().toStdString(), sub.string());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(fs::exists(sub / "unsaved.tc"));
    clickitem(dialog->folders(), "..", true);
    clickitem(dialog->folders(), "sub", true);
    clickitem(dialog->folders(), "..", true);
    EXPECT_EQ(dialog->folderpath()->path().toStdString(), filesfolder().string());
    EXPECT_EQ(texts(dialog->files()), QStringList{"top.tc"});
}

TEST_F(Files, TheDriveListOffersTheMountedFileSystemsAndOpensTheChosenOne) {
    action("Mnuload")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    QStringList mounted;
    for (const std::string& d : tc::ui::Mounteddrives()) mounted << QString::fromStdString(d);
    ASSERT_FALSE(mounted.isEmpty());
    EXPECT_EQ(items("Drvfiles"), mounted);
    // The program's drive is the one holding its folder.
    const QString shown = dialog->drives()->currentText();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(QString::fromStdString(game.Programfolder.string()).startsWith(shown));

    const QString root = QString::fromStdString(game.Programfolder.root_path().string());
    choose("Drvfiles", root);
    EXPECT_EQ(dialog->folderpath()->path(), root);
    EXPECT_FALSE(texts(dialog->folders()).contains(".."));
    EXPECT_FALSE(game.Message.Visible);
}

} // namespace
