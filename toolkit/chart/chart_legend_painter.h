#pragma once
// Draws a chart's legend in the rectangles its layout gave the items: a
// swatch, the value in its own column (Values style) and the text.

#include <QPainter>

#include "toolkit/chart/chart_layout.h"

namespace quarvo {

class ChartLegendPainter {
public:
    ChartLegendPainter(QPainter& painter, const ChartLayout& layout)
        : painter_(painter), layout_(layout) {}

    void paint(const ChartLegend& legend);

private:
    void paintSwatch(const LegendItem& item, const QRectF& box);

    QPainter& painter_;
    const ChartLayout& layout_;
};

}  // namespace quarvo
