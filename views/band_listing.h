#pragma once
// What the Sizes, Access, Created, Modified and Combined pages share: the
// read-only listings and how their cells are drawn, the bar charts beside
// them, the three view buttons and the note buttons.

#include <QRect>
#include <array>
#include <functional>
#include <span>

#include "collect/tallies.h"
#include "toolkit/chart/chart.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/string_grid.h"
#include "views/band_colors.h"

class QPainter;
class QRadioButton;

namespace quarvo {

// The columns of the Sizes and date listings: band, bytes and files, and
// with the change columns.
inline constexpr int kBandListingWidths[] = {194, 189, 140};
inline constexpr int kComparedBandListingWidths[] = {120, 125, 100, 84, 108};
[[nodiscard]] inline std::span<const int> bandListingWidths(bool compared) {
    if (compared) return kComparedBandListingWidths;
    return kBandListingWidths;
}

// A listing of rows rows and one column per width, hidden until its page
// chooses it; the user can neither select nor change a cell.
[[nodiscard]] StringGrid* makeListing(QWidget* page, const QRect& geometry, int rows,
                                      std::span<const int> widths);
// Gives the listing one column per width: its own, or with the change
// columns while a run is compared with an earlier one.
void setListingColumns(StringGrid& grid, std::span<const int> widths);
// Cell drawing and selection of these listings.
void gridSizesDrawCell(const StringGrid& grid, QPainter& painter, int col, int row,
                       const QRect& rect);
[[nodiscard]] bool gridSizesSelectCell(int col, int row);

// A chart of one horizontal bar series, which series is set to.
[[nodiscard]] Chart* makeBandChart(QWidget* page, const QRect& geometry, BarSeries*& series);

// The three view buttons of a page, "Listing" first; the chart by size is
// chosen. click runs when another one is chosen.
[[nodiscard]] std::array<QRadioButton*, 3> makeViewButtons(QWidget* page,
                                                           const std::function<void()>& click);
// The question-mark button at the end of the row of view buttons, named
// and tooltipped name; a click shows note in an information box.
[[nodiscard]] GlyphButton* makeNoteButton(QWidget* page, const QString& name, const QString& note);
// A band chart's bars read with their unit: "3,072.5 MB" while the chart
// shows megabytes, "1,540 files" while it shows files.
void setBandReading(ChartSeries& series, bool inMB);

// Ten bars of the age buckets, bucket 0 first, bar n in colour n: the
// bytes in megabytes when inMB, otherwise the files.
void fillAgeSeries(BarSeries& series, const std::array<std::int64_t, kAgeBuckets>& bytes,
                   const std::array<double, kAgeBuckets>& counts, bool inMB,
                   const BandColors& colours);

}  // namespace quarvo
