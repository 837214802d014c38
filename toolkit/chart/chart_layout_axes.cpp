// The axes of a chart's layout: which axis lists categories, the ranges of
// the axes and the room their labels and titles take.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "toolkit/chart/bar_series.h"
#include "toolkit/chart/chart_fonts.h"
#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/number_mask.h"

namespace quarvo {
namespace {

constexpr double tickRoom = 8;

struct DataRange {
    double low = 0;
    double high = 0;
    bool any = false;
    void take(double value) {
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    }
};

// The range of the values, earlier ones too: bars from zero to their
// stacked ends (earlier values stack apart from the present ones), lines
// from zero or their lowest value to their highest.
DataRange valueRange(const ChartLayoutInput& input, int first, int last) {
    DataRange range;
    range.take(0);
    std::vector<double> stacks[2][2][2];  // orientation, below or above zero, earlier
    for (const ChartSeries* series : input.series) {
        if (!series->isVisible() || series->kind() == ChartSeries::Kind::Pie) continue;
        const auto* bar = series->kind() == ChartSeries::Kind::Bar
                              ? static_cast<const BarSeries*>(series)
                              : nullptr;
        for (int i = first; i <= last && i < series->count(); ++i) {
            const auto take = [&](double value, bool earlier) {
                if (!bar || bar->sideBySide()) return range.take(value);
                auto& stack = stacks[int(bar->orientation())][value < 0][earlier];
                stack.resize(std::max<size_t>(stack.size(), i + 1));
                stack[i] += value;
                range.take(stack[i]);
            };
            const ChartPoint& point = series->points()[i];
            take(point.value, false);
            if (point.earlier) take(*point.earlier, true);
        }
    }
    return range;
}

DataRange xRange(const ChartLayoutInput& input, int first, int last) {
    DataRange range;
    for (const ChartSeries* series : input.series)
        if (series->isVisible() && series->kind() == ChartSeries::Kind::Line)
            for (int i = first; i <= last && i < series->count(); ++i)
                range.take(series->points()[i].x);
    return range;
}

double widest(const QFont& font, const std::vector<QString>& texts) {
    const QFontMetricsF metrics(pixelFont(font));
    double out = 0;
    for (const QString& text : texts) out = std::max(out, metrics.horizontalAdvance(text));
    return out;
}

std::vector<QString> tickTexts(const ChartAxis& axis, const AxisScale& scale) {
    const NumberMask mask(axis.valueFormat);
    std::vector<QString> out;
    for (const double tick : scale.ticks()) out.push_back(mask.format(tick));
    return out;
}

bool repeatsLabel(const ChartAxis& axis, const AxisScale& scale) {
    std::vector<QString> texts = tickTexts(axis, scale);
    std::sort(texts.begin(), texts.end());
    return std::adjacent_find(texts.begin(), texts.end()) != texts.end();
}

// The scale that make() gives, its step widened until every label reads
// differently in the axis's format: tiny values under a format with few
// decimals would otherwise repeat one label ("0.0 GB") up the axis.
template <class Make>
AxisScale readableScale(const ChartAxis& axis, const Make& make) {
    AxisScale scale = make(0.0);
    for (int tries = 0; tries < 40 && repeatsLabel(axis, scale); ++tries)
        scale = make(scale.step() * 1.01);
    return scale;
}

double lineHeight(const QFont& font) {
    return QFontMetricsF(pixelFont(font)).height();
}

}  // namespace

void ChartLayout::placeAxes(const ChartLayoutInput& input) {
    const auto shown = std::find_if(input.series.begin(), input.series.end(),
                                    [](const ChartSeries* s) { return s->isVisible(); });
    hasAxes = shown == input.series.end() || (*shown)->kind() != ChartSeries::Kind::Pie;
    if (!hasAxes) return;
    bool lines = false;
    for (const ChartSeries* series : input.series) {
        if (!series->isVisible()) continue;
        lines = lines || series->kind() == ChartSeries::Kind::Line;
        rightAxis = rightAxis || series->valueAxes() == ChartSeries::ValueAxes::LeftAndRight;
        if (series->kind() == ChartSeries::Kind::Bar &&
            static_cast<const BarSeries*>(series)->orientation() ==
                BarSeries::Orientation::Horizontal)
            horizontalBars = true;
    }
    bool labelled = false;
    for (int i = firstPoint; i <= lastPoint; ++i) {
        for (const ChartSeries* series : input.series) {
            if (!series->isVisible() || i >= series->count()) continue;
            categoryLabels.push_back({series->points()[i].x, series->points()[i].label});
            labelled = labelled || !series->points()[i].label.isEmpty();
            break;
        }
    }
    hCategories = !horizontalBars && (!lines || labelled);
    rightAxis = rightAxis && input.rightAxis->visible && !horizontalBars;
    makeScales(input, plotArea.size());
    labelsArea = plotArea;
    plotArea = plotArea.marginsRemoved(axisRoom(input)).marginsRemoved(markRoom(input));
    makeScales(input, plotArea.size());
}

void ChartLayout::makeScales(const ChartLayoutInput& input, const QSizeF& pixels) {
    bool sideMargins = false;
    for (const ChartSeries* series : input.series)
        if (series->isVisible() && series->kind() == ChartSeries::Kind::Bar)
            sideMargins = sideMargins || static_cast<const BarSeries*>(series)->sideMargins();
    const double spare = sideMargins ? 1.0 : 0.5;
    const DataRange x = xRange(input, firstPoint, lastPoint);
    const AxisScale categories(firstPoint - spare, std::max(lastPoint, firstPoint) + spare, 1);
    const DataRange values = valueRange(input, firstPoint, lastPoint);
    const ChartAxis& vAxis = *input.leftAxis;
    const ChartAxis& hAxis = *input.bottomAxis;
    const double vLabel = 2.2 * lineHeight(vAxis.labelFont);
    const double hLabel =
        widest(hAxis.labelFont, {NumberMask(hAxis.valueFormat).format(values.high),
                                 NumberMask(hAxis.valueFormat).format(values.low)});
    const double hRoom = hLabel * (1 + hAxis.labelSeparation / 100.0) + lineHeight(hAxis.labelFont);
    const auto scale = [](const ChartAxis& axis, double low, double high, double length,
                          double label) {
        return readableScale(axis, [&](double least) {
            return axis.automatic
                       ? AxisScale::automatic(low, high, length, label, least)
                       : AxisScale::fixed(axis.minimum, axis.maximum, length, label, least);
        });
    };
    if (horizontalBars) {
        vScale = categories;
        hScale = scale(hAxis, values.low, values.high, pixels.width(), hRoom);
    } else {
        vScale = scale(vAxis, values.low, values.high, pixels.height(), vLabel);
        hScale = x.any ? scale(hAxis, x.low, x.high, pixels.width(), hRoom)
                       : AxisScale(categories.minimum(), categories.maximum(), 1);
        if (x.any && hAxis.automatic) hScale = AxisScale(x.low, x.high, hScale.step());
    }
    if (input.zoom) {
        const AxisWindow& z = *input.zoom;
        hScale = readableScale(hAxis, [&](double least) {
            return AxisScale::fixed(z.hMin, z.hMax, pixels.width(), hRoom, least);
        });
        vScale = readableScale(vAxis, [&](double least) {
            return AxisScale::fixed(z.vMin, z.vMax, pixels.height(), vLabel, least);
        });
    }
}

QMarginsF ChartLayout::axisRoom(const ChartLayoutInput& input) const {
    const ChartAxis& left = *input.leftAxis;
    const ChartAxis& right = *input.rightAxis;
    const ChartAxis& bottom = *input.bottomAxis;
    std::vector<QString> categories;
    for (const CategoryLabel& label : categoryLabels) categories.push_back(label.text);
    QMarginsF room;
    // The top label of a value axis reaches half a line above the plot.
    const bool leftLabels = left.visible && left.labelsVisible;
    if (leftLabels || (rightAxis && right.labelsVisible))
        room.setTop(lineHeight(left.labelFont) / 2);
    if (left.visible) {
        if (leftLabels)
            room.setLeft(tickRoom + widest(left.labelFont,
                                           horizontalBars ? categories : tickTexts(left, vScale)));
        if (!left.title.isEmpty()) room.setLeft(room.left() + lineHeight(left.titleFont) + 4);
    }
    if (rightAxis && right.labelsVisible)
        room.setRight(tickRoom + widest(right.labelFont, tickTexts(right, vScale)));
    if (bottom.visible) {
        const std::vector<QString> texts = hCategories ? categories : tickTexts(bottom, hScale);
        if (bottom.labelsVisible)
            room.setBottom(tickRoom + (bottom.labelAngle % 180 == 0
                                           ? lineHeight(bottom.labelFont)
                                           : widest(bottom.labelFont, texts)));
        if (!bottom.title.isEmpty())
            room.setBottom(room.bottom() + lineHeight(bottom.titleFont) + 4);
    }
    return room;
}

// Marks outside the bars need room beyond the longest bar.
QMarginsF ChartLayout::markRoom(const ChartLayoutInput& input) const {
    QMarginsF room;
    for (const ChartSeries* series : input.series) {
        if (!series->isVisible() || series->kind() != ChartSeries::Kind::Bar) continue;
        const SeriesMarks& marks = series->marks();
        if (!marks.visible || marks.distance < 0) continue;
        std::vector<QString> texts;
        for (int i = firstPoint; i <= lastPoint && i < series->count(); ++i)
            texts.push_back(series->markText(i));
        const QFontMetricsF metrics(pixelFont(marks.font));
        if (horizontalBars)
            room.setRight(std::max(room.right(), marks.distance + widest(marks.font, texts) + 6));
        else
            room.setTop(std::max(room.top(), marks.distance + metrics.height() + 4));
    }
    return room;
}

}  // namespace quarvo
