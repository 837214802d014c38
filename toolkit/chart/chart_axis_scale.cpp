#include "toolkit/chart/chart_axis_scale.h"

#include <algorithm>
#include <cmath>

namespace quarvo {
namespace {

double niceStep(double range, double pixels, double labelPixels, double leastStep) {
    const double count = std::max(1.0, std::floor(pixels / std::max(1.0, labelPixels)));
    const double raw = std::max(range / count, leastStep);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * magnitude >= raw * (1 - 1e-9)) return factor * magnitude;
    return 10 * magnitude;
}

}  // namespace

AxisScale::AxisScale(double minimum, double maximum, double step)
    : minimum_(minimum), maximum_(maximum > minimum ? maximum : minimum + 1), step_(step) {
}

AxisScale AxisScale::automatic(double low, double high, double pixels, double labelPixels,
                               double leastStep) {
    if (!(high > low)) high = low + 1;
    const double step = niceStep(high - low, pixels, labelPixels, leastStep);
    const double minimum = std::floor(low / step + 1e-9) * step;
    const double maximum = std::ceil(high / step - 1e-9) * step;
    return {minimum, maximum, step};
}

AxisScale AxisScale::fixed(double minimum, double maximum, double pixels, double labelPixels,
                           double leastStep) {
    if (!(maximum > minimum)) maximum = minimum + 1;
    return {minimum, maximum, niceStep(maximum - minimum, pixels, labelPixels, leastStep)};
}

std::vector<double> AxisScale::ticks() const {
    std::vector<double> out;
    if (step_ <= 0) return out;
    const double first = std::ceil(minimum_ / step_ - 1e-9);
    for (double k = first; k * step_ <= maximum_ + step_ * 1e-9 && out.size() < 1000; ++k)
        out.push_back(std::abs(k * step_) < step_ * 1e-9 ? 0.0 : k * step_);
    return out;
}

double AxisScale::position(double value, double length) const {
    return (value - minimum_) / (maximum_ - minimum_) * length;
}

double AxisScale::value(double position, double length) const {
    return minimum_ + position / length * (maximum_ - minimum_);
}

}  // namespace quarvo
