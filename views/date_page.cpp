#include "views/date_page.h"

#include <QRadioButton>

#include "listings/listing_changes.h"
#include "views/band_listing.h"
#include "views/page_helpers.h"

namespace quarvo {

const DateKind kAccessDates{
    "Accessed Date",
    "Access Date",
    "Note on access dates",
    "Note: prior versions of Windows and DOS did not store the file access date.  Files never "
    "recorded as being accessed are probably old files that were converted to Windows 95.",
    &Tallies::accessedAgeBytes,
    &Tallies::accessedAgeCount,
    {42, 28, 542, 243},
    {4, 3, 617, 329}};

const DateKind kCreatedDates{
    "Created Date",
    "Created Date",
    "Note on creation dates",
    "Files never recorded as being created are probably old files that were converted to "
    "Windows 95.  Note: prior versions of Windows and DOS did not store the file creation date "
    "independent of the last file modification or file write date.",
    &Tallies::createdAgeBytes,
    &Tallies::createdAgeCount,
    {43, 28, 542, 243},
    {4, 3, 617, 331}};

const DateKind kModifiedDates{
    "Modified Date",
    "Modified Date",
    "Note on modified dates",
    "Note: prior versions of Windows and DOS treated the file creation date synonomously  with "
    "the last file modification date.  Therefore all files have a file modification date.",
    &Tallies::modifiedAgeBytes,
    &Tallies::modifiedAgeCount,
    {43, 28, 542, 243},
    {4, 3, 617, 331}};

DatePage::DatePage(const DateKind& kind, const StatisticsCollector& collector,
                   const NumberFormat& numbers, const RunComparison& comparison,
                   std::function<void()> rebuildCharts)
    : kind_(kind),
      collector_(collector),
      numbers_(numbers),
      comparison_(comparison),
      rebuildCharts_(std::move(rebuildCharts)) {
    grid = makeListing(this, kind.listingPlace, kAgeBuckets + 1, kBandListingWidths);
    gridSort_ = new BandSort(*grid);
    chart = makeBandChart(this, kind.chartPlace, series);
    const auto buttons = makeViewButtons(this, [this] { rgAccessClick(); });
    rgListing = buttons[0];
    rgBySize = buttons[1];
    rgByFiles = buttons[2];
    noteButton =
        makeNoteButton(this, QString::fromLatin1(kind.noteName), QString::fromLatin1(kind.note));
}

void DatePage::rebuild() {
    fillGridDates();
    fillDateChart();
}

void DatePage::fillGridDates() {
    const Tallies& t = collector_.tallies();
    hideSelection(*grid);
    const std::vector<RowChange> changes =
        ageChanges(comparison_.changes(), kind_.counts, kind_.bytes);
    setListingColumns(*grid, bandListingWidths(comparison_.on()));
    gridSort_->show(
        withChanges(datesListing(kind_.listingCaption, t.*kind_.bytes, t.*kind_.counts, numbers_),
                    changes, numbers_),
        withChangeFigures(ageFigures({{t.*kind_.bytes, t.*kind_.counts}}), changes));
}

void DatePage::fillDateChart() {
    const Tallies& t = collector_.tallies();
    const bool inMB = rgBySize->isChecked();
    chart->undoZoom();
    chart->setTitle(
        QString::fromLatin1(kind_.chartKind) +
        (inMB ? QStringLiteral(" (file sizes in MB)") : QStringLiteral(" (Number of files)")));
    fillAgeSeries(*series, t.*kind_.bytes, t.*kind_.counts, inMB, initAColors(true, {}));
    showEarlier(*series, comparison_, [&](const Tallies& then, int bucket) {
        return inMB ? toMegabytes(static_cast<double>((then.*kind_.bytes)[bucket]))
                    : (then.*kind_.counts)[bucket];
    });
}

void DatePage::rgAccessClick() {
    const bool listing = rgListing->isChecked();
    grid->setVisible(listing);
    chart->setVisible(!listing);
    if (!listing) rebuildCharts_();
}

}  // namespace quarvo
