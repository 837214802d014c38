#pragma once
// The Attribute page: how many selected files, and how many of their bytes,
// carry the hidden, read-only, system and archive attributes, as figures
// and as each attribute's share of the four.

#include "collect/statistics_collector.h"
#include "text/number_format.h"
#include "toolkit/chart/chart.h"
#include "views/statistics_page.h"

class QLabel;

namespace quarvo {

class AttributePage : public StatisticsPage {
public:
    AttributePage(const StatisticsCollector& collector, const NumberFormat& numbers);

    void rebuild() override { doFileAttrs(); }
    void doFileAttrs();

    QLabel* lblNHidden = nullptr;
    QLabel* lblNReadOnly = nullptr;
    QLabel* lblNSystem = nullptr;
    QLabel* lblNArchive = nullptr;
    QLabel* lblSzHidden = nullptr;
    QLabel* lblSzReadOnly = nullptr;
    QLabel* lblSzSystem = nullptr;
    QLabel* lblSzArchive = nullptr;
    Chart* Chart2 = nullptr;
    BarSeries* HorizBarSeries4 = nullptr;  // shares of the files, in red
    Chart* Chart3 = nullptr;
    BarSeries* HorizBarSeries5 = nullptr;  // shares of the bytes, in blue

private:
    const StatisticsCollector& collector_;
    const NumberFormat& numbers_;
};

}  // namespace quarvo
