#pragma once
// Draws the left, right and bottom axes of a chart's layout: axis line,
// ticks and minor ticks, labels (numbers through the axis's mask, or the
// points' labels on the category axis) and title. Labels that would come
// closer to the one before than the axis's label separation are left out.

#include <QPainter>
#include <vector>

#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/chart_text.h"

namespace quarvo {

class ChartAxisPainter {
public:
    ChartAxisPainter(QPainter& painter, const ChartLayout& layout)
        : painter_(painter), layout_(layout) {}

    void paintLeft(const ChartAxis& axis);
    void paintRight(const ChartAxis& axis);
    void paintBottom(const ChartAxis& axis);

private:
    struct Mark {
        QVector3D at;
        QString text;
    };
    [[nodiscard]] std::vector<Mark> valueMarks(const ChartAxis& axis, bool bottom, float x,
                                               float z) const;
    [[nodiscard]] std::vector<Mark> categoryMarks(bool bottom) const;
    void paintLine(const ChartAxis& axis, const QVector3D& from, const QVector3D& to);
    void paintTicks(const ChartAxis& axis, const std::vector<Mark>& marks, const QPointF& outward);
    void paintLabels(const ChartAxis& axis, const std::vector<PlacedText>& labels, bool across);

    QPainter& painter_;
    const ChartLayout& layout_;
};

}  // namespace quarvo
