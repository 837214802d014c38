#include "toolkit/chart/chart_line_painter.h"

#include <QPainterPath>
#include <algorithm>

namespace quarvo {

void ChartLinePainter::paint() {
    painter_.save();
    QPainterPath outline;
    outline.addPolygon(layout_.boxOutline());
    painter_.setClipPath(outline);
    for (auto line = layout_.lines.rbegin(); line != layout_.lines.rend(); ++line) {
        const auto& series = static_cast<const LineSeries&>(*series_[line->series]);
        if (line->earlier)
            paintDashed(*line, series);
        else if (line->points.size() == 1)
            paintLonePoint(*line, series);
        else if (line->depth > 0)
            paintRibbon(*line, series);
        else
            paintFlat(*line, series);
    }
    painter_.restore();
}

// A page may hold a single point of a line: it shows as a short stroke
// across the line's lane, or as a dot without depth.
void ChartLinePainter::paintLonePoint(const LineRibbon& line, const LineSeries& series) {
    const Projection3D& p = layout_.projection;
    painter_.setPen(
        QPen(series.color(), std::max(4, series.lineWidth() + 2), Qt::SolidLine, Qt::RoundCap));
    const QVector3D& point = line.points.front();
    if (line.depth > 0)
        painter_.drawLine(p.project(point), p.project(point + QVector3D(0, 0, line.depth)));
    else
        painter_.drawPoint(p.project(point));
}

void ChartLinePainter::paintFlat(const LineRibbon& line, const LineSeries& series) {
    painter_.setPen(
        QPen(series.color(), series.lineWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawPolyline(layout_.projection.project(line.points));
}

// Earlier values are a dashed line along the front of their lane: a
// ribbon would read as one more present line.
void ChartLinePainter::paintDashed(const LineRibbon& line, const LineSeries& series) {
    QPen pen(series.color(), series.lineWidth(), Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    if (line.points.size() == 1) {
        pen.setWidth(std::max(4, series.lineWidth() + 2));
        pen.setCapStyle(Qt::RoundCap);
    }
    painter_.setPen(pen);
    const QPolygonF points = layout_.projection.project(line.points);
    if (points.size() == 1)
        painter_.drawPoint(points.front());
    else
        painter_.drawPolyline(points);
}

// Each segment is a band from the lane's front to its back; the far bands
// are drawn first so that the near ones cover them where the line folds.
void ChartLinePainter::paintRibbon(const LineRibbon& line, const LineSeries& series) {
    const Projection3D& p = layout_.projection;
    const QVector3D back(0, 0, line.depth);
    std::vector<std::vector<QVector3D>> bands;
    for (size_t i = 0; i + 1 < line.points.size(); ++i)
        bands.push_back(
            {line.points[i], line.points[i + 1], line.points[i + 1] + back, line.points[i] + back});
    std::stable_sort(bands.begin(), bands.end(), [&p](const auto& a, const auto& b) {
        return p.distance((a[0] + a[2]) / 2) > p.distance((b[0] + b[2]) / 2);
    });
    painter_.setPen(QPen(series.color().darker(160), 0));
    for (const auto& band : bands) {
        const QVector3D along = band[1] - band[0];
        const QVector3D up = QVector3D(-along.y(), along.x(), 0);
        const bool top = p.facesViewer((band[0] + band[2]) / 2, up);
        painter_.setBrush(top ? series.color() : series.color().darker(140));
        painter_.drawPolygon(p.project(band));
    }
}

}  // namespace quarvo
