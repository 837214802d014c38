#include "text/grid_sort.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "text/ascii_case.h"
#include "text/number_text.h"

namespace quarvo {
namespace {

const NumberFormat kComma;

// A listing as the Types page has it: a header row, one row per key with a tag
// naming where it started ("r1", "r2", ...), and a totals row.
MemoryGrid listing(const std::vector<std::string>& keys) {
    MemoryGrid grid(3, static_cast<int>(keys.size()) + 2);
    grid.setRow(0, {"Key", "Tag", "Other"});
    for (int i = 0; i < static_cast<int>(keys.size()); ++i)
        grid.setRow(i + 1, {keys[i], "r" + std::to_string(i + 1), "x" + std::to_string(i + 1)});
    grid.setRow(grid.rowCount() - 1, {"Total", "all", "sum"});
    return grid;
}

std::vector<std::string> column(const TextGrid& grid, int col) {
    std::vector<std::string> cells;
    for (int r = 0; r < grid.rowCount(); ++r) cells.push_back(grid.cell(col, r));
    return cells;
}

// Every row of the sorted grid, as a set, is the set of rows before sorting.
void expectSameRows(const TextGrid& before, const TextGrid& after) {
    std::multiset<std::vector<std::string>> a, b;
    for (int r = 0; r < before.rowCount(); ++r) a.insert(before.row(r));
    for (int r = 0; r < after.rowCount(); ++r) b.insert(after.row(r));
    EXPECT_EQ(a, b);
}

// Records the rows that were written to.
class WatchedGrid : public MemoryGrid {
public:
    using MemoryGrid::MemoryGrid;
    void setCell(int col, int row, const std::string& text) override {
        written.insert(row);
        MemoryGrid::setCell(col, row, text);
    }
    std::set<int> written;
};

TEST(SortGridText, SmallRangesKeepEqualKeysInTheirOrder) {
    MemoryGrid grid = listing({"b", "A", "a"});
    sortGridText(grid, 1, 3, 0, false);
    EXPECT_EQ(column(grid, 1), (std::vector<std::string>{"Tag", "r2", "r3", "r1", "all"}));

    grid = listing({"DOC", "txt", "doc", "DOC", "exe"});
    sortGridText(grid, 1, 5, 0, false);
    EXPECT_EQ(column(grid, 1),
              (std::vector<std::string>{"Tag", "r1", "r3", "r4", "r5", "r2", "all"}));
    grid = listing({"DOC", "txt", "doc", "DOC", "exe"});
    sortGridText(grid, 1, 5, 0, true);
    EXPECT_EQ(column(grid, 1),
              (std::vector<std::string>{"Tag", "r2", "r5", "r1", "r3", "r4", "all"}));
}

TEST(SortGridText, FoldsAsciiCaseAndPutsAPrefixFirst) {
    MemoryGrid grid = listing({"ab", "B", "a", "_", "Z", "\xC3\xA9", "A1", "", "zz"});
    const MemoryGrid before = grid;
    sortGridText(grid, 1, 9, 0, false);
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"Key", "", "a", "A1", "ab", "B", "Z", "zz",
                                                         "_", "\xC3\xA9", "Total"}));
    expectSameRows(before, grid);
}

TEST(SortGridText, LargeRangesAreOrderedBothWaysAndRowsTravelWhole) {
    std::vector<std::string> keys;
    for (int i = 0; i < 60; ++i) keys.push_back(std::string(1, char('a' + (i * 37) % 26)) + "x");
    for (bool descending : {false, true}) {
        MemoryGrid grid = listing(keys);
        const MemoryGrid before = grid;
        sortGridText(grid, 1, 60, 0, descending);
        for (int r = 1; r < 60; ++r) {
            const int order = compareIgnoringAsciiCase(grid.cell(0, r), grid.cell(0, r + 1));
            EXPECT_TRUE(descending ? order >= 0 : order <= 0) << "row " << r;
        }
        expectSameRows(before, grid);
        EXPECT_EQ(grid.row(0), before.row(0));
        EXPECT_EQ(grid.row(61), before.row(61));
    }
}

