#pragma once
// What a chart's legend lists: the series by title, each followed by its
// earlier values when they have a title, or the points of one series with
// their values (a pie's small slices merged as it draws them), followed by
// one item without a value for the earlier values when they have a title.

#include <QColor>
#include <QString>
#include <vector>

#include "toolkit/chart/chart_series.h"
#include "toolkit/chart/chart_settings.h"

namespace quarvo {

// How an item's swatch shows what it names: a filled box, or for earlier
// values the box's outline (bars) or a dashed stroke (lines).
enum class LegendSwatch { Box, Outline, Dashes };

struct LegendItem {
    QColor color;
    QString text;
    // Empty when the legend lists series, and for the item of earlier
    // values in a legend of values, whose text takes the values' room too.
    QString value;
    LegendSwatch swatch = LegendSwatch::Box;
};

// The items in the order they are listed, top first (left first at the top).
// The swatches of bars take the tones the bars are drawn in on ground.
[[nodiscard]] std::vector<LegendItem> legendItems(const ChartLegend& legend,
                                                  const std::vector<const ChartSeries*>& series,
                                                  const QColor& ground);

}  // namespace quarvo
