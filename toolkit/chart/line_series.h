#pragma once
// A line through points at their x values, without point markers. In the
// 3-D view it is drawn as a ribbon in its own lane of the depth.

#include "toolkit/chart/chart_series.h"

namespace quarvo {

class LineSeries : public ChartSeries {
public:
    explicit LineSeries(const QColor& color = Qt::red);

    void addXY(double x, double value, const QString& label = {}, const QColor& color = {});

    [[nodiscard]] int lineWidth() const { return lineWidth_; }
    void setLineWidth(int pixels);

private:
    int lineWidth_ = 2;
};

}  // namespace quarvo
