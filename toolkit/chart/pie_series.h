#pragma once
// A pie: one slice per point with a value above zero, starting at a given
// angle. The biggest slice can be pulled out by a percent of the radius,
// and slices below a percent of the total are drawn as one slice "Other".
// A pie can stand for more than its points: the rest of the whole, which no
// point names, goes into "Other" too, and every share is of the whole.
// With earlier values, each mark adds the slice's earlier share (or value)
// after the present one, "26.6 % (was 24.1 %)", or "(new)" for a slice
// without an earlier value; earlier shares are of the earlier whole.

#include "toolkit/chart/chart_series.h"

namespace quarvo {

struct PieSlice {
    double value = 0;
    QString label;
    QColor color;
    bool merged = false;  // the slice that stands for the small ones
    std::optional<double> earlier;
};

class PieSeries : public ChartSeries {
public:
    explicit PieSeries(const QColor& color = Qt::red);

    // Degrees, counter-clockwise from three o'clock; kept within 0..359.
    [[nodiscard]] int startAngle() const { return startAngle_; }
    void setStartAngle(int degrees);
    void rotate(int degrees) { setStartAngle(startAngle_ + degrees); }

    [[nodiscard]] int explodeBiggest() const { return explodeBiggest_; }
    void setExplodeBiggest(int percentOfRadius);

    // Slices below this percent of the total are merged; 0 merges none.
    [[nodiscard]] int otherSlicePercent() const { return otherSlicePercent_; }
    void setOtherSlicePercent(int percent);
    [[nodiscard]] const QString& otherLabel() const { return otherLabel_; }
    void setOtherLabel(const QString& label);
    [[nodiscard]] QColor otherColor() const { return otherColor_; }
    void setOtherColor(const QColor& color);

    // The part of the whole that no point stands for; 0 after clear().
    [[nodiscard]] double rest() const { return rest_; }
    void setRest(double value);
    void clear() override;
    // The points above zero and the rest.
    [[nodiscard]] double total() const override;
    // The earlier rest, and the earlier whole that earlier shares are of.
    [[nodiscard]] double earlierRest() const { return earlierRest_; }
    void setEarlierRest(double value);
    [[nodiscard]] double earlierTotal() const;

    // The words after the present share: %1 stands for the earlier one.
    void setEarlierWording(const QString& was, const QString& fresh);
    // A slice's mark, with its earlier share when the pie has earlier
    // values; the spaces of that part do not break.
    [[nodiscard]] QString markText(const PieSlice& slice) const;
    using ChartSeries::markText;

    // The slices as drawn, in order, with the merged slice last.
    [[nodiscard]] std::vector<PieSlice> slices() const;
    // Index among slices() of the biggest slice; -1 when there are none.
    [[nodiscard]] static int biggest(const std::vector<PieSlice>& slices);

private:
    int startAngle_ = 0;
    int explodeBiggest_ = 0;
    int otherSlicePercent_ = 0;
    double rest_ = 0;
    double earlierRest_ = 0;
    QString was_ = QStringLiteral("(was %1)");
    QString fresh_ = QStringLiteral("(new)");
    QString otherLabel_ = QStringLiteral("Other");
    QColor otherColor_{192, 192, 192};
};

}  // namespace quarvo
