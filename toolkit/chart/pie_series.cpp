#include "toolkit/chart/pie_series.h"

#include <algorithm>

#include "toolkit/chart/number_mask.h"

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

void PieSeries::setEarlierRest(double value) {
    earlierRest_ = std::max(0.0, value);
    changed();
}

void PieSeries::setEarlierWording(const QString& was, const QString& fresh) {
    was_ = was;
    fresh_ = fresh;
    changed();
}

void PieSeries::clear() {
    rest_ = 0;
    earlierRest_ = 0;
    ChartSeries::clear();
}

double PieSeries::total() const {
    double whole = rest_;
    for (const ChartPoint& point : points())
        if (point.value > 0) whole += point.value;
    return whole;
}

double PieSeries::earlierTotal() const {
    double whole = earlierRest_;
    for (const ChartPoint& point : points())
        if (point.earlier > 0) whole += *point.earlier;
    return whole;
}

// "Other" was, earlier, all that the named slices were not: so the earlier
// shares of the slices drawn add up to the earlier whole.
std::vector<PieSlice> PieSeries::slices() const {
    const double whole = total();
    std::vector<PieSlice> out;
    PieSlice other{rest_, otherLabel_, otherColor_, true, {}};
    double namedEarlier = 0;
    for (const ChartPoint& point : points()) {
        if (point.value <= 0) continue;
        if (100.0 * point.value / whole < otherSlicePercent_) {
            other.value += point.value;
        } else {
            out.push_back({point.value, point.label, point.color, false, point.earlier});
            namedEarlier += std::max(0.0, point.earlier.value_or(0));
        }
    }
    if (hasEarlier()) other.earlier = std::max(0.0, earlierTotal() - namedEarlier);
    if (other.value > 0) out.push_back(other);
    return out;
}

QString PieSeries::markText(const PieSlice& slice) const {
    const QString now = markText(slice.value, slice.label);
    if (!hasEarlier()) return now;
    QString before;
    switch (marks().content) {
        case MarkContent::Percent:
        case MarkContent::LabelAndPercent:
            before = percentText(slice.earlier.value_or(0), earlierTotal());
            break;
        case MarkContent::Value:
        case MarkContent::LabelAndValue:
            before = NumberMask(valueFormat()).format(slice.earlier.value_or(0));
            break;
        case MarkContent::Label:
            return now;
    }
    // The earlier part keeps to one line when the mark is broken into lines.
    QString earlier = slice.earlier ? was_.arg(before) : fresh_;
    return now + u' ' + earlier.replace(u' ', QChar::Nbsp);
}

int PieSeries::biggest(const std::vector<PieSlice>& slices) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(slices.size()); ++i)
        if (best < 0 || slices[i].value > slices[best].value) best = i;
    return best;
}

}  // namespace quarvo
