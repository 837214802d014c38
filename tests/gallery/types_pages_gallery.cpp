// Gallery pages of the Types, Overhang and Attribute pages, filled from the
// fixed sample of tallies as the end of a one-drive run fills them, and
// from runs with many types and with very large figures.
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QPainter>

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
    } known[] = {
        {".jpg", "JPEG image"},      {".mp4", "MPEG-4 video"},        {".pdf", "PDF document"},
        {".png", "PNG image"},       {".iso", "raw CD image"},        {".zip", "Zip archive"},
        {".mp3", "MP3 audio"},       {".txt", "plain text document"}, {".h", "C header"},
        {".cpp", "C++ source code"}, {".js", "JavaScript program"},   {".json", "JSON document"},
        {".mkv", "Matroska video"},  {".so", "shared library"},       {".o", "object code"},
        {".gz", "Gzip archive"}};
    for (const auto& [ext, description] : known) {
        const std::string className = std::string("class") + ext;
        classes.add(ext, className);
        classes.add(className, description);
    }
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
    window.overhangPage->doOverHang();
    window.typesPage->doFileTypes();
    window.attributePage->doFileAttrs();
    window.typesPage->SortbyExtensionClick(window.typesPage->SortbyExtension);

    const char* const views[] = {"page-types-listing", "page-types-pie-size",
                                 "page-types-pie-files", "page-types-pie-average"};
    for (int view = 0; view < 4; ++view) {
        window.typesPage->rgTypes->setItemIndex(view);
        show(window, TfrmStatistics::kTypesPage);
        for (int tick = 0; tick < 30; ++tick) window.Timer1Timer();
        saveWidget(window, folder, views[view]);
    }
    // Sorted by a click on the "Size" header: the arrow marks the column.
    window.typesPage->rgTypes->setItemIndex(0);
    emit window.typesPage->gridTypes->headerClicked(2);
    saveWidget(window, folder, "page-types-sorted-by-size-header");
    show(window, TfrmStatistics::kOverhangPage);
    saveWidget(window, folder, "page-overhang");
    show(window, 8);
    saveWidget(window, folder, "page-attribute");

    // A run of a large server: counts past a billion, byte totals of 13
    // and 15 digits, each figure whole beside its chart.
    Tallies& t = window.collector.tallies();
    t.hiddenCount = 1'100'000;
    t.readOnlyCount = 2'147'483'647;
    t.archiveCount = 987'654'321;
    t.hiddenBytes = 1'234'567'890'123LL;
    t.readOnlyBytes = 123'456'789'012'345LL;
    t.systemBytes = 99'999'999'999'999LL;
    t.archiveBytes = 8'765'432'109'876LL;
    window.attributePage->doFileAttrs();
    show(window, 8);
    saveWidget(window, folder, "page-attribute-large-numbers");

    // A unit without a row of its own: the arrow at the nearest row.
    window.collector.clusterSize = 2048;
    window.collector.tallies().overhangActual = 70 * 1048576;
    window.overhangPage->doOverHang();
    show(window, TfrmStatistics::kOverhangPage);
    saveWidget(window, folder, "page-overhang-nearest-row");

    // A drive whose unit could not be found.
    window.collector.clusterSize = 0;
    window.overhangPage->doOverHang();
    show(window, TfrmStatistics::kOverhangPage);
    saveWidget(window, folder, "page-overhang-not-applicable");
});

