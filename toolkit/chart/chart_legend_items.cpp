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

// How the earlier values of a series look: outlines of bars, dashed lines.
LegendSwatch earlierSwatch(const ChartSeries& series) {
    return series.kind() == ChartSeries::Kind::Line ? LegendSwatch::Dashes : LegendSwatch::Outline;
}

bool listsEarlier(const ChartSeries& series) {
    return series.hasEarlier() && !series.earlierTitle().isEmpty();
}

// Each series is followed by its earlier values, also in an inverted
// legend, which turns the order of the series round.
std::vector<LegendItem> seriesItems(const std::vector<const ChartSeries*>& series,
                                    const QColor& ground, bool inverted) {
    std::vector<std::vector<LegendItem>> groups;
    for (const ChartSeries* one : series) {
        if (!one->isVisible()) continue;
        const QColor colour = drawnColour(*one, one->color(), ground);
        std::vector<LegendItem>& group = groups.emplace_back();
        group.push_back({colour, one->title(), {}});
        if (listsEarlier(*one))
            group.push_back({colour, one->earlierTitle(), {}, earlierSwatch(*one)});
    }
    if (inverted) std::reverse(groups.begin(), groups.end());
    std::vector<LegendItem> items;
    for (std::vector<LegendItem>& group : groups)
        items.insert(items.end(), group.begin(), group.end());
    return items;
}

std::vector<LegendItem> valueItems(const ChartSeries& series, const QColor& ground, bool inverted) {
    const NumberMask mask(series.valueFormat());
    std::vector<LegendItem> items;
    if (series.kind() == ChartSeries::Kind::Pie) {
        // A pie's marks give the earlier shares; the legend stays as it is.
        for (const PieSlice& slice : static_cast<const PieSeries&>(series).slices())
            items.push_back({slice.color, slice.label, mask.format(slice.value)});
    } else {
        for (const ChartPoint& point : series.points())
            items.push_back(
                {drawnColour(series, point.color, ground), point.label, mask.format(point.value)});
    }
    if (inverted) std::reverse(items.begin(), items.end());
    // The earlier values come in the colours of their points: one item in a
    // neutral tone, without a value, names them all, after the values.
    if (series.kind() != ChartSeries::Kind::Pie && listsEarlier(series))
        items.push_back({QColor(128, 128, 128), series.earlierTitle(), {}, earlierSwatch(series)});
    return items;
}

}  // namespace

std::vector<LegendItem> legendItems(const ChartLegend& legend,
                                    const std::vector<const ChartSeries*>& series,
                                    const QColor& ground) {
    const int index = legend.valuesSeries;
    const bool values = legend.style == LegendStyle::Values && index >= 0 &&
                        index < static_cast<int>(series.size());
    return values ? valueItems(*series[index], ground, legend.inverted)
                  : seriesItems(series, ground, legend.inverted);
}

}  // namespace quarvo
