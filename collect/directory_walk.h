#pragma once
// The walk of one drive's directory tree: depth-first in listing order,
// leaving out hidden and system directories, handing every file to the
// collector; the files of a directory are counted after everything below it.
// Each directory is listed once. When the tree changes under the walk, only
// what can no longer be reached is passed over.
// A walk runs on a thread of its own; a stop request may come from any
// other thread and ends it before the next file.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "collect/directory_api.h"
#include "collect/statistics_collector.h"

namespace quarvo {

// A folder that a walk did not count, and why.
struct LeftOutFolder {
    std::string path;
    std::string reason;  // such as "no permission" or "timed out"

    bool operator==(const LeftOutFolder&) const = default;
};

class DirectoryWalk {
public:
    // countLock, when given, is held while each file is counted, so that
    // another thread may read the tallies, or stop the walk and keep what it
    // counted, at any time.
    DirectoryWalk(DirectoryApi& directories, StatisticsCollector& collector,
                  std::mutex* countLock = nullptr);

    // Safe from any thread; the walk ends before the next file. Under the
    // count lock, no file is counted after it.
    void requestStop() { stopRequested_.store(true, std::memory_order_relaxed); }
    [[nodiscard]] bool stopRequested() const {
        return stopRequested_.load(std::memory_order_relaxed);
    }

    // Grows with every step of the walk: a count that stands still means the
    // walk waits in a system call. Safe from any thread.
    [[nodiscard]] std::uint64_t signsOfLife() const {
        return signsOfLife_.load(std::memory_order_relaxed);
    }
    // The names from the root down to the folder being entered, listed or
    // counted; read under the count lock.
    [[nodiscard]] const std::vector<std::string>& route() const { return route_; }
    // Makes the next walk go on after the folder at the end of route, which
    // is left out: the folders before it on each level were walked already,
    // and the files of the folders on the route not yet counted.
    void resumeAfter(std::vector<std::string> route) { resume_ = std::move(route); }
    // The folders below the root that could not be entered or read, in the
    // order met; read under the count lock.
    [[nodiscard]] const std::vector<LeftOutFolder>& leftOut() const { return leftOut_; }

    // Walks the folder at a platform path as the root of a drive, the
    // directory texts beginning with rootText and going on with separator.
    // False when the folder can't be opened.
    [[nodiscard]] bool walk(const std::string& folder, const std::string& rootText, char separator);
    // A folder walked as if it were the root of a drive, named by its path.
    [[nodiscard]] bool scanFolder(const std::string& folder);

private:
    void scan_dir(std::size_t depth);
    [[nodiscard]] FolderEntries& listingAt(std::size_t depth);
    void descend(const FolderEntries& entries, std::size_t depth);
    [[nodiscard]] std::size_t resumeFrom(const FolderEntries& entries, std::size_t depth);
    [[nodiscard]] bool enterChild(const std::string& name);
    void leaveChild();
    void sign() { signsOfLife_.fetch_add(1, std::memory_order_relaxed); }
    [[nodiscard]] std::unique_lock<std::mutex> lockCounts();
    void leaveOut(const std::string& path);
    void scanfiles(const FolderEntries& entries);
    [[nodiscard]] bool countFile(const DirEntry& entry);

    DirectoryApi& directories_;
    StatisticsCollector& collector_;
    std::mutex* countLock_;
    std::atomic<bool> stopRequested_ = false;
    std::atomic<std::uint64_t> signsOfLife_ = 0;
    std::vector<std::string> route_;
    std::vector<std::string> resume_;
    std::vector<LeftOutFolder> leftOut_;
    // How deep the position is; less than the walk's own depth while it
    // unwinds from folders that can no longer be reached.
    std::size_t positionDepth_ = 0;
    // The directory text: the path of the directory being walked, grown on
    // the way down and cut back on the way up.
    std::string dirText_;
    char separator_ = '\\';
    // One listing per level below the root, reused from folder to folder;
    // they stay where they are while the directory services read them.
    static constexpr std::size_t kKeptEntries = 4096;
    std::vector<std::unique_ptr<FolderEntries>> listings_;
};

}  // namespace quarvo
