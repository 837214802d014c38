#include "toolkit/chart/chart_zoom.h"

#include <algorithm>

namespace quarvo {
namespace {

double between(double from, double to, double t) {
    return from + (to - from) * t;
}

}  // namespace

void ChartZoom::zoomIn(const AxisWindow& shown, const AxisWindow& target, int steps) {
    begin(shown, target, steps, false);
}

void ChartZoom::zoomOut(const AxisWindow& shown, const AxisWindow& full, int steps) {
    if (!isZoomed()) return;
    begin(shown, full, steps, true);
}

void ChartZoom::begin(const AxisWindow& shown, const AxisWindow& target, int steps,
                      bool clearAtEnd) {
    from_ = shown;
    to_ = target;
    steps_ = std::max(1, steps);
    done_ = 0;
    clearAtEnd_ = clearAtEnd;
    window_ = shown;
}

bool ChartZoom::step() {
    if (!isMoving()) return false;
    ++done_;
    const double t = static_cast<double>(done_) / steps_;
    window_ = AxisWindow{between(from_.hMin, to_.hMin, t), between(from_.hMax, to_.hMax, t),
                         between(from_.vMin, to_.vMin, t), between(from_.vMax, to_.vMax, t)};
    if (!isMoving() && clearAtEnd_) window_.reset();
    return isMoving();
}

void ChartZoom::reset() {
    window_.reset();
    steps_ = done_ = 0;
}

}  // namespace quarvo
