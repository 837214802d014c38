#include "views/frm_statistics.h"

#include <QApplication>
#include <QFrame>
#include <QShowEvent>
#include <QTimer>

#include "collect/scan_targets.h"
#include "collect/system_directories.h"
#include "listings/page_listings.h"
#include "listings/saved_run_store.h"
#include "system/file_type_description.h"
#include "toolkit/folder_drop.h"
#include "views/reentry_guard.h"

namespace quarvo {
namespace {

void fillBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace

TfrmStatistics::TfrmStatistics(ProgramServices& services, QWidget* parent)
    : QDialog(parent),
      scanRun(services.volumes,
              services.directories ? services.directories : ScanRun::DirectoryFactory([] {
                  return makeSystemDirectoryApi(defaultScanThreads());
              }),
              collector, *this, services.numbers,
              services.folderVolumes ? services.folderVolumes
                                     : ScanRun::FolderVolumes(folderVolumeApi)),
      services_(services) {
    // The program's end is seen as it is asked for, so that a scan stops
    // at once and Close gives way.
    qApp->installEventFilter(this);
    if (services.savedRuns) {
        scanRun.keepRun = [this, &store = *services.savedRuns] {
            // Kept before the Types page lists the rule's types that no file
            // had: the saved run lists them too.
            seedListedTypes(collector.fileTypeTable(), collector.rule());
            const std::string problem =
                saveRun(store, scanRun, collector, [this](const std::string& key) {
                    return typeKeyDescription(services_.classes, key);
                });
            if (!problem.empty()) return " - " + problem;
            return comparisonChoice->compareWithRunBefore() ? comparedText() : std::string();
        };
    }
    buildWindow();
    buildPages();
    // Connected only now, so that adding the pages reports no page change
    // to a half-built window.
    connect(OvcNotebook1, &Notebook::pageChanged, this, &TfrmStatistics::OvcNotebook1PageChanged);
    new FolderDropTarget(
        *this, [this] { return takesFolderDrops(); },
        [this](const QStringList& folders) { scanDroppedFolders(folders); });
    FormCreate();
}

void TfrmStatistics::FormCreate() {
    OvcNotebook1->setPageIndex(kSpacePage);
    scanRun.statisticsCollected = false;
    pnlNotYet->show();
    btAbort->hide();
    pnlNotYet->move(0, 19);
    spacePage->clearSpaceFigures();
    spacePage->buildDrives();
}

void TfrmStatistics::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring a minimised window is no new showing of it.
    if (!event->spontaneous()) FormShow();
}

void TfrmStatistics::FormShow() {
    typesPage->showHeader();
    spacePage->doDiskSize();
    OvcNotebook1PageChanged(OvcNotebook1->pageIndex());
}

void TfrmStatistics::OvcNotebook1PageChanged(int newIndex) {
    if (newIndex == kSpacePage) {
        spacePage->pageShown();
        pnlNotYet->hide();
    } else {
        pnlNotYet->setVisible(!scanRun.statisticsCollected);
    }
    // A scan lets tab changes through while it runs; every page stays
    // covered until it ends.
    if (scanRun.scanning) pnlNotYet->show();
}

void TfrmStatistics::doFileAges() {
    combinedPage->doFileAges();
    for (DatePage* page : {accessPage, createdPage, modifiedPage}) page->fillDateChart();
}

void TfrmStatistics::changeBackgroundColor(const QColor& colour) {
    fillBackground(*this, colour);
    fillBackground(*OvcNotebook1, colour);
    for (int page = 0; page < OvcNotebook1->pageCount(); ++page) pageAt(page)->recolour(colour);
}

// The pies turn only on the page that shows them.
void TfrmStatistics::Timer1Timer() {
    const ReentryGuard guard(inAnimationTick);
    if (!guard.entered()) return;
    if (OvcNotebook1->pageIndex() == kSpacePage) spacePage->turnSpacePies();
    if (OvcNotebook1->pageIndex() == kTypesPage) typesPage->turnTypesPie();
}

void TfrmStatistics::btAbortClick() {
    scanRun.requestStop();
}

void TfrmStatistics::btCancelClick() {
    if (!scanRun.requestStop()) QDialog::reject();
}

// Esc and the close box come here too. When the program ends, the window
// closes without stopping a scan as an abort would: the walk sees the end
// itself and stops at once.
void TfrmStatistics::reject() {
    if (quitting_)
        QDialog::reject();
    else
        btCancelClick();
}

// A run under way ends at once, as it does when stopped, before the event
// loop returns.
bool TfrmStatistics::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::Quit) {
        quitting_ = true;
        scanRun.tick();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quarvo
