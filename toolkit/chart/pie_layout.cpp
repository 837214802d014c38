// The pie of a chart's layout: its size fitted to the plot, its wedges and
// the slice pulled out.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "toolkit/chart/chart_fonts.h"
#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/chart_text.h"

namespace quarvo {
namespace {

// Room around the pie for marks of the size of box and their arrows.
QMarginsF pieMarkRoom(const SeriesMarks& marks, const QSizeF& box) {
    const double across = box.width() + marks.arrowLength + 8;
    const double up = box.height() + marks.arrowLength + 4;
    return {across, up, across, up};
}

// The size of the biggest of the marks.
QSizeF biggest(const std::vector<QString>& texts, const QFontMetricsF& metrics) {
    QSizeF most;
    for (const QString& text : texts) most = most.expandedTo(textBlockSize(metrics, text));
    return most;
}

// The mark texts in the lines that leave the pie the largest radius, as
// radiusFor gives it for the size of the biggest mark. Long labels round a
// pie take its room on both sides; broken into lines they take height
// instead, of which a pie seen from above has more to spare. The choice
// hangs on the texts alone, so a turning pie keeps its size.
std::vector<QString> markLines(const std::vector<QString>& texts, const QFontMetricsF& metrics,
                               const std::function<double(const QSizeF&)>& radiusFor) {
    std::vector<QString> best = texts;
    double bestRadius = radiusFor(biggest(texts, metrics));
    const double widest = biggest(texts, metrics).width();
    for (int tenths = 9; tenths >= 3; --tenths) {
        std::vector<QString> wrapped;
        for (const QString& text : texts)
            wrapped.push_back(wrapText(text, metrics, widest * tenths / 10));
        // Another line must win the pie a few pixels to be worth it.
        const double radius = radiusFor(biggest(wrapped, metrics));
        if (radius > bestRadius + 2) {
            best = std::move(wrapped);
            bestRadius = radius;
        }
    }
    return best;
}

// A pie is always seen from above, its top cap and the near half of its
// rim showing: an elevation that would look from below, or past straight
// down, becomes the one looking as steeply from above.
int elevationFromAbove(int elevation) {
    const int e = ((elevation % 360) + 360) % 360;
    if (e <= 90) return 360 - e;
    if (e <= 180) return 180 + e;
    if (e <= 270) return 540 - e;
    return e;
}

// The pie's view: always turned, never slanted; without 3-D a flat disc
// seen from straight above.
ChartView3D pieView(const ChartView3D& view) {
    ChartView3D out = view;
    out.orthogonal = false;
    out.elevation = elevationFromAbove(view.elevation);
    if (!view.enabled) {
        out.enabled = true;
        out.depthPercent = 0;
        out.rotation = 360;
        out.elevation = 270;
        out.perspective = 0;
    }
    return out;
}

}  // namespace

void ChartLayout::placePie(const ChartLayoutInput& input) {
    if (hasAxes) return;
    int s = 0;
    while (!input.series[s]->isVisible()) ++s;
    const auto& series = static_cast<const PieSeries&>(*input.series[s]);
    const std::vector<PieSlice> slices = series.slices();
    const ChartView3D view = pieView(*input.view);
    const double explode = std::max(0, series.explodeBiggest()) / 100.0;
    const double thickness = std::max(0, view.depthPercent) / 200.0;

    // Measured at radius 1 without zoom; the projection scales with the pie.
    ChartView3D flat = view;
    flat.zoomPercent = 100;
    const QVector3D unitBox(2 * (1 + explode), thickness, 2 * (1 + explode));
    const Projection3D unit(flat, QRectF(0, 0, 0, 0), unitBox);
    double reachX = 1e-6, reachY = 1e-6;
    for (int degrees = 0; degrees < 360; degrees += 5) {
        const double a = degrees * std::numbers::pi / 180;
        for (const double height : {0.0, thickness}) {
            const QPointF p =
                unit.project(QVector3D(unitBox.x() / 2 + (1 + explode) * std::cos(a), height,
                                       unitBox.z() / 2 + (1 + explode) * std::sin(a)));
            reachX = std::max(reachX, std::abs(p.x()));
            reachY = std::max(reachY, std::abs(p.y()));
        }
    }
    const SeriesMarks& marks = series.marks();
    const auto radiusIn = [&](const QRectF& area) {
        return std::max(0.0, std::min(area.width() / 2 / reachX, area.height() / 2 / reachY));
    };
    std::vector<QString> texts;
    for (const PieSlice& slice : slices)
        texts.push_back(marks.visible ? series.markText(slice) : QString());
    const QFontMetricsF metrics(pixelFont(marks.font));
    if (marks.visible)
        texts = markLines(texts, metrics, [&](const QSizeF& box) {
            return radiusIn(plotArea.marginsRemoved(pieMarkRoom(marks, box)));
        });
    const QRectF area = marks.visible
                            ? plotArea.marginsRemoved(pieMarkRoom(marks, biggest(texts, metrics)))
                            : plotArea;

    PieGeometry geometry;
    geometry.series = s;
    geometry.radius = radiusIn(area);
    geometry.thickness = thickness * geometry.radius;
    const QVector3D worldBox = unitBox * geometry.radius;
    geometry.centre = QPointF(worldBox.x() / 2, worldBox.z() / 2);
    geometry.projection = Projection3D(view, area, worldBox);

    double total = 0;
    for (const PieSlice& slice : slices) total += slice.value;
    const int biggest = explode > 0 ? PieSeries::biggest(slices) : -1;
    double angle = series.startAngle();
    for (int i = 0; i < static_cast<int>(slices.size()); ++i) {
        const double sweep = 360.0 * slices[i].value / total;
        const double middle = (angle + sweep / 2) * std::numbers::pi / 180;
        const QPointF offset =
            i == biggest ? QPointF(std::cos(middle), std::sin(middle)) * explode * geometry.radius
                         : QPointF();
        geometry.wedges.push_back({slices[i], angle, sweep, offset, texts[i]});
        angle += sweep;
    }
    pie = std::move(geometry);
}

}  // namespace quarvo
