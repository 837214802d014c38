// Gallery pages of the statistics window's Sizes, date, Combined and Time
// pages, filled from the fixed sample tallies.
#include <QApplication>
#include <QRadioButton>

#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "tests/fakes/sample_statistics.h"
#include "tests/gallery/gallery.h"
#include "tests/support/date_pages_fill.h"
#include "views/regional_format.h"

namespace quarvo::gallery {
namespace {

void showPage(TfrmStatistics& window, int index, QRadioButton* view, const QString& folder,
              const char* name) {
    window.OvcNotebook1->setPageIndex(index);
    if (view) view->setChecked(true);
    QApplication::processEvents();
    saveWidget(window, folder, QString::fromLatin1(name));
}

const GalleryPage datePages("date-pages", [](const QString& folder) {
    testing::FakeVolumeApi volumes;
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}};
    TfrmStatistics window(services);
    // The C locale's short format, which writes seconds the page leaves out.
    window.timePage->shortTimeFormat = shortTimeFormatOf(QLocale::c());
    testing::fillSampleStatistics(window.collector);
    testing::fillDatePages(window);
    window.show();
    QApplication::processEvents();
    showPage(window, 2, window.sizesPage->rgSize0, folder, "page-sizes-listing");
    showPage(window, 2, window.sizesPage->rgSize1, folder, "page-sizes-chart-mb");
    showPage(window, 2, window.sizesPage->rgSize2, folder, "page-sizes-chart-files");
    showPage(window, TfrmStatistics::kAccessPage, nullptr, folder, "page-access-chart");
    showPage(window, TfrmStatistics::kCreatedPage, window.createdPage->rgListing, folder,
             "page-created-listing");
    showPage(window, TfrmStatistics::kModifiedPage, window.modifiedPage->rgByFiles, folder,
             "page-modified-chart-files");
    showPage(window, TfrmStatistics::kCombinedPage, nullptr, folder, "page-combined-chart");
    showPage(window, TfrmStatistics::kCombinedPage, window.combinedPage->rgCombine0, folder,
             "page-combined-listing");
    showPage(window, 9, nullptr, folder, "page-time");

    // A run of a large server: 13-digit byte totals, one of 15 digits, and
    // counts past a billion, each figure whole in its column.
    Tallies& t = window.collector.tallies();
    for (int bucket = 0; bucket < kAgeBuckets; ++bucket) {
        t.accessedAgeBytes[bucket] = 1'234'567'890'123LL * (bucket + 1);
        t.createdAgeBytes[bucket] = 987'654'321'098LL * (bucket + 1);
        t.modifiedAgeCount[bucket] = 1'100'000'000.0 + bucket;
    }
    t.modifiedAgeBytes[9] = 123'456'789'012'345LL;
    t.createdAgeCount[5] = 2'147'483'647.0;
    testing::fillDatePages(window);
    showPage(window, TfrmStatistics::kCombinedPage, window.combinedPage->rgCombine0, folder,
             "page-combined-listing-large-numbers");
});

}  // namespace
}  // namespace quarvo::gallery
