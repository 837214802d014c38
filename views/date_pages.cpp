// The Access, Created and Modified pages: the selected files by the age of
// their last-access, creation and last-write dates, each as a listing or as
// bars in megabytes or in files. doFileAges also fills the Combined chart,
// whose three series share these pages' figures.
#include <QRadioButton>

#include "listings/page_listings.h"
#include "toolkit/message_boxes.h"
#include "views/frm_statistics.h"
#include "views/page_helpers.h"

namespace quarvo {
namespace {

const QColor kAccessColour{255, 0, 0};
const QColor kCreatedColour{0, 128, 0};
const QColor kModifiedColour{255, 255, 0};

std::array<double, kAgeBuckets> asValues(const std::array<std::int64_t, kAgeBuckets>& bytes) {
    std::array<double, kAgeBuckets> values{};
    for (int k = 0; k < kAgeBuckets; ++k) values[k] = static_cast<double>(bytes[k]);
    return values;
}

}  // namespace

void TfrmStatistics::buildDatePages() {
    gridAccess = makeListing(pageAccess, {42, 28, 542, 243}, kAgeBuckets + 1, {194, 189, 140});
    chartAccess = makeBandChart(pageAccess, {4, 3, 617, 329}, HorizBarSeries1);
    gridCreate = makeListing(pageCreated, {43, 28, 542, 243}, kAgeBuckets + 1, {194, 189, 140});
    chartCreate = makeBandChart(pageCreated, {4, 3, 617, 331}, HorizBarSeries2);
    gridModify = makeListing(pageModified, {43, 28, 542, 243}, kAgeBuckets + 1, {194, 189, 140});
    chartModify = makeBandChart(pageModified, {4, 3, 617, 331}, HorizBarSeries3);
    using F = TfrmStatistics;
    makeViewButtons(pageAccess, {&F::rgAccess0, &F::rgAccess1, &F::rgAccess2}, &F::rgAccessClick);
    makeViewButtons(pageCreated, {&F::rgCreate0, &F::rgCreate1, &F::rgCreate2}, &F::rgAccessClick);
    makeViewButtons(pageModified, {&F::rgModify0, &F::rgModify1, &F::rgModify2}, &F::rgAccessClick);
    SpeedButton1 = makeNoteButton(pageAccess, &F::SpeedButton1Click);
    SpeedButton2 = makeNoteButton(pageCreated, &F::SpeedButton2Click);
    SpeedButton3 = makeNoteButton(pageModified, &F::SpeedButton3Click);
}

void TfrmStatistics::fillGridDates(const QString& caption, StringGrid& grid,
                                   const std::array<std::int64_t, kAgeBuckets>& bytes,
                                   const std::array<double, kAgeBuckets>& counts) {
    hideSelection(grid);
    showListing(grid, datesListing(caption.toStdString(), bytes, counts, services_.numbers));
}

void TfrmStatistics::fillAgeSeries(BarSeries& series, const std::array<double, kAgeBuckets>& values,
                                   bool inMB, const QColor& colour, bool oneColour) {
    initAColors(!oneColour, colour);
    series.clear();
    // "Not recorded" first, at the bottom of the chart.
    for (int k = 0; k < kAgeBuckets; ++k) {
        series.add(inMB ? toMegabytes(values[k]) : values[k], QString::fromUtf8(ageBucketLabel(k)),
                   bandColors[k]);
    }
}

void TfrmStatistics::fillDateChart(QRadioButton* bySize,
                                   const std::array<std::int64_t, kAgeBuckets>& bytes,
                                   const std::array<double, kAgeBuckets>& counts,
                                   const QString& kind, Chart& chart, BarSeries& series,
                                   const QColor& colour) {
    const bool inMB = bySize->isChecked();
    chart.undoZoom();
    chart.setTitle(kind + (inMB ? QStringLiteral(" (file sizes in MB)")
                                : QStringLiteral(" (Number of files)")));
    fillAgeSeries(series, inMB ? asValues(bytes) : counts, inMB, colour, false);
}

void TfrmStatistics::doFileAges() {
    chartCombine->undoZoom();
    const Tallies& t = collector.tallies();
    const bool combinedInMB = rbCombine1->isChecked();
    const auto combined = [&](BarSeries& series, const std::array<std::int64_t, kAgeBuckets>& bytes,
                              const std::array<double, kAgeBuckets>& counts, const QColor& colour) {
        fillAgeSeries(series, combinedInMB ? asValues(bytes) : counts, combinedInMB, colour, true);
    };
    fillDateChart(rgAccess1, t.accessedAgeBytes, t.accessedAgeCount, QStringLiteral("Access Date"),
                  *chartAccess, *HorizBarSeries1, kAccessColour);
    combined(*Series6, t.accessedAgeBytes, t.accessedAgeCount, kAccessColour);
    fillDateChart(rgCreate1, t.createdAgeBytes, t.createdAgeCount, QStringLiteral("Created Date"),
                  *chartCreate, *HorizBarSeries2, kCreatedColour);
    combined(*Series7, t.createdAgeBytes, t.createdAgeCount, kCreatedColour);
    fillDateChart(rgModify1, t.modifiedAgeBytes, t.modifiedAgeCount,
                  QStringLiteral("Modified Date"), *chartModify, *HorizBarSeries3, kModifiedColour);
    combined(*Series8, t.modifiedAgeBytes, t.modifiedAgeCount, kModifiedColour);
}

void TfrmStatistics::rgAccessClick() {
    const struct {
        int page;
        StringGrid* grid;
        QRadioButton* listing;
        Chart* chart;
    } views[] = {{kAccessPage, gridAccess, rgAccess0, chartAccess},
                 {kCreatedPage, gridCreate, rgCreate0, chartCreate},
                 {kModifiedPage, gridModify, rgModify0, chartModify},
                 {kCombinedPage, gridCombine, rgCombine0, chartCombine}};
    for (const auto& view : views) {
        if (view.page != OvcNotebook1->pageIndex()) continue;
        view.grid->setVisible(view.listing->isChecked());
        view.chart->setVisible(!view.listing->isChecked());
        if (view.listing->isChecked()) return;
    }
    doFileAges();
}

void TfrmStatistics::SpeedButton1Click() {
    showInfo(QStringLiteral("Note: prior versions of Windows and DOS did not store the file "
                            "access date.  Files never recorded as being accessed are probably "
                            "old files that were converted to Windows 95."),
             this);
}

void TfrmStatistics::SpeedButton2Click() {
    showInfo(QStringLiteral("Files never recorded as being created are probably old files that "
                            "were converted to Windows 95.  Note: prior versions of Windows and "
                            "DOS did not store the file creation date independent of the last "
                            "file modification or file write date."),
             this);
}

void TfrmStatistics::SpeedButton3Click() {
    showInfo(QStringLiteral("Note: prior versions of Windows and DOS treated the file creation "
                            "date synonomously  with the last file modification date.  "
                            "Therefore all files have a file modification date."),
             this);
}

}  // namespace quarvo
