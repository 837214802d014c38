#pragma once
// The charts of the statistics pages that show nothing but their series: no
// title, axes, walls, frame or legend, and no zooming, on the page's grey.

#include <QColor>

#include "toolkit/chart/chart.h"

namespace quarvo {

void showSeriesOnly(Chart& chart, const QColor& background);

}  // namespace quarvo
