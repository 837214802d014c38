#pragma once
// A series of a chart: its points in order (value, label, colour, for
// line series an x value, and optionally an earlier value to compare the
// value with), its title, whether it is shown, its number formats and its
// marks. The kinds are in bar_series.h, pie_series.h and
// line_series.h; the chart owns its series.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "toolkit/chart/chart_settings.h"

namespace quarvo {

struct ChartPoint {
    double value = 0;
    QString label;
    QColor color;
    double x = 0;
    std::optional<double> earlier;  // what the value was before, if known
};

class ChartSeries {
public:
    enum class Kind { Bar, Pie, Line };
    // The value axes a series is plotted against. Both axes share one
    // scale; the right one shows only when a series is plotted against it.
    enum class ValueAxes { Left, LeftAndRight };

    virtual ~ChartSeries() = default;
    ChartSeries(const ChartSeries&) = delete;
    ChartSeries& operator=(const ChartSeries&) = delete;

    [[nodiscard]] Kind kind() const { return kind_; }

    virtual void clear();
    // Adds a point; without a valid colour it takes the series colour.
    void add(double value, const QString& label = {}, const QColor& color = {});
    [[nodiscard]] const std::vector<ChartPoint>& points() const { return points_; }
    [[nodiscard]] int count() const { return static_cast<int>(points_.size()); }
    // The whole that a share is taken of: the sum of the values.
    [[nodiscard]] virtual double total() const;

    // Earlier values are drawn beside the present ones (bars as outlines,
    // lines dashed, pie marks with the earlier share); a series without
    // any draws as if the feature did not exist.
    void setEarlier(int index, double value);
    [[nodiscard]] bool hasEarlier() const;
    // The legend's item for the earlier values; none when empty.
    [[nodiscard]] const QString& earlierTitle() const { return earlierTitle_; }
    void setEarlierTitle(const QString& title);

    [[nodiscard]] bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    [[nodiscard]] const QString& title() const { return title_; }
    void setTitle(const QString& title);
    [[nodiscard]] QColor color() const { return color_; }
    void setColor(const QColor& color);
    [[nodiscard]] ValueAxes valueAxes() const { return valueAxes_; }
    void setValueAxes(ValueAxes axes);

    // Masks for values and for shares in percent (see NumberMask).
    [[nodiscard]] const QString& valueFormat() const { return valueFormat_; }
    void setValueFormat(const QString& mask);
    [[nodiscard]] const QString& percentFormat() const { return percentFormat_; }
    void setPercentFormat(const QString& mask);

    [[nodiscard]] const SeriesMarks& marks() const { return marks_; }
    SeriesMarks& marks();

    // The value and the share of point index as the formats write them.
    [[nodiscard]] QString valueText(int index) const;
    [[nodiscard]] QString percentText(double value) const;
    // The share of value in whole, in the percent format.
    [[nodiscard]] QString percentText(double value, double whole) const;
    // The text of the mark of point index, and of any value with a label.
    [[nodiscard]] QString markText(int index) const;
    [[nodiscard]] QString markText(double value, const QString& label) const;

    // How a screen reader speaks a value, with the unit the owner knows
    // ("8,196 MB", "1,540 files"); without one, as the value format writes it.
    using ValueReading = std::function<QString(double value)>;
    void setValueReading(ValueReading reading) { valueReading_ = std::move(reading); }
    [[nodiscard]] QString valueReadout(double value) const;

    // The owning chart learns of every change through this.
    void setChangeHandler(std::function<void()> handler) { onChanged_ = std::move(handler); }

protected:
    ChartSeries(Kind kind, const QColor& color) : kind_(kind), color_(color) {}
    void changed() const;
    void addPoint(const ChartPoint& point);

private:
    Kind kind_;
    std::vector<ChartPoint> points_;
    bool visible_ = true;
    QString title_;
    QString earlierTitle_;
    QColor color_;
    ValueAxes valueAxes_ = ValueAxes::Left;
    QString valueFormat_ = QStringLiteral("#,##0.###");
    QString percentFormat_ = QStringLiteral("##0.## %");
    SeriesMarks marks_;
    std::function<void()> onChanged_;
    ValueReading valueReading_;
};

}  // namespace quarvo
