#pragma once
// Draws the lines of a chart's layout: flat lines without 3-D, ribbons in
// their lanes of the depth with it, the back lanes first; earlier values
// dashed.

#include <QPainter>
#include <vector>

#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/line_series.h"

namespace quarvo {

class ChartLinePainter {
public:
    ChartLinePainter(QPainter& painter, const ChartLayout& layout,
                     const std::vector<const ChartSeries*>& series)
        : painter_(painter), layout_(layout), series_(series) {}

    void paint();

private:
    void paintLonePoint(const LineRibbon& line, const LineSeries& series);
    void paintFlat(const LineRibbon& line, const LineSeries& series);
    void paintRibbon(const LineRibbon& line, const LineSeries& series);
    void paintDashed(const LineRibbon& line, const LineSeries& series);

    QPainter& painter_;
    const ChartLayout& layout_;
    const std::vector<const ChartSeries*>& series_;
};

}  // namespace quarvo
