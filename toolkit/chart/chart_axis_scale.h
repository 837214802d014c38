#pragma once
// The range of an axis and the step between its labels. An automatic scale
// widens the data's range to whole steps of 1, 2 or 5 times a power of ten,
// with as many labels as fit the axis's length.

#include <vector>

namespace quarvo {

class AxisScale {
public:
    AxisScale() = default;
    AxisScale(double minimum, double maximum, double step);

    // labelPixels is the room one label needs along the axis; the step is
    // never below leastStep.
    [[nodiscard]] static AxisScale automatic(double low, double high, double pixels,
                                             double labelPixels, double leastStep = 0);
    [[nodiscard]] static AxisScale fixed(double minimum, double maximum, double pixels,
                                         double labelPixels, double leastStep = 0);

    [[nodiscard]] double minimum() const { return minimum_; }
    [[nodiscard]] double maximum() const { return maximum_; }
    [[nodiscard]] double step() const { return step_; }
    // The multiples of the step within the range.
    [[nodiscard]] std::vector<double> ticks() const;
    // Where a value lies on an axis of the given length, from 0 at the minimum.
    [[nodiscard]] double position(double value, double length) const;
    // The value at a position; the inverse of position().
    [[nodiscard]] double value(double position, double length) const;

private:
    double minimum_ = 0;
    double maximum_ = 1;
    double step_ = 1;
};

}  // namespace quarvo
