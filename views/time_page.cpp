// The Time page: how many selected files were modified, created and last
// accessed in each half hour of the day, as three lines, with a scroll bar
// that sets the chart's depth.
#include <QScrollBar>
#include <QTime>
#include <QVBoxLayout>

#include "toolkit/message_boxes.h"
#include "views/frm_statistics.h"
#include "views/page_helpers.h"
#include "views/regional_format.h"

namespace quarvo {
namespace {

LineSeries* addTimeLine(Chart& chart, const QString& title, const QColor& colour) {
    LineSeries* series = chart.addLineSeries();
    series->setTitle(title);
    series->setColor(colour);
    return series;
}

}  // namespace

void TfrmStatistics::buildTimePage() {
    shortTimeFormat = shortTimeFormatOf();
    Chart4 = new Chart(pageTime);
    auto* fill = new QVBoxLayout(pageTime);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Chart4);
    Chart4->background().color = palette().color(QPalette::Window);
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
    sbTime = new QScrollBar(Qt::Horizontal, pageTime);
    sbTime->setGeometry(6, 339, 106, 16);
    sbTime->setRange(1, 50);
    sbTime->setValue(8);
    sbTime->setPageStep(5);
    connect(sbTime, &QScrollBar::valueChanged, this, &TfrmStatistics::sbTimeChange);
    SpeedButton5 = makeNoteButton(pageTime, &TfrmStatistics::SpeedButton5Click);
}

void TfrmStatistics::doFileTimes() {
    const Tallies& t = collector.tallies();
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
}

void TfrmStatistics::sbTimeChange() {
    Chart4->setDepthPercent(sbTime->value());
}

void TfrmStatistics::SpeedButton5Click() {
    showInfo(QStringLiteral("Note: Sometimes software vendors use the file modified time to "
                            "indicate the version number of a product. For example, a file with "
                            "the time of 02:10 am would represent version 2.1 of a certain "
                            "product."),
             this);
}

}  // namespace quarvo
