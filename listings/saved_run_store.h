#pragma once
// The folder of saved runs: one file per finished run, named by its time so
// that the names sort as the runs came, the newest kept up to a limit.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "listings/saved_run.h"

namespace quarvo {

class SavedRunStore {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    static constexpr std::size_t kKept = 50;

    // The system's folder of saved runs (savedRunsFolder) and clock unless
    // others are given.
    explicit SavedRunStore(std::string folder = {}, Clock clock = {});

    // Saves the figures as a new file and then removes the oldest files
    // past kKept. Empty when saved, else why not ("not saved in FOLDER:
    // Permission denied"); a failed save leaves every earlier file as it was.
    [[nodiscard]] std::string save(SavedRunInfo info, const ReportFigures& figures);
    // The files of the saved runs, full paths, the newest first.
    [[nodiscard]] std::vector<std::string> runs() const;
    [[nodiscard]] const std::string& folder() const { return folder_; }

private:
    [[nodiscard]] std::vector<std::string> namesOldestFirst() const;
    // names: the store's files, oldest first.
    void removeOldest(const std::vector<std::string>& names);

    std::string folder_;
    Clock clock_;
};

// The saved run or report output in the file at path; the problem names the
// file and says what is wrong with it.
[[nodiscard]] SavedRunReading readSavedRunFile(const std::string& path);

// Saves the last run's targets, rule and figures; empty when saved, else why
// not.
[[nodiscard]] std::string saveRun(SavedRunStore& store, const ScanRun& run,
                                  const StatisticsCollector& collector,
                                  const DescribeType& describe);

// "2026-12-08T18:38:10Z": the time in UTC as a saved run holds it.
[[nodiscard]] std::string utcTimeText(std::chrono::system_clock::time_point time);

}  // namespace quarvo
