#pragma once
// The Attribute page: how many selected files, and how many of their bytes,
// carry the hidden, read-only, system and archive attributes, as figures
// and as each attribute's share of the four. While comparing, a table under
// the note gives each attribute's change in files and in size since the
// earlier run, its columns under the figures they change.

#include <array>

#include "collect/statistics_collector.h"
#include "text/number_format.h"
#include "toolkit/chart/chart.h"
#include "views/run_comparison.h"
#include "views/statistics_page.h"

class QLabel;

namespace quarvo {

class AttributePage : public StatisticsPage {
public:
    AttributePage(const StatisticsCollector& collector, const NumberFormat& numbers,
                  const RunComparison& comparison);

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

    // The changes since the earlier run, shown only while comparing: the
    // panel, what it compares with, and per attribute (hidden, read-only,
    // system, archive) the change in files and in size.
    QWidget* pnlChanges = nullptr;
    QLabel* lblComparedWith = nullptr;
    std::array<QLabel*, 4> lblFilesChange{};
    std::array<QLabel*, 4> lblSizeChange{};

private:
    // The table of changes, its columns ending where those of the figures
    // whose top labels are given end.
    void buildChanges(const QLabel& filesColumn, const QLabel& bytesColumn);
    void showChanges();

    const StatisticsCollector& collector_;
    const NumberFormat& numbers_;
    const RunComparison& comparison_;
};

}  // namespace quarvo
