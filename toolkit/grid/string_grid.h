#pragma once
// A grid of text cells addressed (column, row), both from 0. Row 0 is a fixed
// header row and, optionally, the last row a fixed footer; the rows between
// scroll. The owner decides per cell how text is aligned, may draw cells
// itself, and may refuse the selection of a cell, so that a listing never
// shows one. A column is drawn at least as wide as its widest cell, unless it
// holds text that may be shortened: such a cell ends in "…" and shows its
// whole text as a tooltip. Rows can be read and assigned whole. Ctrl+C, and the item
// "Copy listing" that ends the grid's context menu, copy the whole listing
// to the clipboard as tab-separated lines, ready to paste into a spreadsheet.
// A click on a header cell, or Enter or Space on the header cell that has
// the keyboard focus, asks the owner to sort by that column; the owner
// marks the column it sorted by with an arrow. Up from the top body row (or
// from a grid that shows no selection) moves the focus into the header row,
// Left and Right along it, Down back to the body.

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>
#include <vector>

#include "toolkit/grid/column_fit.h"
#include "toolkit/grid/text_widths.h"

class QMenu;

namespace quarvo {

class StringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct CellState {
        bool fixed = false;
        bool selected = false;
    };
    using AlignmentHandler = std::function<Qt::Alignment(int col, int row)>;
    // Draws a cell's content over its background, instead of the grid's text.
    using DrawCellHandler =
        std::function<void(QPainter&, int col, int row, const QRect& rect, CellState state)>;
    // Answers whether the user may move the selection to the cell.
    using SelectCellHandler = std::function<bool(int col, int row)>;

    explicit StringGrid(QWidget* parent = nullptr);

    int colCount() const { return colCount_; }
    void setColCount(int count);
    int rowCount() const { return static_cast<int>(rows_.size()); }
    void setRowCount(int count);
    // Cells outside the grid read as empty text; writing them is ignored.
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    QStringList row(int row) const;
    // Cells past the end of the list become empty.
    void setRow(int row, const QStringList& cells);

    // The width the column was given; it is drawn wider when a cell needs it.
    int colWidth(int col) const;
    void setColWidth(int col, int width);
    // The width the column is drawn in now.
    int drawnColWidth(int col) const;
    // A column of text (a description, a path) that may be drawn narrower
    // than its text, to make room for the numbers beside it.
    bool colShortenable(int col) const;
    void setColShortenable(int col, bool shortenable);
    // The cell's text as it is drawn: cut with "…" when it is shortened.
    [[nodiscard]] QString shownCell(int col, int row) const;
    // Room between a cell's text and its left and right edges.
    static constexpr int kTextMargin = 3;
    int rowHeight() const { return rowHeight_; }
    void setRowHeight(int height);
    bool fixedFooter() const { return fixedFooter_; }
    void setFixedFooter(bool fixed);
    // Grid lines between the cells of the fixed rows and of the other rows.
    void setGridLines(bool vertical, bool horizontal);
    void setFixedGridLines(bool vertical, bool horizontal);
    bool rowSelect() const { return rowSelect_; }
    void setRowSelect(bool whole) { rowSelect_ = whole; }

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    QColor fixedColor() const { return fixedColor_; }
    void setFixedColor(const QColor& color);
    QFont fixedFont() const { return fixedFont_; }
    void setFixedFont(const QFont& font);
    // The colour a cell's background is drawn in now.
    QColor cellBackground(int col, int row) const;

    void setAlignmentHandler(AlignmentHandler handler);
    void setDrawCellHandler(DrawCellHandler handler);
    void setSelectCellHandler(SelectCellHandler handler) { selectCell_ = std::move(handler); }
    // The alignment of a cell's text; left and centred vertically by default.
    Qt::Alignment alignment(int col, int row) const;
    // The window's menu for the grid; the grid adds "Copy listing" at its
    // end. Without one the grid shows a menu of its own with that item.
    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    // The menu a right click shows now, "Copy listing" last.
    QMenu* contextMenu();

    // Every row, header and footer included, one line each, cells
    // separated by tabs (tabs and line breaks inside a cell become blanks).
    [[nodiscard]] QString listingText() const;
    void copyListing() const;

