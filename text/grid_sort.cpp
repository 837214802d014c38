#include "text/grid_sort.h"

#include <algorithm>
#include <string>
#include <utility>

#include "text/ascii_case.h"
#include "text/number_text.h"

namespace quarvo {
namespace {

// Narrows lo..hi to the rows the grid has; false when no two rows are left to
// order or the key column is not one of the grid's.
bool clampToGrid(const TextGrid& grid, int& lo, int& hi, int keyCol) {
    if (keyCol < 0 || keyCol >= grid.colCount()) return false;
    lo = std::max(lo, 0);
    hi = std::min(hi, grid.rowCount() - 1);
    return lo < hi;
}

bool textBefore(const std::string& a, const std::string& b, bool descending) {
    const int order = compareIgnoringAsciiCase(a, b);
    return descending ? order > 0 : order < 0;
}

void bubbleRange(TextGrid& grid, int lo, int hi, int keyCol, bool descending) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int r = lo; r < hi; ++r) {
            if (textBefore(grid.cell(keyCol, r + 1), grid.cell(keyCol, r), descending)) {
                swapRows(grid, r, r + 1);
                swapped = true;
            }
        }
    }
}

// One Hoare partition around the key of the middle row, taken once. Returns
// the two parts still to sort: lo..first and second..hi.
template <typename KeyAt, typename Before>
std::pair<int, int> partition(TextGrid& grid, int lo, int hi, KeyAt keyAt, Before before) {
    const auto pivot = keyAt((lo + hi) / 2);
    int i = lo;
    int j = hi;
    while (i <= j) {
        while (before(keyAt(i), pivot)) ++i;
        while (before(pivot, keyAt(j))) --j;
        if (i <= j) swapRows(grid, i++, j--);
    }
    return {j, i};
}

// The quick sort of lo..hi; finished(lo, hi) ends a range that needs no
// partition (sorting it otherwise when it has to). The two parts of a
// partition are disjoint, so sorting the smaller one first gives the same
// rows as sorting lo..j first; recursing only into the smaller part and
// looping on the larger keeps the stack shallow whatever the keys.
template <typename KeyAt, typename Before, typename Finished>
void quickRange(TextGrid& grid, int lo, int hi, KeyAt keyAt, Before before, Finished finished) {
    while (!finished(lo, hi)) {
        const auto [j, i] = partition(grid, lo, hi, keyAt, before);
        if (j - lo < hi - i) {
            quickRange(grid, lo, j, keyAt, before, finished);
            lo = i;
        } else {
            quickRange(grid, i, hi, keyAt, before, finished);
            hi = j;
        }
    }
}

void quickTextRange(TextGrid& grid, int lo, int hi, int keyCol, bool descending) {
    const auto keyAt = [&grid, keyCol](int row) { return grid.cell(keyCol, row); };
    const auto before = [descending](const std::string& a, const std::string& b) {
        return textBefore(a, b, descending);
    };
    const auto finished = [&grid, keyCol, descending](int l, int h) {
        if (h - l >= 5) return false;
        bubbleRange(grid, l, h, keyCol, descending);
        return true;
    };
    quickRange(grid, lo, hi, keyAt, before, finished);
}

void quickNumberRange(TextGrid& grid, int lo, int hi, int keyCol, bool descending,
                      const NumberFormat& format) {
    const auto keyAt = [&grid, keyCol, &format](int row) {
        return cellNumber(grid.cell(keyCol, row), format);
    };
    const auto before = [descending](long double a, long double b) {
        return descending ? a > b : a < b;
    };
    const auto finished = [](int l, int h) { return l >= h; };
    quickRange(grid, lo, hi, keyAt, before, finished);
}

// Sorts the keys of first..last with their row numbers in a two-column grid
// (so a swap moves two cells, not whole rows), then moves each row once.
template <typename SortKeys>
void sortThroughKeys(TextGrid& grid, int first, int last, int keyCol, SortKeys sortKeys) {
    if (!clampToGrid(grid, first, last, keyCol)) return;
    MemoryGrid keys(2, grid.rowCount());
    for (int r = first; r <= last; ++r) {
        keys.setCell(0, r, std::to_string(r));
        keys.setCell(1, r, grid.cell(keyCol, r));
    }
    sortKeys(keys, first, last);
    MemoryGrid moved(grid.colCount(), grid.rowCount());
    for (int r = first; r <= last; ++r)
        moved.setRow(r, grid.row(static_cast<int>(strToIntOrZero(keys.cell(0, r)))));
    for (int r = first; r <= last; ++r) grid.setRow(r, moved.row(r));
}

}  // namespace

void sortGridText(TextGrid& grid, int first, int last, int keyCol, bool descending) {
    sortThroughKeys(grid, first, last, keyCol, [descending](TextGrid& keys, int lo, int hi) {
        quickTextRange(keys, lo, hi, 1, descending);
    });
}

void sortGridNumber(TextGrid& grid, int first, int last, int keyCol, bool descending,
                    const NumberFormat& format) {
    sortThroughKeys(grid, first, last, keyCol,
                    [descending, &format](TextGrid& keys, int lo, int hi) {
                        quickNumberRange(keys, lo, hi, 1, descending, format);
                    });
}

void quickSortText(TextGrid& grid, int lo, int hi, int keyCol, bool descending) {
    if (clampToGrid(grid, lo, hi, keyCol)) quickTextRange(grid, lo, hi, keyCol, descending);
}

void quickSortNumber(TextGrid& grid, int lo, int hi, int keyCol, bool descending,
                     const NumberFormat& format) {
    if (clampToGrid(grid, lo, hi, keyCol))
        quickNumberRange(grid, lo, hi, keyCol, descending, format);
}

void bubbleSortText(TextGrid& grid, int lo, int hi, int keyCol, bool descending) {
    if (clampToGrid(grid, lo, hi, keyCol)) bubbleRange(grid, lo, hi, keyCol, descending);
}

void swapRows(TextGrid& grid, int a, int b) {
    const int rows = grid.rowCount();
    if (a < 0 || b < 0 || a >= rows || b >= rows) return;
    const std::vector<std::string> saved = grid.row(a);
    grid.setRow(a, grid.row(b));
    grid.setRow(b, saved);
}

}  // namespace quarvo
