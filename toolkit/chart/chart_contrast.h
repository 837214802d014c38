#pragma once
// Colours that stay visible on what lies behind them: a bar painted in the
// colour of the wall behind it, say white on white, would show only its
// outline.

#include <QColor>
#include <QPen>

namespace quarvo {

// The colour itself when it stands apart from ground; otherwise a tone of
// it taken towards black on a light ground, towards white on a dark one,
// just far enough to stand apart. An invalid ground leaves every colour.
[[nodiscard]] QColor standingOut(const QColor& colour, const QColor& ground);

// An earlier value of a bar in colour: a darker outline over a faint wash,
// so that it reads as what the bar was, not as another bar.
[[nodiscard]] QPen earlierOutline(const QColor& colour);
[[nodiscard]] QColor earlierWash(const QColor& colour);

}  // namespace quarvo
