#include "collect/directory_walk.h"

namespace quarvo {

DirectoryWalk::DirectoryWalk(DirectoryApi& directories, StatisticsCollector& collector,
                             std::mutex* countLock)
    : directories_(directories), collector_(collector), countLock_(countLock) {
}

bool DirectoryWalk::scanFolder(const std::string& folder) {
    return walk(folder, folder, directories_.separator());
}

bool DirectoryWalk::walk(const std::string& folder, const std::string& rootText, char separator) {
    sign();
    const bool opened = !folder.empty() && directories_.openRoot(folder);
    sign();
    if (!opened) return false;
    dirText_ = rootText;
    separator_ = separator;
    positionDepth_ = 0;
    route_.clear();
    leftOut_.clear();
    scan_dir(0);
    // Freed on the thread that allocated them, rather than where the walk is
    // destroyed.
    listings_.clear();
    directories_.close();
    return true;
}

// Walks the directory at the position, which is depth levels below the root.
void DirectoryWalk::scan_dir(std::size_t depth) {
    if (stopRequested()) return;
    FolderEntries& entries = listingAt(depth);
    sign();
    const bool listed = directories_.list(entries);
    sign();
    if (!listed) {
        if (depth > 0) leaveOut(dirText_);
        return;
    }
    descend(entries, depth);
    if (positionDepth_ == depth) scanfiles(entries);
    if (entries.size() > kKeptEntries) entries = FolderEntries();
}

// The listings of sibling folders take turns in the memory of one. A large
// one is let go of once walked, so what stays held is small.
FolderEntries& DirectoryWalk::listingAt(std::size_t depth) {
    while (listings_.size() <= depth) listings_.push_back(std::make_unique<FolderEntries>());
    return *listings_[depth];
}

// Walks the visible subdirectories in listing order. Stops early when the
// way back from one of them led above this directory: what is left of it can
// no longer be reached.
void DirectoryWalk::descend(const FolderEntries& entries, std::size_t depth) {
    for (std::size_t i = resumeFrom(entries, depth); i < entries.size(); ++i) {
        if (stopRequested()) return;
        if (!entries.isDirectory(i) || (entries.attributes(i) & kLeftOutOfDescent) != 0) continue;
        const std::string name(entries.name(i));
        if (!enterChild(name)) continue;
        positionDepth_ = depth + 1;
        const std::size_t parentLength = dirText_.size();
        if (!dirText_.empty() && dirText_.back() != separator_) dirText_ += separator_;
        dirText_ += name;
        scan_dir(depth + 1);
        dirText_.resize(parentLength);
        leaveChild();
        // Deeper folders that were passed over have already moved the position up.
        if (positionDepth_ == depth + 1) positionDepth_ -= directories_.leave();
        sign();
        if (positionDepth_ != depth) return;
    }
}

// Where the subfolders of a listing are taken up when a walk goes on after
// a folder left out: at the next folder of the route, or after the last.
// A route that no longer matches the listing is given up.
std::size_t DirectoryWalk::resumeFrom(const FolderEntries& entries, std::size_t depth) {
    if (depth >= resume_.size()) return 0;
    const std::string next = resume_[depth];
    const bool last = depth + 1 == resume_.size();
    if (last) resume_.clear();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries.isDirectory(i) && entries.name(i) == next) return last ? i + 1 : i;
    }
    resume_.clear();
    return 0;
}

// The route names the folder before it is entered: entering may be what
// stalls.
bool DirectoryWalk::enterChild(const std::string& name) {
    {
        const auto lock = lockCounts();
        route_.push_back(name);
    }
    sign();
    const bool entered = directories_.enter(name);
    sign();
    if (entered) return true;
    leaveChild();
    std::string path = dirText_;
    if (!path.empty() && path.back() != separator_) path += separator_;
    leaveOut(path + name);
    return false;
}

// A folder refused for a reason the user is told of; one reached again by
// another way is counted there and not named.
void DirectoryWalk::leaveOut(const std::string& path) {
    std::string reason = directories_.refusal();
    if (reason.empty()) return;
    const auto lock = lockCounts();
    leftOut_.push_back({path, std::move(reason)});
}

// Past the first folder walked, a route to go on after has served.
void DirectoryWalk::leaveChild() {
    const auto lock = lockCounts();
    route_.pop_back();
    resume_.clear();
}

std::unique_lock<std::mutex> DirectoryWalk::lockCounts() {
    if (countLock_ == nullptr) return {};
    return std::unique_lock(*countLock_);
}

// Always hands the entries over, even when stopped, so that the directory
// services can let go of what they hold for the listing.
void DirectoryWalk::scanfiles(const FolderEntries& entries) {
    directories_.describe(entries, [this](const DirEntry& entry) { return countFile(entry); });
}

// Counts one entry of the file pass; false when the walk is to stop.
bool DirectoryWalk::countFile(const DirEntry& entry) {
    sign();
    const auto lock = lockCounts();
    if (stopRequested()) return false;
    if ((entry.attributes & kAttrDirectory) == 0) {
        collector_.crunchNumbers(dirText_, entry);
        collector_.tallies().filesProcessed += 1;
    }
    return true;
}

}  // namespace quarvo
