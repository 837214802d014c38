#pragma once
// A statistics window whose Sizes, date, Combined and Time pages are filled
// from tallies the test sets, with "," and "." as separators.

#include <QStringList>

#include "tests/support/date_pages_fill.h"
#include "tests/ui/statistics_window_fixture.h"

namespace quarvo {

class DatePagesTest : public StatisticsWindowTest {
protected:
    static constexpr std::int64_t kMiB = 1 << 20;

    Tallies& tallies() { return window().collector.tallies(); }
    // Fills the pages from the tallies as the end of a scan does.
    TfrmStatistics& fill() {
        testing::fillDatePages(window());
        return window();
    }
    static QStringList column(const StringGrid& grid, int col) {
        QStringList out;
        for (int row = 0; row < grid.rowCount(); ++row) out << grid.cell(col, row);
        return out;
    }
    static QStringList labels(const ChartSeries& series) {
        QStringList out;
        for (const ChartPoint& point : series.points()) out << point.label;
        return out;
    }
    // Runs an animated zoom of the chart to its end.
    static void settleZoom(Chart& chart) {
        for (int tick = 0; tick < 100 && chart.isZoomAnimating(); ++tick) chart.zoomTimerTick();
    }
    static std::vector<QColor> colours(const ChartSeries& series) {
        std::vector<QColor> out;
        for (const ChartPoint& point : series.points()) out.push_back(point.color);
        return out;
    }
};

}  // namespace quarvo
