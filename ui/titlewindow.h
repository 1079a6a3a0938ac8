#pragma once
// The title window `Fmtitle`: the program's name, the video's place, the credit line with its
// hidden prompt, and the status bar. A press anywhere else is the window's click. The
// password prompt and the refusal are shown with open(), never exec(); their answers go to the
// title's handlers.
#include "shell/title.h"
#include "ui/syncset.h"
#include <QWidget>
#include <functional>

class QInputDialog;
class QLabel;
class QMessageBox;
class QStatusBar;

namespace tc::ui {

class Titlewindow : public QWidget {
public:
    // `after` runs after every handler: the main window's sync and whatever else follows.
    Titlewindow(Title& title, std::function<void()> after, QWidget* parent = nullptr);
    // Runs a title handler, then `after`.
    void act(const std::function<void()>& handler);
    // Brings the window and its boxes in step with the model; returns the properties written.
    int sync();

    QInputDialog* inputbox() const { return input_; }
    // Null until a message has been shown.
    QMessageBox* messagebox() const { return box_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Return, Space and Escape are the window's click.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The widgets in step with the title's models.
    void bindmodels();
    void showinput(bool visible);
    void showbox(bool visible);
    void fillbox();

    Title& title_;
    std::function<void()> after_;
    Syncset sync_;
    QWidget* avi_;
    QLabel* design_;
    QInputDialog* input_;
    QMessageBox* box_ = nullptr;
};

} // namespace tc::ui
