// Gallery pages of the Types, Overhang and Attribute pages, filled from the
// fixed sample of tallies as the end of a one-drive run fills them.
#include <QApplication>

#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "tests/fakes/sample_statistics.h"
#include "tests/gallery/gallery.h"
#include "views/frm_statistics.h"

namespace quarvo::gallery {
namespace {

// Some types the registry knows by name; the others get their made-up name.
void registerTypes(testing::FakeClassesRoot& classes) {
    const struct {
        const char* ext;
        const char* description;
    } known[] = {{".jpg", "JPEG image"},        {".mp4", "MPEG-4 video"},
                 {".pdf", "PDF document"},      {".png", "PNG image"},
                 {".iso", "raw CD image"},      {".zip", "Zip archive"},
                 {".mp3", "MP3 audio"},         {".txt", "plain text document"},
                 {".h", "C header"},            {".cpp", "C++ source code"},
                 {".js", "JavaScript program"}, {".json", "JSON document"},
                 {".mkv", "Matroska video"},    {".so", "shared library"},
                 {".o", "object code"},         {".gz", "Gzip archive"}};
    for (const auto& [ext, description] : known) {
        const std::string className = std::string("class") + ext;
        classes.add(ext, className);
        classes.add(className, description);
    }
}

void show(TfrmStatistics& window, int page) {
    window.OvcNotebook1->setPageIndex(page);
    window.show();
    QApplication::processEvents();
}

const GalleryPage typesPages("statistics-result-pages", [](const QString& folder) {
    testing::FakeVolumeApi volumes;
    volumes.add('c', {});
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    registerTypes(classes);
    ProgramServices services{volumes, profile, classes, {",", "."}};
    TfrmStatistics window(services);
    testing::fillSampleStatistics(window.collector);
    window.scanRun.statisticsCollected = true;
    window.doOverHang();
    window.doFileTypes();
    window.doFileAttrs();
    window.SortbyExtensionClick(window.SortbyExtension);

    const char* const views[] = {"page-types-listing", "page-types-pie-size",
                                 "page-types-pie-files", "page-types-pie-average"};
    for (int view = 0; view < 4; ++view) {
        window.rgTypes->setItemIndex(view);
        show(window, TfrmStatistics::kTypesPage);
        for (int tick = 0; tick < 30; ++tick) window.Timer1Timer();
        saveWidget(window, folder, views[view]);
    }
    show(window, TfrmStatistics::kOverhangPage);
    saveWidget(window, folder, "page-overhang");
    show(window, 8);
    saveWidget(window, folder, "page-attribute");

    // A unit without a row of its own: the arrow at the nearest row.
    window.collector.clusterSize = 2048;
    window.collector.tallies().overhangActual = 70 * 1048576;
    window.doOverHang();
    show(window, TfrmStatistics::kOverhangPage);
    saveWidget(window, folder, "page-overhang-nearest-row");

    // A drive whose unit could not be found.
    window.collector.clusterSize = 0;
    window.doOverHang();
    show(window, TfrmStatistics::kOverhangPage);
    saveWidget(window, folder, "page-overhang-not-applicable");
});

}  // namespace
}  // namespace quarvo::gallery
