#pragma once
// Which earlier run the statistics window's pages compare the last run
// with. It owns the "Compare with..." button and its menu (the saved runs
// of the last run's targets, newest first, "Open file..." and "No
// comparison"), reads the saved runs, and remembers in the settings whether
// each finished run is compared with the run before it. The window places
// the button in its button row and fills its pages anew when the choice
// changes.

#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/program_services.h"
#include "views/run_comparison.h"

class QMenu;
class QPushButton;
class QWidget;

namespace quarvo {

class ComparisonChoice : public QObject {
    Q_OBJECT

public:
    // The button is made a child of window, and messages and the file
    // chooser open over it; run tells which targets the last run scanned.
    ComparisonChoice(QWidget& window, ProgramServices& services, const ScanRun& run);

    [[nodiscard]] const RunComparison& comparison() const { return comparison_; }

    // Fills the menu as it opens.
    void fillCompareMenu();
    // Compares with the saved run or report output in the file at path; a
    // file that can't be read, or one of other targets, is reported and
    // nothing changes.
    void compareWithFile(const std::string& path);
    void openComparisonFile();
    // Compares with then, which label names, from now on and after each
    // next run.
    void compareWith(SavedRun then, const QString& label);
    void stopComparing();
    // After a finished run was kept, before its pages are built: chooses the
    // saved run of the same targets before it to compare with, when the
    // settings say so. True when it did; the pages are not refilled.
    [[nodiscard]] bool compareWithRunBefore();
    // Works out the changes of the collector's run; a run of other targets
    // has nothing to compare with, and the comparison ends.
    void update(const StatisticsCollector& collector, bool withOverhang);

    QPushButton* btCompare = nullptr;
    QMenu* compareMenu = nullptr;

signals:
    // The comparison was turned on, off or to another run.
    void changed();
    // The choice could not be remembered: why, for the status line.
    void notRemembered(const QString& why);

private:
    struct EarlierRun {
        std::string path;
        SavedRun run;
    };
    // The saved runs of the last run's targets but that run itself, the
    // newest first; at most `most` of them, each file read only until
    // enough are found.
    [[nodiscard]] std::vector<EarlierRun> earlierRuns(std::size_t most = SIZE_MAX) const;
    // The last run's targets as saved runs name them.
    [[nodiscard]] std::vector<std::string> runTargetNames() const;
    void rememberComparing(bool on);

    QWidget& window_;
    ProgramServices& services_;
    const ScanRun& run_;
    RunComparison comparison_;
};

}  // namespace quarvo
