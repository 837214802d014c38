#pragma once
// The Time page: how many selected files were modified, created and last
// accessed in each half hour of the day, as three lines, with a scroll bar
// that sets the chart's depth.

#include <QString>

#include "collect/statistics_collector.h"
#include "toolkit/chart/chart.h"
#include "toolkit/glyph_button.h"
#include "views/run_comparison.h"
#include "views/statistics_page.h"

class QScrollBar;

namespace quarvo {

class TimePage : public StatisticsPage {
public:
    TimePage(const StatisticsCollector& collector, const RunComparison& comparison);

    void rebuild() override { doFileTimes(); }
    void doFileTimes();
    void sbTimeChange();

    Chart* Chart4 = nullptr;
    LineSeries* Series10 = nullptr;  // "Modified time"
    LineSeries* Series11 = nullptr;  // "Created time"
    LineSeries* Series12 = nullptr;  // "Access Time"
    QScrollBar* sbTime = nullptr;
    GlyphButton* SpeedButton5 = nullptr;
    // The user's short time format (QTime::toString) of the chart's labels;
    // tests set their own.
    QString shortTimeFormat;

protected:
    [[nodiscard]] Chart* printedChart() const override { return Chart4; }

private:
    // While comparing, each line has the earlier run's line beside it,
    // dashed.
    void showEarlierLines();

    const StatisticsCollector& collector_;
    const RunComparison& comparison_;
};

}  // namespace quarvo
