#pragma once
// The Overhang page of a one-drive run: the bytes that the selected files
// leave unused in their last cluster at each FAT cluster size, with the
// arrow at the drive's own size, from the core's OverhangFigures.

#include <functional>

#include "collect/statistics_collector.h"
#include "text/number_format.h"
#include "toolkit/chart/chart.h"
#include "views/statistics_page.h"

class QFrame;
class QLabel;
class QPlainTextEdit;

namespace quarvo {

class OverhangPage : public StatisticsPage {
public:
    static constexpr int kOverhangChartWidth = 217;

    // disablePage runs when the selected files hold no bytes.
    OverhangPage(const StatisticsCollector& collector, const NumberFormat& numbers,
                 std::function<void()> disablePage);

    void rebuild() override { doOverHang(); }
    // Fills the page from the tallies and the cluster size of a one-drive
    // run, or disables the page when the selected files hold no bytes.
    void doOverHang();
    void drawClusterArrow();

    // The cluster sizes and the bytes wasted with each, the 4K row first.
    QLabel* lblCSize1 = nullptr;
    QLabel* lblCSize2 = nullptr;
    QLabel* lblCSize3 = nullptr;
    QLabel* lblCSize4 = nullptr;
    QLabel* lblCSize5 = nullptr;
    QLabel* lblOver1 = nullptr;
    QLabel* lblOver2 = nullptr;
    QLabel* lblOver3 = nullptr;
    QLabel* lblOver4 = nullptr;
    QLabel* lblOver5 = nullptr;
    QLabel* imArrow = nullptr;
    Chart* chartOverhang = nullptr;
    BarSeries* Series9 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QFrame* pnlOverhang = nullptr;
    QLabel* lblNumFiles = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblLbl = nullptr;
    QLabel* pnlCluster = nullptr;

private:
    void buildOverhangTable();
    void buildOverhangChart();
    void buildOverhangNotes();
    void buildOverhangTotals();

    const StatisticsCollector& collector_;
    const NumberFormat& numbers_;
    std::function<void()> disablePage_;
};

}  // namespace quarvo
