#pragma once
// The Combined page: the three date kinds side by side, as one listing of
// bytes and files or as one chart of three bar series.

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

class CombinedPage : public StatisticsPage {
public:
    // A chart chosen with the buttons runs rebuildCharts, which fills the
    // charts of all four date pages from their buttons.
    CombinedPage(const StatisticsCollector& collector, const NumberFormat& numbers,
                 const RunComparison& comparison, std::function<void()> rebuildCharts);

    void rebuild() override;
    // While comparing, each figure column has its change beside it, and the
    // listing, wider than the page, scrolls across.
    void fillCombinedGridDates();
    // The chart's three series, in megabytes or in files as the buttons
    // have chosen, each in its one colour, and while comparing the earlier
    // run's bars beside them.
    void doFileAges();
    // Shows the view that the buttons have chosen; a chart is filled anew.
    void rgCombineClick();

    StringGrid* gridCombine = nullptr;
    Chart* chartCombine = nullptr;
    BarSeries* Series8 = nullptr;  // "Modified"
    BarSeries* Series7 = nullptr;  // "Created"
    BarSeries* Series6 = nullptr;  // "Accessed"
    QRadioButton* rgCombine0 = nullptr;
    QRadioButton* rbCombine1 = nullptr;
    QRadioButton* rbCombine2 = nullptr;
    GlyphButton* SpeedButton4 = nullptr;

protected:
    [[nodiscard]] Chart* printedChart() const override { return chartCombine; }

private:
    const StatisticsCollector& collector_;
    const NumberFormat& numbers_;
    const RunComparison& comparison_;
    std::function<void()> rebuildCharts_;
    BandSort* gridCombineSort_ = nullptr;
};

}  // namespace quarvo
