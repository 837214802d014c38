#pragma once
// What a chart shows, item by item, as a sighted user reads it: each bar as
// "label: value", each pie slice as its mark ("JPEG image 26.6 %"), each
// point of a line as "x label series title: value". Bars come slot by
// slot, then the lines one after the other, each from its first point to
// its last; only the page shown is read. A screen reader reads these.

#include <QRectF>
#include <QString>
#include <vector>

namespace quarvo {

class Chart;

struct ChartReadout {
    QString text;
    QRectF area;  // where it is drawn, in the chart's coordinates
};

[[nodiscard]] std::vector<ChartReadout> chartReadouts(Chart& chart);

}  // namespace quarvo
