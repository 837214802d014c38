#include "toolkit/chart/chart_legend_items.h"

#include <algorithm>

#include "toolkit/chart/chart_contrast.h"
#include "toolkit/chart/number_mask.h"
#include "toolkit/chart/pie_series.h"

namespace quarvo {
namespace {

// The colour a series' points are drawn in: bars stand out from the ground.
QColor drawnColour(const ChartSeries& series, const QColor& colour, const QColor& ground) {
    return series.kind() == ChartSeries::Kind::Bar ? standingOut(colour, ground) : colour;
}

std::vector<LegendItem> seriesItems(const std::vector<const ChartSeries*>& series,
                                    const QColor& ground) {
    std::vector<LegendItem> items;
    for (const ChartSeries* one : series) {
        if (!one->isVisible()) continue;
        const QColor colour = drawnColour(*one, one->color(), ground);
        items.push_back({colour, one->title(), {}});
        if (!one->hasEarlier() || one->earlierTitle().isEmpty()) continue;
        const bool line = one->kind() == ChartSeries::Kind::Line;
        items.push_back(
            {colour, one->earlierTitle(), {}, line ? LegendSwatch::Dashes : LegendSwatch::Outline});
    }
    return items;
}

std::vector<LegendItem> valueItems(const ChartSeries& series, const QColor& ground) {
    const NumberMask mask(series.valueFormat());
    std::vector<LegendItem> items;
    if (series.kind() == ChartSeries::Kind::Pie) {
        for (const PieSlice& slice : static_cast<const PieSeries&>(series).slices())
            items.push_back({slice.color, slice.label, mask.format(slice.value)});
        return items;
    }
    for (const ChartPoint& point : series.points())
        items.push_back(
            {drawnColour(series, point.color, ground), point.label, mask.format(point.value)});
    return items;
}

}  // namespace

std::vector<LegendItem> legendItems(const ChartLegend& legend,
                                    const std::vector<const ChartSeries*>& series,
                                    const QColor& ground) {
    const int index = legend.valuesSeries;
    const bool values = legend.style == LegendStyle::Values && index >= 0 &&
                        index < static_cast<int>(series.size());
    std::vector<LegendItem> items =
        values ? valueItems(*series[index], ground) : seriesItems(series, ground);
    if (legend.inverted) std::reverse(items.begin(), items.end());
    return items;
}

}  // namespace quarvo
