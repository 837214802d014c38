#pragma once
// The plain labels of the statistics pages: fixed texts placed at a point
// and sized to their text, and figures right-aligned in a box of fixed
// width, so that a column of numbers lines up at its right edge.

#include <QLabel>

namespace quarvo {

// The label is owned by parent; callers keep it only when they fill it later.
QLabel* fixedLabel(QWidget* parent, const QString& text, QPoint at);
// A figure label, empty until the page is filled; only its width matters,
// its height follows the font.
[[nodiscard]] QLabel* figureLabel(QWidget* parent, QPoint at, int width);

}  // namespace quarvo
