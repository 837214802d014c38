#pragma once
// One scan run: the chosen drives walked one after the other into one set of
// tallies, the pages rebuilt after each drive, the status bar and caption
// telling how far it came and how it ended. It runs on the user-interface
// thread inside the handler that starts it, and stays responsive through the
// walk's event processing, where Abort and Esc reach it. The window is
// reached only through ScanRunWindow, so a whole run can be tested without
// widgets.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "collect/directory_walk.h"
#include "collect/scan_run_window.h"
#include "collect/statistics_collector.h"
#include "text/number_format.h"

namespace quarvo {

// A drive entry as the wizard lists it ("c: [system]", its first character
// the letter), or a folder walked as if it were the root of a drive, named
// by its path wherever a drive letter would stand.
struct ScanTarget {
    std::string entry;
    bool folder = false;

    bool operator==(const ScanTarget&) const = default;
};

class ScanRun {
public:
    // The volume that holds a folder, answering as the one drive
    // kFolderLetter; nullptr when the folder's volume can't be asked.
    using FolderVolumes = std::function<std::unique_ptr<VolumeApi>(const std::string& folder)>;
    static constexpr char kFolderLetter = 'c';
    // Progress is shown at most this often.
    static constexpr std::chrono::milliseconds kProgressInterval{100};

    ScanRun(VolumeApi& volumes, DirectoryApi& directories, StatisticsCollector& collector,
            ScanRunWindow& window, NumberFormat numbers, FolderVolumes folderVolumes = {},
            DirectoryWalk::SteadyClock clock = {});

    // The targets of the run, in order; set before run().
    std::vector<ScanTarget> chosenDrives;
    // Total bytes of the ready chosen drives, found by run().
    long double selectedCapacity = 0;
    // True while one drive is walked.
    bool scanning = false;
    // True once any drive has been scanned; never false again.
    bool statisticsCollected = false;

    // Runs over chosenDrives, which the caller has filled and the rule of
    // the collector set; confirm: a run the user chose in the wizard, which
    // needs the drives' capacity and first tells the user what will be
    // scanned. Nothing happens for an empty list, or while a run is under
    // way (a second run can't start inside the first).
    void run(bool confirm);
    // Total bytes of the ready drives of chosenDrives.
    [[nodiscard]] long double computePickListTotal();
    // A stop request: the walk ends within one file. False, doing nothing,
    // when no drive is being walked.
    bool requestStop();
    [[nodiscard]] bool abortRequested() const { return walk_.abortRequested(); }
    // From the start of a run to its end, confirmation box included.
    [[nodiscard]] bool running() const { return running_; }

private:
    // The volume services that answer for a target, and the letter under
    // which they do.
    struct TargetVolume {
        VolumeApi* api = nullptr;
        std::unique_ptr<VolumeApi> owned;
        char letter = 0;
    };

    void runTargets(bool confirm);
    void confirmRun();
    void driveLoop();
    void scanTarget(const ScanTarget& target, TargetVolume& volume);
    void scan(const ScanTarget& target, TargetVolume& volume);
    void walkTarget(const ScanTarget& target, VolumeApi& volumes);
    [[nodiscard]] std::string finishedText() const;
    [[nodiscard]] TargetVolume volumeOf(const ScanTarget& target);
    [[nodiscard]] bool ready(TargetVolume& volume);
    [[nodiscard]] bool anyTargetReady();
    [[nodiscard]] double usedBytes();
    void eventsDuringWalk();

    VolumeApi& volumes_;
    StatisticsCollector& collector_;
    ScanRunWindow& window_;
    NumberFormat numbers_;
    FolderVolumes folderVolumes_;
    DirectoryWalk::SteadyClock clock_;
    DirectoryWalk walk_;
    bool running_ = false;
    ScanProgress progress_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point lastProgress_;
};

}  // namespace quarvo
