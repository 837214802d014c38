#include "collect/directory_walk.h"

namespace quarvo {
namespace {

constexpr std::uint32_t kLeftOutOfDescent = kAttrHidden | kAttrSystem | kAttrVolumeLabel;

}  // namespace

DirectoryWalk::DirectoryWalk(DirectoryApi& directories, StatisticsCollector& collector,
                             std::mutex* countLock)
    : directories_(directories), collector_(collector), countLock_(countLock) {
}

bool DirectoryWalk::scanFolder(const std::string& folder) {
    return walk(folder, folder, directories_.separator());
}

bool DirectoryWalk::walk(const std::string& folder, const std::string& rootText, char separator) {
    if (folder.empty() || !directories_.openRoot(folder)) return false;
    dirText_ = rootText;
    separator_ = separator;
    positionDepth_ = 0;
    scan_dir(0);
    directories_.close();
    return true;
}

// Walks the directory at the position, which is depth levels below the root.
void DirectoryWalk::scan_dir(std::size_t depth) {
    if (stopRequested()) return;
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
        if (stopRequested()) return;
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
    directories_.describe(entries, [this](const DirEntry& entry) { return countFile(entry); });
}

// Counts one entry of the file pass; false when the walk is to stop.
bool DirectoryWalk::countFile(const DirEntry& entry) {
    std::unique_lock<std::mutex> lock;
    if (countLock_ != nullptr) lock = std::unique_lock(*countLock_);
    if (stopRequested()) return false;
    if ((entry.attributes & kAttrDirectory) == 0) {
        collector_.crunchNumbers(dirText_, entry);
        collector_.tallies().filesProcessed += 1;
    }
    return true;
}

}  // namespace quarvo
