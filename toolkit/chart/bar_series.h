#pragma once
// Bars, upright or lying. Bars of several series either stack (the first
// series at the bottom, or at the left) or stand side by side, each moved
// across its slot by an offset in percent of the slot.

#include "toolkit/chart/chart_series.h"

namespace quarvo {

class BarSeries : public ChartSeries {
public:
    enum class Orientation { Vertical, Horizontal };
    enum class Style { Plain, Gradient };

    explicit BarSeries(Orientation orientation, const QColor& color = Qt::red);

    [[nodiscard]] Orientation orientation() const { return orientation_; }

    // Width of a bar in percent of the slot of one point.
    [[nodiscard]] int barWidthPercent() const { return barWidthPercent_; }
    void setBarWidthPercent(int percent);
    // With side margins, half a slot is left free before the first bar
    // and after the last.
    [[nodiscard]] bool sideMargins() const { return sideMargins_; }
    void setSideMargins(bool on);
    [[nodiscard]] Style style() const { return style_; }
    void setStyle(Style style);
    // Side by side bars start from zero instead of from the series below,
    // and are narrowed where needed so that they never overlap one another.
    [[nodiscard]] bool sideBySide() const { return sideBySide_; }
    void setSideBySide(bool on);
    // Shift of the bar's centre across its slot, in percent of the slot.
    [[nodiscard]] int offsetPercent() const { return offsetPercent_; }
    void setOffsetPercent(int percent);

private:
    Orientation orientation_;
    int barWidthPercent_ = 70;
    bool sideMargins_ = true;
    Style style_ = Style::Plain;
    bool sideBySide_ = false;
    int offsetPercent_ = 0;
};

}  // namespace quarvo
