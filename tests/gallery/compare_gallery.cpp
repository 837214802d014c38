// Gallery pages of the statistics window comparing the sample run with an
// earlier one: fewer files in the small bands, a type gone, one new.
#include <QApplication>
#include <QRadioButton>
#include <QStatusBar>
#include <cmath>

#include "tests/fakes/one_drive_machine.h"
#include "tests/fakes/sample_statistics.h"
#include "tests/gallery/gallery.h"
#include "views/frm_statistics.h"

namespace quarvo::gallery {
namespace {

// The sample run as it was a while before.
SavedRun earlierRun(const StatisticsCollector& collector) {
    SavedRun then{{kSavedRunSchema, "2026-12-08T18:38:10Z", {}, "All files"},
                  runFigures(collector, false)};
    Tallies& t = then.figures.tallies;
    for (int band = 1; band <= kSizeBands; ++band) {
        t.sizeBandCount[band] = static_cast<double>(
            static_cast<std::int64_t>(t.sizeBandCount[band] * (band < 6 ? 0.8 : 1.1)));
        t.sizeBandBytes[band] =
            static_cast<std::int64_t>(static_cast<double>(t.sizeBandBytes[band]) * 0.85);
    }
    for (int bucket = 0; bucket < kAgeBuckets; ++bucket) {
        t.modifiedAgeCount[bucket] = static_cast<double>(
            static_cast<std::int64_t>(t.modifiedAgeCount[bucket] * (bucket > 4 ? 1.2 : 0.7)));
        t.modifiedAgeBytes[bucket] =
            static_cast<std::int64_t>(static_cast<double>(t.modifiedAgeBytes[bucket]) * 0.9);
    }
    for (int bucket = 0; bucket < kAgeBuckets; ++bucket) {
        t.accessedAgeCount[bucket] = std::floor(t.accessedAgeCount[bucket] * 0.75);
        t.accessedAgeBytes[bucket] = t.accessedAgeBytes[bucket] / 4 * 3;
    }
    t.hiddenCount -= 1'200;
    t.hiddenBytes -= 310'000'000;
    t.archiveCount -= 3'000;
    t.archiveBytes -= 2'500'000'000;
    std::vector<FileTypeCount>& types = then.figures.types;
    types.erase(types.begin());  // new since
    for (FileTypeCount& type : types) {
        type.count = static_cast<double>(static_cast<std::int64_t>(type.count * 0.9));
        type.bytes = type.bytes / 10 * 9;
    }
    types.push_back({".WMA", 120, 480'000'000});  // gone since
    return then;
}

const GalleryPage comparePages("statistics-compare", [](const QString& folder) {
    testing::OneDriveMachine machine;
    TfrmStatistics window(machine.services);
    testing::fillSampleStatistics(window.collector);
    window.scanRun.statisticsCollected = true;
    window.StatusBar1->showMessage(QStringLiteral("Finished - 52,000 files processed"));
    window.comparisonChoice->compareWith(earlierRun(window.collector), "08/12/2026 18:38");

    const auto picture = [&](int page, const char* name) {
        show(window, page);
        saveWidget(window, folder, QString::fromLatin1(name));
    };
    const auto typesView = [&](int view) {
        window.typesPage->rgTypes->setItemIndex(view);
        window.typesPage->rgTypesClick();
    };
    typesView(0);
    picture(TfrmStatistics::kTypesPage, "compare-types-listing");
    typesView(1);
    picture(TfrmStatistics::kTypesPage, "compare-types-pie");

    window.sizesPage->rgSize1->setChecked(true);
    picture(TfrmStatistics::kSizesPage, "compare-sizes-chart");
    window.sizesPage->rgSize0->setChecked(true);
    picture(TfrmStatistics::kSizesPage, "compare-sizes-listing");

    window.modifiedPage->rgListing->setChecked(true);
    picture(TfrmStatistics::kModifiedPage, "compare-modified-listing");
    picture(TfrmStatistics::kTimePage, "compare-time-chart");

    picture(TfrmStatistics::kCombinedPage, "compare-combined-chart");
    window.combinedPage->rgCombine0->setChecked(true);
    picture(TfrmStatistics::kCombinedPage, "compare-combined-listing");
    picture(TfrmStatistics::kAttributePage, "compare-attribute");
});

}  // namespace
}  // namespace quarvo::gallery
