#include "toolkit/chart/chart_readout.h"

#include <algorithm>
#include <utility>

#include "toolkit/chart/chart.h"
#include "toolkit/chart/number_mask.h"
#include "toolkit/chart/pie_series.h"

namespace quarvo {
namespace {

QString joined(const QString& first, const QString& second) {
    if (first.isEmpty()) return second;
    return second.isEmpty() ? first : first + u' ' + second;
}

// "what: value", or the value alone when nothing names the point; with
// the point's earlier value after it, "what: value, earlier value".
QString reading(const QString& what, const ChartSeries& series, const ChartPoint& point) {
    QString value = series.valueReadout(point.value);
    if (point.earlier) value += QStringLiteral(", earlier ") + series.valueReadout(*point.earlier);
    return what.isEmpty() ? value : what + QStringLiteral(": ") + value;
}

void readBars(Chart& chart, const ChartLayout& layout, std::vector<ChartReadout>& out) {
    std::vector<const BarBox*> bars;
    // An earlier value's outline is read with its bar, not on its own.
    for (const BarBox& bar : layout.bars)
        if (!bar.earlier) bars.push_back(&bar);
    std::stable_sort(bars.begin(), bars.end(),
                     [](const BarBox* a, const BarBox* b) { return a->point < b->point; });
    for (const BarBox* bar : bars) {
        const ChartSeries& series = *chart.series(bar->series);
        const ChartPoint& point = series.points()[bar->point];
        const QRectF area =
            QRectF(layout.projection.project(bar->low), layout.projection.project(bar->high))
                .normalized();
        out.push_back({reading(joined(point.label, series.title()), series, point), area});
    }
}

void readLines(Chart& chart, const ChartLayout& layout, std::vector<ChartReadout>& out) {
    const NumberMask xFormat(std::as_const(chart).bottomAxis().valueFormat);
    for (const LineRibbon& line : layout.lines) {
        if (line.earlier) continue;  // read with the line's own points
        const ChartSeries& series = *chart.series(line.series);
        for (size_t i = 0; i < line.points.size(); ++i) {
            const ChartPoint& point = series.points()[layout.firstPoint + i];
            const QString x = point.label.isEmpty() ? xFormat.format(point.x) : point.label;
            const QPointF at = layout.projection.project(line.points[i]);
            out.push_back({reading(joined(x, series.title()), series, point),
                           QRectF(at - QPointF(3, 3), QSizeF(6, 6))});
        }
    }
}

// A slice reads as its mark, which names the slice unless the mark shows
// only a number, and gives its earlier share as the mark does.
void readPie(Chart& chart, const ChartLayout& layout, std::vector<ChartReadout>& out) {
    const auto& series = static_cast<const PieSeries&>(*chart.series(layout.pie->series));
    for (const PieWedge& wedge : layout.pie->wedges) {
        const QString mark = series.markText(wedge.slice).replace(QChar::Nbsp, u' ');
        const QString text =
            mark.startsWith(wedge.slice.label) ? mark : joined(wedge.slice.label, mark);
        out.push_back({text, layout.plotArea});
    }
}

}  // namespace

std::vector<ChartReadout> chartReadouts(Chart& chart) {
    std::vector<ChartReadout> out;
    const ChartLayout& layout = chart.currentLayout();
    if (layout.pie) {
        readPie(chart, layout, out);
    } else if (layout.hasAxes) {
        readBars(chart, layout, out);
        readLines(chart, layout, out);
    }
    return out;
}

}  // namespace quarvo
