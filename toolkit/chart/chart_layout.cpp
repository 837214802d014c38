#include "toolkit/chart/chart_layout.h"

#include <QFontMetricsF>
#include <algorithm>

#include "toolkit/chart/chart_fonts.h"

namespace quarvo {
namespace {

constexpr double gap = 6;

// The convex hull of a few points, counter-clockwise on screen.
QPolygonF hull(std::vector<QPointF> points) {
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    const auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> out(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(out[k - 2], out[k - 1], points[i]) <= 0) --k;
        out[k++] = points[i];
    }
    for (size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(out[k - 2], out[k - 1], points[i - 1]) <= 0) --k;
        out[k++] = points[i - 1];
    }
    out.resize(k > 0 ? k - 1 : 0);
    return QPolygonF(QList<QPointF>(out.begin(), out.end()));
}

}  // namespace

ChartLayout::ChartLayout(const ChartLayoutInput& input) {
    placeFrame(input);
    findPage(input);
    placeAxes(input);
    placeView(input);
}

void ChartLayout::placeView(const ChartLayoutInput& input) {
    box = QVector3D();
    projection = Projection3D();
    barDepth = 0;
    bars.clear();
    lines.clear();
    pie.reset();
    placeBox(input);
    placeBars(input);
    placeLines(input);
    placePie(input);
}

void ChartLayout::placeFrame(const ChartLayoutInput& input) {
    chartRect = QRectF(QPointF(0, 0), input.size);
    const ChartMargins& m = *input.margins;
    const double w = chartRect.width(), h = chartRect.height();
    QRectF rest = chartRect.adjusted(w * m.left / 100, h * m.top / 100, -w * m.right / 100,
                                     -h * m.bottom / 100);
    placeTitle(*input.title, rest);
    placeLegend(input, rest);
    plotArea = rest;
}

// A title wider than the chart is set a little smaller, and what still
// does not fit is cut at the end: its beginning names what the chart shows.
void ChartLayout::placeTitle(const ChartTitle& title, QRectF& rest) {
    if (!title.visible || title.lines.isEmpty()) return;
    titleFont = pixelFont(title.font);
    const int smallest = std::max(6, titleFont.pixelSize() * 3 / 4);
    const auto widest = [&title](const QFontMetricsF& metrics) {
        double out = 0;
        for (const QString& line : title.lines)
            out = std::max(out, metrics.horizontalAdvance(line));
        return out;
    };
    while (titleFont.pixelSize() > smallest && widest(QFontMetricsF(titleFont)) > rest.width())
        titleFont.setPixelSize(titleFont.pixelSize() - 1);
    const QFontMetricsF metrics(titleFont);
    titleRect =
        QRectF(rest.left(), rest.top(), rest.width(), metrics.lineSpacing() * title.lines.size());
    for (const QString& line : title.lines)
        titleLines << metrics.elidedText(line, Qt::ElideRight, titleRect.width());
    rest.setTop(titleRect.bottom() + gap / 2);
}

void ChartLayout::placeLegend(const ChartLayoutInput& input, QRectF& rest) {
    const ChartLegend& legend = *input.legend;
    if (!legend.visible) return;
    legendItems = quarvo::legendItems(legend, input.series, input.ground);
    if (legendItems.empty()) return;
    const QFontMetricsF metrics(pixelFont(legend.font));
    const double row = metrics.lineSpacing() + 3, pad = 5, swatch = metrics.ascent();
    for (const LegendItem& item : legendItems)
        legendValueWidth = std::max(legendValueWidth, metrics.horizontalAdvance(item.value));
    const double valueColumn = legendValueWidth > 0 ? legendValueWidth + pad : 0;
    // Beside values, an item without one writes its text into their room.
    std::vector<double> widths;
    for (const LegendItem& item : legendItems) {
        const double text = metrics.horizontalAdvance(item.text);
        widths.push_back(item.value.isEmpty() ? std::max(0.0, text - valueColumn) : text);
    }
    const double lead = swatch + pad + valueColumn;
    const bool column =
        legend.alignment == LegendAlignment::Left || legend.alignment == LegendAlignment::Right;
    const double widest = *std::max_element(widths.begin(), widths.end());
    double across = 0;
    for (const double w : widths) across += lead + w + 2 * pad;
    const QSizeF size = column ? QSizeF(lead + widest + 2 * pad, legendItems.size() * row + pad)
                               : QSizeF(across + pad, row + pad);
    switch (legend.alignment) {
        case LegendAlignment::Right:
            legendRect = QRectF(
                QPointF(rest.right() - size.width(), rest.center().y() - size.height() / 2), size);
            rest.setRight(legendRect.left() - gap);
            break;
        case LegendAlignment::Left:
            legendRect = QRectF(QPointF(rest.left(), rest.center().y() - size.height() / 2), size);
            rest.setLeft(legendRect.right() + gap);
            break;
        case LegendAlignment::Top:
            legendRect = QRectF(QPointF(rest.center().x() - size.width() / 2, rest.top()), size);
            rest.setTop(legendRect.bottom() + gap);
            break;
        case LegendAlignment::Bottom:
            legendRect = QRectF(
                QPointF(rest.center().x() - size.width() / 2, rest.bottom() - size.height()), size);
            rest.setBottom(legendRect.top() - gap);
            break;
    }
    QPointF at = legendRect.topLeft() + QPointF(pad, pad / 2);
    for (const double w : widths) {
        const QRectF item(at, QSizeF(column ? lead + widest : lead + w, row));
        legendItemRects.push_back(item);
        at += column ? QPointF(0, row) : QPointF(item.width() + 2 * pad, 0);
    }
}

