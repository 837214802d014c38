#include "toolkit/chart/chart_bar_painter.h"

#include <QLinearGradient>
#include <algorithm>
#include <map>

#include "toolkit/chart/chart_contrast.h"
#include "toolkit/chart/chart_mark_painter.h"

namespace quarvo {
namespace {

struct Face {
    std::vector<QVector3D> corners;
    QVector3D normal;
    int shade;  // 100 is the bar's colour; above is darker, below lighter

    [[nodiscard]] QColor tone(const QColor& color) const {
        return shade >= 100 ? color.darker(shade) : color.lighter(200 - shade);
    }
};

std::vector<Face> facesOf(const QVector3D& l, const QVector3D& h) {
    return {
        {{{l.x(), l.y(), l.z()},
          {h.x(), l.y(), l.z()},
          {h.x(), h.y(), l.z()},
          {l.x(), h.y(), l.z()}},
         {0, 0, -1},
         100},
        {{{l.x(), l.y(), h.z()},
          {h.x(), l.y(), h.z()},
          {h.x(), h.y(), h.z()},
          {l.x(), h.y(), h.z()}},
         {0, 0, 1},
         160},
        {{{l.x(), l.y(), l.z()},
          {l.x(), h.y(), l.z()},
          {l.x(), h.y(), h.z()},
          {l.x(), l.y(), h.z()}},
         {-1, 0, 0},
         150},
        {{{h.x(), l.y(), l.z()},
          {h.x(), h.y(), l.z()},
          {h.x(), h.y(), h.z()},
          {h.x(), l.y(), h.z()}},
         {1, 0, 0},
         140},
        {{{l.x(), l.y(), l.z()},
          {h.x(), l.y(), l.z()},
          {h.x(), l.y(), h.z()},
          {l.x(), l.y(), h.z()}},
         {0, -1, 0},
         170},
        {{{l.x(), h.y(), l.z()},
          {h.x(), h.y(), l.z()},
          {h.x(), h.y(), h.z()},
          {l.x(), h.y(), h.z()}},
         {0, 1, 0},
         85},
    };
}

QVector3D centreOf(const std::vector<QVector3D>& corners) {
    QVector3D sum;
    for (const QVector3D& c : corners) sum += c;
    return sum / corners.size();
}

}  // namespace

QBrush ChartBarPainter::frontBrush(const BarBox& bar) const {
    if (!bar.gradient) return bar.color;
    const Projection3D& p = layout_.projection;
    const QVector3D base = bar.low;
    const QVector3D end = bar.horizontal ? QVector3D(bar.high.x(), bar.low.y(), bar.low.z())
                                         : QVector3D(bar.low.x(), bar.high.y(), bar.low.z());
    QLinearGradient gradient(p.project(base), p.project(end));
    gradient.setColorAt(0, bar.color.darker(150));
    gradient.setColorAt(1, bar.color.lighter(150));
    return gradient;
}

void ChartBarPainter::paintBox(const BarBox& bar) {
    const Projection3D& p = layout_.projection;
    const bool flat = layout_.box.z() <= 0;
    for (const Face& face : facesOf(bar.low, bar.high)) {
        if (flat && face.normal.z() >= 0) continue;
        if (!flat && !p.facesViewer(centreOf(face.corners), face.normal)) continue;
        if (bar.earlier) {
            painter_.setPen(earlierOutline(bar.color));
            painter_.setBrush(earlierWash(bar.color));
        } else {
            painter_.setPen(QPen(bar.color.darker(250), 0));
            painter_.setBrush(face.shade == 100 ? frontBrush(bar) : QBrush(face.tone(bar.color)));
        }
        painter_.drawPolygon(p.project(face.corners));
    }
}

// Bars never cut into one another, so the far ones go first: slot by slot
// across the category axis, then along each slot, both seen from where
// the viewer stands (to the right or left, above or below).
void ChartBarPainter::paintBars() {
    const Projection3D& p = layout_.projection;
    const QVector3D middle = layout_.box / 2;
    const float toRight = p.facesViewer(middle, {1, 0, 0}) ? 1 : -1;
    const float toTop = p.facesViewer(middle, {0, 1, 0}) ? 1 : -1;
    const auto key = [&](const BarBox* bar) {
        const QVector3D centre = (bar->low + bar->high) / 2;
        const float across = toRight * centre.x(), up = toTop * centre.y();
        return layout_.horizontalBars ? std::pair(up, across) : std::pair(across, up);
    };
    std::vector<const BarBox*> order;
    for (const BarBox& bar : layout_.bars) order.push_back(&bar);
    std::stable_sort(order.begin(), order.end(),
                     [&key](const BarBox* a, const BarBox* b) { return key(a) < key(b); });
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    for (const BarBox* bar : order) paintBox(*bar);
    painter_.restore();
}

void ChartBarPainter::paintMarks() {
    std::map<int, ChartMarkPainter> painters;
    for (const BarBox& bar : layout_.bars) {
        const ChartSeries& series = *series_[bar.series];
        const SeriesMarks& marks = series.marks();
        if (!marks.visible || bar.earlier) continue;
        const float z = marks.distance >= 0 ? (bar.low.z() + bar.high.z()) / 2 : bar.low.z();
        const QVector3D anchor = bar.horizontal
                                     ? QVector3D(bar.high.x(), (bar.low.y() + bar.high.y()) / 2, z)
                                     : QVector3D((bar.low.x() + bar.high.x()) / 2, bar.high.y(), z);
        const QVector3D foot = bar.horizontal ? QVector3D(bar.low.x(), anchor.y(), z)
                                              : QVector3D(anchor.x(), bar.low.y(), z);
        const QPointF direction = bar.horizontal ? QPointF(1, 0) : QPointF(0, -1);
        const Projection3D& p = layout_.projection;
        auto& painter =
            painters.try_emplace(bar.series, painter_, marks, layout_.textSizes).first->second;
        painter.paint(series.markText(bar.point), p.project(anchor), direction, marks.distance,
                      marks.arrowLength > 0, p.scaleAt(anchor), false, p.project(foot));
    }
}

}  // namespace quarvo
