#pragma once
// Sorting a band listing (sizes, date ages) by a click on a column header.
// A click on a figure's column orders the bands by it, largest first; a
// second click on the same column reverses. A click on the first column
// gives the bands back their own order, a second one reverses that. The
// header's arrow shows the order, and a listing filled anew keeps it as
// long as its header stays the same.

#include <QObject>
#include <array>
#include <cstdint>
#include <vector>

#include "collect/tallies.h"
#include "listings/listing_changes.h"
#include "listings/page_listings.h"

namespace quarvo {

class StringGrid;

// The figures of a band listing's rows in the listing's own order: for each
// row, the number of each column after the first.
using BandFigures = std::vector<std::vector<double>>;

// The figures of the date listings: for each age bucket, the oldest first,
// the bytes and the files of each date kind given.
struct AgeColumns {
    const std::array<std::int64_t, kAgeBuckets>& bytes;
    const std::array<double, kAgeBuckets>& counts;
};
[[nodiscard]] BandFigures ageFigures(std::initializer_list<AgeColumns> kinds);
// The figures with those of the change columns after them, row by row, so
// that a compared listing sorts on its changes too.
[[nodiscard]] BandFigures withChangeFigures(BandFigures figures,
                                            const std::vector<RowChange>& changes);

// The figures of a listing of several kinds, bytes and files of each, with
// each figure's change beside it, as withChangesBeside lays out the cells.
[[nodiscard]] BandFigures withChangeFiguresBeside(
    const BandFigures& figures, const std::vector<std::vector<RowChange>>& changes);

class BandSort : public QObject {
public:
    // Sorts grid's rows when one of its headers is clicked; lives as long
    // as the grid.
    explicit BandSort(StringGrid& grid);

    // Shows rows (the header, then the bands) in the order chosen last.
    void show(const ListingRows& rows, BandFigures figures);
    // What a click on the header of col does.
    void sortBy(int col);

private:
    void showBands();

    StringGrid& grid_;
    ListingRows rows_;
    BandFigures figures_;
    // The column sorted by; -1 for the bands' own order before any click.
    int column_ = -1;
    bool ascending_ = true;
};

}  // namespace quarvo
