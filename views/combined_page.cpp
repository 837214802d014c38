#include "views/combined_page.h"

#include <QRadioButton>

#include "listings/page_listings.h"
#include "views/band_listing.h"
#include "views/page_helpers.h"

namespace quarvo {
namespace {

const QColor kAccessColour{255, 0, 0};
const QColor kCreatedColour{0, 128, 0};
const QColor kModifiedColour{255, 255, 0};

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

CombinedPage::CombinedPage(const StatisticsCollector& collector, const NumberFormat& numbers,
                           std::function<void()> rebuildCharts)
    : collector_(collector), numbers_(numbers), rebuildCharts_(std::move(rebuildCharts)) {
    static constexpr int kWidths[] = {119, 97, 78, 86, 71, 85, 72};
    gridCombine = makeListing(this, {5, 37, 616, 243}, kAgeBuckets + 1, kWidths);
    gridCombineSort_ = new BandSort(*gridCombine);
    chartCombine = new Chart(this);
    chartCombine->setGeometry(5, 5, 619, 329);
    chartCombine->setZoomAnimated(true);
    chartCombine->background().color = palette().color(QPalette::Window);
    chartCombine->setTitle(QStringLiteral("Combination Access/Created/Modified Chart"));
    chartCombine->setDepthPercent(20);
    chartCombine->legend().inverted = true;
    // Drawn in this order, so that a bucket's Modified bar lies lowest.
    Series8 = chartCombine->addBarSeries(BarSeries::Orientation::Horizontal);
    setUpCombinedSeries(*Series8, QStringLiteral("Modified"), kModifiedColour, -25);
    Series7 = chartCombine->addBarSeries(BarSeries::Orientation::Horizontal);
    setUpCombinedSeries(*Series7, QStringLiteral("Created"), kCreatedColour, 0);
    Series6 = chartCombine->addBarSeries(BarSeries::Orientation::Horizontal);
    setUpCombinedSeries(*Series6, QStringLiteral("Accessed"), kAccessColour, 25);
    useFormFonts(*chartCombine);
    const auto buttons = makeViewButtons(this, [this] { rgCombineClick(); });
    rgCombine0 = buttons[0];
    rbCombine1 = buttons[1];
    rbCombine2 = buttons[2];
    SpeedButton4 = makeNoteButton(
        this, QStringLiteral("Note on the combined chart"),
        QStringLiteral("This chart combines the Accessed, Created and Modified charts"));
}

void CombinedPage::rebuild() {
    fillCombinedGridDates();
    doFileAges();
}

void CombinedPage::fillCombinedGridDates() {
    hideSelection(*gridCombine);
    const Tallies& t = collector_.tallies();
    gridCombineSort_->show(combinedListing(t, numbers_),
                           ageFigures({{t.accessedAgeBytes, t.accessedAgeCount},
                                       {t.createdAgeBytes, t.createdAgeCount},
                                       {t.modifiedAgeBytes, t.modifiedAgeCount}}));
}

void CombinedPage::doFileAges() {
    chartCombine->undoZoom();
    const Tallies& t = collector_.tallies();
    const bool inMB = rbCombine1->isChecked();
    fillAgeSeries(*Series6, t.accessedAgeBytes, t.accessedAgeCount, inMB,
                  initAColors(false, kAccessColour));
    fillAgeSeries(*Series7, t.createdAgeBytes, t.createdAgeCount, inMB,
                  initAColors(false, kCreatedColour));
    fillAgeSeries(*Series8, t.modifiedAgeBytes, t.modifiedAgeCount, inMB,
                  initAColors(false, kModifiedColour));
}

void CombinedPage::rgCombineClick() {
    const bool listing = rgCombine0->isChecked();
    gridCombine->setVisible(listing);
    chartCombine->setVisible(!listing);
    if (!listing) rebuildCharts_();
}

}  // namespace quarvo
