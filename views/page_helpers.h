#pragma once
// Small pieces the statistics pages share: their listings in string grids,
// the text size of their charts, and megabytes.

#include <QStringList>
#include <string>
#include <vector>

#include "listings/page_listings.h"
#include "toolkit/chart/chart.h"
#include "toolkit/grid/string_grid.h"

namespace quarvo {

// The cells of one row of a listing, as a grid row takes them.
[[nodiscard]] QStringList toCells(const std::vector<std::string>& row);

// Writes the rows, header first, into the grid's rows from 0; rows the
// listing lacks stay as they are.
void showListing(StringGrid& grid, const ListingRows& rows);

// Moves the selection to a cell outside the grid, so that none is shown.
void hideSelection(StringGrid& grid);

// Gives the chart's title, legend, axis labels and titles and marks the
// page's own small face, so that a chart of twelve bars keeps its room for
// the bars.
void useFormFonts(Chart& chart);

// Bytes in megabytes of 2^20 bytes, unrounded, as the charts by size show them.
[[nodiscard]] constexpr double toMegabytes(double bytes) {
    return bytes / 1048576.0;
}

}  // namespace quarvo
