// The statistics window's comparison with an earlier run: the "Compare
// with" button and its menu, and reading the earlier run.
#include <QDateTime>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <filesystem>
#include <utility>

#include "listings/saved_run_store.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/message_boxes.h"
#include "views/frm_statistics.h"

namespace quarvo {
namespace {

// "08/12/2026 18:38": a saved run's UTC time in the user's short format.
QString runTimeText(const std::string& utcTime) {
    const QDateTime time = QDateTime::fromString(QString::fromStdString(utcTime), Qt::ISODate);
    if (!time.isValid()) return QString::fromStdString(utcTime);
    return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
}

// How the menu and the status line name an earlier run.
QString runLabel(const SavedRunInfo& info, const std::string& path) {
    if (info.schemaVersion == 0)
        return QString::fromStdString(std::filesystem::path(path).filename().string());
    return runTimeText(info.time);
}

// Where the settings file remembers whether to compare each finished run
// with the run before it.
constexpr const char* kSection = "Statistics";
constexpr const char* kCompareKey = "CompareWith";
constexpr const char* kLastRun = "LastRun";

// What the status line adds to its text while comparing.
const QString kComparedText = QStringLiteral(" - Compared with the run of ");

}  // namespace

void TfrmStatistics::buildCompareButton() {
    btCompare = new QPushButton(QStringLiteral("Co&mpare with..."), this);
    btCompare->setGeometry(126, 384, 121, 25);
    btCompare->setToolTip(QStringLiteral("Show the changes since an earlier run"));
    btCompare->setAutoDefault(false);
    compareMenu = new QMenu(btCompare);
    btCompare->setMenu(compareMenu);
    connect(compareMenu, &QMenu::aboutToShow, this, &TfrmStatistics::fillCompareMenu);
}

std::vector<std::string> TfrmStatistics::runTargetNames() const {
    std::vector<std::string> names;
    for (const ScanTarget& target : scanRun.chosenDrives()) names.push_back(targetName(target));
    return names;
}

std::vector<TfrmStatistics::EarlierRun> TfrmStatistics::earlierRuns(std::size_t most) const {
    std::vector<EarlierRun> runs;
    if (!services_.savedRuns || !scanRun.statisticsCollected) return runs;
    const std::vector<std::string> targets = runTargetNames();
    // The newest saved run of these targets is the one shown, kept as it
    // finished.
    bool shown = true;
    for (const std::string& path : services_.savedRuns->runs()) {
        if (runs.size() == most) break;
        SavedRunReading reading = readSavedRunFile(path);
        if (!reading.run || !targetsProblem(reading.run->info, targets).empty()) continue;
        if (std::exchange(shown, false)) continue;
        runs.push_back({path, std::move(*reading.run)});
    }
    return runs;
}

void TfrmStatistics::fillCompareMenu() {
    compareMenu->clear();
    for (EarlierRun& run : earlierRuns()) {
        const SavedRunInfo& info = run.run.info;
        const QString text =
            runLabel(info, run.path) + QStringLiteral("  ") + QString::fromStdString(info.rule);
        compareMenu->addAction(text, this, [this, path = run.path] { compareWithFile(path); });
    }
    compareMenu->addAction(QStringLiteral("&Open file..."), this,
                           &TfrmStatistics::openComparisonFile);
    QAction* none = compareMenu->addAction(QStringLiteral("&No comparison"), this,
                                           &TfrmStatistics::stopComparing);
    none->setEnabled(comparison.on());
}

void TfrmStatistics::openComparisonFile() {
    const QString start =
        services_.savedRuns ? QString::fromStdString(services_.savedRuns->folder()) : QString();
    const QString path = dialogs().chooseFile(this, QStringLiteral("Compare with"), start,
                                              QStringLiteral("Saved runs (*.json)"));
    if (!path.isEmpty()) compareWithFile(path.toStdString());
}

void TfrmStatistics::compareWithFile(const std::string& path) {
    SavedRunReading reading = readSavedRunFile(path);
    std::string problem = reading.problem;
    if (reading.run) {
        if (const std::string other = targetsProblem(reading.run->info, runTargetNames());
            !other.empty())
            problem = "Can't compare with " + path + ": " + other;
    }
    if (!reading.run || !problem.empty()) {
        showError(QString::fromStdString(problem), this);
        return;
    }
    const QString label = runLabel(reading.run->info, path);
    comparison.compareWith(std::move(*reading.run), label.toStdString());
    rememberComparing(true);
    refillPages();
}

void TfrmStatistics::stopComparing() {
    rememberComparing(false);
    if (!comparison.on()) return;
    comparison.stop();
    refillPages();
}

void TfrmStatistics::refillPages() {
    if (!scanRun.statisticsCollected) return;
    rebuildPages(false);
    doFileAges();
    QString status = StatusBar1->currentMessage();
    if (const qsizetype compared = status.indexOf(kComparedText); compared >= 0)
        status.truncate(compared);
    if (comparison.on()) status += kComparedText + QString::fromStdString(comparison.label());
    StatusBar1->showMessage(status);
}

void TfrmStatistics::rememberComparing(bool on) {
    try {
        services_.profile.writeString(kSection, kCompareKey, on ? kLastRun : "");
    } catch (const ProfileWriteError& error) {
        // Comparing goes on all the same; only the next start won't know.
        StatusBar1->showMessage(QString::fromUtf8(error.what()));
    }
}

std::string TfrmStatistics::compareWithRunBefore() {
    if (services_.profile.readString(kSection, kCompareKey, "") != kLastRun) return {};
    // Only the newest is wanted: the others' files are not read.
    std::vector<EarlierRun> runs = earlierRuns(1);
    if (runs.empty()) return {};
    const QString label = runLabel(runs.front().run.info, runs.front().path);
    comparison.compareWith(std::move(runs.front().run), label.toStdString());
    return (kComparedText + label).toStdString();
}

}  // namespace quarvo