    // The selected cell, (-1, -1) when none. Setting a cell outside the body
    // of the grid leaves nothing selected.
    QPoint selection() const { return selection_; }
    void setSelection(int col, int row);
    // Moves the selection as a click or key would: the select-cell handler
    // may refuse. True when the selection moved.
    bool selectByUser(int col, int row);
    // Whether the user may select the cell: a body cell the select-cell
    // handler does not refuse.
    [[nodiscard]] bool cellSelectable(int col, int row) const;
    bool isFixedRow(int row) const;
    bool isSelected(int col, int row) const;

    // Geometry in viewport coordinates. A cell scrolled out of view has an
    // empty rectangle; cellAt answers (-1, -1) outside every cell.
    [[nodiscard]] QRect cellRect(int col, int row) const;
    [[nodiscard]] QPoint cellAt(const QPoint& position) const;
    int topRow() const { return topRow_; }
    int visibleBodyRows() const;

    // The column whose header cell has the keyboard focus; -1 while the
    // focus is in the body.
    int focusedHeader() const { return focusedHeader_; }
    // Marks the header of the column the rows are sorted by with an arrow,
    // pointing up for ascending order; a column of -1 marks none.
    void setSortIndicator(int col, bool ascending);
    int sortIndicatorColumn() const { return sortColumn_; }
    bool sortIndicatorAscending() const { return sortAscending_; }
    // The room the arrow takes at the end of its header cell.
    int sortIndicatorWidth() const;

signals:
    void cellSelected(int col, int row);
    // The user clicked the header of col, or pressed Enter or Space on it.
    void headerClicked(int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int lastBodyRow() const;
    int colLeft(int col) const;
    int rowTop(int row) const;
    int footerTop() const;
    int bodyBottom() const;
    void ensureVisible(int row);
    void relayout();
    // The drawn widths are worked out again when next asked for.
    void widthsChanged();
    // So are the widths of the texts in the columns.
    void textsChanged();
    const std::vector<int>& drawnWidths() const;
    std::vector<ColumnRoom> measuredRooms() const;
    // The widths of texts in the font of the fixed rows or of the others, as
    // the grid's fonts are now.
    TextWidths& textWidths(bool fixed) const;
    void paintRow(QPainter& painter, int row);
    void paintCell(QPainter& painter, int col, int row, const QRect& rect);
    void paintBevel(QPainter& painter, const QRect& rect) const;
    void paintLines(QPainter& painter, int row, const QRect& rowRect) const;
    QPoint keyTarget(int key) const;
    bool headerKey(int key);
    void focusHeader(int col);
    void paintSortIndicator(QPainter& painter, const QRect& rect) const;
    void paintFocus(QPainter& painter) const;
    // Where the text of a cell goes: clear of the sort arrow.
    QRect textRect(int col, int row, const QRect& rect) const;

    static constexpr int lineWidth = 1;
    int colCount_ = 5;
    std::vector<QStringList> rows_;
    std::vector<int> colWidths_;
    std::vector<bool> shortenable_;
    mutable std::vector<int> drawnWidths_;
    mutable bool widthsStale_ = true;
    mutable TextWidths bodyWidths_;
    mutable TextWidths fixedWidths_;
    mutable std::vector<ColumnRoom> measured_;
    mutable bool textsStale_ = true;
    int defaultColWidth_ = 64;
    int rowHeight_ = 24;
    bool fixedFooter_ = false;
    bool verticalLines_ = true;
    bool horizontalLines_ = true;
    bool fixedVerticalLines_ = true;
    bool fixedHorizontalLines_ = true;
    bool rowSelect_ = false;
    QColor color_{Qt::white};
    QColor fixedColor_;
    QFont fixedFont_;
    AlignmentHandler alignment_;
    DrawCellHandler drawCell_;
    SelectCellHandler selectCell_;
    QMenu* popup_ = nullptr;
    QMenu* ownMenu_ = nullptr;
    QPoint selection_{-1, -1};
    int topRow_ = 1;
    int focusedHeader_ = -1;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

}  // namespace quarvo
