#pragma once
// One scan run: the chosen drives walked one after the other into one set of
// tallies, the pages rebuilt after each drive, the status bar and caption
// telling how far it came and how it ended.
//
// The run lives on the window's thread as a small state machine, with no
// event loop of its own: run() confirms and starts the first drive's walk
// and returns; each drive is walked on a thread of its own (BackgroundWalk);
// the window calls tick() ten times a second and soon after each wake, and
// a tick shows progress, notices the walk's end or a stop request, takes
// the drive's tallies, rebuilds the pages and starts the next drive, or
// ends the run. A box the user opens meanwhile (About, a message) holds up
// nothing: its own event loop goes on calling tick. The window is reached
// only through ScanRunWindow, so a whole run can be tested without widgets.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "collect/background_walk.h"
#include "collect/directory_api.h"
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
    // Directory services of their own for each walk: a walk left to end on
    // its own must share nothing with the next one.
    using DirectoryFactory = std::function<std::unique_ptr<DirectoryApi>()>;
    using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr char kFolderLetter = 'c';
    // Progress is shown at most this often.
    static constexpr std::chrono::milliseconds kProgressInterval{100};
    // A folder whose listing, or the description of one of its entries, has
    // not answered for this long is left out by default.
    static constexpr std::chrono::seconds kStallTimeout{10};
    static constexpr const char* kTimedOut = "timed out";

    ScanRun(VolumeApi& volumes, DirectoryFactory directories, StatisticsCollector& collector,
            ScanRunWindow& window, NumberFormat numbers, FolderVolumes folderVolumes = {},
            SteadyClock clock = {});
    ~ScanRun();

    // The targets of the last run, in order.
    [[nodiscard]] const std::vector<ScanTarget>& chosenDrives() const { return chosenDrives_; }
    // Total bytes of the ready chosen drives, found by a run the user
    // confirms; a run of named targets needs no capacity and leaves it 0.
    long double selectedCapacity = 0;
    // True while one drive is walked.
    bool scanning = false;
    // True once any drive has been scanned; never false again.
    bool statisticsCollected = false;
    // How long a folder may keep the walk waiting before it is left out.
    std::chrono::milliseconds stallTimeout = kStallTimeout;
    // Keeps a run that came to its end: not aborted, the program not ending,
    // a target scanned. It is called once the last drive's tallies are in,
    // before the pages are rebuilt for the last time, so that what it
    // chooses for them (an earlier run to compare with) is built once.
    // Returns what the status bar tells after the run's figures, each part
    // starting with " - " (" - not saved in ..."); unset, no run is kept.
    std::function<std::string()> keepRun;

    // The folders the last run left out, in the order met.
    [[nodiscard]] const std::vector<LeftOutFolder>& leftOut() const { return leftOut_; }

    // Starts a run over the targets with the rule, which becomes the
    // collector's; confirm: a run the user chose in the wizard, which needs
    // the drives' capacity and first tells the user what will be scanned.
    // Returns once the first walk runs; ticks take it from there. Nothing
    // happens for no targets, or while a run is under way.
    void run(std::vector<ScanTarget> targets, FileRule rule, bool confirm);
    // One step of a run under way, on the window's thread: progress, the
    // stall watchdog, and at a walk's end (or a stop, or the program ending)
    // the drive's figures and pages, then the next drive or the run's end.
    // A tick entered again from a box that a tick shows does nothing.
    void tick();
    // For a caller without an event loop (the report, tests): ticks until
    // the run is over, calling wait between ticks, which returns after a
    // wake or a progress interval.
    void tickUntilOver(const std::function<void()>& wait);
    // Total bytes of the ready drives of chosenDrives.
    [[nodiscard]] long double computePickListTotal();
    // A stop request: the run takes what was counted and goes on to the
    // pages at once, whatever the walk is doing. False, doing nothing, when
    // no drive is being walked.
    bool requestStop();
    [[nodiscard]] bool abortRequested() const { return abortRequested_; }
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

    [[nodiscard]] bool begin(bool confirm);
    void confirmRun();
    // Finds the next target that is ready, after the drive last started;
    // none once the run is stopped.
    void findNext();
    // Starts the walk of the next target, or ends the run when none is left.
    void goOn();
    // False when the drive's walk could not start: the root has no folder.
    [[nodiscard]] bool startDrive();
    // Takes the drive's figures, shows them and gives the window back.
    void endDrive(bool opened);
    [[nodiscard]] std::string keep();
    // The window's side of the run's end.
    void endRun();
    // Ends the run, as far as it is under way, once no walk is left.
    void settle();
    // Whether the walk goes on: false once it has ended, after showing
    // where it ended, or is to end.
    [[nodiscard]] bool walkGoesOn();
    // Takes what the walk counted; false when its root could not be opened.
    [[nodiscard]] bool takeWalk();
    // The caption's names of the targets up to the one being scanned.
    [[nodiscard]] std::string namesSoFar() const;
    [[nodiscard]] bool stalled(std::chrono::steady_clock::time_point now);
    [[nodiscard]] bool goOnAfterStall();
    void startWalk(BackgroundWalk::Root root, std::unique_ptr<DirectoryApi> directories);
    [[nodiscard]] std::string leftOutText() const;
    void showProgress(const BackgroundWalk::Progress& progress);
    [[nodiscard]] std::string finishedText() const;
    [[nodiscard]] TargetVolume volumeOf(const ScanTarget& target);
    [[nodiscard]] bool ready(TargetVolume& volume);
    [[nodiscard]] bool anyTargetReady();
    [[nodiscard]] double usedBytes();

    VolumeApi& volumes_;
    DirectoryFactory directories_;
    StatisticsCollector& collector_;
    ScanRunWindow& window_;
    NumberFormat numbers_;
    FolderVolumes folderVolumes_;
    SteadyClock clock_;
    std::vector<ScanTarget> chosenDrives_;
    // The target being scanned and its volume, and the next ready one.
    std::size_t current_ = 0;
    TargetVolume volume_;
    std::optional<std::size_t> next_;
    TargetVolume nextVolume_;
    // The pie animation as it was before the drive's walk.
    bool pieTurning_ = false;
    bool inTick_ = false;
    // The walk of the drive being scanned, and where it started.
    std::unique_ptr<BackgroundWalk> walk_;
    BackgroundWalk::Root walked_;
    std::vector<LeftOutFolder> leftOut_;
    // When the walk last showed a sign of life, and how many it had shown.
    std::chrono::steady_clock::time_point lastSign_;
    std::uint64_t signs_ = 0;
    bool abortRequested_ = false;
    bool running_ = false;
    ScanProgress progress_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point lastProgress_;
};

}  // namespace quarvo
