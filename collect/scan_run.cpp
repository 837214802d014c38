#include "collect/scan_run.h"

#include "system/drive_space.h"
#include "text/ascii_case.h"
#include "text/number_text.h"

namespace quarvo {
namespace {

DirectoryWalk::SteadyClock orSteadyClock(DirectoryWalk::SteadyClock clock) {
    if (clock) return clock;
    return [] { return std::chrono::steady_clock::now(); };
}

// Runs a function when it goes out of scope, so that a page builder that
// throws leaves no window locked and no flag raised.
template <typename F>
class AtScopeEnd {
public:
    explicit AtScopeEnd(F f) : f_(std::move(f)) {}
    ~AtScopeEnd() { f_(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    F f_;
};

}  // namespace

ScanRun::ScanRun(VolumeApi& volumes, DirectoryApi& directories, StatisticsCollector& collector,
                 ScanRunWindow& window, NumberFormat numbers, FolderVolumes folderVolumes,
                 DirectoryWalk::SteadyClock clock)
    : volumes_(volumes),
      collector_(collector),
      window_(window),
      numbers_(std::move(numbers)),
      folderVolumes_(std::move(folderVolumes)),
      clock_(orSteadyClock(std::move(clock))),
      walk_(directories, collector,
            {.processEvents = [this] { eventsDuringWalk(); },
             .terminating = [this] { return window_.terminating(); },
             .showError = [this](const std::string& text) { window_.showErrorBox(text); },
             .clock = clock_}) {
    collector_.setStatusSink(
        [this](const std::string& text) { window_.setWalkStatusText(text); });
}

void ScanRun::run(bool confirm) {
    if (running_ || chosenDrives.empty()) return;
    running_ = true;
    AtScopeEnd done([this] { running_ = false; });
    runTargets(confirm);
}

// Targets named on the command line need no capacity, only to be there: a
// folder on a file system that reports none (/proc, a FUSE mount) has files
// all the same.
void ScanRun::runTargets(bool confirm) {
    selectedCapacity = computePickListTotal();
    if (confirm ? !(selectedCapacity > 0) : !anyTargetReady()) {
        window_.showErrorBox(
            "Could not compute the total size of the disk drives selected.  Cannot proceed "
            "with statistics.");
        return;
    }
    walk_.setAbortRequested(false);
    if (confirm) confirmRun();
    collector_.clearVariables();
    const bool oneDrive = chosenDrives.size() == 1;
    window_.setOverhangPageEnabled(oneDrive);
    collector_.overhangEnabled = oneDrive;
    progress_ = ScanProgress{.usedBytes = usedBytes()};
    started_ = lastProgress_ = clock_();
    driveLoop();
    window_.endProgress();
    window_.setCoverVisible(!statisticsCollected);
}

void ScanRun::confirmRun() {
    if (chosenDrives.size() == 1) {
        window_.showInfoBox("Disk Drive " + chosenDrives.front().entry +
                         " will be scanned.  The analysis may take some time.  You may quit at "
                         "any time by clicking Abort or pressing ESC.");
        return;
    }
    window_.showInfoBox(
        "Since you selected more than one drive to analyze, the Cluster Overhang tab will be "
        "disabled.  You may quit the analysis at any time by clicking CANCEL or by pressing ESC.");
}

// A drive that is not ready is passed over, but still named in the caption
// of the drives after it. When the program is ending the loop stops too, so
// that no message box of a later drive holds up its end.
void ScanRun::driveLoop() {
    std::string names;
    const std::vector<ScanTarget> targets = chosenDrives;
    for (const ScanTarget& target : targets) {
        if (abortRequested() || window_.terminating()) break;
        collector_.currentDrive = target.entry;
        names += target.folder ? target.entry + " " : asciiUpper(target.entry.substr(0, 1)) + ": ";
        TargetVolume volume = volumeOf(target);
        if (!ready(volume)) continue;
        scanTarget(target, volume);
        if (abortRequested()) {
            window_.setCaption("File Statistics for drive(s) incomplete ... aborted.");
            break;
        }
        window_.setCaption("Statistics completed for drives " + names);
    }
}

void ScanRun::scanTarget(const ScanTarget& target, TargetVolume& volume) {
    collector_.computeClusterSize(*volume.api, std::string(1, volume.letter) + ":");
    scanning = true;
    window_.showScanCover();
    const bool pieTurning = window_.pieTimerEnabled();
    window_.setPieTimerEnabled(false);
    {
        AtScopeEnd giveBack([&] {
            window_.setPieTimerEnabled(pieTurning);
            scanning = false;
        });
        scan(target, volume);
    }
    statisticsCollected = true;
}

void ScanRun::scan(const ScanTarget& target, TargetVolume& volume) {
    window_.setStatusText({});
    window_.disenable(false);
    window_.setBusyCursor(true);
    AtScopeEnd unlock([this] {
        window_.setBusyCursor(false);
        window_.disenable(true);
    });
    walkTarget(target, *volume.api);
    window_.rebuildPages(chosenDrives.size() == 1);
    window_.setStatusText(finishedText());
}

void ScanRun::walkTarget(const ScanTarget& target, VolumeApi& volumes) {
    if (!target.folder) {
        walk_.ScanAllDrives(volumes);
    } else if (!walk_.scanFolder(target.entry)) {
        window_.showErrorBox("Can't open folder " + target.entry);
    }
}

// The counts are those of the whole run so far.
std::string ScanRun::finishedText() const {
    const Tallies& t = collector_.tallies();
    std::string text = "Finished - " + intToThousands(t.filesProcessed, numbers_) +
                       " files processed";
    if (t.filesSelected != t.filesProcessed)
        text += " " + intToThousands(t.filesSelected, numbers_) + " files found";
    if (abortRequested()) text += " INCOMPLETE ... ABORTED";
    return text;
}

long double ScanRun::computePickListTotal() {
    long double total = 0;
    for (const ScanTarget& target : chosenDrives) {
        TargetVolume volume = volumeOf(target);
        if (ready(volume)) total += driveSpace(*volume.api, driveRoot(volume.letter)).totalBytes;
    }
    return total;
}

bool ScanRun::anyTargetReady() {
    for (const ScanTarget& target : chosenDrives) {
        TargetVolume volume = volumeOf(target);
        if (ready(volume)) return true;
    }
    return false;
}

// A folder's volume holds far more than the folder, and what the folder
// holds is not known before it is walked: with a folder among the targets
// the used space counts as unknown.
double ScanRun::usedBytes() {
    double used = 0;
    for (const ScanTarget& target : chosenDrives) {
        if (target.folder) return 0;
        TargetVolume volume = volumeOf(target);
        if (!ready(volume)) continue;
        const DriveSize size = driveSpace(*volume.api, driveRoot(volume.letter));
        used += size.totalBytes - size.freeBytes;
    }
    return used;
}

ScanRun::TargetVolume ScanRun::volumeOf(const ScanTarget& target) {
    TargetVolume volume;
    if (!target.folder) {
        volume.api = &volumes_;
        volume.letter = target.entry.empty() ? 0 : target.entry[0];
    } else if (folderVolumes_) {
        volume.owned = folderVolumes_(target.entry);
        volume.api = volume.owned.get();
        volume.letter = kFolderLetter;
    }
    return volume;
}

bool ScanRun::ready(TargetVolume& volume) {
    return volume.api != nullptr && volume.letter != 0 && driveReady(*volume.api, volume.letter);
}

bool ScanRun::requestStop() {
    if (!scanning) return false;
    walk_.setAbortRequested(true);
    return true;
}

// The progress display is brought up to date far less often than events are
// processed; neither happens per file.
void ScanRun::eventsDuringWalk() {
    const auto now = clock_();
    if (now - lastProgress_ >= kProgressInterval) {
        lastProgress_ = now;
        const Tallies& t = collector_.tallies();
        progress_.bytesSeen = t.bytesProcessed;
        progress_.files = t.filesProcessed;
        progress_.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - started_);
        window_.showProgress(progress_);
    }
    window_.processEvents();
}

}  // namespace quarvo
