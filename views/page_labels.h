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
// its height follows the font. It is never narrower than width.
[[nodiscard]] QLabel* figureLabel(QWidget* parent, QPoint at, int width);

// Keeps a filled column of figure labels whole: a figure wider than the
// labels widens them to the left, their right edges staying, and the widget
// on their left (given neighbourWidth wide) gives up the room the figures
// take, so that no figure is cut or runs into it. A later fill with smaller
// figures brings both back to their widths.
void fitFigureColumn(std::initializer_list<QLabel*> column, QWidget& neighbour, int neighbourWidth);

}  // namespace quarvo
