#include "toolkit/chart/line_series.h"

namespace quarvo {

LineSeries::LineSeries(const QColor& color) : ChartSeries(Kind::Line, color) {
}

void LineSeries::addXY(double x, double value, const QString& label, const QColor& color) {
    addPoint({value, label, color, x, {}});
}

void LineSeries::setLineWidth(int pixels) {
    lineWidth_ = pixels;
    changed();
}

}  // namespace quarvo
