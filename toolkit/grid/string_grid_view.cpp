// How StringGrid lays out, paints and answers the mouse and keyboard.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

#include "toolkit/focus_frame.h"
#include "toolkit/grid/grid_accessible.h"
#include "toolkit/grid/string_grid.h"

namespace quarvo {
namespace {

const QColor bodyLineColour(192, 192, 192);
const QColor fixedLineColour(128, 128, 128);

}  // namespace

int StringGrid::colLeft(int col) const {
    int x = -horizontalScrollBar()->value();
    const std::vector<int>& widths = drawnWidths();
    for (int i = 0; i < col && i < colCount_; ++i) x += widths[i] + lineWidth;
    return x;
}

int StringGrid::visibleBodyRows() const {
    const int pitch = rowHeight_ + lineWidth;
    const int fixedRows = 1 + (fixedFooter_ ? 1 : 0);
    return std::max(0, viewport()->height() / pitch - fixedRows);
}

// The footer follows the last body row, or stays at the bottom of the view
// while the body rows scroll above it.
int StringGrid::footerTop() const {
    const int pitch = rowHeight_ + lineWidth;
    const int afterBody = (lastBodyRow() - topRow_ + 2) * pitch;
    return std::max(pitch, std::min(afterBody, viewport()->height() - pitch));
}

int StringGrid::bodyBottom() const {
    return fixedFooter_ ? footerTop() : viewport()->height();
}

int StringGrid::rowTop(int row) const {
    if (row == 0) return 0;
    if (fixedFooter_ && row == rowCount() - 1) return footerTop();
    return (row - topRow_ + 1) * (rowHeight_ + lineWidth);
}

QRect StringGrid::cellRect(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount()) return {};
    const int top = rowTop(row);
    if (!isFixedRow(row) && (row < topRow_ || top >= bodyBottom())) return {};
    return {colLeft(col), top, drawnWidths()[col], rowHeight_};
}

QPoint StringGrid::cellAt(const QPoint& position) const {
    for (int row = 0; row < rowCount(); ++row)
        for (int col = 0; col < colCount_; ++col)
            if (cellRect(col, row).contains(position)) return {col, row};
    return {-1, -1};
}

void StringGrid::relayout() {
    const int hidden = std::max(0, lastBodyRow() - visibleBodyRows());
    verticalScrollBar()->setRange(0, hidden);
    verticalScrollBar()->setPageStep(std::max(1, visibleBodyRows()));
    horizontalScrollBar()->setRange(
        0, std::max(0, colLeft(colCount_) + horizontalScrollBar()->value() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    topRow_ = 1 + verticalScrollBar()->value();
    viewport()->update();
}

void StringGrid::ensureVisible(int row) {
    const int shown = std::max(1, visibleBodyRows());
    if (row < topRow_)
        verticalScrollBar()->setValue(row - 1);
    else if (row >= topRow_ + shown)
        verticalScrollBar()->setValue(row - shown);
}

void StringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    widthsChanged();
    relayout();
}

void StringGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        textsChanged();
        relayout();
    }
}

// A shortened cell shows its whole text as a tooltip.
bool StringGrid::viewportEvent(QEvent* event) {
    // A scroll bar that comes or goes changes the room for the columns.
    if (event->type() == QEvent::Resize) {
        widthsChanged();
        relayout();
    }
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = cellAt(help->pos());
    const QString text = cell(at.x(), at.y());
    if (at.x() >= 0 && shownCell(at.x(), at.y()) != text)
        QToolTip::showText(help->globalPos(), text, viewport(), cellRect(at.x(), at.y()));
    else
        QToolTip::hideText();
    return true;
}

void StringGrid::scrollContentsBy(int, int) {
    topRow_ = 1 + verticalScrollBar()->value();
    viewport()->update();
}

void StringGrid::paintEvent(QPaintEvent*) {
    // Cells written since the last paint may have widened a column.
    if (widthsStale_) relayout();
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), color_);
    for (int row = 0; row < rowCount(); ++row) paintRow(painter, row);
    paintFocus(painter);
}

void StringGrid::paintRow(QPainter& painter, int row) {
    const QRect first = cellRect(0, row);
    if (first.isNull()) return;
    painter.save();
    // A body row half hidden by the footer is cut off above it.
    if (!isFixedRow(row)) painter.setClipRect(0, 0, viewport()->width(), bodyBottom());
    for (int col = 0; col < colCount_; ++col) paintCell(painter, col, row, cellRect(col, row));
    const QRect rowRect(first.left(), first.top(), colLeft(colCount_) - first.left(),
                        rowHeight_ + lineWidth);
    paintLines(painter, row, rowRect);
    painter.restore();
}

void StringGrid::paintCell(QPainter& painter, int col, int row, const QRect& rect) {
    const CellState state{isFixedRow(row), isSelected(col, row)};
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.fillRect(rect, cellBackground(col, row));
    if (state.fixed) paintBevel(painter, rect);
    painter.setFont(state.fixed ? fixedFont_ : font());
    painter.setPen(palette().color(state.selected && !state.fixed ? QPalette::HighlightedText
                                                                  : QPalette::Text));
    if (drawCell_)
        drawCell_(painter, col, row, textRect(col, row, rect), state);
    else
        painter.drawText(textRect(col, row, rect).adjusted(kTextMargin, 0, -kTextMargin, 0),
                         alignment(col, row), shownCell(col, row));
    if (row == 0 && col == sortColumn_) paintSortIndicator(painter, rect);
    painter.restore();
}

QRect StringGrid::textRect(int col, int row, const QRect& rect) const {
    if (row != 0 || col != sortColumn_) return rect;
    return rect.adjusted(0, 0, -sortIndicatorWidth(), 0);
}

