#include "toolkit/chart/chart_series.h"

#include <algorithm>

#include "toolkit/chart/number_mask.h"

namespace quarvo {

void ChartSeries::changed() const {
    if (onChanged_) onChanged_();
}

void ChartSeries::clear() {
    points_.clear();
    changed();
}

void ChartSeries::add(double value, const QString& label, const QColor& color) {
    addPoint({value, label, color, static_cast<double>(points_.size()), {}});
}

void ChartSeries::addPoint(const ChartPoint& point) {
    points_.push_back(point);
    if (!points_.back().color.isValid()) points_.back().color = color_;
    changed();
}

double ChartSeries::total() const {
    double sum = 0;
    for (const ChartPoint& point : points_) sum += point.value;
    return sum;
}

void ChartSeries::setEarlier(int index, double value) {
    points_.at(index).earlier = value;
    changed();
}

bool ChartSeries::hasEarlier() const {
    return std::any_of(points_.begin(), points_.end(),
                       [](const ChartPoint& point) { return point.earlier.has_value(); });
}

void ChartSeries::setEarlierTitle(const QString& title) {
    earlierTitle_ = title;
    changed();
}

void ChartSeries::setVisible(bool visible) {
    visible_ = visible;
    changed();
}

void ChartSeries::setTitle(const QString& title) {
    title_ = title;
    changed();
}

void ChartSeries::setColor(const QColor& color) {
    color_ = color;
    changed();
}

void ChartSeries::setValueAxes(ValueAxes axes) {
    valueAxes_ = axes;
    changed();
}

void ChartSeries::setValueFormat(const QString& mask) {
    valueFormat_ = mask;
    changed();
}

void ChartSeries::setPercentFormat(const QString& mask) {
    percentFormat_ = mask;
    changed();
}

SeriesMarks& ChartSeries::marks() {
    changed();
    return marks_;
}

QString ChartSeries::valueText(int index) const {
    return NumberMask(valueFormat_).format(points_.at(index).value);
}

QString ChartSeries::percentText(double value) const {
    return percentText(value, total());
}

QString ChartSeries::percentText(double value, double whole) const {
    return NumberMask(percentFormat_).format(whole == 0 ? 0 : 100.0 * value / whole);
}

QString ChartSeries::valueReadout(double value) const {
    return valueReading_ ? valueReading_(value) : NumberMask(valueFormat_).format(value);
}

QString ChartSeries::markText(int index) const {
    return markText(points_.at(index).value, points_.at(index).label);
}

QString ChartSeries::markText(double value, const QString& label) const {
    const QString valueText = NumberMask(valueFormat_).format(value);
    switch (marks_.content) {
        case MarkContent::Value:
            return valueText;
        case MarkContent::Percent:
            return percentText(value);
        case MarkContent::Label:
            return label;
        case MarkContent::LabelAndPercent:
            return label + u' ' + percentText(value);
        case MarkContent::LabelAndValue:
            return label + u' ' + valueText;
    }
    return {};
}

}  // namespace quarvo
