#pragma once
// Draws the bars of a chart's layout as boxes, the far ones first, and then
// their marks above everything.

#include <QPainter>
#include <vector>

#include "toolkit/chart/chart_layout.h"

namespace quarvo {

class ChartBarPainter {
public:
    ChartBarPainter(QPainter& painter, const ChartLayout& layout,
                    const std::vector<const ChartSeries*>& series)
        : painter_(painter), layout_(layout), series_(series) {}

    void paintBars();
    void paintMarks();

private:
    void paintBox(const BarBox& bar);
    [[nodiscard]] QBrush frontBrush(const BarBox& bar) const;

    QPainter& painter_;
    const ChartLayout& layout_;
    const std::vector<const ChartSeries*>& series_;
};

}  // namespace quarvo
