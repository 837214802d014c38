// The statistics window's side of a scan run: its boxes, status bar,
// caption, cover panel, locked controls, progress display and the page
// rebuilds that the run asks for.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include "collect/scan_targets.h"
#include "text/number_text.h"
#include "toolkit/message_boxes.h"
#include "views/frm_statistics.h"

namespace quarvo {
namespace {

// Minutes and seconds, with hours in front once a scan takes that long.
QString elapsedText(std::chrono::milliseconds elapsed) {
    const long long seconds = elapsed.count() / 1000;
    const QString minutesSeconds =
        QStringLiteral("%1:%2")
            .arg(seconds / 60 % 60, seconds < 3600 ? 1 : 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (seconds < 3600) return minutesSeconds;
    return QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesSeconds);
}

constexpr int kProgressSteps = 1000;

// The walk's text within width: the path after "standby : " loses its middle
// first, so the drive and both ends of the path stay readable.
QString shortenedInTheMiddle(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    static const QString kPathAfter = QStringLiteral(" standby : ");
    const qsizetype path = text.indexOf(kPathAfter);
    const QString head = path < 0 ? QString() : text.left(path + kPathAfter.size());
    const int rest = width - metrics.horizontalAdvance(head);
    if (head.isEmpty() || rest < 10 * metrics.averageCharWidth())
        return metrics.elidedText(text, Qt::ElideMiddle, width);
    return head + metrics.elidedText(text.mid(head.size()), Qt::ElideMiddle, rest);
}

}  // namespace

void TfrmStatistics::buildProgress() {
    progressScan = new QProgressBar(StatusBar1);
    progressScan->setRange(0, kProgressSteps);
    progressScan->setTextVisible(false);
    progressScan->setFixedSize(110, 14);
    lblProgress = new QLabel(StatusBar1);
    StatusBar1->addPermanentWidget(lblProgress);
    StatusBar1->addPermanentWidget(progressScan);
    progressScan->hide();
    lblProgress->hide();
    // Keeps the bar's right edge clear of the window's.
    StatusBar1->setContentsMargins(0, 0, 4, 0);
    scanTimer_ = new QTimer(this);
    scanTimer_->setInterval(ScanRun::kProgressInterval);
    connect(scanTimer_, &QTimer::timeout, this, &TfrmStatistics::scanTimerTimer);
}

bool TfrmStatistics::canScan(const std::vector<std::string>& targets) {
    std::string problems;
    for (const std::string& target : targets) {
        const std::string problem = targetProblem(target, services_.volumes);
        if (!problem.empty()) problems += cannotScanText(target, problem) + "\n";
    }
    if (problems.empty()) return true;
    showErrorBox(problems + "Nothing was scanned.");
    return false;
}

void TfrmStatistics::scanCommandLineTargets(const std::vector<std::string>& targets) {
    if (!canScan(targets)) return;
    std::vector<ScanTarget> chosen;
    for (const std::string& target : targets) chosen.push_back(scanTargetOf(target));
    scanRun.run(std::move(chosen), FileRule{}, false);
}

void TfrmStatistics::collectStatistics(const ScanChoice& choice) {
    // Neither the wizard nor a click reaches here while a run is under way,
    // but the choice of a run must not change under it.
    if (scanRun.running()) return;
    // A remembered folder may have gone since it was added.
    std::vector<std::string> folders;
    for (const QString& path : choice.folders) folders.push_back(path.toStdString());
    if (!canScan(folders)) return;
    std::vector<ScanTarget> chosen;
    for (const QString& entry : choice.drives) chosen.push_back({entry.toStdString()});
    for (const std::string& folder : folders) chosen.push_back({folder, true});
    FileRule rule;
    rule.allFileTypes = choice.ruleAllFiles;
    if (!choice.ruleAllFiles) {
        rule.selectIfListed = choice.ruleInclude;
        rule.selectIfNotListed = choice.ruleExclude;
        for (const QString& entry : choice.fileTypes) rule.addRuleEntry(entry.toStdString());
    }
    scanRun.run(std::move(chosen), std::move(rule), true);
}

// The Combined page's Listing button, Close and the tabs stay usable
// throughout.
void TfrmStatistics::disenable(bool enabled) {
    std::vector<QWidget*> controls = {btPrint,
                                      btOK,
                                      combinedPage->rbCombine1,
                                      combinedPage->rbCombine2,
                                      spacePage->rgSpace1,
                                      spacePage->rgSpace2,
                                      spacePage->pckStatDrive,
                                      typesPage->rgTypes,
                                      sizesPage->rgSize0,
                                      sizesPage->rgSize1,
                                      sizesPage->rgSize2};
    for (const DatePage* page : {accessPage, createdPage, modifiedPage})
        controls.insert(controls.end(), {page->rgListing, page->rgBySize, page->rgByFiles});
    for (QWidget* control : controls) control->setEnabled(enabled);
}

// The Types listing ends sorted by extension whatever order the user chose
// last.
void TfrmStatistics::rebuildPages(bool withOverhang) {
    comparisonChoice->update(collector, withOverhang);
    if (withOverhang) overhangPage->rebuild();
    for (StatisticsPage* page :
         std::initializer_list<StatisticsPage*>{typesPage, sizesPage, attributePage, accessPage,
                                                createdPage, modifiedPage, combinedPage, timePage})
        page->rebuild();
}

void TfrmStatistics::showInfoBox(const std::string& text) {
    quarvo::showInfo(QString::fromStdString(text), this);
}

void TfrmStatistics::showErrorBox(const std::string& text) {
    quarvo::showError(QString::fromStdString(text), this);
}

void TfrmStatistics::setStatusText(const std::string& text) {
    pendingStatus_.clear();
    StatusBar1->showMessage(QString::fromStdString(text));
}

// The status bar repaints itself at once on every new text; the walk's text
// waits for the progress display, which is brought up to date often enough
// to be read.
void TfrmStatistics::setWalkStatusText(const std::string& text) {
    pendingStatus_ = text;
}

void TfrmStatistics::setCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

// Disabling the page on show would make the notebook jump to a neighbour of
// its own choosing and report that change in the middle of the run; the
// Types page is chosen first instead, through the usual page change.
void TfrmStatistics::setOverhangPageEnabled(bool enabled) {
    if (!enabled && OvcNotebook1->pageIndex() == kOverhangPage)
        OvcNotebook1->setPageIndex(kTypesPage);
    OvcNotebook1->setPageEnabled(kOverhangPage, enabled);
}

void TfrmStatistics::showScanCover() {
    lblNotYet->setText(
        QStringLiteral("Collecting statistics ... standby.  Press Esc or click Abort to stop."));
    btAbort->show();
    pnlNotYet->show();
    // Enter with the focus on Close would stop the scan; during a scan it
    // goes to the default button, which is disabled.
    btCancel->setAutoDefault(false);
}

// After a run the Abort button goes, and a run that scanned nothing leaves
// the cover as it was before any scan: over every page but Space.
void TfrmStatistics::setCoverVisible(bool visible) {
    btAbort->hide();
    btCancel->setAutoDefault(true);
    if (visible) lblNotYet->setText(kNotYetText);
    pnlNotYet->setVisible(visible && OvcNotebook1->pageIndex() != kSpacePage);
}

bool TfrmStatistics::pieTimerEnabled() const {
    return Timer1->isActive();
}

void TfrmStatistics::setPieTimerEnabled(bool enabled) {
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}

void TfrmStatistics::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// The run's ticks come from the window's event loop, or from that of any box
// open meanwhile, so a box holds up neither the walk nor the next drive.
void TfrmStatistics::startTicking() {
    scanTimer_->start();
    wake();
}

void TfrmStatistics::stopTicking() {
    scanTimer_->stop();
    emit scanEnded();
}

// The walk's thread asks for a tick when it ends, and a stop request too.
void TfrmStatistics::wake() {
    QMetaObject::invokeMethod(this, &TfrmStatistics::scanTimerTimer, Qt::QueuedConnection);
}

void TfrmStatistics::scanTimerTimer() {
    scanRun.tick();
}

// Without a known used space the bar only shows that the scan goes on.
void TfrmStatistics::showProgress(const ScanProgress& progress) {
    progressScan->setMaximum(progress.usedBytes > 0 ? kProgressSteps : 0);
    progressScan->setValue(static_cast<int>(progress.share() * kProgressSteps));
    lblProgress->setText(
        QStringLiteral("%1 files  %2")
            .arg(QString::fromStdString(intToThousands(progress.files, services_.numbers)),
                 elapsedText(progress.elapsed)));
    progressScan->show();
    lblProgress->show();
    if (!pendingStatus_.empty()) {
        showWalkStatus(QString::fromStdString(pendingStatus_));
        pendingStatus_.clear();
    }
}

// The text ends a few characters before the file counter, wherever the
// counter's growing width puts it.
void TfrmStatistics::showWalkStatus(const QString& text) {
    StatusBar1->layout()->activate();
    const QFontMetrics metrics = StatusBar1->fontMetrics();
    const int width = lblProgress->x() - 3 * metrics.averageCharWidth();
    StatusBar1->showMessage(shortenedInTheMiddle(text, metrics, width));
}

void TfrmStatistics::endProgress() {
    progressScan->hide();
    lblProgress->hide();
}

}  // namespace quarvo
