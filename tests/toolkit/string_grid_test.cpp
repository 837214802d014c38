#include "toolkit/grid/string_grid.h"

#include "toolkit/grid/column_fit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <set>
#include <tuple>

namespace quarvo {
namespace {

// A listing of 3 columns: header, rows "r1".."r<n>" and a totals footer,
// shown in a view with room for the header, the footer and five rows.
struct Listing {
    StringGrid grid;
    explicit Listing(int dataRows) {
        grid.setFrameShape(QFrame::NoFrame);
        grid.setColCount(3);
        grid.setRowCount(dataRows + 2);
        grid.setFixedFooter(true);
        grid.setRowHeight(19);
        grid.setRowSelect(true);
        grid.setRow(0, {"Name", "Size", "Files"});
        for (int r = 1; r <= dataRows; ++r) grid.setCell(0, r, QStringLiteral("r%1").arg(r));
        grid.setRow(dataRows + 1, {"Totals", "30,100", "4"});
        grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.resize(3 * 65 + 20, 7 * 20);
        grid.show();
    }
    void click(int col, int row) {
        const QPoint at = grid.cellRect(col, row).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &press);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&grid, &event);
    }
};

TEST(StringGridRows, RowsAreReadAndAssignedWholeAndOutsideCellsAreInert) {
    StringGrid grid;
    grid.setColCount(3);
    grid.setRowCount(2);
    grid.setRow(1, {"a", "b", "c"});
    grid.setRow(1, {"x"});
    EXPECT_EQ(grid.row(1), (QStringList{"x", "", ""}));
    grid.setRow(1, {"1", "2", "3", "4"});
    EXPECT_EQ(grid.row(1), (QStringList{"1", "2", "3"}));
    grid.setCell(3, 1, "ignored");
    grid.setCell(0, 2, "ignored");
    EXPECT_EQ(grid.cell(3, 1), "");
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setColCount(2);
    EXPECT_EQ(grid.row(1), (QStringList{"1", "2"}));
}

TEST(StringGridLayout, HeaderStaysOnTopAndFooterAtTheBottomWhileTheBodyScrolls) {
    Listing listing(20);
    EXPECT_EQ(listing.grid.visibleBodyRows(), 5);
    EXPECT_EQ(listing.grid.cellRect(0, 0).top(), 0);
    EXPECT_EQ(listing.grid.cellRect(0, 1).top(), 20);
    EXPECT_EQ(listing.grid.cellRect(0, 21).top(), 6 * 20);
    EXPECT_TRUE(listing.grid.cellRect(0, 7).isNull());

    listing.grid.verticalScrollBar()->setValue(10);
    EXPECT_EQ(listing.grid.topRow(), 11);
    EXPECT_EQ(listing.grid.cellRect(0, 0).top(), 0);
    EXPECT_EQ(listing.grid.cellRect(0, 11).top(), 20);
    EXPECT_TRUE(listing.grid.cellRect(0, 10).isNull());
    EXPECT_EQ(listing.grid.cellRect(0, 21).top(), 6 * 20);
    EXPECT_EQ(listing.grid.verticalScrollBar()->maximum(), 15);
}

TEST(StringGridLayout, ShortListingHasItsFooterRightAfterTheLastRow) {
    Listing listing(2);
    EXPECT_EQ(listing.grid.cellRect(1, 3).top(), 3 * 20);
    EXPECT_EQ(listing.grid.cellAt(QPoint(70, 3 * 20 + 5)), QPoint(1, 3));
    EXPECT_EQ(listing.grid.cellAt(QPoint(70, 4 * 20 + 5)), QPoint(-1, -1));
}

TEST(StringGridSelection, RefusedCellsAreNeverSelectedByMouseOrKeys) {
    Listing listing(4);
    std::vector<std::pair<int, int>> asked;
    listing.grid.setSelectCellHandler([&asked](int col, int row) {
        asked.emplace_back(col, row);
        return false;
    });
    listing.click(1, 2);
    listing.key(Qt::Key_Down);
    EXPECT_EQ(listing.grid.selection(), QPoint(-1, -1));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1, 2}, {0, 1}}));
    EXPECT_FALSE(listing.grid.isSelected(0, 2));
}

