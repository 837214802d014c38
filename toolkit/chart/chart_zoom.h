#pragma once
// The zoom of a chart: the window of axis values it shows instead of its
// own ranges, reached in steps so that zooming in and out can be animated.

#include <optional>

namespace quarvo {

// Visible ranges of the horizontal and the vertical axis, in axis values
// (for bars along their category axis: point indexes).
struct AxisWindow {
    double hMin = 0;
    double hMax = 1;
    double vMin = 0;
    double vMax = 1;
};

class ChartZoom {
public:
    // Goes from the window shown to the target in the given number of steps.
    void zoomIn(const AxisWindow& shown, const AxisWindow& target, int steps);
    // Goes back to the full ranges; at the last step the zoom is gone.
    void zoomOut(const AxisWindow& shown, const AxisWindow& full, int steps);
    // Moves one step; false when the target has been reached.
    bool step();
    void reset();

    [[nodiscard]] bool isZoomed() const { return window_.has_value(); }
    [[nodiscard]] bool isMoving() const { return done_ < steps_; }
    // The window in force; none when the chart shows its own ranges.
    [[nodiscard]] const std::optional<AxisWindow>& window() const { return window_; }

private:
    void begin(const AxisWindow& shown, const AxisWindow& target, int steps, bool clearAtEnd);

    std::optional<AxisWindow> window_;
    AxisWindow from_;
    AxisWindow to_;
    int steps_ = 0;
    int done_ = 0;
    bool clearAtEnd_ = false;
};

}  // namespace quarvo
