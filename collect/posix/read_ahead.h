#pragma once
// Reads ahead of the walk from worker threads, so that the kernel and the
// disk work while the walk counts. The walk hands over each listing before it
// descends, and the workers do two things with it:
// - they query its files, several workers sharing a listing, each taking the
//   next entry; the walk takes the answers in listing order when it comes
//   back to count the files, and queries itself what no worker has begun;
// - they list its visible subfolders that the walk has not reached yet, the
//   furthest first, each opened by name relative to the listing's folder, and
//   query their files; then, depth-first, the subfolders below each, in the
//   order the walk will enter them. Such a listing keeps its folder open,
//   and the walk takes it, descriptor and all, when it enters the subfolder,
//   instead of opening the folder again. The walk lists the folder itself
//   when it is not ready yet or when a worker gave up on it.
// The workers take the newest listing first: the one the walk will need
// soonest. Listing whole subtrees far from the walk keeps a worker busy on
// its own, so that it seldom waits to be woken and seldom meets the walk on
// one folder; the walk lists what the workers have not reached, which shares
// the work out whatever the speed of either.
//
// Workers past the steady ones are held in reserve: they read only while the
// tree keeps the others waiting on the disk (DiskPace). On a tree in the
// page cache, threads beyond the cores would only take turns on them.
//
// The walk gives each listing back once it has left the folder: a worker
// closes the folder and reuses the listing's memory, and the walk closes
// what still waits when it ends. Freeing on the thread that allocated, here
// and in the kernel's reading of a folder, spares both threads waiting on
// each other's allocator.
//
// Memory stays flat: the workers run at most kBatchLimit entries ahead of
// the walk in a listing, at most kFoldersAhead subfolders ahead, and keep at
// most about kListedBytes of listings not yet taken; a subfolder of more than
// kBatchLimit entries is left to the walk, and so are the folders below one
// past that many entries listed together. Each worker holds at most two
// descriptors that no listing keeps, a folder it lists and, for a moment, the
// next one down, and stops when it can't open one; it uses the listings'
// descriptors only until the walk takes the listing back. The listings
// waiting for the walk, and the folders given back to be closed, keep at
// most about kKeptDescriptors folders open, and never more than an eighth of
// what the process may open: past that, a listing comes without its
// descriptor, and the walk opens the folder and takes the listing only if it
// is the same directory (device and inode); below a listing without its
// descriptor, only the first subfolder is listed.

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

#include "collect/dos_time_converter.h"
#include "collect/folder_entries.h"
#include "collect/posix/disk_pace.h"
#include "collect/posix/posix_directory_listing.h"
#include "collect/posix/unique_fd.h"

namespace quarvo {

class ReadAhead {
public:
    static constexpr std::size_t kBatchLimit = 1024;
    static constexpr std::size_t kFoldersAhead = 64;
    static constexpr std::size_t kListedBytes = std::size_t{4} << 20;
    static constexpr std::size_t kKeptDescriptors = 256;
    static constexpr std::size_t kSpareListings = 256;
    static constexpr std::size_t kWakeEvery = 8;

    // A subfolder listed ahead, with the facts of its files (directories
    // among them have none).
    struct Listed {
        dev_t device = 0;
        ino_t inode = 0;
        FolderEntries entries;
        std::vector<FileFacts> facts;
        // The folder, open, when the listing kept it.
        UniqueFd fd;
        // Its first visible subfolders, as many as were listed ahead too,
        // in listing order.
        std::vector<std::unique_ptr<Listed>> folders;
    };
    using Subfolders = std::vector<std::unique_ptr<Listed>>;

    // workers read from the start; reserves join while a piece of their work
    // takes longer than slowPerEntry an entry, as DiskPace judges.
    explicit ReadAhead(std::size_t workers, std::size_t reserves = 0,
                       std::chrono::nanoseconds slowPerEntry = DiskPace::kSlowPerEntry);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // Starts reading ahead in entries, listed from the directory open at
    // dirFd: its files when queryFiles, its visible subfolders after the
    // first and after those listed already, which come along as
    // listedFolders. Both must stay valid until the listing is taken back.
    void hand(const FolderEntries& entries, int dirFd, bool queryFiles, Subfolders& listedFolders);
    // Whether hand would find anything to do.
    [[nodiscard]] static bool worthHanding(const FolderEntries& entries, bool queryFiles,
                                           const Subfolders& listedFolders);
    // The facts of entry index, a file, of a listing handed over to have its
    // files queried; calls for one listing come in ascending order of index.
    // What the walk queries itself meanwhile, it converts with times.
    [[nodiscard]] FileFacts take(const FolderEntries& entries, std::size_t index,
                                 DosTimeConverter& times);
    // The listing of the subfolder of that name of a listing handed over,
    // when it was listed ahead; null when the walk is to list it itself.
    // Subfolders are entered in listing order.
    [[nodiscard]] std::unique_ptr<Listed> takeFolder(const FolderEntries& entries,
                                                     std::string_view name);
    // Takes a listing back; returns when no worker uses it any more.
    void takeBack(const FolderEntries& entries);
    // Gives back a listing taken with takeFolder once the walk is done with
    // it, with the descriptor of its folder, and the subfolders listed with
    // it that the walk did not take: the workers close them and reuse the
    // listings.
    void giveBack(std::unique_ptr<Listed> listed);
    // Closes the folders given back that still wait for a worker: a walk
    // that ends leaves nothing open.
    void closeGivenBack();

private:
    struct Batch;
    struct Subfolder;

    void work(bool reserve);
    [[nodiscard]] Batch* newestWithWork();
    [[nodiscard]] Batch* batchOf(const FolderEntries& entries);
    [[nodiscard]] bool listNextFolder(Batch& batch, DosTimeConverter& times, std::size_t& entries);
    [[nodiscard]] bool claim(Subfolder& folder);
    void release(Subfolder& folder);
    void drop(Subfolder& folder);
    void holdListed(Subfolder& folder);
    void letGoOfListed(const Subfolder& folder);
    void wakeIdle();
    void wakeReserves();
    void keepSpare(std::unique_ptr<Listed> listed);
    [[nodiscard]] std::unique_ptr<Listed> freshListing();

    std::mutex mutex_;
    std::condition_variable changed_;
    // Reserves wait apart, so that waking the others for work does not wake
    // them while the tree does not need them.
    std::condition_variable reserveCalled_;
    std::vector<std::unique_ptr<Batch>> batches_;  // the newest last
    bool stopping_ = false;
    // Workers waiting for work; read without the lock only as a hint.
    std::atomic<std::size_t> idle_ = 0;
    std::atomic<std::size_t> idleReserves_ = 0;
    DiskPace pace_;
    // About how much the subfolders listed ahead and not yet taken hold.
    std::atomic<std::size_t> listedBytes_ = 0;
    // How many folders those listings keep open, and how many they may.
    std::atomic<std::size_t> keptDescriptors_ = 0;
    const std::size_t descriptorBudget_;
    // Listings given back, waiting to be reused, and their folders, to be
    // closed.
    std::mutex spareLock_;
    std::vector<std::unique_ptr<Listed>> spare_;
    std::vector<UniqueFd> toClose_;
    std::vector<std::thread> workers_;
};

}  // namespace quarvo