TEST(StringGridSelection, AllowedClickSelectsTheWholeBodyRowButNoFixedRow) {
    Listing listing(4);
    int signalled = 0;
    QObject::connect(&listing.grid, &StringGrid::cellSelected, [&signalled] { ++signalled; });
    listing.click(0, 0);
    listing.click(0, 5);
    EXPECT_EQ(listing.grid.selection(), QPoint(-1, -1));
    listing.click(1, 2);
    EXPECT_EQ(listing.grid.selection(), QPoint(1, 2));
    EXPECT_TRUE(listing.grid.isSelected(0, 2));
    EXPECT_TRUE(listing.grid.isSelected(2, 2));
    EXPECT_EQ(signalled, 1);
    listing.key(Qt::Key_End);
    EXPECT_EQ(listing.grid.selection(), QPoint(1, 4));
    // A cell outside the grid clears the selection instead of pointing past it.
    listing.grid.setSelection(20, 20);
    EXPECT_EQ(listing.grid.selection(), QPoint(-1, -1));
}

TEST(StringGridHeader, ClicksAndEnterOrSpaceOnAFocusedHeaderAskForASortByThatColumn) {
    for (const bool refusing : {false, true}) {
        SCOPED_TRACE(refusing ? "listing that shows no selection" : "selectable rows");
        Listing listing(4);
        if (refusing) listing.grid.setSelectCellHandler([](int, int) { return false; });
        std::vector<int> asked;
        QObject::connect(&listing.grid, &StringGrid::headerClicked,
                         [&asked](int col) { asked.push_back(col); });
        listing.click(1, 0);
        EXPECT_EQ(listing.grid.selection(), QPoint(-1, -1));
        // Nothing selected: Up reaches the header; the arrows stop at its ends.
        listing.key(Qt::Key_Up);
        EXPECT_EQ(listing.grid.focusedHeader(), 0);
        for (int i = 0; i < 4; ++i) listing.key(Qt::Key_Right);
        listing.key(Qt::Key_Return);
        listing.key(Qt::Key_Left);
        listing.key(Qt::Key_Space);
        EXPECT_EQ(asked, (std::vector<int>{1, 2, 1}));
        listing.key(Qt::Key_Down);
        EXPECT_EQ(listing.grid.focusedHeader(), -1);
        EXPECT_EQ(listing.grid.selection(), refusing ? QPoint(-1, -1) : QPoint(1, 1));
    }
    // From a lower row Up moves the selection, from the top row into the header.
    Listing listing(4);
    listing.click(2, 3);
    listing.key(Qt::Key_Up);
    EXPECT_EQ(listing.grid.selection(), QPoint(2, 2));
    listing.key(Qt::Key_Up);
    listing.key(Qt::Key_Up);
    EXPECT_EQ(listing.grid.focusedHeader(), 2);
    // A click in the body takes the focus back from the header.
    listing.click(0, 2);
    EXPECT_EQ(listing.grid.focusedHeader(), -1);

    // In a listing wider than its view the header that takes the focus
    // scrolls into it.
    listing.grid.resize(100, 7 * 20);
    const QRect view = listing.grid.viewport()->rect();
    listing.grid.setSelection(-1, -1);
    listing.key(Qt::Key_Up);
    listing.key(Qt::Key_End);
    EXPECT_TRUE(view.contains(listing.grid.cellRect(2, 0))) << listing.grid.cellRect(2, 0).x();
    listing.key(Qt::Key_Home);
    EXPECT_TRUE(view.contains(listing.grid.cellRect(0, 0)));
}

TEST(StringGridHeader, TheSortArrowLeavesTheHeaderTextWholeOrCutBeforeIt) {
    Listing listing(2);
    StringGrid& grid = listing.grid;
    const auto textFits = [&](int col) {
        return QFontMetrics(grid.fixedFont()).horizontalAdvance(grid.shownCell(col, 0)) +
                   grid.sortIndicatorWidth() + 2 * StringGrid::kTextMargin <=
               grid.drawnColWidth(col);
    };
    const QFontMetrics metrics(grid.fixedFont());
    grid.setSortIndicator(1, false);
    EXPECT_EQ(grid.shownCell(1, 0), "Size");
    EXPECT_TRUE(textFits(1));
    // A header longer than its column is cut short of the arrow.
    grid.setCell(1, 0, QStringLiteral("Total size of the files"));
    EXPECT_TRUE(grid.shownCell(1, 0).endsWith(QChar(0x2026)));
    EXPECT_TRUE(textFits(1));
    // Without room to spare the header and its arrow take what the wider
    // columns can give.
    grid.setCell(1, 0, QStringLiteral("Size"));
    grid.setColWidth(0, 150);
    grid.setColWidth(1, metrics.horizontalAdvance("Size"));
    EXPECT_EQ(grid.shownCell(1, 0), "Size");
    EXPECT_TRUE(textFits(1));
    // A header that just fits its column, and then its column in a larger
    // font, makes room for the arrow out of the wider columns.
    const QString header = QStringLiteral("Extension");
    grid.setCell(1, 0, header);
    grid.setColWidth(1, metrics.horizontalAdvance(header) + 2 * StringGrid::kTextMargin);
    EXPECT_EQ(grid.shownCell(1, 0), header);
    EXPECT_TRUE(textFits(1));
    QFont larger = grid.fixedFont();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    grid.setFixedFont(larger);
    EXPECT_EQ(grid.shownCell(1, 0), header);
    EXPECT_TRUE(textFits(1));
    grid.setSortIndicator(-1, true);
    EXPECT_EQ(grid.sortIndicatorColumn(), -1);
    // The column sorted by taken away, no arrow is left.
    grid.setSortIndicator(2, true);
    grid.setColCount(2);
    EXPECT_EQ(grid.sortIndicatorColumn(), -1);
    EXPECT_EQ(grid.shownCell(1, 0), header);
}

