#pragma once
// Widgets that pass the player's finer input to the game: the labels of the colour panel and
// the input row (double clicks, drags and drops) and text boxes whose keys the game checks.
#include "play/game.h"
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <functional>

namespace tc::ui {

// A label over a colour box: a double click, a drag from it, a drop on it.
class Celllabel : public QLabel {
public:
    // `draggable` says whether a drag may start from it now.
    Celllabel(Dragsource source, std::function<void()> doubleclicked,
              std::function<void(Dragsource)> dropped, std::function<bool()> draggable,
              QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Dragsource source_;
    std::function<void()> doubleclicked_;
    std::function<void(Dragsource)> dropped_;
    std::function<bool()> draggable_;
    QPoint pressed_;
};

// What a drag carries, and back.
QByteArray Dragdata(Dragsource source);
bool Readdrag(const QByteArray& data, Dragsource& source);

// A text box whose typed characters go to the game one by one: it decides what the text
// becomes. The caret moves freely; its place is written back to the model.
class Keytextbox : public QLineEdit {
public:
    // `key` gets a printable character or '\b' for Backspace; false when refused.
    Keytextbox(Textbox& model, std::function<bool(char)> key, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Textbox& model_;
    std::function<bool(char)> key_;
};

} // namespace tc::ui
