#pragma once
// The directory services over POSIX descriptors. The position is a
// descriptor of the current directory, opened relative to its parent, so no
// path is ever resolved whole. The descriptors of the levels above are kept
// down to a fixed depth: leaving a folder then costs no system call, and a
// folder moved during the walk is still left the right way. Below that depth
// only the position's descriptor is held, and the way back goes through ".."
// or, when that leads somewhere else, down again from the nearest held level
// by name, checking each directory by device and inode. When the process
// runs short of descriptors, the levels nearest the root let theirs go, one
// at a time, until a folder can be opened: it holds fewer and loses nothing.
// Every directory entered is remembered by inode: one met again (a loop, or
// a second path through a bind mount) is not entered. Worker threads read
// ahead in the listings of held levels (ReadAhead): they query the files and
// list the subfolders, which the walk takes open when it enters them.

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "collect/directory_api.h"
#include "collect/dos_time_converter.h"
#include "collect/posix/read_ahead.h"
#include "collect/posix/unique_fd.h"

namespace quarvo {

class PosixDirectoryApi : public DirectoryApi {
public:
    // Levels, the root included, whose descriptors are kept while the walk
    // is below them.
    static constexpr std::size_t kHeldLevels = 64;
    // The files of smaller listings are queried by the walk alone: handing
    // them to the workers would cost more than it saves.
    static constexpr std::size_t kHandedFrom = 16;

    // threads: how many threads read the tree, the walk's own included; with
    // one, the walk queries every file itself. Those past the machine's cores
    // are held in reserve for a tree that keeps the others waiting on the
    // disk, where a piece of work takes longer than slowPerEntry an entry.
    explicit PosixDirectoryApi(std::size_t threads = 2,
                               std::chrono::nanoseconds slowPerEntry = DiskPace::kSlowPerEntry);

    [[nodiscard]] bool openRoot(const std::string& folder) override;
    [[nodiscard]] bool enter(const std::string& name) override;
    [[nodiscard]] std::size_t leave() override;
    [[nodiscard]] bool list(FolderEntries& entries) override;
    void describe(const FolderEntries& entries, const Visitor& visit) override;
    void close() override;
    [[nodiscard]] char separator() const override { return '/'; }
    [[nodiscard]] std::string refusal() const override { return refusal_; }
    [[nodiscard]] EnteredFolders entered() const override;
    void enteredBefore(EnteredFolders folders) override;
    void readAlone() override { prefetching_ = false; }

private:
    // One directory on the position's path.
    struct Level {
        dev_t device = 0;
        ino_t inode = 0;
        std::string name;  // within its parent; empty for the root
        UniqueFd fd;       // held for the first kHeldLevels levels and the position
        // The listing read ahead of the walk, until described.
        const FolderEntries* handed = nullptr;
        bool filesHanded = false;  // whether the workers query its files
        // What a worker listed of the folder before the walk entered it,
        // given back to the workers when the walk leaves the folder.
        std::unique_ptr<ReadAhead::Listed> ahead{};
    };

    [[nodiscard]] bool isLevel(int fd, const Level& level) const;
    // Opens a directory, making room when descriptors run short by letting
    // go of levels above index keep.
    [[nodiscard]] UniqueFd openRoomy(int parent, const char* name, std::size_t keep);
    [[nodiscard]] bool releaseOneLevel(std::size_t keep);
    void handOver(const FolderEntries& entries);
    void popLevel();
    [[nodiscard]] std::size_t climbTo(std::size_t parent, UniqueFd fromChild);

    std::vector<Level> path_;  // the root first
    // Inodes: every folder entered is on the root's device.
    mutable std::mutex enteredLock_;
    EnteredFolders entered_;
    EnteredFolders enteredBefore_;
    DosTimeConverter times_;
    // Only with workers: a listing handed to none would be queried by the
    // walk alone, at the cost of the hand-over.
    bool prefetching_;
    ReadAhead readAhead_;
    std::string refusal_;
};

}  // namespace quarvo
