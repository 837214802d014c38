#pragma once
// The plain labels of the statistics pages: fixed texts placed at a point
// and sized to their text, and figures right-aligned in a box of fixed
// width, so that a column of numbers lines up at its right edge.

#include <QLabel>
#include <initializer_list>

namespace quarvo {

// The label is owned by parent; callers keep it only when they fill it later.
QLabel* fixedLabel(QWidget* parent, const QString& text, QPoint at);
struct LabelPlace {
    const char* text;
    int left;
};
// A row of fixed texts at one top, such as the headings of a table.
void labelRow(QWidget* parent, int top, std::initializer_list<LabelPlace> labels);

// A figure label, empty until the page is filled; only its width matters,
// its height follows the font.
[[nodiscard]] QLabel* figureLabel(QWidget* parent, QPoint at, int width);

}  // namespace quarvo
