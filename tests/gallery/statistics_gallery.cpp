// Gallery pages of the statistics window, on fake drives of realistic sizes.
#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_directory_api.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "tests/gallery/gallery.h"
#include "tests/support/finish_run.h"
#include "views/frm_statistics.h"

namespace quarvo::gallery {
namespace {

using testing::FakeDrive;
using testing::FakeVolumeApi;

constexpr std::uint64_t kGiB = 1ull << 30;

FakeDrive drive(std::optional<std::string> label, double totalGiB, double freeGiB,
                unsigned type = kDriveFixed) {
    const auto total = static_cast<std::uint64_t>(totalGiB * kGiB);
    const auto free = static_cast<std::uint64_t>(freeGiB * kGiB);
    return FakeDrive{
        .type = type, .label = std::move(label), .space = DiskSpace{free, total, free}};
}

void machine(FakeVolumeApi& volumes) {
    volumes.add('c', drive("system", 237.9, 61.4));
    volumes.add('d', drive("home", 931.5, 402.7));
    volumes.add('e', drive("backup", 1863.0, 1190.2, kDriveRemovable));
    volumes.add('f', drive(std::nullopt, 14.9, 0.3, kDriveRemovable));
}

// Lets the window settle, then runs both animations to their end.
void settle(TfrmStatistics& window) {
    window.show();
    QApplication::processEvents();
    for (int tick = 0; tick < 40; ++tick) window.spacePage->Timer2Timer();
    for (int tick = 0; tick < 5; ++tick) window.Timer1Timer();
}

const GalleryPage statisticsPage("statistics-window", [](const QString& folder) {
    FakeVolumeApi volumes;
    machine(volumes);
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}};
    TfrmStatistics window(services);
    for (int i = 0; i < 3; ++i) window.spacePage->pckStatDrive->setSelected(i, true);
    settle(window);
    saveWidget(window, folder, "statistics-space-bar");

    window.spacePage->rgSpace1->setChecked(true);
    settle(window);
    saveWidget(window, folder, "statistics-space-pie");

    window.spacePage->pieTotalClick();
    window.spacePage->ScrollBar3->setValue(200);
    saveWidget(window, folder, "statistics-space-pie-stopped");

    window.spacePage->rgSpace2->setChecked(true);
    window.OvcNotebook1->setPageIndex(2);
    saveWidget(window, folder, "statistics-not-collected");

    // A scan deep in a tree: the path loses its middle, the counter stays clear.
    ScanRunWindow& run = window;
    run.showScanCover();
    std::string path = "c:\\Users\\me\\AppData\\Local\\Google\\Chrome\\User Data";
    for (int level = 0; level < 12; ++level) path += "\\Cache" + std::to_string(level);
    run.setWalkStatusText("Processing drive c: [system] ... standby : " + path + "\\googleclc");
    run.showProgress({.bytesSeen = std::int64_t{61} * kGiB,
                      .usedBytes = 176.0 * kGiB,
                      .files = 99'310,
                      .elapsed = std::chrono::seconds(83)});
    saveWidget(window, folder, "statistics-scanning-deep-path");
    run.endProgress();
});

// The end of a run that could not count everything: the status bar says how
// many folders were left out and why.
const GalleryPage leftOutPage("statistics-left-out", [](const QString& folder) {
    FakeVolumeApi volumes;
    machine(volumes);
    volumes.drives['C'].folder = "/c";
    testing::FakeDirectoryApi directories;
    testing::FakeNode locked = testing::fakeDir("private", {testing::fakeFile("diary.txt", 9)});
    locked.cannotEnter = true;
    directories.roots["/c"] = testing::fakeDir(
        "", {locked,
             testing::fakeDir("docs", std::vector<testing::FakeNode>(
                                          1234, testing::fakeFile("letter.doc", 20000))),
             testing::fakeFile("notes.txt", 700)});
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, {",", "."}, directories.sessions()};
    TfrmStatistics window(services);
    settle(window);
    scanToTheEnd(window, {"c:"});
    window.OvcNotebook1->setPageIndex(TfrmStatistics::kTypesPage);
    saveWidget(window, folder, "statistics-left-out");
});

// A finished run that could not be saved says why after its figures.
const GalleryPage notSavedPage("statistics-run-not-saved", [](const QString& folder) {
    FakeVolumeApi volumes;
    machine(volumes);
    volumes.drives['D'].folder = "/d";
    testing::FakeDirectoryApi directories;
    directories.roots["/d"] = testing::fakeDir("", {testing::fakeFile("notes.txt", 700)});
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    SavedRunStore store("/proc/quarvo/scans");  // where nobody may write
    ProgramServices services{volumes, profile, classes, {",", "."}, directories.sessions(),
                             {},      &store};
    TfrmStatistics window(services);
    settle(window);
    scanToTheEnd(window, {"d:"});
    saveWidget(window, folder, "statistics-run-not-saved");
});

}  // namespace
}  // namespace quarvo::gallery
