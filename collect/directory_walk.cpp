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
    lost_ = false;
    lastEvents_ = hooks_.clock();
    scan_dir();
    directories_.close();
    return true;
}

void DirectoryWalk::scan_dir() {
    if (abortRequested_) return;
    for (const std::string& name : visibleSubdirectories()) {
        if (!mayGoOn()) break;
        if (!directories_.enter(name)) continue;
        const std::size_t parentLength = dirText_.size();
        if (!dirText_.empty() && dirText_.back() != separator_) dirText_ += separator_;
        dirText_ += name;
        scan_dir();
        dirText_.resize(parentLength);
        if (!directories_.leave()) lost_ = true;
    }
    scanfiles();
}

// The subdirectories to descend into, in listing order. The listing is read
// whole and let go before descending, so depth costs no open listings.
std::vector<std::string> DirectoryWalk::visibleSubdirectories() {
    std::vector<std::string> names;
    const auto listing = directories_.list(ListingScope::subdirectories);
    if (!listing) return names;
    DirEntry entry;
    while (mayGoOn() && listing->next(entry)) {
        if ((entry.attributes & kLeftOutOfDescent) != 0) continue;
        if ((entry.attributes & kAttrDirectory) != 0) names.push_back(entry.name);
    }
    return names;
}

void DirectoryWalk::scanfiles() {
    if (abortRequested_ || lost_) return;
    const auto listing = directories_.list(ListingScope::everything);
    if (!listing) return;
    DirEntry entry;
    bool first = true;
    while (mayGoOn() && listing->next(entry)) {
        if ((entry.attributes & kAttrDirectory) == 0) {
            collector_.crunchNumbers(dirText_, entry);
            collector_.tallies().filesProcessed += 1;
        }
        if (!first) processEventsNow();
        first = false;
    }
}

bool DirectoryWalk::mayGoOn() const {
    return !abortRequested_ && !lost_ && !(hooks_.terminating && hooks_.terminating());
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
