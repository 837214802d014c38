#include "toolkit/chart/chart_wall_painter.h"

namespace quarvo {
namespace {

QVector3D centreOf(const std::vector<QVector3D>& corners) {
    QVector3D sum;
    for (const QVector3D& c : corners) sum += c;
    return sum / corners.size();
}

}  // namespace

bool ChartWallPainter::shows(const std::vector<QVector3D>& corners, const QVector3D& inward) const {
    return layout_.projection.facesViewer(centreOf(corners), inward);
}

void ChartWallPainter::paintWall(const ChartWall& wall, const std::vector<QVector3D>& corners,
                                 const QVector3D& inward) {
    if (!wall.visible || !shows(corners, inward)) return;
    painter_.setPen(QPen(wall.transparent ? wall.color : wall.color.darker(140), 0));
    painter_.setBrush(wall.transparent ? QBrush(Qt::NoBrush) : QBrush(wall.color));
    painter_.drawPolygon(layout_.projection.project(corners));
}

void ChartWallPainter::paintWalls(const ChartWalls& walls) {
    const float w = layout_.box.x(), h = layout_.box.y(), d = layout_.box.z();
    painter_.save();
    paintWall(*walls.back, {{0, 0, d}, {w, 0, d}, {w, h, d}, {0, h, d}}, {0, 0, -1});
    if (d > 0) {
        paintWall(*walls.left, {{0, 0, 0}, {0, 0, d}, {0, h, d}, {0, h, 0}}, {1, 0, 0});
        paintWall(*walls.bottom, {{0, 0, 0}, {w, 0, 0}, {w, 0, d}, {0, 0, d}}, {0, 1, 0});
    }
    painter_.restore();
}

void ChartWallPainter::paintGrid(const ChartAxis& valueAxis) {
    if (!valueAxis.visible || !valueAxis.gridVisible) return;
    const Projection3D& p = layout_.projection;
    const float w = layout_.box.x(), h = layout_.box.y(), d = layout_.box.z();
    const bool across = layout_.horizontalBars;  // values run along the bottom
    const AxisScale& scale = across ? layout_.hScale : layout_.vScale;
    const bool side = d > 0 && (across ? shows({{0, 0, 0}, {w, 0, d}}, {0, 1, 0})
                                       : shows({{0, 0, 0}, {0, h, d}}, {1, 0, 0}));
    painter_.save();
    painter_.setPen(QPen(valueAxis.gridColor, 0, Qt::DotLine));
    for (const double tick : scale.ticks()) {
        const double at = scale.position(tick, across ? w : h);
        const QVector3D front = across ? QVector3D(at, 0, 0) : QVector3D(0, at, 0);
        const QVector3D back = front + QVector3D(0, 0, d);
        const QVector3D end = across ? QVector3D(at, h, d) : QVector3D(w, at, d);
        if (side) painter_.drawLine(p.project(front), p.project(back));
        painter_.drawLine(p.project(back), p.project(end));
    }
    painter_.restore();
}

}  // namespace quarvo
