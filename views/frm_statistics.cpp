#include "views/frm_statistics.h"

#include <QApplication>
#include <QFrame>
#include <QShowEvent>
#include <QTimer>

#include "collect/scan_targets.h"
#include "collect/system_directories.h"
#include "system/drive_list.h"
#include "toolkit/folder_drop.h"
#include "views/pick_list_entries.h"

namespace quarvo {
namespace {

void fillBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void recolour(QWidget& widget, const QColor& colour, const StringGrid* keep) {
    if (auto* notebook = qobject_cast<Notebook*>(&widget)) {
        fillBackground(*notebook, colour);
    } else if (auto* chart = qobject_cast<Chart*>(&widget)) {
        chart->background().color = colour;
    } else if (auto* list = qobject_cast<TPickList*>(&widget)) {
        list->setColor(colour);
    } else if (auto* grid = qobject_cast<StringGrid*>(&widget); grid && grid != keep) {
        grid->setColor(colour);
        grid->setFixedColor(colour);
    }
}

}  // namespace

const std::array<QColor, 12> TfrmStatistics::kDefaultBandColors{
    QColor(255, 0, 0), QColor(128, 0, 0),   QColor(0, 0, 255),     QColor(255, 255, 0),
    QColor(0, 128, 0), QColor(0, 255, 0),   QColor(255, 0, 255),   QColor(0, 128, 128),
    QColor(0, 0, 128), QColor(0, 255, 255), QColor(255, 255, 255), QColor(128, 128, 128)};

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
            return saveRun(store, scanRun, collector,
                           [this](const std::string& key) { return typeDescription(key); });
        };
    }
    buildWindow();
    buildSpacePage();
    buildTypesPage();
    buildOverhangPage();
    buildAttributePage();
    buildSizesPage();
    buildDatePages();
    buildCombinedPage();
    buildTimePage();
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
    clearSpaceFigures();
    PickListEntries drives(*pckStatDrive);
    buildDriveList(services_.volumes, drives, true);
    initAColors(true, Qt::blue);
}

void TfrmStatistics::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring a minimised window is no new showing of it.
    if (!event->spontaneous()) FormShow();
}

void TfrmStatistics::FormShow() {
    gridTypes->setRow(0,
                      {QStringLiteral("Extension"), QStringLiteral("Type"), QStringLiteral("Size"),
                       QStringLiteral("# Files"), QStringLiteral("Avg File Size")});
    doDiskSize();
    OvcNotebook1PageChanged(OvcNotebook1->pageIndex());
}

void TfrmStatistics::OvcNotebook1PageChanged(int newIndex) {
    if (newIndex == kSpacePage) {
        chartSpaceBar->setDepthPercent(1);
        doDiskSize();
        pnlNotYet->hide();
        Timer2->start();
    } else {
        pnlNotYet->setVisible(!scanRun.statisticsCollected);
    }
    // A scan lets tab changes through while it runs; every page stays
    // covered until it ends.
    if (scanRun.scanning) pnlNotYet->show();
}

void TfrmStatistics::initAColors(bool useDefaults, const QColor& colour) {
    if (useDefaults)
        bandColors = kDefaultBandColors;
    else
        bandColors.fill(colour);
}

void TfrmStatistics::changeBackgroundColor(const QColor& colour) {
    fillBackground(*this, colour);
    for (QWidget* widget : findChildren<QWidget*>()) recolour(*widget, colour, gridTypes);
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

bool TfrmStatistics::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::Quit) quitting_ = true;
    return QDialog::eventFilter(watched, event);
}

}  // namespace quarvo
