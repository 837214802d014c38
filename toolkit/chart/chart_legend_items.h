#pragma once
// What a chart's legend lists: the series by title, or the points of one
// series with their values (a pie's small slices merged as it draws them).

#include <QColor>
#include <QString>
#include <vector>

#include "toolkit/chart/chart_series.h"
#include "toolkit/chart/chart_settings.h"

namespace quarvo {

struct LegendItem {
    QColor color;
    QString text;
    QString value;  // empty when the legend lists series
};

// The items in the order they are listed, top first (left first at the top).
// The swatches of bars take the tones the bars are drawn in on ground.
[[nodiscard]] std::vector<LegendItem> legendItems(const ChartLegend& legend,
                                                  const std::vector<const ChartSeries*>& series,
                                                  const QColor& ground);

}  // namespace quarvo
