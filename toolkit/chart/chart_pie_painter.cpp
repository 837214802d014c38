#include "toolkit/chart/chart_pie_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/chart/chart_mark_painter.h"

namespace quarvo {
namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

QVector3D centreOf(const std::vector<QVector3D>& corners) {
    QVector3D sum;
    for (const QVector3D& c : corners) sum += c;
    return sum / corners.size();
}

}  // namespace

QVector3D ChartPiePainter::rimPoint(const PieWedge& wedge, double degrees, double height) const {
    const QPointF at =
        pie_.centre + wedge.offset +
        QPointF(std::cos(radians(degrees)), std::sin(radians(degrees))) * pie_.radius;
    return QVector3D(at.x(), height, at.y());
}

QVector3D ChartPiePainter::centrePoint(const PieWedge& wedge, double height) const {
    const QPointF at = pie_.centre + wedge.offset;
    return QVector3D(at.x(), height, at.y());
}

// Angles along the wedge's arc, a few degrees apart, both ends included.
std::vector<double> ChartPiePainter::arcAngles(const PieWedge& wedge) const {
    const int steps = std::max(1, static_cast<int>(std::ceil(wedge.sweepDegrees / 3)));
    std::vector<double> angles;
    for (int i = 0; i <= steps; ++i)
        angles.push_back(wedge.startDegrees + wedge.sweepDegrees * i / steps);
    return angles;
}

void ChartPiePainter::collectSides(const PieWedge& wedge, std::vector<Patch>& patches) const {
    const double t = pie_.thickness;
    const QColor side = wedge.slice.color.darker(150);
    const std::vector<double> angles = arcAngles(wedge);
    const QVector3D centre = centrePoint(wedge, t / 2);
    for (size_t i = 0; i + 1 < angles.size(); ++i)
        patches.push_back({{rimPoint(wedge, angles[i], 0), rimPoint(wedge, angles[i + 1], 0),
                            rimPoint(wedge, angles[i + 1], t), rimPoint(wedge, angles[i], t)},
                           side,
                           centre});
    // Only a wedge pulled out shows its cut sides; the others' lie inside.
    if (wedge.offset.isNull()) return;
    const QVector3D inside =
        (rimPoint(wedge, wedge.startDegrees + wedge.sweepDegrees / 2, t / 2) + centre) / 2;
    for (const double edge : {angles.front(), angles.back()})
        patches.push_back({{centrePoint(wedge, 0), rimPoint(wedge, edge, 0),
                            rimPoint(wedge, edge, t), centrePoint(wedge, t)},
                           wedge.slice.color.darker(170),
                           inside});
}

void ChartPiePainter::paintFace(const PieWedge& wedge, double height) {
    std::vector<QVector3D> outline{centrePoint(wedge, height)};
    for (const double angle : arcAngles(wedge)) outline.push_back(rimPoint(wedge, angle, height));
    painter_.setBrush(wedge.slice.color);
    painter_.setPen(QPen(wedge.slice.color.darker(200), 0));
    painter_.drawPolygon(pie_.projection.project(outline));
}

void ChartPiePainter::paint() {
    const Projection3D& p = pie_.projection;
    std::vector<Patch> patches;
    if (pie_.thickness > 0)
        for (const PieWedge& wedge : pie_.wedges) collectSides(wedge, patches);
    // A side shows when its outside faces the viewer; the outside points
    // away from the wedge's own centre line.
    std::vector<const Patch*> shown;
    for (const Patch& patch : patches) {
        const QVector3D middle = centreOf(patch.corners);
        const QVector3D a = patch.corners[1] - patch.corners[0];
        const QVector3D b = patch.corners[3] - patch.corners[0];
        QVector3D normal = QVector3D::crossProduct(a, b);
        if (QVector3D::dotProduct(normal, middle - patch.inside) < 0) normal = -normal;
        if (p.facesViewer(middle, normal)) shown.push_back(&patch);
    }
    std::stable_sort(shown.begin(), shown.end(), [&p](const Patch* a, const Patch* b) {
        return p.distance(centreOf(a->corners)) > p.distance(centreOf(b->corners));
    });
    painter_.save();
    for (const Patch* patch : shown) {
        painter_.setPen(QPen(patch->color.darker(140), 0));
        painter_.setBrush(patch->color);
        painter_.drawPolygon(p.project(patch->corners));
    }
    // The caps lie across the thickness, which goes up; the layout keeps
    // the viewer above, so the bottom cap shows only when seen edge on.
    const QVector3D bottomCentre(pie_.centre.x(), 0, pie_.centre.y());
    const bool bottomShows = p.facesViewer(bottomCentre, {0, -1, 0});
    for (const PieWedge& wedge : pie_.wedges) paintFace(wedge, bottomShows ? 0 : pie_.thickness);
    painter_.restore();
}

void ChartPiePainter::paintMarks() {
    const SeriesMarks& marks = series_.marks();
    if (!marks.visible) return;
    const Projection3D& p = pie_.projection;
    ChartMarkPainter painter(painter_, marks, sizes_);
    const double t = pie_.thickness;
    const QPointF centre = p.project({float(pie_.centre.x()), float(t), float(pie_.centre.y())});
    for (const PieWedge& wedge : pie_.wedges) {
        const QVector3D rim = rimPoint(wedge, wedge.startDegrees + wedge.sweepDegrees / 2, t);
        const QPointF anchor = p.project(rim);
        QPointF direction = anchor - centre;
        const double length = std::hypot(direction.x(), direction.y());
        direction = length > 0 ? direction / length : QPointF(0, -1);
        painter.paint(wedge.markText, anchor, direction, marks.arrowLength, marks.arrowLength > 0,
                      p.scaleAt(rim), true);
    }
}

}  // namespace quarvo
