#include "views/combined_page.h"

#include <QRadioButton>
#include <array>
#include <span>

#include "listings/listing_changes.h"
#include "listings/page_listings.h"
#include "views/band_listing.h"
#include "views/page_helpers.h"

namespace quarvo {
namespace {

const QColor kAccessColour{255, 0, 0};
const QColor kCreatedColour{0, 128, 0};
const QColor kModifiedColour{255, 255, 0};

// The listing's columns, and while comparing those with a change column
// after each figure.
constexpr int kWidths[] = {119, 97, 78, 86, 71, 85, 72};
constexpr int kComparedWidths[] = {100, 92, 92, 90, 92, 92, 92, 90, 92, 92, 92, 90, 92};

// The three date kinds, in the order of the listing's columns.
struct CombinedKind {
    std::array<std::int64_t, kAgeBuckets> Tallies::*bytes;
    std::array<double, kAgeBuckets> Tallies::*counts;
};
constexpr CombinedKind kKinds[] = {{&Tallies::accessedAgeBytes, &Tallies::accessedAgeCount},
                                   {&Tallies::createdAgeBytes, &Tallies::createdAgeCount},
                                   {&Tallies::modifiedAgeBytes, &Tallies::modifiedAgeCount}};

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
                           const RunComparison& comparison, std::function<void()> rebuildCharts)
    : collector_(collector),
      numbers_(numbers),
      comparison_(comparison),
      rebuildCharts_(std::move(rebuildCharts)) {
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
    std::vector<std::vector<RowChange>> changes;
    if (const RunChanges* since = comparison_.changes())
        for (const CombinedKind& kind : kKinds)
            changes.push_back(ageChanges(since, kind.counts, kind.bytes));
    setListingColumns(*gridCombine, comparison_.on() ? std::span<const int>(kComparedWidths)
                                                     : std::span<const int>(kWidths));
    gridCombineSort_->show(
        withChangesBeside(combinedListing(t, numbers_), changes, numbers_),
        withChangeFiguresBeside(ageFigures({{t.accessedAgeBytes, t.accessedAgeCount},
                                            {t.createdAgeBytes, t.createdAgeCount},
                                            {t.modifiedAgeBytes, t.modifiedAgeCount}}),
                                changes));
}

void CombinedPage::doFileAges() {
    chartCombine->undoZoom();
    // Six bars to a bucket while comparing: flat, their outlines read.
    chartCombine->set3D(!comparison_.on());
    const Tallies& t = collector_.tallies();
    const bool inMB = rbCombine1->isChecked();
    const struct {
        BarSeries* series;
        const CombinedKind& kind;
        QColor colour;
    } charted[] = {{Series6, kKinds[0], kAccessColour},
                   {Series7, kKinds[1], kCreatedColour},
                   {Series8, kKinds[2], kModifiedColour}};
    for (const auto& [series, kind, colour] : charted) {
        fillAgeSeries(*series, t.*kind.bytes, t.*kind.counts, inMB, initAColors(false, colour));
        // The legend calls the earlier bars only "earlier", so that the
        // items of the three series stay short; the status line names the run.
        showEarlier(
            *series, comparison_,
            [&](const Tallies& then, int bucket) {
                return inMB ? toMegabytes(static_cast<double>((then.*kind.bytes)[bucket]))
                            : (then.*kind.counts)[bucket];
            },
            QStringLiteral("earlier"));
    }
}

void CombinedPage::rgCombineClick() {
    const bool listing = rgCombine0->isChecked();
    gridCombine->setVisible(listing);
    chartCombine->setVisible(!listing);
    if (!listing) rebuildCharts_();
}

}  // namespace quarvo
