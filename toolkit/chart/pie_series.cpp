#include "toolkit/chart/pie_series.h"

#include <algorithm>

namespace quarvo {

PieSeries::PieSeries(const QColor& color) : ChartSeries(Kind::Pie, color) {
}

void PieSeries::setStartAngle(int degrees) {
    startAngle_ = ((degrees % 360) + 360) % 360;
    changed();
}

void PieSeries::setExplodeBiggest(int percentOfRadius) {
    explodeBiggest_ = percentOfRadius;
    changed();
}

void PieSeries::setOtherSlicePercent(int percent) {
    otherSlicePercent_ = percent;
    changed();
}

void PieSeries::setOtherLabel(const QString& label) {
    otherLabel_ = label;
    changed();
}

void PieSeries::setOtherColor(const QColor& color) {
    otherColor_ = color;
    changed();
}

void PieSeries::setRest(double value) {
    rest_ = std::max(0.0, value);
    changed();
}

void PieSeries::clear() {
    rest_ = 0;
    ChartSeries::clear();
}

double PieSeries::total() const {
    double whole = rest_;
    for (const ChartPoint& point : points())
        if (point.value > 0) whole += point.value;
    return whole;
}

std::vector<PieSlice> PieSeries::slices() const {
    const double whole = total();
    std::vector<PieSlice> out;
    PieSlice other{rest_, otherLabel_, otherColor_, true};
    for (const ChartPoint& point : points()) {
        if (point.value <= 0) continue;
        if (100.0 * point.value / whole < otherSlicePercent_) {
            other.value += point.value;
        } else {
            out.push_back({point.value, point.label, point.color, false});
        }
    }
    if (other.value > 0) out.push_back(other);
    return out;
}

int PieSeries::biggest(const std::vector<PieSlice>& slices) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(slices.size()); ++i)
        if (best < 0 || slices[i].value > slices[best].value) best = i;
    return best;
}

}  // namespace quarvo
