#include "views/sizes_page.h"

#include <QRadioButton>

#include "listings/listing_changes.h"
#include "views/band_listing.h"
#include "views/page_helpers.h"

namespace quarvo {

SizesPage::SizesPage(const StatisticsCollector& collector, const NumberFormat& numbers,
                     const RunComparison& comparison)
    : collector_(collector), numbers_(numbers), comparison_(comparison) {
    gridSizes = makeListing(this, {43, 28, 538, 277}, kSizeBands + 1, kBandListingWidths);
    gridSizesSort_ = new BandSort(*gridSizes);
    Chart1 = makeBandChart(this, {4, 3, 617, 331}, Series1);
    const auto buttons = makeViewButtons(this, [this] { rgSizesClick(); });
    rgSize0 = buttons[0];
    rgSize1 = buttons[1];
    rgSize2 = buttons[2];
}

void SizesPage::doFileSizes() {
    hideSelection(*gridSizes);
    fillGridSizes();
    rgSizesClick();
}

void SizesPage::fillGridSizes() {
    const Tallies& t = collector_.tallies();
    const std::vector<RowChange> changes = sizeChanges(comparison_.changes());
    BandFigures figures;
    // In the listing's order, the largest band first.
    for (int band = kSizeBands; band >= 1; --band)
        figures.push_back({static_cast<double>(t.sizeBandBytes[band]), t.sizeBandCount[band]});
    setListingColumns(*gridSizes, bandListingWidths(comparison_.on()));
    gridSizesSort_->show(withChanges(sizesListing(t, numbers_), changes, numbers_),
                         withChangeFigures(std::move(figures), changes));
}

void SizesPage::rgSizesClick() {
    const bool listing = rgSize0->isChecked();
    gridSizes->setVisible(listing);
    Chart1->setVisible(!listing);
    if (listing) return;
    const BandColors colours = initAColors(true, {});
    Chart1->undoZoom();
    const bool inMB = rgSize1->isChecked();
    Chart1->setTitle(inMB ? QStringLiteral("File Sizes in MB") : QStringLiteral("Number of Files"));
    Series1->clear();
    setBandReading(*Series1, inMB);
    const Tallies& t = collector_.tallies();
    // Band 1 first, so that the smallest files lie at the bottom, as in
    // the listing.
    const auto bandValue = [inMB](const Tallies& tallies, int band) {
        return inMB ? toMegabytes(static_cast<double>(tallies.sizeBandBytes[band]))
                    : tallies.sizeBandCount[band];
    };
    for (int band = 1; band <= kSizeBands; ++band)
        Series1->add(bandValue(t, band), QString::fromUtf8(sizeBandLabel(band)), colours[band - 1]);
    showEarlier(*Series1, comparison_,
                [&](const Tallies& then, int index) { return bandValue(then, index + 1); });
}

}  // namespace quarvo
