#include "toolkit/grid/string_grid.h"

#include <QScrollBar>
#include <algorithm>

#include "toolkit/grid/column_fit.h"
#include "toolkit/grid/grid_accessible.h"

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
    const int before = colCount_;
    colCount_ = std::max(0, count);
    for (QStringList& cells : rows_) cells.resize(colCount_);
    colWidths_.resize(colCount_, defaultColWidth_);
    shortenable_.resize(colCount_, false);
    if (focusedHeader_ >= colCount_) focusedHeader_ = colCount_ - 1;
    // The column sorted by may be gone, and its arrow with it.
    if (sortColumn_ >= colCount_) sortColumn_ = -1;
    if (colCount_ != before) textsChanged();
    relayout();
    announceGridReset(this);
}

void StringGrid::setRowCount(int count) {
    const int before = rowCount();
    rows_.resize(std::max(0, count), QStringList());
    for (QStringList& cells : rows_) cells.resize(colCount_);
    colWidths_.resize(colCount_, defaultColWidth_);
    shortenable_.resize(colCount_, false);
    if (selection_.y() >= rowCount()) selection_ = {-1, -1};
    if (rowCount() != before) textsChanged();
    relayout();
    announceGridReset(this);
}

QString StringGrid::cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount()) return {};
    return rows_[row][col];
}

void StringGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount()) return;
    if (rows_[row][col] != text) {
        rows_[row][col] = text;
        textsChanged();
    }
    announceGridRows(this, row, row);
}

QStringList StringGrid::row(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return rows_[row];
}

void StringGrid::setRow(int row, const QStringList& cells) {
    if (row < 0 || row >= rowCount()) return;
    QStringList whole = cells.mid(0, colCount_);
    whole.resize(colCount_);
    if (rows_[row] != whole) {
        rows_[row] = whole;
        textsChanged();
    }
    announceGridRows(this, row, row);
}

int StringGrid::colWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[col] : 0;
}

void StringGrid::setColWidth(int col, int width) {
    if (col < 0 || col >= colCount_) return;
    colWidths_[col] = std::max(0, width);
    widthsChanged();
    relayout();
}

int StringGrid::drawnColWidth(int col) const {
    return col >= 0 && col < colCount_ ? drawnWidths()[col] : 0;
}

bool StringGrid::colShortenable(int col) const {
    return col >= 0 && col < colCount_ && shortenable_[col];
}

void StringGrid::setColShortenable(int col, bool shortenable) {
    if (col < 0 || col >= colCount_) return;
    shortenable_[col] = shortenable;
    widthsChanged();
}

QString StringGrid::shownCell(int col, int row) const {
    const int arrow = row == 0 && col == sortColumn_ ? sortIndicatorWidth() : 0;
    const int width = drawnColWidth(col) - 2 * kTextMargin - arrow;
    return textWidths(isFixedRow(row))
        .shown(cell(col, row), width, row == 0 || colShortenable(col));
}

void StringGrid::setSortIndicator(int col, bool ascending) {
    sortColumn_ = col >= 0 && col < colCount_ ? col : -1;
    sortAscending_ = ascending;
    widthsChanged();
}

// An arrow half as high as the header's letters, and a gap before it.
int StringGrid::sortIndicatorWidth() const {
    return QFontMetrics(fixedFont_).ascent() / 2 * 2 + kTextMargin;
}

void StringGrid::widthsChanged() {
    widthsStale_ = true;
    viewport()->update();
}

void StringGrid::textsChanged() {
    textsStale_ = true;
    widthsChanged();
}

const std::vector<int>& StringGrid::drawnWidths() const {
    if (widthsStale_) {
        const int room = viewport()->width() - colCount_ * lineWidth;
        std::vector<ColumnRoom> rooms = measuredRooms();
        // The arrow shows on screen only; paper keeps the plain header.
        if (sortColumn_ >= 0) rooms[sortColumn_].header += sortIndicatorWidth();
        drawnWidths_ = fitColumns(rooms, room);
        widthsStale_ = false;
    }
    return drawnWidths_;
}

// The cells are measured again only after a text or a font changed; a column
// given another width, the sort arrow or the view's size only fit the
// measured columns anew.
std::vector<ColumnRoom> StringGrid::measuredRooms() const {
    if (textsStale_) {
        TextWidths& fixed = textWidths(true);
        TextWidths& body = textWidths(false);
        fixed.newPass();
        body.newPass();
        measured_ = columnRooms(*this, fixed, body, fixed, kTextMargin);
        textsStale_ = false;
    }
    std::vector<ColumnRoom> rooms = measured_;
    for (int col = 0; col < colCount_; ++col) {
        rooms[col].designed = colWidths_[col];
        rooms[col].shortenable = shortenable_[col];
    }
    return rooms;
}

TextWidths& StringGrid::textWidths(bool fixed) const {
    TextWidths& widths = fixed ? fixedWidths_ : bodyWidths_;
    widths.useFont(fixed ? fixedFont_ : font());
    return widths;
}

void StringGrid::setRowHeight(int height) {
    rowHeight_ = std::max(1, height);
    relayout();
}

void StringGrid::setFixedFooter(bool fixed) {
    fixedFooter_ = fixed;
    textsChanged();
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
    textsChanged();
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
    announceGridFocus(this);
}

bool StringGrid::cellSelectable(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 1 || row > lastBodyRow()) return false;
    return !selectCell_ || selectCell_(col, row);
}

bool StringGrid::selectByUser(int col, int row) {
    if (!cellSelectable(col, row)) return false;
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