TEST(StringGridDrawing, CallbacksDecideAlignmentAndDrawingWithTheFixedState) {
    Listing listing(2);
    listing.grid.setAlignmentHandler(
        [](int col, int) { return col > 1 ? Qt::AlignRight : Qt::AlignLeft; });
    EXPECT_EQ(listing.grid.alignment(2, 1), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(listing.grid.alignment(0, 1), Qt::AlignLeft | Qt::AlignVCenter);

    std::set<std::tuple<int, int, bool>> drawn;
    listing.grid.setDrawCellHandler(
        [&drawn](QPainter&, int col, int row, const QRect&, StringGrid::CellState state) {
            drawn.insert({col, row, state.fixed});
        });
    listing.grid.viewport()->grab();
    EXPECT_EQ(drawn.size(), 12u);
    EXPECT_TRUE(drawn.count({0, 0, true}));
    EXPECT_TRUE(drawn.count({2, 3, true}));
    EXPECT_TRUE(drawn.count({1, 2, false}));
}

TEST(StringGridDrawing, BodyRowsCanGoWithoutVerticalLinesWhileTheHeaderKeepsThem) {
    Listing listing(2);
    listing.grid.setColor(Qt::white);
    listing.grid.setGridLines(false, true);
    const QImage image = listing.grid.viewport()->grab().toImage();
    const int slot = listing.grid.cellRect(0, 1).right() + 1;
    EXPECT_EQ(image.pixelColor(slot, 5), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(slot, 25), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, listing.grid.cellRect(0, 1).bottom() + 1),
              QColor(192, 192, 192));
}

TEST(StringGridWidths, ColumnsGrowForTheirWidestNumberAndOnlyShortenableTextGivesWay) {
    // Designed widths that add up to the room: nothing grows, nothing moves.
    EXPECT_EQ(fitColumns({{100, 60, 40, true}, {80, 50, 40, false}}, 180),
              (std::vector<int>{100, 80}));
    // A number that needs 120 takes the room from the description, which
    // is cut, and from nowhere else; the total stays within the room.
    EXPECT_EQ(fitColumns({{100, 150, 40, true}, {80, 120, 40, false}}, 180),
              (std::vector<int>{60, 120}));
    // Spare room of a column wider than its cells goes first.
    EXPECT_EQ(fitColumns({{100, 150, 40, true}, {60, 30, 30, false}, {80, 100, 40, false}}, 240),
              (std::vector<int>{100, 40, 100}));
    // Headers of number columns give way after the text, never the numbers;
    // with no room left the numbers stay whole past the room.
    EXPECT_EQ(fitColumns({{100, 150, 40, true}, {80, 50, 90, false}, {80, 200, 40, false}}, 260),
              (std::vector<int>{kShortestTextColumn, 50, 200}));
    // A header wider than its column takes the room the view leaves over,
    // then what a column wider than its cells can give, but no more.
    EXPECT_EQ(fitColumns({{64, 40, 74, false}, {100, 80, 40, false}}, 200),
              (std::vector<int>{74, 100}));
    EXPECT_EQ(fitColumns({{64, 40, 74, false}, {100, 80, 40, false}}, 164),
              (std::vector<int>{74, 90}));
    EXPECT_EQ(fitColumns({{64, 40, 74, false}, {100, 95, 40, false}}, 164),
              (std::vector<int>{69, 95}));
}

