#pragma once
// Colours that stay visible on what lies behind them: a bar painted in the
// colour of the wall behind it, say white on white, would show only its
// outline.

#include <QColor>

namespace quarvo {

// The colour itself when it stands apart from ground; otherwise a tone of
// it taken towards black on a light ground, towards white on a dark one,
// just far enough to stand apart. An invalid ground leaves every colour.
[[nodiscard]] QColor standingOut(const QColor& colour, const QColor& ground);

}  // namespace quarvo
