// The Sizes page: the selected files of the last run by size band, as a
// listing of bytes and files or as bars in megabytes or in files.
#include <QRadioButton>

#include "listings/page_listings.h"
#include "views/frm_statistics.h"
#include "views/page_helpers.h"

namespace quarvo {

void TfrmStatistics::buildSizesPage() {
    gridSizes = makeListing(pageSizes, {43, 28, 538, 277}, kSizeBands + 1, {194, 189, 140});
    Chart1 = makeBandChart(pageSizes, {4, 3, 617, 331}, Series1);
    makeViewButtons(pageSizes,
                    {&TfrmStatistics::rgSize0, &TfrmStatistics::rgSize1, &TfrmStatistics::rgSize2},
                    &TfrmStatistics::rgSizesClick);
}

void TfrmStatistics::doFileSizes() {
    hideSelection(*gridSizes);
    fillGridSizes();
    rgSizesClick();
}

void TfrmStatistics::fillGridSizes() {
    showListing(*gridSizes, sizesListing(collector.tallies(), services_.numbers));
}

void TfrmStatistics::rgSizesClick() {
    const bool listing = rgSize0->isChecked();
    gridSizes->setVisible(listing);
    Chart1->setVisible(!listing);
    if (listing) return;
    initAColors(true, {});
    Chart1->undoZoom();
    const bool inMB = rgSize1->isChecked();
    Chart1->setTitle(inMB ? QStringLiteral("File Sizes in MB") : QStringLiteral("Number of Files"));
    Series1->clear();
    const Tallies& t = collector.tallies();
    // Band 1 first, so that the smallest files lie at the bottom, as in
    // the listing; the labels are the listing's.
    for (int band = 1; band <= kSizeBands; ++band) {
        const double value =
            inMB ? toMegabytes(static_cast<double>(t.sizeBandBytes[band])) : t.sizeBandCount[band];
        Series1->add(value, gridSizes->cell(0, kSizeBands + 1 - band), bandColors[band - 1]);
    }
}

}  // namespace quarvo
