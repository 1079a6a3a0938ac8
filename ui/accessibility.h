#pragma once
// What a screen reader learns beyond what Qt's widgets tell it: lists that tell their value,
// radio buttons that are radio buttons, rows read one by one (the board, TOP FIVE), labels that
// change every second read only when asked, tool buttons read once, and the game's news told
// through the control that has the keyboard. A screen reader speaks a focus move or a change of
// the focused control's name or description, and little else; the news goes that way.
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

// `widget` reads as a list named `name` whose items are `rows()`. It takes the keyboard by Tab;
// Up, Down, Home and End move through the rows, each read as it is reached. The keyboard starts
// on the first row, or `fromlast` on the last, and stays on the last as rows come.
void Readasrows(QWidget* widget, const QString& name, std::function<QStringList()> rows,
                bool fromlast = false);

// The TOP FIVE places, one a row: place and name, time spent, attempts.
QStringList Winnerrows(const Fmmain& main);

// A label whose text changes too often to be announced (a clock, a scrolling help text): its
// text is its name, read when asked; a change of it is never announced.
void Readquietly(QLabel* label, const QString& name);

// Tells `text` through the control that has the keyboard once the current event is done (the
// keyboard may be moving), as a change of that control's name, unless the control already reads
// it. The control keeps the text as its name until the keyboard leaves it, so it can be heard
// again on request.
void Announce(const QString& text);

// The game's news, announced as it comes: the marks of a trial, the computer's guess to be
// marked, the prompt for a guess, the answer, TOP FIVE and its name entry.
void Announcenews(Syncset& sync, const Game& game);

} // namespace tc::ui
