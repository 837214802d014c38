#include "collect/scan_run.h"

#include <algorithm>

#include "system/drive_space.h"
#include "text/ascii_case.h"
#include "text/number_text.h"

namespace quarvo {
namespace {

ScanRun::SteadyClock orSteadyClock(ScanRun::SteadyClock clock) {
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

ScanRun::ScanRun(VolumeApi& volumes, DirectoryFactory directories, StatisticsCollector& collector,
                 ScanRunWindow& window, NumberFormat numbers, FolderVolumes folderVolumes,
                 SteadyClock clock)
    : volumes_(volumes),
      directories_(std::move(directories)),
      collector_(collector),
      window_(window),
      numbers_(std::move(numbers)),
      folderVolumes_(std::move(folderVolumes)),
      clock_(orSteadyClock(std::move(clock))) {
}

ScanRun::~ScanRun() = default;

void ScanRun::run(std::vector<ScanTarget> targets, FileRule rule, bool confirm) {
    if (running_ || targets.empty()) return;
    // Raised through the confirmation too: nothing starts another run
    // while its box is open.
    running_ = true;
    AtScopeEnd settled([this] { settle(); });
    chosenDrives_ = std::move(targets);
    collector_.rule() = std::move(rule);
    if (!begin(confirm)) return;
    next_ = std::nullopt;
    current_ = 0;
    findNext();
    goOn();
    if (walk_) window_.startTicking();
}

// Targets named on the command line need no capacity, only to be there: a
// folder on a file system that reports none (/proc, a FUSE mount) has files
// all the same.
bool ScanRun::begin(bool confirm) {
    selectedCapacity = confirm ? computePickListTotal() : 0;
    if (confirm ? !(selectedCapacity > 0) : !anyTargetReady()) {
        window_.showErrorBox(
            "Could not compute the total size of the disk drives selected.  Cannot proceed "
            "with statistics.");
        return false;
    }
    abortRequested_ = false;
    leftOut_.clear();
    if (confirm) confirmRun();
    collector_.clearVariables();
    const bool oneDrive = chosenDrives_.size() == 1;
    window_.setOverhangPageEnabled(oneDrive);
    collector_.overhangEnabled = oneDrive;
    progress_ = ScanProgress{.usedBytes = usedBytes()};
    started_ = clock_();
    // The first tick shows how the run begins.
    lastProgress_ = started_ - kProgressInterval;
    return true;
}

void ScanRun::confirmRun() {
    if (chosenDrives_.size() == 1) {
        window_.showInfoBox("Disk Drive " + chosenDrives_.front().entry +
                            " will be scanned.  The analysis may take some time.  You may quit at "
                            "any time by clicking Abort or pressing ESC.");
        return;
    }
    window_.showInfoBox(
        "Since you selected more than one drive to analyze, the Cluster Overhang tab will be "
        "disabled.  You may quit the analysis at any time by clicking CANCEL or by pressing ESC.");
}

// A drive that is not ready is passed over, but still named in the caption
// of the drives after it. When the program is ending the run stops too, so
// that no message box of a later drive holds up its end.
void ScanRun::findNext() {
    std::size_t from = next_ ? *next_ + 1 : 0;
    next_ = std::nullopt;
    if (abortRequested() || window_.terminating()) return;
    for (; from < chosenDrives_.size(); ++from) {
        nextVolume_ = volumeOf(chosenDrives_[from]);
        if (ready(nextVolume_)) {
            next_ = from;
            return;
        }
    }
}

void ScanRun::goOn() {
    while (next_) {
        current_ = *next_;
        volume_ = std::move(nextVolume_);
        if (startDrive()) return;
        endDrive(false);
    }
    endRun();
}

std::string ScanRun::namesSoFar() const {
    std::string names;
    for (std::size_t i = 0; i <= current_ && i < chosenDrives_.size(); ++i) {
        const ScanTarget& target = chosenDrives_[i];
        names += target.folder ? target.entry + " " : asciiUpper(target.entry.substr(0, 1)) + ": ";
    }
    return names;
}

// The window is locked and the pies held still while the drive is walked.
bool ScanRun::startDrive() {
    const ScanTarget& target = chosenDrives_[current_];
    collector_.currentDrive = target.entry;
    collector_.computeClusterSize(*volume_.api, std::string(1, volume_.letter) + ":");
    scanning = true;
    window_.showScanCover();
    pieTurning_ = window_.pieTimerEnabled();
    window_.setPieTimerEnabled(false);
    window_.setStatusText({});
    window_.disenable(false);
    window_.setBusyCursor(true);
    const std::string root = driveRoot(volume_.letter);
    const std::string folder = target.folder ? target.entry : volume_.api->rootFolder(root);
    if (folder.empty()) return false;
    std::unique_ptr<DirectoryApi> directories = directories_();
    walked_ = target.folder ? BackgroundWalk::Root{folder, folder, directories->separator()}
                            : BackgroundWalk::Root{folder, root, '\\'};
    startWalk(walked_, std::move(directories));
    return true;
}

void ScanRun::tick() {
    if (!walk_ || inTick_) return;
    inTick_ = true;
    AtScopeEnd settled([this] {
        inTick_ = false;
        settle();
    });
    if (walkGoesOn()) return;
    endDrive(takeWalk());
    goOn();
}

// Whatever a page builder throws, the run is over once no walk is left.
void ScanRun::settle() {
    if (walk_ || !running_) return;
    running_ = false;
    window_.stopTicking();
}

void ScanRun::tickUntilOver(const std::function<void()>& wait) {
    while (running_) {
        tick();
        if (running_) wait();
    }
}

// The window gets its controls and pies back even when a page builder
// throws. The next target is found before the pages are built, so that a
// run that has come to its end is kept before they are built the last time.
void ScanRun::endDrive(bool opened) {
    const ScanTarget& target = chosenDrives_[current_];
    // Set before the run is kept: keeping it looks for the runs before it
    // of the targets scanned, also after the program has started again.
    statisticsCollected = true;
    {
        AtScopeEnd giveBack([this] {
            window_.setBusyCursor(false);
            window_.disenable(true);
            window_.setPieTimerEnabled(pieTurning_);
            scanning = false;
        });
        if (!opened) {
            window_.showErrorBox((target.folder ? "Can't open folder " : "Can't open drive ") +
                                 target.entry);
        }
        findNext();
        const std::string kept = next_ ? std::string() : keep();
        window_.rebuildPages(chosenDrives_.size() == 1);
        window_.setStatusText(finishedText() + kept);
    }
    if (abortRequested()) {
        next_ = std::nullopt;
        window_.setCaption("File Statistics for drive(s) incomplete ... aborted.");
        return;
    }
    window_.setCaption("Statistics completed for drives " + namesSoFar());
}

std::string ScanRun::keep() {
    if (!keepRun || abortRequested() || window_.terminating()) return {};
    return keepRun();
}

void ScanRun::endRun() {
    window_.endProgress();
    window_.setCoverVisible(!statisticsCollected);
}

bool ScanRun::takeWalk() {
    walk_->finishInto(collector_, leftOut_);
    const bool failed = walk_->ended() && !walk_->rootOpened();
    walk_.reset();
    return !failed;
}

void ScanRun::startWalk(BackgroundWalk::Root root, std::unique_ptr<DirectoryApi> directories) {
    walk_ = std::make_unique<BackgroundWalk>(std::move(directories), collector_, std::move(root),
                                             [this] { window_.wake(); });
    lastSign_ = clock_();
    signs_ = walk_->signsOfLife();
}

// The program ending stops the walk as an abort does, but the reports read
// as complete.
bool ScanRun::walkGoesOn() {
    if (abortRequested_ || window_.terminating()) return false;
    const auto now = clock_();
    if (stalled(now) && !goOnAfterStall()) return false;
    const bool ended = walk_->ended();
    if (ended || now - lastProgress_ >= kProgressInterval) {
        lastProgress_ = now;
        showProgress(walk_->progress());
    }
    return !ended;
}

// The counts are those of the whole run so far.
std::string ScanRun::finishedText() const {
    const Tallies& t = collector_.tallies();
    std::string text =
        "Finished - " + intToThousands(t.filesProcessed, numbers_) + " files processed";
    if (t.filesSelected != t.filesProcessed)
        text += " " + intToThousands(t.filesSelected, numbers_) + " files found";
    if (abortRequested()) text += " INCOMPLETE ... ABORTED";
    return text + leftOutText();
}

// How many folders were left out, and why: " - 2 folders left out (timed out)".
std::string ScanRun::leftOutText() const {
    if (leftOut_.empty()) return {};
    std::vector<std::string> reasons;
    for (const LeftOutFolder& folder : leftOut_) {
        if (std::find(reasons.begin(), reasons.end(), folder.reason) == reasons.end())
            reasons.push_back(folder.reason);
    }
    std::string text = " - " +
                       intToThousands(static_cast<std::int64_t>(leftOut_.size()), numbers_) +
                       (leftOut_.size() == 1 ? " folder" : " folders") + " left out (";
    for (std::size_t i = 0; i < reasons.size(); ++i) text += (i > 0 ? ", " : "") + reasons[i];
    return text + ")";
}

long double ScanRun::computePickListTotal() {
    long double total = 0;
    for (const ScanTarget& target : chosenDrives_) {
        TargetVolume volume = volumeOf(target);
        if (ready(volume)) total += driveSpace(*volume.api, driveRoot(volume.letter)).totalBytes;
    }
    return total;
}

bool ScanRun::anyTargetReady() {
    for (const ScanTarget& target : chosenDrives_) {
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
    for (const ScanTarget& target : chosenDrives_) {
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

bool ScanRun::stalled(std::chrono::steady_clock::time_point now) {
    const std::uint64_t signs = walk_->signsOfLife();
    if (signs != signs_ || walk_->ended()) {
        signs_ = signs;
        lastSign_ = now;
        return false;
    }
    return now - lastSign_ >= stallTimeout;
}

// The stalled walk keeps what it counted and is left to return on its own;
// a new one goes on after the folder it waits in, which is left out, and
// enters none of the folders the stalled one entered. False when that folder
// is the root: nothing is left to walk.
bool ScanRun::goOnAfterStall() {
    std::vector<std::string> route = walk_->route();
    walk_->finishInto(collector_, leftOut_);
    std::string path = walked_.text;
    for (const std::string& name : route) {
        if (!path.empty() && path.back() != walked_.separator) path += walked_.separator;
        path += name;
    }
    leftOut_.push_back({path, kTimedOut});
    if (route.empty()) return false;
    BackgroundWalk::Root rest = walked_;
    rest.resumeAfter = std::move(route);
    rest.enteredBefore = walk_->entered();
    std::unique_ptr<DirectoryApi> directories = directories_();
    directories->readAlone();
    startWalk(std::move(rest), std::move(directories));
    return true;
}

bool ScanRun::requestStop() {
    if (!scanning) return false;
    abortRequested_ = true;
    window_.wake();
    return true;
}

void ScanRun::showProgress(const BackgroundWalk::Progress& progress) {
    if (!progress.statusText.empty()) window_.setWalkStatusText(progress.statusText);
    progress_.bytesSeen = progress.bytes;
    progress_.files = progress.files;
    progress_.elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(lastProgress_ - started_);
    window_.showProgress(progress_);
}

}  // namespace quarvo
