#include "views/time_page.h"

#include <QScrollBar>
#include <QTime>
#include <QVBoxLayout>

#include "views/band_listing.h"
#include "views/page_helpers.h"
#include "views/regional_format.h"

namespace quarvo {
namespace {

LineSeries* addTimeLine(Chart& chart, const QString& title, const QColor& colour) {
    LineSeries* series = chart.addLineSeries();
    series->setTitle(title);
    series->setColor(colour);
    setBandReading(*series, false);
    return series;
}

}  // namespace

TimePage::TimePage(const StatisticsCollector& collector, const RunComparison& comparison)
    : collector_(collector), comparison_(comparison) {
    shortTimeFormat = shortTimeFormatOf();
    Chart4 = new Chart(this);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Chart4);
    Chart4->background().color = palette().color(QPalette::Window);
    Chart4->setAccessibleName(QStringLiteral("Files by time of day"));
    Chart4->setDepthPercent(20);
    // The whole day on one page: a page of 47 points left 23:30 alone on a
    // second page.
    Chart4->setPointsPerPage(kHalfHourSlots);
    Chart4->legend().alignment = LegendAlignment::Top;
    ChartAxis& bottom = Chart4->bottomAxis();
    bottom.automatic = false;
    bottom.minimum = 0;
    // The whole day, from slot 0 to the end of slot 47.
    bottom.maximum = 47.9583333333333;
    bottom.labelAngle = 90;
    bottom.labelSeparation = 3;
    bottom.title = QStringLiteral("Time of day file was modified/created/accessed");
    Chart4->leftAxis().title = QStringLiteral("Numer of files");
    Series10 = addTimeLine(*Chart4, QStringLiteral("Modified time"), {255, 0, 0});
    Series11 = addTimeLine(*Chart4, QStringLiteral("Created time"), {0, 255, 0});
    Series12 = addTimeLine(*Chart4, QStringLiteral("Access Time"), {0, 0, 255});
    useFormFonts(*Chart4);
    // Built after the chart, so that it lies on it.
    sbTime = new QScrollBar(Qt::Horizontal, this);
    sbTime->setGeometry(6, 339, 106, 16);
    sbTime->setRange(1, 50);
    sbTime->setAccessibleName(QStringLiteral("Chart depth"));
    sbTime->setValue(8);
    sbTime->setPageStep(5);
    connect(sbTime, &QScrollBar::valueChanged, this, &TimePage::sbTimeChange);
    SpeedButton5 = makeNoteButton(
        this, QStringLiteral("Note on file times"),
        QStringLiteral("Note: Sometimes software vendors use the file modified time to "
                       "indicate the version number of a product. For example, a file "
                       "with the time of 02:10 am would represent version 2.1 of a "
                       "certain product."));
}

void TimePage::doFileTimes() {
    const Tallies& t = collector_.tallies();
    const QLocale locale = QLocale::system();
    double accessed = 0;
    for (LineSeries* series : {Series10, Series11, Series12}) series->clear();
    for (int slot = 0; slot < kHalfHourSlots; ++slot) {
        const QString label = locale.toString(QTime(slot / 2, 30 * (slot % 2)), shortTimeFormat);
        Series10->addXY(slot, t.modifiedSlotCount[slot], label);
        Series11->addXY(slot, t.createdSlotCount[slot], label);
        Series12->addXY(slot, t.accessedSlotCount[slot], label);
        accessed += t.accessedSlotCount[slot];
    }
    // Where no access time was recorded, the line would lie flat on zero.
    Series12->setVisible(accessed > 0);
    showEarlierLines();
}

void TimePage::showEarlierLines() {
    const std::pair<LineSeries*, std::array<double, kHalfHourSlots> Tallies::*> lines[] = {
        {Series10, &Tallies::modifiedSlotCount},
        {Series11, &Tallies::createdSlotCount},
        {Series12, &Tallies::accessedSlotCount}};
    for (const auto& [series, counts] : lines) {
        // The legend runs in one line above the chart: beside its own line's
        // entry, "earlier" says enough, and the status line names the run.
        showEarlier(
            *series, comparison_,
            [counts](const Tallies& then, int slot) { return (then.*counts)[slot]; },
            QStringLiteral("earlier"));
    }
}

void TimePage::sbTimeChange() {
    Chart4->setDepthPercent(sbTime->value());
}

}  // namespace quarvo
