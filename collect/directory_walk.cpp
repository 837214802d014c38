#include "collect/directory_walk.h"

#include "system/drive_space.h"

namespace quarvo {
namespace {

constexpr std::uint32_t kLeftOutOfDescent = kAttrHidden | kAttrSystem | kAttrVolumeLabel;

}  // namespace

DirectoryWalk::DirectoryWalk(DirectoryApi& directories, StatisticsCollector& collector, Hooks hooks)
    : directories_(directories), collector_(collector), hooks_(std::move(hooks)) {
    if (!hooks_.clock) hooks_.clock = [] { return std::chrono::steady_clock::now(); };
}

void DirectoryWalk::ScanAllDrives(VolumeApi& volumes) {
    const std::string& drive = collector_.currentDrive;
    if (drive.empty() || !driveReady(volumes, drive[0])) return;
    const std::string root = driveRoot(drive[0]);
    if (!walkRoot(volumes.rootFolder(root), root, '\\') && hooks_.showError) {
        hooks_.showError("Can't open drive " + drive);
    }
}

bool DirectoryWalk::scanFolder(const std::string& folder) {
    return walkRoot(folder, folder, directories_.separator());
}

bool DirectoryWalk::walkRoot(const std::string& folder, const std::string& rootText,
                             char separator) {
    if (folder.empty() || !directories_.openRoot(folder)) return false;
    dirText_ = rootText;
    separator_ = separator;
    positionDepth_ = 0;
    lastEvents_ = hooks_.clock();
    scan_dir(0);
    directories_.close();
    return true;
}

// Walks the directory at the position, which is depth levels below the root.
void DirectoryWalk::scan_dir(std::size_t depth) {
    if (abortRequested_) return;
    FolderEntries entries;
    if (!directories_.list(entries)) return;
    descend(entries, depth);
    if (positionDepth_ == depth) scanfiles(entries);
}

// Walks the visible subdirectories in listing order. Stops early when the
// way back from one of them led above this directory: what is left of it can
// no longer be reached.
void DirectoryWalk::descend(const FolderEntries& entries, std::size_t depth) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!mayGoOn()) return;
        if (!entries.isDirectory(i) || (entries.attributes(i) & kLeftOutOfDescent) != 0) continue;
        const std::string name(entries.name(i));
        if (!directories_.enter(name)) continue;
        positionDepth_ = depth + 1;
        const std::size_t parentLength = dirText_.size();
        if (!dirText_.empty() && dirText_.back() != separator_) dirText_ += separator_;
        dirText_ += name;
        scan_dir(depth + 1);
        dirText_.resize(parentLength);
        // Deeper folders that were passed over have already moved the position up.
        if (positionDepth_ == depth + 1) positionDepth_ -= directories_.leave();
        if (positionDepth_ != depth) return;
    }
}

// Always hands the entries over, even when stopped, so that the directory
// services can let go of what they hold for the listing.
void DirectoryWalk::scanfiles(const FolderEntries& entries) {
    bool first = true;
    directories_.describe(entries, [&](const DirEntry& entry) { return countFile(entry, first); });
}

// Counts one entry of the file pass; false when the walk is to stop.
bool DirectoryWalk::countFile(const DirEntry& entry, bool& first) {
    if (!mayGoOn()) return false;
    if ((entry.attributes & kAttrDirectory) == 0) {
        collector_.crunchNumbers(dirText_, entry);
        collector_.tallies().filesProcessed += 1;
    }
    if (!first) processEventsNow();
    first = false;
    return true;
}

bool DirectoryWalk::mayGoOn() const {
    return !abortRequested_ && !(hooks_.terminating && hooks_.terminating());
}

// Processing events costs far more than counting a file; doing it at most
// every few milliseconds keeps the window just as responsive.
void DirectoryWalk::processEventsNow() {
    if (!hooks_.processEvents) return;
    const auto now = hooks_.clock();
    if (now - lastEvents_ < kEventInterval) return;
    lastEvents_ = now;
    hooks_.processEvents();
}

}  // namespace quarvo