TEST(StringGridWidths, ANumberStaysWholeAndTextIsCutAfreshAsCellsFontsAndWidthsChange) {
    Listing listing(2);
    StringGrid& grid = listing.grid;
    grid.setAlignmentHandler([](int col, int) { return col > 0 ? Qt::AlignRight : Qt::AlignLeft; });
    grid.setColShortenable(0, true);
    grid.setColWidth(1, 50);
    const QString big = QStringLiteral("1,789,569,706");
    const QString description = QStringLiteral("PostScript Printer Description file");
    const QFontMetrics metrics(grid.font());
    // A change column's sign is part of the number: it is never cut off.
    for (const QString& sign : {QString(u'+'), QString(QChar(0x2212)), QString()}) {
        grid.setRow(1, {description, sign + big, "3"});
        EXPECT_GE(grid.cellRect(1, 1).width(), metrics.horizontalAdvance(sign + big));
        EXPECT_EQ(grid.shownCell(1, 1), sign + big);
    }
    // The number took its room from the description, which now ends in "…",
    // and the listing still fits its view.
    EXPECT_TRUE(grid.shownCell(0, 1).endsWith(QChar(0x2026)));
    EXPECT_LT(metrics.horizontalAdvance(grid.shownCell(0, 1)), grid.cellRect(0, 1).width());
    EXPECT_LE(grid.cellRect(2, 1).right(), grid.viewport()->width());
    // The number gone, the columns are as they were given.
    grid.setRow(1, {description, "7", "3"});
    EXPECT_EQ(grid.drawnColWidth(1), 50);
    EXPECT_EQ(grid.drawnColWidth(0), grid.colWidth(0));
    // Back in another row, and then in a larger font, it is whole again.
    grid.setCell(1, 2, big);
    EXPECT_GE(grid.cellRect(1, 2).width(), metrics.horizontalAdvance(big));
    QFont larger = grid.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    grid.setFont(larger);
    EXPECT_GE(grid.cellRect(1, 2).width(), QFontMetrics(larger).horizontalAdvance(big));
    EXPECT_EQ(grid.shownCell(1, 2), big);
    // Its row gone, the column is as it was given.
    grid.setRowCount(2);
    grid.setRowCount(4);
    EXPECT_EQ(grid.drawnColWidth(1), 50);
    // A description given the room shows whole; given less, cut again.
    grid.setRow(1, {description, "7", "3"});
    grid.setColWidth(0, 3 * QFontMetrics(larger).horizontalAdvance(description));
    EXPECT_EQ(grid.shownCell(0, 1), description);
    grid.setColWidth(0, 60);
    EXPECT_TRUE(grid.shownCell(0, 1).endsWith(QChar(0x2026)));
}

const QString wholeListing = QStringLiteral(
    "Name\tSize\tFiles\n"
    "r1\t\t\n"
    "r2\tmany\tx y\n"
    "Totals\t30,100\t4\n");

TEST(StringGridCopy, CtrlCCopiesHeaderRowsAndFooterAsTabSeparatedLines) {
    Listing listing(2);
    listing.grid.setRow(2, {"r2", "many", "x\ty"});  // a tab inside a cell splits no column
    QGuiApplication::clipboard()->clear();
    listing.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), wholeListing);
}

TEST(StringGridCopy, ContextMenuEndsWithCopyListingOnTheWindowsMenuOrItsOwn) {
    Listing listing(2);
    listing.grid.setRow(2, {"r2", "many", "x\ty"});
    QMenu* own = listing.grid.contextMenu();
    ASSERT_EQ(own->actions().size(), 1);
    EXPECT_EQ(own->actions().back()->text(), QStringLiteral("Copy listing"));

    // One menu of the window's for two grids: the item copies the grid
    // that showed it, and stays last when the window adds to the menu.
    QMenu window;
    window.addAction(QStringLiteral("Sort by size"));
    Listing other(1);
    other.grid.setPopupMenu(&window);
    listing.grid.setPopupMenu(&window);
    other.grid.contextMenu();
    window.addAction(QStringLiteral("Sort by name"));
    QMenu* shown = listing.grid.contextMenu();
    ASSERT_EQ(shown, &window);
    ASSERT_EQ(shown->actions().size(), 4);  // two sorts, a separator, the copy item
    EXPECT_TRUE(shown->actions()[2]->isSeparator());
    QGuiApplication::clipboard()->clear();
    shown->actions().back()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), wholeListing);
}

}  // namespace
}  // namespace quarvo
