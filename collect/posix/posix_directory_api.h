#pragma once
// The directory services over POSIX descriptors. The position is one
// descriptor of the current directory (opened only as a path, never for
// reading), moved with openat into a child and with ".." back, so no path is
// ever resolved whole and depth costs neither descriptors nor path length.
// Each directory on the position's path is remembered by device and inode:
// a directory met again (a bind mount of an ancestor) is not entered, and
// a way back that leads somewhere else is found again from the root.

#include <sys/types.h>

#include <string>
#include <vector>

#include "collect/directory_api.h"
#include "collect/dos_time_converter.h"
#include "collect/posix/unique_fd.h"

namespace quarvo {

class PosixDirectoryApi : public DirectoryApi {
public:
    [[nodiscard]] bool openRoot(const std::string& folder) override;
    [[nodiscard]] bool enter(const std::string& name) override;
    [[nodiscard]] bool leave() override;
    [[nodiscard]] std::unique_ptr<DirectoryListing> list(ListingScope scope) override;
    void close() override;
    [[nodiscard]] char separator() const override { return '/'; }

private:
    // One directory on the position's path.
    struct Level {
        dev_t device = 0;
        ino_t inode = 0;
        std::string name;  // within its parent; empty for the root
    };

    [[nodiscard]] bool isOnPath(dev_t device, ino_t inode) const;
    [[nodiscard]] UniqueFd reopenFromRoot(std::size_t depth) const;

    UniqueFd root_;
    UniqueFd current_;
    std::vector<Level> path_;  // the root first
    DosTimeConverter times_;
};

}  // namespace quarvo
