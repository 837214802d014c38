#pragma once
// The charts of the statistics pages that show nothing but their series: no
// title, axes, walls, frame or legend, and no zooming, on the page's grey.

#include <QColor>

#include "toolkit/chart/chart.h"

namespace quarvo {

void showSeriesOnly(Chart& chart, const QColor& background);

// The pies of the pages: series only, in 3-D seen from above at the depth
// given, with the hint that a click starts and stops their turning.
void showTurningPie(Chart& chart, const QColor& background, int depthPercent);

}  // namespace quarvo
