#pragma once
// What a screen reader learns beyond what Qt's widgets tell it: lists that tell their value,
// radio buttons that are radio buttons, rows read one by one (the board, TOP FIVE), labels that
// change every second read only when asked, tool buttons read once, and the game's news told
// where the keyboard is.
#include "ui/syncset.h"
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class QLabel;

namespace tc {
class Game;
struct Fmmain;
} // namespace tc

namespace tc::ui {

// Installs the accessible interfaces below, once per program, before the windows are made.
void Installaccessibility();

// `widget` reads as a list named `name()`, its heading, whose items are `rows()`. It takes the
// keyboard by Tab; Up, Down, Home and End move through the rows, each read as it is reached. The
// keyboard starts on the first row, or `fromlast` on the last, and stays on the last as rows come.
void Readasrows(QWidget* widget, std::function<QString()> name, std::function<QStringList()> rows,
                bool fromlast = false);

// The TOP FIVE places, one a row: place and name, time spent, attempts.
QStringList Winnerrows(const Fmmain& main);

// A label whose text changes too often to be announced (a clock, a scrolling help text): its
// text is its name, read when asked; a change of it is never announced.
void Readquietly(QLabel* label, const QString& name);

// Tells `text` to a screen reader once the current event is done. A screen reader speaks a focus
// move and, with Qt 6.4, no change of a name: the news go with the keyboard when it moves in this
// turn (the control it reaches is named with them before the move is told), else to an item of
// news of a list of ours, the one with the keyboard or one shown in its window, which the reader
// is moved to. A control already named by `text` is not told again.
void Announce(const QString& text);

// The game's news, announced as it comes: the marks of a trial, the computer's guess to be
// marked, the prompt for a guess, the answer and TOP FIVE's name entry. TOP FIVE's heading is its
// list's name, read as the keyboard reaches it.
void Announcenews(Syncset& sync, const Game& game);

} // namespace tc::ui
