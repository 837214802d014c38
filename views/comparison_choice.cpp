#include "views/comparison_choice.h"

#include <QDateTime>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <filesystem>
#include <utility>

#include "listings/saved_run_store.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/message_boxes.h"

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

}  // namespace

ComparisonChoice::ComparisonChoice(QWidget& window, ProgramServices& services, const ScanRun& run)
    : QObject(&window), window_(window), services_(services), run_(run) {
    btCompare = new QPushButton(QStringLiteral("Co&mpare with..."), &window);
    btCompare->setToolTip(QStringLiteral("Show the changes since an earlier run"));
    btCompare->setAutoDefault(false);
    compareMenu = new QMenu(btCompare);
    btCompare->setMenu(compareMenu);
    connect(compareMenu, &QMenu::aboutToShow, this, &ComparisonChoice::fillCompareMenu);
}

std::vector<std::string> ComparisonChoice::runTargetNames() const {
    std::vector<std::string> names;
    for (const ScanTarget& target : run_.chosenDrives()) names.push_back(targetName(target));
    return names;
}

std::vector<ComparisonChoice::EarlierRun> ComparisonChoice::earlierRuns(std::size_t most) const {
    std::vector<EarlierRun> runs;
    if (!services_.savedRuns || !run_.statisticsCollected) return runs;
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

void ComparisonChoice::fillCompareMenu() {
    compareMenu->clear();
    for (EarlierRun& run : earlierRuns()) {
        const SavedRunInfo& info = run.run.info;
        const QString text =
            runLabel(info, run.path) + QStringLiteral("  ") + QString::fromStdString(info.rule);
        compareMenu->addAction(text, this, [this, path = run.path] { compareWithFile(path); });
    }
    compareMenu->addAction(QStringLiteral("&Open file..."), this,
                           &ComparisonChoice::openComparisonFile);
    QAction* none = compareMenu->addAction(QStringLiteral("&No comparison"), this,
                                           &ComparisonChoice::stopComparing);
    none->setEnabled(comparison_.on());
}

void ComparisonChoice::openComparisonFile() {
    const QString start =
        services_.savedRuns ? QString::fromStdString(services_.savedRuns->folder()) : QString();
    const QString path = dialogs().chooseFile(&window_, QStringLiteral("Compare with"), start,
                                              QStringLiteral("Saved runs (*.json)"));
    if (!path.isEmpty()) compareWithFile(path.toStdString());
}

void ComparisonChoice::compareWithFile(const std::string& path) {
    SavedRunReading reading = readSavedRunFile(path);
    std::string problem = reading.problem;
    if (reading.run) {
        if (const std::string other = targetsProblem(reading.run->info, runTargetNames());
            !other.empty())
            problem = "Can't compare with " + path + ": " + other;
    }
    if (!reading.run || !problem.empty()) {
        showError(QString::fromStdString(problem), &window_);
        return;
    }
    const QString label = runLabel(reading.run->info, path);
    compareWith(std::move(*reading.run), label);
}

void ComparisonChoice::compareWith(SavedRun then, const QString& label) {
    comparison_.compareWith(std::move(then), label.toStdString());
    rememberComparing(true);
    emit changed();
}

void ComparisonChoice::stopComparing() {
    rememberComparing(false);
    if (!comparison_.on()) return;
    comparison_.stop();
    emit changed();
}

void ComparisonChoice::rememberComparing(bool on) {
    try {
        services_.profile.writeString(kSection, kCompareKey, on ? kLastRun : "");
    } catch (const ProfileWriteError& error) {
        // Comparing goes on all the same; only the next start won't know.
        emit notRemembered(QString::fromUtf8(error.what()));
    }
}

bool ComparisonChoice::compareWithRunBefore() {
    if (services_.profile.readString(kSection, kCompareKey, "") != kLastRun) return false;
    // Only the newest is wanted: the others' files are not read.
    std::vector<EarlierRun> runs = earlierRuns(1);
    if (runs.empty()) return false;
    const QString label = runLabel(runs.front().run.info, runs.front().path);
    comparison_.compareWith(std::move(runs.front().run), label.toStdString());
    return true;
}

void ComparisonChoice::update(const StatisticsCollector& collector, bool withOverhang) {
    if (comparison_.on() && !targetsProblem(comparison_.then().info, runTargetNames()).empty())
        comparison_.stop();
    comparison_.update(collector, withOverhang);
}

}  // namespace quarvo