void ChartLayout::findPage(const ChartLayoutInput& input) {
    int count = 0;
    for (const ChartSeries* series : input.series)
        if (series->isVisible() && series->kind() != ChartSeries::Kind::Pie)
            count = std::max(count, series->count());
    firstPoint = 0;
    lastPoint = count - 1;
    if (input.pointsPerPage > 0) {
        firstPoint = std::clamp(input.page - 1, 0, std::max(0, (count - 1) / input.pointsPerPage)) *
                     input.pointsPerPage;
        lastPoint = std::min(count, firstPoint + input.pointsPerPage) - 1;
    }
}

void ChartLayout::placeBox(const ChartLayoutInput& input) {
    if (!hasAxes) return;
    const ChartView3D& view = *input.view;
    const double shorter = std::min(plotArea.width(), plotArea.height());
    double depth = view.enabled ? shorter * std::max(0, view.depthPercent) / 200.0 : 0;
    depth = std::min(depth, 0.45 * shorter / Projection3D::slant);
    box = QVector3D(plotArea.width() - depth * Projection3D::slant,
                    plotArea.height() - depth * Projection3D::slant, depth);
    projection = Projection3D(view, plotArea, box);
    barDepth = box.z();
}

QVector3D ChartLayout::world(double h, double v, double z) const {
    return QVector3D(hScale.position(h, box.x()), vScale.position(v, box.y()), z);
}

QVector3D ChartLayout::categoryAnchor(double position) const {
    if (!horizontalBars) return QVector3D(hScale.position(position, box.x()), 0, 0);
    const float at = vScale.position(position, box.y());
    const QPointF front = projection.project({0, at, 0});
    const double seen = projection.project({0, at, barDepth / 2}).y();
    const double perUnit = projection.project({0, at + 1, 0}).y() - front.y();
    if (perUnit == 0) return QVector3D(0, at, 0);
    return QVector3D(0, at + float((seen - front.y()) / perUnit), 0);
}

AxisWindow ChartLayout::shownWindow() const {
    return {hScale.minimum(), hScale.maximum(), vScale.minimum(), vScale.maximum()};
}

std::optional<AxisWindow> ChartLayout::windowUnder(const QRectF& rect) const {
    if (!hasAxes) return std::nullopt;
    const QRectF front(projection.project({0, box.y(), 0}), projection.project({box.x(), 0, 0}));
    const QRectF picked = rect.normalized() & front;
    if (picked.width() < 1 || picked.height() < 1) return std::nullopt;
    const auto h = [&](double x) { return hScale.value(x - front.left(), front.width()); };
    const auto v = [&](double y) { return vScale.value(front.bottom() - y, front.height()); };
    return AxisWindow{h(picked.left()), h(picked.right()), v(picked.bottom()), v(picked.top())};
}

QPolygonF ChartLayout::boxOutline() const {
    std::vector<QPointF> corners;
    for (const float x : {0.0f, box.x()})
        for (const float y : {0.0f, box.y()})
            for (const float z : {0.0f, box.z()}) corners.push_back(projection.project({x, y, z}));
    return hull(corners);
}

}  // namespace quarvo