void StringGrid::paintSortIndicator(QPainter& painter, const QRect& rect) const {
    const int size = sortIndicatorWidth() - kTextMargin;
    const int right = rect.right() - kTextMargin;
    const int top = rect.center().y() - size / 4;
    const int bottom = top + size / 2;
    const QPointF tip(right - size / 2.0 + 0.5, sortAscending_ ? top : bottom);
    const int base = sortAscending_ ? bottom : top;
    const QPointF corners[] = {QPointF(right - size + 1, base), QPointF(right + 1, base), tip};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.drawPolygon(corners, 3);
    painter.restore();
}

// The focus frame goes round the header cell that has the focus, else the
// selection, else the whole grid, so that a listing that never shows a
// selection still shows that it has the focus.
void StringGrid::paintFocus(QPainter& painter) const {
    if (!hasFocus()) return;
    QRect frame;
    if (focusedHeader_ >= 0) {
        frame = cellRect(focusedHeader_, 0);
    } else if (selection_.y() >= 0) {
        frame = rowSelect_
                    ? cellRect(0, selection_.y()).united(cellRect(colCount_ - 1, selection_.y()))
                    : cellRect(selection_.x(), selection_.y());
    }
    if (frame.isEmpty()) frame = viewport()->rect();
    paintFocusFrame(painter, frame, palette());
}

void StringGrid::paintBevel(QPainter& painter, const QRect& rect) const {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, fixedColor_.lighter(135));
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), fixedColor_.lighter(135));
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, fixedColor_.darker(125));
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), fixedColor_.darker(125));
}

void StringGrid::paintLines(QPainter& painter, int row, const QRect& rowRect) const {
    const bool fixed = isFixedRow(row);
    const QColor colour = fixed ? fixedLineColour : bodyLineColour;
    const bool vertical = fixed ? fixedVerticalLines_ : verticalLines_;
    const bool horizontal = fixed ? fixedHorizontalLines_ : horizontalLines_;
    const QColor gap = fixed ? fixedColor_ : color_;
    painter.fillRect(rowRect.left(), rowRect.bottom(), rowRect.width(), lineWidth,
                     horizontal ? colour : gap);
    for (int col = 0; col < colCount_; ++col) {
        const int x = colLeft(col) + drawnWidths()[col];
        painter.fillRect(x, rowRect.top(), lineWidth, rowHeight_, vertical ? colour : gap);
    }
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    const QPoint at = cellAt(event->position().toPoint());
    if (at.y() == 0) {
        emit headerClicked(at.x());
        return;
    }
    if (at.y() > 0 && focusedHeader_ >= 0) focusHeader(-1);
    selectByUser(at.x(), at.y());
}

QPoint StringGrid::keyTarget(int key) const {
    const QPoint from = selection_.y() < 0 ? QPoint(0, topRow_ - 1) : selection_;
    switch (key) {
        case Qt::Key_Up:
            return from - QPoint(0, 1);
        case Qt::Key_Down:
            return from + QPoint(0, 1);
        case Qt::Key_PageUp:
            return {from.x(), std::max(1, from.y() - visibleBodyRows())};
        case Qt::Key_PageDown:
            return {from.x(), std::min(lastBodyRow(), from.y() + visibleBodyRows())};
        case Qt::Key_Home:
            return {from.x(), 1};
        case Qt::Key_End:
            return {from.x(), lastBodyRow()};
        case Qt::Key_Left:
            return from - QPoint(1, 0);
        case Qt::Key_Right:
            return from + QPoint(1, 0);
        default:
            return {-1, -1};
    }
}

void StringGrid::focusHeader(int col) {
    focusedHeader_ = col;
    // In a grid wider than its view, the header the keys reach scrolls into it.
    if (col >= 0) {
        QScrollBar& across = *horizontalScrollBar();
        const int left = colLeft(col), past = colLeft(col + 1) - viewport()->width();
        if (left < 0 || past > 0)
            across.setValue(across.value() + (left < 0 ? left : std::min(left, past)));
    }
    viewport()->update();
    announceGridFocus(this);
}

// The keys of the header row; false for a key it leaves to the grid.
bool StringGrid::headerKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Home:
            focusHeader(key == Qt::Key_Home ? 0 : std::max(0, focusedHeader_ - 1));
            return true;
        case Qt::Key_Right:
        case Qt::Key_End:
            focusHeader(key == Qt::Key_End ? colCount_ - 1
                                           : std::min(colCount_ - 1, focusedHeader_ + 1));
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit headerClicked(focusedHeader_);
            return true;
        case Qt::Key_Down: {
            const int col = focusedHeader_;
            focusHeader(-1);
            selectByUser(col, topRow_);
            return true;
        }
        case Qt::Key_Up:
            return true;
        default:
            return false;
    }
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) return copyListing();
    if (focusedHeader_ >= 0 && event->modifiers() == Qt::NoModifier && headerKey(event->key()))
        return;
    // Up from the top row, or in a listing that shows no selection, reaches
    // the header row.
    if (event->key() == Qt::Key_Up && colCount_ > 0 && focusedHeader_ < 0 && selection_.y() <= 1)
        return focusHeader(std::max(0, selection_.x()));
    const QPoint target = keyTarget(event->key());
    if (target.x() < 0) return QAbstractScrollArea::keyPressEvent(event);
    selectByUser(target.x(), target.y());
}

void StringGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    announceGridFocus(this);
}

void StringGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void StringGrid::contextMenuEvent(QContextMenuEvent* event) {
    contextMenu()->popup(event->globalPos());
}

}  // namespace quarvo
