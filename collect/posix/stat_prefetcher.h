#pragma once
// Queries the files of listed directories from worker threads while the walk
// goes on below them, so that the kernel and the disk work while the walk
// counts; several workers share a listing, each taking the next entry. The
// walk hands over each listing before it descends and takes the answers, in
// listing order, when it comes back to count the files; what no worker has
// begun by then the walk queries itself. The workers take the newest listing
// first: the one the walk will need soonest.
//
// The workers run at most kBatchLimit entries ahead of the walk in a
// listing, so memory does not grow with the size of a directory. They use
// only descriptors that the walk holds until it takes the listing back, and
// they open nothing.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "collect/folder_entries.h"
#include "collect/posix/posix_directory_listing.h"

namespace quarvo {

class StatPrefetcher {
public:
    static constexpr std::size_t kBatchLimit = 1024;

    explicit StatPrefetcher(std::size_t workers);
    ~StatPrefetcher();
    StatPrefetcher(const StatPrefetcher&) = delete;
    StatPrefetcher& operator=(const StatPrefetcher&) = delete;

    // Starts querying the files of entries, listed from the directory open at
    // dirFd; both must stay valid until the listing is taken back.
    void hand(const FolderEntries& entries, int dirFd);
    // The facts of entry index, a file, of a listing handed over; calls for
    // one listing come in ascending order of index.
    [[nodiscard]] FileFacts take(const FolderEntries& entries, std::size_t index);
    // Takes a listing back; returns when no worker uses it any more.
    void takeBack(const FolderEntries& entries);

private:
    struct Batch;

    void work();
    [[nodiscard]] Batch* newestWithWork();
    [[nodiscard]] Batch* batchOf(const FolderEntries& entries);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::unique_ptr<Batch>> batches_;  // the newest last
    bool stopping_ = false;
    // Workers waiting for work; read without the lock only as a hint.
    std::atomic<std::size_t> idle_ = 0;
    std::vector<std::thread> workers_;
};

}  // namespace quarvo
