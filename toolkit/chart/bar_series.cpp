#include "toolkit/chart/bar_series.h"

namespace quarvo {

BarSeries::BarSeries(Orientation orientation, const QColor& color)
    : ChartSeries(Kind::Bar, color), orientation_(orientation) {
}

void BarSeries::setBarWidthPercent(int percent) {
    barWidthPercent_ = percent;
    changed();
}

void BarSeries::setSideMargins(bool on) {
    sideMargins_ = on;
    changed();
}

void BarSeries::setStyle(Style style) {
    style_ = style;
    changed();
}

void BarSeries::setSideBySide(bool on) {
    sideBySide_ = on;
    changed();
}

void BarSeries::setOffsetPercent(int percent) {
    offsetPercent_ = percent;
    changed();
}

}  // namespace quarvo