TEST(SortGridNumber, OrdersByValueNotByText) {
    MemoryGrid grid = listing({"1,024", "999", "12,000", "", "abc", "-5", "3.5"});
    sortGridNumber(grid, 1, 7, 0, true, kComma);
    const std::vector<std::string> keys = column(grid, 0);
    EXPECT_EQ(std::vector<std::string>(keys.begin() + 1, keys.begin() + 5),
              (std::vector<std::string>{"12,000", "1,024", "999", "3.5"}));
    const std::set<std::string> zeros{keys[5], keys[6]};
    EXPECT_EQ(zeros, (std::set<std::string>{"", "abc"}));
    EXPECT_EQ(keys[7], "-5");

    grid = listing({"1.024", "999", "12.000", "2,5"});
    sortGridNumber(grid, 1, 4, 0, false, NumberFormat{".", ","});
    EXPECT_EQ(column(grid, 0),
              (std::vector<std::string>{"Key", "2,5", "999", "1.024", "12.000", "Total"}));
}

TEST(SortGrid, WritesOnlyTheRowsOfTheRange) {
    WatchedGrid grid(2, 12);
    for (int r = 0; r < 12; ++r) grid.setRow(r, {std::to_string(12 - r), "r" + std::to_string(r)});
    grid.written.clear();
    sortGridNumber(grid, 3, 9, 0, false, kComma);
    EXPECT_EQ(grid.written, (std::set<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(grid.cell(1, 2), "r2");
    EXPECT_EQ(grid.cell(1, 10), "r10");
    EXPECT_EQ(grid.cell(0, 3), "3");
}

TEST(SortGrid, CutsRangesToTheGridAndIgnoresAMissingKeyColumn) {
    MemoryGrid grid = listing({"c", "b", "a"});
    sortGridText(grid, -3, 100, 0, false);
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"a", "b", "c", "Key", "Total"}));

    grid = listing({"3", "2", "1"});
    const MemoryGrid before = grid;
    for (int keyCol : {-1, 3}) {
        sortGridText(grid, 1, 3, keyCol, false);
        sortGridNumber(grid, 1, 3, keyCol, false, kComma);
    }
    sortGridNumber(grid, 3, 1, 0, false, kComma);
    sortGridNumber(grid, 2, 2, 0, false, kComma);
    quickSortNumber(grid, 50, 60, 0, false, kComma);
    quickSortText(grid, -9, -2, 0, false);
    bubbleSortText(grid, 4, 40, 0, false);
    EXPECT_EQ(column(grid, 0), column(before, 0));

    quickSortNumber(grid, -7, 3, 0, true, kComma);
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"3", "2", "1", "Key", "Total"}));
}

TEST(SwapRows, ExchangesWholeRowsAndIgnoresMissingRows) {
    MemoryGrid grid = listing({"a", "b"});
    swapRows(grid, 1, 2);
    EXPECT_EQ(grid.row(1), (std::vector<std::string>{"b", "r2", "x2"}));
    EXPECT_EQ(grid.row(2), (std::vector<std::string>{"a", "r1", "x1"}));
    const MemoryGrid before = grid;
    swapRows(grid, 1, 4);
    swapRows(grid, -1, 2);
    EXPECT_EQ(column(grid, 0), column(before, 0));
}

// The largest listing, 65,535 rows, with keys that are all equal, ascending or
// descending: every row kept and in order, the stack never exhausted.
TEST(SortGrid, HandlesTheLargestListings) {
    constexpr int kRows = 65535;
    MemoryGrid grid(2, kRows + 2);
    for (int r = 1; r <= kRows; ++r) grid.setRow(r, {"7", std::to_string(r)});
    sortGridNumber(grid, 1, kRows, 0, false, kComma);
    std::set<std::string> tags;
    for (int r = 1; r <= kRows; ++r) tags.insert(grid.cell(1, r));
    EXPECT_EQ(tags.size(), std::size_t(kRows));

    for (int r = 1; r <= kRows; ++r) grid.setRow(r, {std::to_string(r), ""});
    sortGridText(grid, 1, kRows, 0, false);  // text order: "1", "10", "100", ...
    for (int r = 1; r < kRows; ++r) ASSERT_LT(grid.cell(0, r), grid.cell(0, r + 1)) << r;

    for (int r = 1; r <= kRows; ++r) grid.setRow(r, {std::to_string(kRows - r), ""});
    sortGridNumber(grid, 1, kRows, 0, false, kComma);
    for (int r = 1; r <= kRows; ++r) ASSERT_EQ(grid.cell(0, r), std::to_string(r - 1));
}

}  // namespace
}  // namespace quarvo
