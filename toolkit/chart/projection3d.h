#pragma once
// The small 3-D projection of a chart. The world is a box of width, height
// and depth in pixels: x to the right, y upwards, z away from the viewer,
// the front bottom left corner at the origin. The orthogonal view draws the
// front face upright and the depth slanting up and to the right at 45
// degrees. The other view turns the box about its centre: at 360 degrees
// of rotation and elevation the viewer looks straight at the front; each
// degree less of rotation moves the viewer a degree round to the right,
// each degree less of elevation a degree up (270 looks straight down). It
// shrinks what lies further back by the perspective strength. Both views
// zoom about the centre of the area.

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QVector3D>
#include <vector>

#include "toolkit/chart/chart_settings.h"

namespace quarvo {

class Projection3D {
public:
    Projection3D() = default;
    // Projects a box of the given size into area; the orthogonal view
    // fills area with the box's front face and its slanted depth.
    Projection3D(const ChartView3D& view, const QRectF& area, const QVector3D& box);

    // How far the depth slants in the orthogonal view, per unit of depth.
    static constexpr double slant = 0.70710678118654752;

    [[nodiscard]] QPointF project(const QVector3D& point) const;
    [[nodiscard]] QPolygonF project(const std::vector<QVector3D>& points) const;
    // Whether a surface through point, its outside along normal, shows
    // its outside to the viewer.
    [[nodiscard]] bool facesViewer(const QVector3D& point, const QVector3D& normal) const;
    // Larger is further from the viewer; paint what is far first.
    [[nodiscard]] double distance(const QVector3D& point) const;
    // Screen pixels per world unit near a point, to scale text drawn there.
    [[nodiscard]] double scaleAt(const QVector3D& point) const;

private:
    [[nodiscard]] QVector3D turned(const QVector3D& point) const;
    [[nodiscard]] QVector3D turnedDirection(const QVector3D& direction) const;
    [[nodiscard]] double perspectiveAt(double turnedZ) const;
    [[nodiscard]] QPointF zoomed(const QPointF& point) const;

    bool orthogonal_ = true;
    QRectF area_;
    QVector3D box_;
    QPointF centre_;
    double zoom_ = 1;
    double cosRotation_ = 1, sinRotation_ = 0;
    double cosElevation_ = 1, sinElevation_ = 0;
    double focal_ = 0;  // 0: parallel
};

}  // namespace quarvo
