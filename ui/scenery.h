#pragma once
// Pictures painted while their display lists are still empty: the idle sky, the logo and the
// TOP FIVE cup.
#include <QPainter>
#include <QRect>

namespace tc::ui {

// A sky with soft clouds and the game's title, scaled to the rectangle.
void Paintsky(QPainter& painter, const QRect& area);
// Four colour boxes over a row of marks.
void Paintlogo(QPainter& painter, const QRect& area);
// A golden cup on a small plinth.
void Paintcup(QPainter& painter, const QRect& area);

} // namespace tc::ui
