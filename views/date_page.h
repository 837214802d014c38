#pragma once
// The Access, Created and Modified pages: the selected files by the age of
// one of their dates, as a listing or as bars in megabytes or in files.
// One class serves the three; on the Access page its controls are
// gridAccess, chartAccess, HorizBarSeries1, rgAccess0 to rgAccess2 and
// SpeedButton1, on the Created page gridCreate, chartCreate,
// HorizBarSeries2, rgCreate0 to rgCreate2 and SpeedButton2, on the
// Modified page gridModify, chartModify, HorizBarSeries3, rgModify0 to
// rgModify2 and SpeedButton3.

#include <QRect>
#include <array>
#include <cstdint>
#include <functional>

#include "collect/statistics_collector.h"
#include "text/number_format.h"
#include "toolkit/chart/chart.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/string_grid.h"
#include "views/band_sort.h"
#include "views/run_comparison.h"
#include "views/statistics_page.h"

class QRadioButton;

namespace quarvo {

// What sets the three date pages apart.
struct DateKind {
    const char* listingCaption;  // column 0 of the listing's header
    const char* chartKind;       // the start of the chart's title
    const char* noteName;        // the question-mark button's tooltip
    const char* note;            // behind the question-mark button
    std::array<std::int64_t, kAgeBuckets> Tallies::*bytes;
    std::array<double, kAgeBuckets> Tallies::*counts;
    QRect listingPlace;
    QRect chartPlace;
};
extern const DateKind kAccessDates;
extern const DateKind kCreatedDates;
extern const DateKind kModifiedDates;

class DatePage : public StatisticsPage {
public:
    // A chart chosen with the buttons runs rebuildCharts, which fills the
    // charts of all four date pages from their buttons.
    DatePage(const DateKind& kind, const StatisticsCollector& collector,
             const NumberFormat& numbers, const RunComparison& comparison,
             std::function<void()> rebuildCharts);

    void rebuild() override;
    // The listing, oldest first.
    void fillGridDates();
    // The chart, in megabytes or in files as the buttons have chosen.
    void fillDateChart();
    // Shows the view that the buttons have chosen; a chart is filled anew.
    void rgAccessClick();

    StringGrid* grid = nullptr;
    Chart* chart = nullptr;
    BarSeries* series = nullptr;
    QRadioButton* rgListing = nullptr;
    QRadioButton* rgBySize = nullptr;
    QRadioButton* rgByFiles = nullptr;
    GlyphButton* noteButton = nullptr;

protected:
    [[nodiscard]] Chart* printedChart() const override { return chart; }

private:
    const DateKind& kind_;
    const StatisticsCollector& collector_;
    const NumberFormat& numbers_;
    const RunComparison& comparison_;
    std::function<void()> rebuildCharts_;
    BandSort* gridSort_ = nullptr;
};

}  // namespace quarvo
