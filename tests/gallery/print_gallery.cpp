// Printouts of the statistics window as PDF files, from the fixed sample of
// tallies: the Types listing over several pages, the Sizes chart from its
// preview, and the window's picture on the Space page.
#include <QApplication>
#include <QRadioButton>

#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "tests/fakes/sample_statistics.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/gallery/gallery.h"
#include "tests/support/date_pages_fill.h"
#include "views/frm_statistics.h"

namespace quarvo::gallery {
namespace {

constexpr std::uint64_t kGiB = 1ull << 30;

void printPage(TfrmStatistics& window, int page, testing::ScriptedDialogs& dialogs,
               const QString& file) {
    window.OvcNotebook1->setPageIndex(page);
    QApplication::processEvents();
    dialogs.printToPdf = file;
    window.btPrintClick();
}

const GalleryPage printouts("printouts", [](const QString& folder) {
    testing::FakeVolumeApi volumes;
    volumes.add('c', {.label = "system", .space = DiskSpace{61 * kGiB, 238 * kGiB, 61 * kGiB}});
    volumes.add('d', {.label = "home", .space = DiskSpace{402 * kGiB, 931 * kGiB, 402 * kGiB}});
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}};
    TfrmStatistics window(services);
    for (int i = 0; i < 2; ++i) window.spacePage->pckStatDrive->setSelected(i, true);
    window.show();
    testing::fillSampleStatistics(window.collector);
    // Enough types for the listing to need a second page.
    for (int i = 0; i < 40; ++i)
        window.collector.fileTypeTable().insertType(".T" + std::to_string(i), 4096 * i, false);
    window.typesPage->doFileTypes();
    window.typesPage->SortbyExtensionClick(window.typesPage->SortbyExtension);
    testing::fillDatePages(window);
    window.spacePage->pckStatDriveClick();

    testing::ScriptedDialogs dialogs;
    window.typesPage->rgTypes->setItemIndex(0);
    printPage(window, TfrmStatistics::kTypesPage, dialogs, folder + "/print-types-listing.pdf");
    window.sizesPage->rgSize1->setChecked(true);
    printPage(window, TfrmStatistics::kSizesPage, dialogs, folder + "/print-sizes-chart.pdf");
    printPage(window, TfrmStatistics::kSpacePage, dialogs, folder + "/print-space-window.pdf");
});

}  // namespace
}  // namespace quarvo::gallery
