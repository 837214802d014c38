#pragma once
// The walk of one drive's directory tree: depth-first in listing order,
// leaving out hidden and system directories, handing every file to the
// collector; the files of a directory are counted after everything below it.
// Each directory is listed once. When the tree changes under the walk, only
// what can no longer be reached is passed over.
// Runs on the user-interface thread and lets the caller process pending
// events between files, where a stop request can arrive.

#include <chrono>
#include <functional>
#include <string>

#include "collect/directory_api.h"
#include "collect/statistics_collector.h"
#include "system/volume_api.h"

namespace quarvo {

class DirectoryWalk {
public:
    using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

    struct Hooks {
        // Processes pending window events; called between files, at most
        // about every kEventInterval.
        std::function<void()> processEvents;
        // Whether the application is closing; a walk ends when it is.
        std::function<bool()> terminating;
        // Shows an error message box.
        std::function<void(const std::string&)> showError;
        // Measures the interval between event processing; the system's
        // steady clock when empty.
        SteadyClock clock;
    };

    static constexpr std::chrono::milliseconds kEventInterval{10};

    DirectoryWalk(DirectoryApi& directories, StatisticsCollector& collector, Hooks hooks);

    // Set by a stop request (through the events processed during a walk);
    // cleared by the caller at the start of each run.
    void setAbortRequested(bool requested) { abortRequested_ = requested; }
    [[nodiscard]] bool abortRequested() const { return abortRequested_; }

    // Walks the drive of the collector's currentDrive, when it is ready. A
    // root that can't be opened shows "Can't open drive " and the entry.
    void ScanAllDrives(VolumeApi& volumes);
    // Walks a folder as if it were the root of a drive; the directory texts
    // are the folder's path and the paths below it. False when the folder
    // can't be opened.
    [[nodiscard]] bool scanFolder(const std::string& folder);

private:
    [[nodiscard]] bool walkRoot(const std::string& folder, const std::string& rootText,
                                char separator);
    void scan_dir(std::size_t depth);
    void descend(const FolderEntries& entries, std::size_t depth);
    void scanfiles(const FolderEntries& entries);
    [[nodiscard]] bool countFile(const DirEntry& entry, bool& first);
    [[nodiscard]] bool mayGoOn() const;
    void processEventsNow();

    DirectoryApi& directories_;
    StatisticsCollector& collector_;
    Hooks hooks_;
    bool abortRequested_ = false;
    // How deep the position is; less than the walk's own depth while it
    // unwinds from folders that can no longer be reached.
    std::size_t positionDepth_ = 0;
    // The directory text: the path of the directory being walked, grown on
    // the way down and cut back on the way up.
    std::string dirText_;
    char separator_ = '\\';
    std::chrono::steady_clock::time_point lastEvents_;
};

}  // namespace quarvo
