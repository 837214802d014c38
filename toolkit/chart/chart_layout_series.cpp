// The bars and lines of a chart's layout, in the world box.
#include <algorithm>
#include <cmath>
#include <map>

#include "toolkit/chart/bar_series.h"
#include "toolkit/chart/chart_contrast.h"
#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/line_series.h"

namespace quarvo {
namespace {

QVector3D clamped(const QVector3D& p, const QVector3D& box) {
    return QVector3D(std::clamp(p.x(), 0.0f, box.x()), std::clamp(p.y(), 0.0f, box.y()),
                     std::clamp(p.z(), 0.0f, box.z()));
}

// The width of each series' bars in parts of a slot: side by side bars no
// wider than the nearest offset of another side by side series.
std::vector<double> barWidths(const std::vector<const ChartSeries*>& series) {
    std::vector<double> widths(series.size());
    for (size_t s = 0; s < series.size(); ++s) {
        if (series[s]->kind() != ChartSeries::Kind::Bar) continue;
        const auto& bar = static_cast<const BarSeries&>(*series[s]);
        widths[s] = bar.barWidthPercent() / 100.0;
        for (size_t o = 0; o < series.size() && bar.sideBySide(); ++o) {
            if (o == s || !series[o]->isVisible() || series[o]->kind() != ChartSeries::Kind::Bar)
                continue;
            const auto& other = static_cast<const BarSeries&>(*series[o]);
            const double apart = std::abs(other.offsetPercent() - bar.offsetPercent()) / 100.0;
            if (other.sideBySide() && other.orientation() == bar.orientation() && apart > 0)
                widths[s] = std::min(widths[s], apart);
        }
    }
    return widths;
}

// How much of a bar's width the outline of its earlier value takes when
// it stands beside the bar.
constexpr double earlierShare = 0.4;

// Where across its slot a bar of the given width lies, from the slot's
// centre; with an earlier value the outline comes first as the axis is
// read (left of an upright bar, above a lying one) and the bar takes the
// rest.
struct BarSpans {
    double now[2];
    double before[2];
};

BarSpans barSpans(double width, bool horizontal, bool compared) {
    const double half = width / 2;
    if (!compared) return {{-half, half}, {0, 0}};
    const double split = width * earlierShare;
    if (horizontal) return {{-half, half - split}, {half - split, half}};
    return {{-half + split, half}, {-half, -half + split}};
}

}  // namespace

// Side by side bars of several series make one group per slot. Their top
// faces slant into the next slot, so a group as deep as the box reaches
// the next label and reads as its bars: the bars are no deeper than lets
// the highest top face rise through the gap the group leaves in its slot.
float ChartLayout::groupDepth(const ChartLayoutInput& input,
                              const std::vector<double>& widths) const {
    double low = 0, high = 0;
    int grouped = 0;
    for (size_t s = 0; s < input.series.size(); ++s) {
        const ChartSeries* series = input.series[s];
        if (!series->isVisible() || series->kind() != ChartSeries::Kind::Bar) continue;
        const auto& bar = static_cast<const BarSeries&>(*series);
        if (!bar.sideBySide()) continue;
        const double centre = bar.offsetPercent() / 100.0;
        low = grouped ? std::min(low, centre - widths[s] / 2) : centre - widths[s] / 2;
        high = grouped ? std::max(high, centre + widths[s] / 2) : centre + widths[s] / 2;
        ++grouped;
    }
    if (grouped < 2) return box.z();
    const double slot = horizontalBars ? vScale.position(1, box.y()) - vScale.position(0, box.y())
                                       : hScale.position(1, box.x()) - hScale.position(0, box.x());
    const double gap = std::max(0.0, 1 - (high - low)) * std::abs(slot);
    return std::min(box.z(), float(gap / Projection3D::slant));
}

void ChartLayout::placeBars(const ChartLayoutInput& input) {
    if (!hasAxes) return;
    // Where the next stacked bar of a slot starts, per orientation, sign
    // and whether it stands for earlier values.
    std::map<std::tuple<int, bool, int, bool>, double> stacks;
    const std::vector<double> widths = barWidths(input.series);
    barDepth = groupDepth(input, widths);
    for (int s = 0; s < static_cast<int>(input.series.size()); ++s) {
        const ChartSeries* series = input.series[s];
        if (!series->isVisible() || series->kind() != ChartSeries::Kind::Bar) continue;
        const auto& bar = static_cast<const BarSeries&>(*series);
        const bool horizontal = bar.orientation() == BarSeries::Orientation::Horizontal;
        const BarSpans spans = barSpans(widths[s], horizontal, bar.hasEarlier());
        for (int i = firstPoint; i <= lastPoint && i < bar.count(); ++i) {
            const ChartPoint& point = bar.points()[i];
            const double centre = i + bar.offsetPercent() / 100.0;
            const auto place = [&](double value, const double(&span)[2], bool earlier) {
                double base = 0;
                if (!bar.sideBySide()) {
                    double& stack = stacks[{horizontal, value < 0, i, earlier}];
                    base = stack;
                    stack += value;
                }
                const double across[2] = {centre + span[0], centre + span[1]};
                const double along[2] = {std::min(base, base + value),
                                         std::max(base, base + value)};
                QVector3D low =
                    horizontal ? world(along[0], across[0], 0) : world(across[0], along[0], 0);
                QVector3D high = horizontal ? world(along[1], across[1], barDepth)
                                            : world(across[1], along[1], barDepth);
                low = clamped(low, box);
                high = clamped(high, box);
                if ((horizontal ? high.y() - low.y() : high.x() - low.x()) <= 0) return;
                const bool gradient = bar.style() == BarSeries::Style::Gradient;
                bars.push_back({low, high, standingOut(point.color, input.ground), gradient,
                                horizontal, s, i, earlier});
            };
            place(point.value, spans.now, false);
            if (point.earlier) place(*point.earlier, spans.before, true);
        }
    }
}

void ChartLayout::placeLines(const ChartLayoutInput& input) {
    if (!hasAxes) return;
    // A line, and the line of its earlier values behind it.
    std::vector<std::pair<int, bool>> shown;
    for (int s = 0; s < static_cast<int>(input.series.size()); ++s) {
        const ChartSeries& series = *input.series[s];
        if (!series.isVisible() || series.kind() != ChartSeries::Kind::Line) continue;
        shown.emplace_back(s, false);
        if (series.hasEarlier()) shown.emplace_back(s, true);
    }
    // Each line has its own lane of the depth, the first at the front.
    const double lane = shown.empty() ? 0 : box.z() / shown.size();
    for (size_t k = 0; k < shown.size(); ++k) {
        const auto [s, earlier] = shown[k];
        LineRibbon ribbon{s, {}, static_cast<float>(lane * 0.6), earlier};
        const double z = lane * (k + 0.2);
        const ChartSeries& series = *input.series[s];
        for (int i = firstPoint; i <= lastPoint && i < series.count(); ++i) {
            const ChartPoint& point = series.points()[i];
            if (!earlier)
                ribbon.points.push_back(world(point.x, point.value, z));
            else if (point.earlier)
                ribbon.points.push_back(world(point.x, *point.earlier, z));
        }
        lines.push_back(std::move(ribbon));
    }
}

}  // namespace quarvo
