#pragma once
// The Sizes page: the selected files of the last run by size band, as a
// listing of bytes and files or as bars in megabytes or in files.

#include "collect/statistics_collector.h"
#include "text/number_format.h"
#include "toolkit/chart/chart.h"
#include "toolkit/grid/string_grid.h"
#include "views/band_sort.h"
#include "views/run_comparison.h"
#include "views/statistics_page.h"

class QRadioButton;

namespace quarvo {

class SizesPage : public StatisticsPage {
public:
    SizesPage(const StatisticsCollector& collector, const NumberFormat& numbers,
              const RunComparison& comparison);

    void rebuild() override { doFileSizes(); }
    void doFileSizes();
    void fillGridSizes();
    // Shows the view that the buttons have chosen, filling the chart.
    void rgSizesClick();

    StringGrid* gridSizes = nullptr;
    Chart* Chart1 = nullptr;
    BarSeries* Series1 = nullptr;
    QRadioButton* rgSize0 = nullptr;  // "Listing"
    QRadioButton* rgSize1 = nullptr;  // "Chart by Size (in MB)"
    QRadioButton* rgSize2 = nullptr;  // "Chart by Number of Files"

protected:
    [[nodiscard]] Chart* printedChart() const override { return Chart1; }

private:
    const StatisticsCollector& collector_;
    const NumberFormat& numbers_;
    BandSort* gridSizesSort_ = nullptr;
    const RunComparison& comparison_;
};

}  // namespace quarvo
