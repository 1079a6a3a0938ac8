#pragma once
// How the keyboard reaches the game: the focus kept on what the player can see, and the keys of
// desktop convention in every window of the program (Return on the focused button, the way back to
// a modal message that another window of the program took the keyboard from).
#include "play/game.h"
#include "windows/messagebox.h"
#include <QObject>
#include <string>
#include <vector>

class QWidget;

namespace tc::ui {

// Installs the program-wide key conventions once: Return and Enter press the focused push button
// rather than the window's default button; a window blocked by a modal message hands the keyboard
// on to the message.
void Installkeys();

// The button Escape presses in `message`: in the questions the time-out answers with `Cmdr2`,
// that button; in a message with one button, that one; in any other message none ("").
Boxbutton Escapebutton(const Fmmessage& message);

// The widget of `panel` that takes the keyboard when it opens: its first input (a text box, a list,
// an option button, a scroll bar), else its default button, else its first button; null when it
// has none the player can reach.
QWidget* Entry(QWidget* panel);

// Whether another control of its window lies over part of `widget` (TOP FIVE over the board).
bool Covered(const QWidget* widget);

// Keeps the main window's keyboard on what the player sees: a panel that opens takes it at its
// entry, and so does a panel that asks anew (the marks of the next trial); a control that hides or
// is disabled hands it to the next panel's entry, else to the board, else to the window itself.
// The board takes it, by Tab too, only while nothing covers it.
// Dialogs hand a lost keyboard to their own entry.
class Focuskeeper {
public:
    Focuskeeper(QWidget* mainwindow, const Game& game);
    // After every change of the windows.
    void keep();

private:
    // The entry of the first shown panel, else the board when it shows; null when neither.
    QWidget* prompt() const;
    // What the game waits for under any message, and the trial: a change is a new question.
    std::string asked() const;
    const Game& game_;
    std::string asked_;
    QWidget* main_;
    QWidget* board_;
    std::vector<QWidget*> panels_; // in the order they are preferred
    std::vector<bool> shown_;
};

} // namespace tc::ui
