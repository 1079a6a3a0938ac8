#pragma once
// The modal windows: the general message box and the two Help windows. Each is shown
// window-modal with open(), never exec(): the game's models say when it is up, and the work
// after it lives in the handler its button calls.
#include "ui/syncset.h"
#include "windows/fmmain.h"
#include "windows/messagebox.h"
#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace tc::ui {

class Picturewidget;

// Places a window at a fraction of the screen, from its top left corner.
void Placeonscreen(QWidget* window, double fromleft, double fromtop);

class Messagedialog : public QDialog {
public:
    // `press` receives the clicked button.
    // `owner` names the window the message is to sit over when it opens.
    Messagedialog(const Fmmessage& model, const QString& folder,
                  std::function<void(Boxbutton)> press, std::function<QWidget*()> owner,
                  QWidget* parent);
    void bind(Syncset& sync);
    // A button by its object name ("Cmdl3" .. "Cmdr3").
    QPushButton* button(const std::string& name) const;

protected:
    // Escape and the close box press the button a question's time-out presses, or the one button
    // of a message; other messages wait for their buttons.
    void reject() override;

private:
    void seticon(const std::string& file);
    void settext(const std::string& text);
    void showover();

    const Fmmessage& model_;
    QString folder_;
    std::function<QWidget*()> owner_;
    QLabel* icon_;
    QLabel* text_;
    std::array<QPushButton*, 5> buttons_;
};

// The common part of the About box and the instructions: shown while the model says so, placed
// at its own spot on the screen; closing the window counts as its OK.
class Helpdialog : public QDialog {
public:
    Helpdialog(const char* name, double fromleft, double fromtop, std::function<void()> ok,
               QWidget* parent);

protected:
    void reject() override { ok_(); }
    // Adds the caption and the visibility, after the steps of the window's contents.
    void bindwindow(Syncset& sync, const bool& visible, const std::string& caption);

private:
    std::function<void()> ok_;
    double left_, top_;
};

class Aboutdialog : public Helpdialog {
public:
    Aboutdialog(const Fmabout& model, const QString& folder, std::function<void()> ok,
                QWidget* parent);
    void bind(Syncset& sync);

private:
    const Fmabout& model_;
    Picturewidget* logo_;
    QLabel* text_;
    QPushButton* ok_;
};

class Instrdialog : public Helpdialog {
public:
    Instrdialog(const Fminstr& model, const QString& folder, std::function<void()> ok,
                QWidget* parent);
    void bind(Syncset& sync);

private:
    const Fminstr& model_;
    Picturewidget* logo_;
    QLabel* title_;
    Picturewidget* text_;
    QPushButton* ok_;
};

} // namespace tc::ui
