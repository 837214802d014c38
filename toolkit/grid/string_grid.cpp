#include "toolkit/grid/string_grid.h"

#include <QScrollBar>
#include <algorithm>

namespace quarvo {

StringGrid::StringGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      fixedColor_(palette().color(QPalette::Button)),
      fixedFont_(font()) {
    setRowCount(5);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
}

void StringGrid::setColCount(int count) {
    colCount_ = std::max(0, count);
    for (QStringList& cells : rows_) cells.resize(colCount_);
    colWidths_.resize(colCount_, defaultColWidth_);
    relayout();
}

void StringGrid::setRowCount(int count) {
    rows_.resize(std::max(0, count), QStringList());
    for (QStringList& cells : rows_) cells.resize(colCount_);
    colWidths_.resize(colCount_, defaultColWidth_);
    if (selection_.y() >= rowCount()) selection_ = {-1, -1};
    relayout();
}

QString StringGrid::cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount()) return {};
    return rows_[row][col];
}

void StringGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount()) return;
    rows_[row][col] = text;
    viewport()->update();
}

QStringList StringGrid::row(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows_[row];
}

void StringGrid::setRow(int row, const QStringList& cells) {
    if (row < 0 || row >= rowCount()) return;
    QStringList whole = cells.mid(0, colCount_);
    whole.resize(colCount_);
    rows_[row] = whole;
    viewport()->update();
}

int StringGrid::colWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[col] : 0;
}

void StringGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= colCount_) return;
    colWidths_[col] = std::max(0, width);
    relayout();
}

void StringGrid::setRowHeight(int height) {
    rowHeight_ = std::max(1, height);
    relayout();
}

void StringGrid::setFixedFooter(bool fixed) {
    fixedFooter_ = fixed;
    relayout();
}

void StringGrid::setGridLines(bool vertical, bool horizontal) {
    verticalLines_ = vertical;
    horizontalLines_ = horizontal;
    viewport()->update();
}

void StringGrid::setFixedGridLines(bool vertical, bool horizontal) {
    fixedVerticalLines_ = vertical;
    fixedHorizontalLines_ = horizontal;
    viewport()->update();
}

void StringGrid::setColor(const QColor& color) {
    color_ = color;
    viewport()->update();
}

void StringGrid::setFixedColor(const QColor& color) {
    fixedColor_ = color;
    viewport()->update();
}

void StringGrid::setFixedFont(const QFont& font) {
    fixedFont_ = font;
    viewport()->update();
}

QColor StringGrid::cellBackground(int col, int row) const {
    if (isFixedRow(row)) return fixedColor_;
    return isSelected(col, row) ? palette().color(QPalette::Highlight) : color_;
}

void StringGrid::setAlignmentHandler(AlignmentHandler handler) {
    alignment_ = std::move(handler);
    viewport()->update();
}

void StringGrid::setDrawCellHandler(DrawCellHandler handler) {
    drawCell_ = std::move(handler);
    viewport()->update();
}

Qt::Alignment StringGrid::alignment(int col, int row) const {
    Qt::Alignment align = alignment_ ? alignment_(col, row) : Qt::AlignLeft;
    if (!(align & Qt::AlignVertical_Mask)) align |= Qt::AlignVCenter;
    return align;
}

void StringGrid::setSelection(int col, int row) {
    const bool inBody =
        col >= 0 && col < colCount_ && !isFixedRow(row) && row > 0 && row <= lastBodyRow();
    selection_ = inBody ? QPoint(col, row) : QPoint(-1, -1);
    if (inBody) ensureVisible(row);
    viewport()->update();
}

bool StringGrid::selectByUser(int col, int row) {
    if (col < 0 || col >= colCount_ || row < 1 || row > lastBodyRow()) return false;
    if (selectCell_ && !selectCell_(col, row)) return false;
    setSelection(col, row);
    emit cellSelected(col, row);
    return true;
}

bool StringGrid::isFixedRow(int row) const {
    return row == 0 || (fixedFooter_ && row == rowCount() - 1);
}

bool StringGrid::isSelected(int col, int row) const {
    return row == selection_.y() && row >= 0 && (rowSelect_ || col == selection_.x());
}

int StringGrid::lastBodyRow() const {
    return rowCount() - 1 - (fixedFooter_ ? 1 : 0);
}

}  // namespace quarvo
