#pragma once
// The main window `Fmmain` in Qt: one widget per control model, named after it. User actions go
// to the game's handlers; after each handler and each timer tick `sync` brings the widgets in
// step with the models.
#include "play/game.h"
#include "system/timerhost.h"
#include "ui/syncset.h"
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QPushButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QHBoxLayout;

namespace tc::ui {

class Messagedialog;
class Aboutdialog;
class Instrdialog;
class Manualopener;
class Statwindow;
class Statdialog;
class Filewindow;
class Focuskeeper;
class Picturewidget;
class Timerdriver;
class Runprobe;
class Keytextbox;
struct Scale;
class Strip;
class Wraplabel;

class Mainwindow : public QMainWindow {
    Q_OBJECT
public:
    // `folder` is the program folder, where pictures and icons are looked up.
    Mainwindow(Game& game, Timerhost& host, const QString& folder, QWidget* parent = nullptr);
    ~Mainwindow() override;

    // Brings every widget in step with the models; returns how many widget properties it wrote.
    int sync();
    // What follows every handler and tick: the widgets, the timers, and the end of the program
    // once the game asks for it.
    void after();

    Timerdriver& timers() { return *driver_; }
    Messagedialog* messagebox() const { return message_; }
    Aboutdialog* aboutbox() const { return about_; }
    Instrdialog* instructions() const { return instr_; }
    Manualopener& manual() const { return *manual_; }
    Statwindow* statistics() const { return stat_.get(); }
    Statdialog* statbox() const { return statbox_; }
    Filewindow* filedialog() const { return files_; }
    QMenu* gamemenu() const { return gamemenu_; }
    const Runprobe* runprobe() const { return probe_; }

signals:
    // The window was closed, by its close box or because the game asked to quit.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs a handler, then `after`.
    void act(const std::function<void()>& handler);
    void buildmenus();
    void buildtoolbar();
    void buildstatusbar();
    void buildstage();
    void builddialogs();
    void buildshortcuts();
    // The window's own caption, pointer and visibility, and the keyboard for the window on top.
    void bindwindow();
    QWidget* buildsettingmenu();
    QWidget* buildboard();
    // The panels below the board, one builder to a frame (ui/panels.cpp).
    std::array<Strip*, 2> buildstrips();
    QGroupBox* buildsetting(QWidget* parent);
    QLabel* buildtime(QWidget* parent);
    QGroupBox* buildanswer(QWidget* parent);
    QGroupBox* buildtrialno(QWidget* parent);
    QGroupBox* buildmark(QWidget* parent);
    QGroupBox* buildaskcode(QWidget* parent);
    QGroupBox* buildgetstring(QWidget* parent);
    QGroupBox* buildinput(QWidget* parent);
    QGroupBox* buildcolour(QWidget* parent);
    QGroupBox* builderror(QWidget* parent);
    QGroupBox* buildshowresult(QWidget* parent);
    QGroupBox* buildgetresult(QWidget* parent);
    QGroupBox* buildgetwrong(QWidget* parent);
    QWidget* builddemo(QWidget* parent);
    QGroupBox* buildscroll(QWidget* parent);
    QWidget* buildprogress(QWidget* parent);
    // The TOP FIVE list over the board with its editor, and the name panel of a new entry.
    QWidget* buildwinners();
    QWidget* buildnamepanel(QWidget* parent);
    // The list's places, and its editor in design mode.
    QGroupBox* buildwinrecord(QWidget* panel);
    QGroupBox* buildeditor(QWidget* panel);
    // The window the models put on top, the message box left out or not; null while none shows.
    QWidget* topwindow(bool withmessage) const;
    // Clicks the default button of the visible panel.
    void pressdefault();

    QLabel* label(const Control& model, const char* name, QWidget* parent);
    // A word-wrapped label keeping room for `lines` lines.
    Wraplabel* wrapped(const Control& model, const char* name, QWidget* parent, int lines = 2);
    // A row of colour boxes with their labels on top, which take the clicks, drags and drops.
    QHBoxLayout* cells(std::span<Picture> pictures, std::span<Control> labels, const char* stem,
                       QWidget* parent, Dragsource::Kind kind);
    // A text box whose typed keys go to the game one by one.
    Keytextbox* keybox(Textbox& model, const char* name, QWidget* parent,
                       std::function<bool(char)> keypress);
    // `apply` follows the panels' scale (ui/stage.h).
    void scaled(std::function<void(const Scale&)> apply) { scalers_.push_back(std::move(apply)); }
    QPushButton* button(const Control& model, const char* name, QWidget* parent,
                        std::function<void()> handler);
    // A button whose click is sent to the game as `clicked`.
    QPushButton* button(const Control& model, const char* name, QWidget* parent,
                        Playerevent clicked) {
        return button(model, name, parent, [this, clicked] { game_.Controls.Send(clicked); });
    }
    QGroupBox* frame(const Control& model, const char* name, QWidget* parent);
    QComboBox* combo(Combolist& model, const char* name, QWidget* parent,
                     std::function<void(int)> chosen);
    Picturewidget* picture(const Picture& model, const char* name, QWidget* parent);
    // A screen reader names `widget` by `text`, followed as it changes.
    void speakas(QWidget* widget, std::function<std::string()> text);
    // A text box the game takes as typed, up to `maxlength` characters (0: no limit).
    QLineEdit* plaintext(Textbox& model, const char* name, QWidget* parent, int maxlength = 0);

    Game& game_;
    QString folder_;
    Syncset sync_;
    Timerdriver* driver_;
    Messagedialog* message_;
    Aboutdialog* about_;
    Instrdialog* instr_;
    Statdialog* statbox_;
    Filewindow* files_;
    std::unique_ptr<Statwindow> stat_;
    std::unique_ptr<Manualopener> manual_;
    std::unique_ptr<Focuskeeper> keeper_;
    Runprobe* probe_ = nullptr;
    QMenu* gamemenu_ = nullptr;
    std::vector<std::pair<const Control*, QPushButton*>> buttons_;
    std::vector<std::function<void(const Scale&)>> scalers_;
    bool closing_ = false;
};

} // namespace tc::ui