// Thirty types as a shared-data folder holds them, with the long names
// the system gives them; each (extension, name, files, MiB).
struct ManyType {
    const char* ext;
    const char* description;
    int files;
    int mib;
};
const ManyType kManyTypes[] = {
    {".mo", "translated messages (machine-readable)", 9120, 520},
    {".png", "PNG image", 20310, 470},
    {".gz", "Gzip archive", 4100, 410},
    {".svg", "SVG image", 18700, 380},
    {".py", "Python script", 6230, 350},
    {".html", "HTML document", 5120, 330},
    {".xml", "XML document", 3390, 300},
    {".ttf", "TrueType font", 410, 290},
    {".ogg", "Ogg Vorbis audio", 220, 280},
    {".txt", "plain text document", 2900, 270},
    {".js", "JavaScript program", 1800, 260},
    {".json", "JSON document", 1400, 250},
    {".pl", "Perl script", 900, 30},
    {".pm", "Perl module", 1600, 28},
    {".css", "CSS stylesheet", 700, 26},
    {".otf", "OpenType font", 60, 24},
    {".wav", "WAV audio", 40, 22},
    {".h", "C header", 2300, 21},
    {".c", "C source code", 300, 20},
    {".pyc", "Python bytecode", 1200, 19},
    {".rb", "Ruby script", 500, 18},
    {".tcl", "Tcl script", 200, 17},
    {".el", "Emacs Lisp source code", 260, 16},
    {".info", "GNU Texinfo documentation in the Info format", 90, 15},
    {".ppd", "PostScript Printer Description file for a networked laser printer", 800, 14},
    {".pcf", "PCF font", 330, 13},
    {".page", "Mallard help page", 450, 12},
    {".xpm", "XPM image", 120, 11},
    {".pdf", "PDF document", 40, 10},
    {".xsl", "XSLT stylesheet", 70, 9},
};

// The window with a tooltip that is showing painted over it where it stands.
void saveWithTooltip(QWidget& window, const QString& folder, const QString& name) {
    QPixmap picture = window.grab();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->inherits("QTipLabel") || !top->isVisible()) continue;
        QPainter painter(&picture);
        painter.drawPixmap(top->pos() - window.mapToGlobal(QPoint(0, 0)), top->grab());
    }
    picture.save(QDir(folder).filePath(name + ".png"));
}

const GalleryPage manyTypesPages("statistics-many-types", [](const QString& folder) {
    testing::FakeVolumeApi volumes;
    volumes.add('c', {});
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    for (const ManyType& type : kManyTypes) {
        const std::string className = std::string("class") + type.ext;
        classes.add(type.ext, className);
        classes.add(className, type.description);
    }
    ProgramServices services{volumes, profile, classes, {",", "."}};
    TfrmStatistics window(services);
    window.scanRun.statisticsCollected = true;
    FileTypeTable& table = window.collector.fileTypeTable();
    for (const ManyType& type : kManyTypes) {
        const std::int64_t perFile = std::int64_t{type.mib} * (1 << 20) / type.files;
        for (int i = 0; i < type.files; ++i) table.insertType(type.ext, perFile, false);
    }
    window.typesPage->rgTypes->setItemIndex(1);
    window.typesPage->doFileTypes();
    show(window, TfrmStatistics::kTypesPage);
    saveWidget(window, folder, "page-types-pie-many");

    // Disk images of some terabytes widen the figures; the long names give
    // way, and the one pointed at shows in full.
    table.insertType(".img", 4'398'046'511'104LL, false);
    table.insertType(".img", 4'398'046'511'104LL, false);
    window.typesPage->doFileTypes();
    window.typesPage->rgTypes->setItemIndex(0);
    window.typesPage->SortbyExtensionClick(window.typesPage->SortbyExtension);
    show(window, TfrmStatistics::kTypesPage);
    const StringGrid& grid = *window.typesPage->gridTypes;
    int longest = 1;
    for (int row = 1; row < grid.rowCount() - 1; ++row)
        if (!grid.cellRect(1, row).isNull() &&
            grid.cell(1, row).size() > grid.cell(1, longest).size())
            longest = row;
    const QPoint at = grid.cellRect(1, longest).center();
    QHelpEvent hover(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid.viewport(), &hover);
    QApplication::processEvents();
    saveWithTooltip(window, folder, "page-types-listing-long-descriptions");
});

}  // namespace

void show(TfrmStatistics& window, int page) {
    window.OvcNotebook1->setPageIndex(page);
    window.show();
    QApplication::processEvents();
}

}  // namespace quarvo::gallery
