#include "toolkit/chart/chart_axis_painter.h"

#include <QFontMetricsF>

#include "toolkit/chart/chart_fonts.h"
#include "toolkit/chart/number_mask.h"

namespace quarvo {
namespace {

constexpr double tick = 4;

bool within(const AxisScale& scale, double value) {
    const double slack = (scale.maximum() - scale.minimum()) * 1e-9;
    return value >= scale.minimum() - slack && value <= scale.maximum() + slack;
}

}  // namespace

std::vector<ChartAxisPainter::Mark> ChartAxisPainter::valueMarks(const ChartAxis& axis, bool bottom,
                                                                 float x, float z) const {
    const AxisScale& scale = bottom ? layout_.hScale : layout_.vScale;
    const NumberMask mask(axis.valueFormat);
    std::vector<Mark> marks;
    for (const double value : scale.ticks()) {
        const QVector3D at = bottom ? layout_.world(value, layout_.vScale.minimum(), z)
                                    : QVector3D(x, scale.position(value, layout_.box.y()), z);
        marks.push_back({at, mask.format(value)});
    }
    return marks;
}

std::vector<ChartAxisPainter::Mark> ChartAxisPainter::categoryMarks(bool bottom) const {
    const AxisScale& scale = bottom ? layout_.hScale : layout_.vScale;
    std::vector<Mark> marks;
    for (const CategoryLabel& label : layout_.categoryLabels) {
        if (within(scale, label.position))
            marks.push_back({layout_.categoryAnchor(label.position), label.text});
    }
    return marks;
}

void ChartAxisPainter::paintLine(const ChartAxis& axis, const QVector3D& from,
                                 const QVector3D& to) {
    if (!axis.lineVisible) return;
    painter_.setPen(QPen(axis.lineColor, 0));
    painter_.drawLine(layout_.projection.project(from), layout_.projection.project(to));
}

void ChartAxisPainter::paintTicks(const ChartAxis& axis, const std::vector<Mark>& marks,
                                  const QPointF& outward) {
    const Projection3D& p = layout_.projection;
    painter_.setPen(QPen(axis.tickColor, 0));
    for (size_t i = 0; i < marks.size() && axis.ticksVisible; ++i) {
        const QPointF at = p.project(marks[i].at);
        painter_.drawLine(at, at + outward * tick * p.scaleAt(marks[i].at));
        if (!axis.minorTicksVisible || i + 1 == marks.size()) continue;
        for (int k = 1; k <= axis.minorTickCount; ++k) {
            const QVector3D minor =
                marks[i].at + (marks[i + 1].at - marks[i].at) * k / (axis.minorTickCount + 1);
            const QPointF m = p.project(minor);
            painter_.drawLine(m, m + outward * tick / 2 * p.scaleAt(minor));
        }
    }
}

void ChartAxisPainter::paintLabels(const ChartAxis& axis, const std::vector<PlacedText>& labels,
                                   bool across) {
    QRectF last;
    for (const PlacedText& label : labels) {
        const QRectF box = label.bounds(layout_.textSizes);
        const double room = (across ? box.width() : box.height()) * axis.labelSeparation / 100.0;
        const QRectF padded =
            across ? box.adjusted(-room, 0, room, 0) : box.adjusted(0, -room, 0, room);
        if (!last.isNull() && padded.intersects(last)) continue;
        label.draw(painter_, axis.labelColor, layout_.textSizes);
        last = box;
    }
}

void ChartAxisPainter::paintLeft(const ChartAxis& axis) {
    if (!axis.visible) return;
    const Projection3D& p = layout_.projection;
    painter_.save();
    paintLine(axis, {0, 0, 0}, {0, layout_.box.y(), 0});
    const std::vector<Mark> marks =
        layout_.horizontalBars ? categoryMarks(false) : valueMarks(axis, false, 0, 0);
    paintTicks(axis, marks, {-1, 0});
    std::vector<PlacedText> labels;
    for (const Mark& mark : marks) {
        const double s = p.scaleAt(mark.at);
        labels.push_back({mark.text, axis.labelFont,
                          p.project(mark.at) - QPointF((tick + 3) * s, 0),
                          Qt::AlignRight | Qt::AlignVCenter, s, 0});
    }
    if (axis.labelsVisible) paintLabels(axis, labels, false);
    const QPointF middle = p.project({0, layout_.box.y() / 2, 0});
    const double height = QFontMetricsF(pixelFont(axis.titleFont)).height();
    PlacedText{axis.title,
               axis.titleFont,
               {layout_.labelsArea.left() + height / 2, middle.y()},
               Qt::AlignCenter,
               1,
               90}
        .draw(painter_, axis.titleColor, layout_.textSizes);
    painter_.restore();
}

void ChartAxisPainter::paintRight(const ChartAxis& axis) {
    if (!layout_.rightAxis) return;
    const Projection3D& p = layout_.projection;
    const float w = layout_.box.x(), d = layout_.box.z();
    painter_.save();
    paintLine(axis, {w, 0, d}, {w, layout_.box.y(), d});
    const std::vector<Mark> marks = valueMarks(axis, false, w, d);
    paintTicks(axis, marks, {1, 0});
    std::vector<PlacedText> labels;
    for (const Mark& mark : marks) {
        const double s = p.scaleAt(mark.at);
        labels.push_back({mark.text, axis.labelFont,
                          p.project(mark.at) + QPointF((tick + 3) * s, 0),
                          Qt::AlignLeft | Qt::AlignVCenter, s, 0});
    }
    if (axis.labelsVisible) paintLabels(axis, labels, false);
    painter_.restore();
}

void ChartAxisPainter::paintBottom(const ChartAxis& axis) {
    if (!axis.visible) return;
    const Projection3D& p = layout_.projection;
    painter_.save();
    paintLine(axis, {0, 0, 0}, {layout_.box.x(), 0, 0});
    const std::vector<Mark> marks =
        layout_.hCategories ? categoryMarks(true) : valueMarks(axis, true, 0, 0);
    paintTicks(axis, marks, {0, 1});
    const bool upright = axis.labelAngle % 180 != 0;
    std::vector<PlacedText> labels;
    for (const Mark& mark : marks) {
        const double s = p.scaleAt(mark.at);
        labels.push_back(
            {mark.text, axis.labelFont, p.project(mark.at) + QPointF(0, (tick + 2) * s),
             upright ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignHCenter | Qt::AlignTop, s,
             upright ? 90 : 0});
    }
    if (axis.labelsVisible) paintLabels(axis, labels, true);
    const QPointF middle = p.project({layout_.box.x() / 2, 0, 0});
    PlacedText{axis.title,
               axis.titleFont,
               {middle.x(), layout_.labelsArea.bottom()},
               Qt::AlignHCenter | Qt::AlignBottom,
               1,
               0}
        .draw(painter_, axis.titleColor, layout_.textSizes);
    painter_.restore();
}

}  // namespace quarvo
