#pragma once
// Sorting a range of rows of a listing by one column, as text or as numbers.
// The whole rows travel with their keys; rows outside first..last are never
// touched, and a range reaching past the grid is cut to the rows it has, so
// the header row (row 0) stays put whenever first is at least 1. A key column
// that the grid does not have leaves the grid as it is.
//
// Only the exchange sort keeps rows with equal keys in their order; the quick
// sorts do not, and callers must not rely on the order of equal keys after
// them.

#include "text/number_format.h"
#include "text/text_grid.h"

namespace quarvo {

// The entry points: sort the keys with their row numbers in a two-column
// scratch grid, then move every row once. Text order folds "a".."z" to upper
// case and compares by character code, a prefix sorting first.
void sortGridText(TextGrid& grid, int first, int last, int keyCol, bool descending);
// Numeric order of cellNumber values; a cell that is not a number counts as 0.
void sortGridNumber(TextGrid& grid, int first, int last, int keyCol, bool descending,
                    const NumberFormat& format);

// In-place sorts of rows lo..hi on the key column. quickSortText hands ranges
// of five rows or fewer to bubbleSortText.
void quickSortText(TextGrid& grid, int lo, int hi, int keyCol, bool descending);
void quickSortNumber(TextGrid& grid, int lo, int hi, int keyCol, bool descending,
                     const NumberFormat& format);
void bubbleSortText(TextGrid& grid, int lo, int hi, int keyCol, bool descending);

// Exchanges all cells of rows a and b; nothing happens when either is not a
// row of the grid.
void swapRows(TextGrid& grid, int a, int b);

}  // namespace quarvo
