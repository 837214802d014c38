#include "toolkit/chart/projection3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarvo {
namespace {

double radians(int degrees) {
    return (degrees % 360) * std::numbers::pi / 180.0;
}

}  // namespace

Projection3D::Projection3D(const ChartView3D& view, const QRectF& area, const QVector3D& box)
    : orthogonal_(view.orthogonal || !view.enabled),
      area_(area),
      box_(box),
      centre_(area.center()),
      zoom_(std::max(0, view.enabled ? view.zoomPercent : 100) / 100.0),
      cosRotation_(std::cos(radians(view.rotation))),
      sinRotation_(std::sin(radians(view.rotation))),
      cosElevation_(std::cos(radians(view.elevation))),
      sinElevation_(std::sin(radians(view.elevation))) {
    // The strongest perspective puts the eye one and a half box diagonals
    // from the centre, always outside the box.
    if (view.perspective > 0) focal_ = 1.5 * box.length() * 100.0 / std::min(view.perspective, 100);
}

QVector3D Projection3D::turnedDirection(const QVector3D& d) const {
    const double x = d.x() * cosRotation_ - d.z() * sinRotation_;
    const double z = d.x() * sinRotation_ + d.z() * cosRotation_;
    const double y = d.y() * cosElevation_ - z * sinElevation_;
    return QVector3D(x, y, d.y() * sinElevation_ + z * cosElevation_);
}

QVector3D Projection3D::turned(const QVector3D& point) const {
    return turnedDirection(point - box_ / 2);
}

// The front face keeps its size when the box looks straight ahead.
double Projection3D::perspectiveAt(double turnedZ) const {
    if (focal_ <= 0) return 1;
    return focal_ / (focal_ + turnedZ + box_.z() / 2);
}

QPointF Projection3D::zoomed(const QPointF& point) const {
    return centre_ + (point - centre_) * zoom_;
}

QPointF Projection3D::project(const QVector3D& point) const {
    if (orthogonal_) {
        return zoomed({area_.left() + point.x() + point.z() * slant,
                       area_.bottom() - point.y() - point.z() * slant});
    }
    const QVector3D t = turned(point);
    const double s = perspectiveAt(t.z());
    return zoomed(centre_ + QPointF(t.x() * s, -t.y() * s));
}

QPolygonF Projection3D::project(const std::vector<QVector3D>& points) const {
    QPolygonF out;
    for (const QVector3D& point : points) out << project(point);
    return out;
}

// The slanted view looks along (-slant, -slant, 1): from above, from the
// right and from the front.
double Projection3D::distance(const QVector3D& point) const {
    if (orthogonal_) return point.z() - slant * (point.x() + point.y());
    return turned(point).z();
}

bool Projection3D::facesViewer(const QVector3D& point, const QVector3D& normal) const {
    if (orthogonal_) return normal.z() - slant * (normal.x() + normal.y()) < -1e-6;
    const QVector3D n = turnedDirection(normal);
    if (focal_ <= 0) return n.z() < -1e-6;
    const QVector3D eye(0, 0, -focal_ - box_.z() / 2);
    return QVector3D::dotProduct(eye - turned(point), n) > 1e-6;
}

double Projection3D::scaleAt(const QVector3D& point) const {
    return orthogonal_ ? zoom_ : zoom_ * perspectiveAt(turned(point).z());
}

}  // namespace quarvo
