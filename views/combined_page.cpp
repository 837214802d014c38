// The Combined page: the three date kinds side by side, as one listing of
// bytes and files or as one chart of three bar series. doFileAges, with the
// single date pages, fills the chart.
#include <QRadioButton>

#include "listings/page_listings.h"
#include "toolkit/message_boxes.h"
#include "views/frm_statistics.h"
#include "views/page_helpers.h"

namespace quarvo {
namespace {

void setUpCombinedSeries(BarSeries& series, const QString& title, const QColor& colour,
                         int offsetPercent) {
    series.setTitle(title);
    series.setColor(colour);
    series.setOffsetPercent(offsetPercent);
    series.setBarWidthPercent(40);
    series.setSideBySide(true);
    series.setStyle(BarSeries::Style::Gradient);
}

}  // namespace

void TfrmStatistics::buildCombinedPage() {
    gridCombine = makeListing(pageCombined, {5, 37, 616, 243}, kAgeBuckets + 1,
                              {119, 97, 78, 86, 71, 85, 72});
    chartCombine = new Chart(pageCombined);
    chartCombine->setGeometry(5, 5, 619, 329);
    chartCombine->setZoomAnimated(true);
    chartCombine->background().color = palette().color(QPalette::Window);
    chartCombine->setTitle(QStringLiteral("Combination Access/Created/Modified Chart"));
    chartCombine->setDepthPercent(20);
    chartCombine->legend().inverted = true;
    // Drawn in this order, so that a bucket's Modified bar lies lowest.
    Series8 = chartCombine->addBarSeries(BarSeries::Orientation::Horizontal);
    setUpCombinedSeries(*Series8, QStringLiteral("Modified"), {255, 255, 0}, -25);
    Series7 = chartCombine->addBarSeries(BarSeries::Orientation::Horizontal);
    setUpCombinedSeries(*Series7, QStringLiteral("Created"), {0, 128, 0}, 0);
    Series6 = chartCombine->addBarSeries(BarSeries::Orientation::Horizontal);
    setUpCombinedSeries(*Series6, QStringLiteral("Accessed"), {255, 0, 0}, 25);
    useFormFonts(*chartCombine);
    makeViewButtons(
        pageCombined,
        {&TfrmStatistics::rgCombine0, &TfrmStatistics::rbCombine1, &TfrmStatistics::rbCombine2},
        &TfrmStatistics::rgAccessClick);
    SpeedButton4 = makeNoteButton(pageCombined, &TfrmStatistics::SpeedButton4Click);
}

void TfrmStatistics::fillCombinedGridDates() {
    hideSelection(*gridCombine);
    showListing(*gridCombine, combinedListing(collector.tallies(), services_.numbers));
    // The bucket labels are those gridModify shows.
    for (int row = 1; row <= kAgeBuckets; ++row)
        gridCombine->setCell(0, row, gridModify->cell(0, row));
}

void TfrmStatistics::SpeedButton4Click() {
    showInfo(QStringLiteral("This chart combines the Accessed, Created and Modified charts"), this);
}

}  // namespace quarvo
