#pragma once
// How a screen reader sees a chart: a chart named by its title (or by the
// accessible name the owner gives it), whose children are the bars, slices
// and points it shows, each named as chart_readout.h reads it, followed by
// the pager while there are several pages.

#include <QAccessibleWidget>

#include "toolkit/part_accessible.h"

namespace quarvo {

class Chart;

class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(Chart* chart);

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    Chart* chart() const;
    int itemCount() const;

    mutable PartCache items_;
};

// The chart's points changed: the reader asks for its children again.
void announceChartChanged(Chart* chart);

}  // namespace quarvo
