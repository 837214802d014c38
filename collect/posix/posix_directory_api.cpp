#include "collect/posix/posix_directory_api.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "collect/posix/posix_directory_listing.h"

namespace quarvo {
namespace {

constexpr int kPositionFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// Opens a subdirectory as a position only, never through a symbolic link.
UniqueFd openChild(int parent, const char* name) {
    return UniqueFd(openat(parent, name, kPositionFlags | O_NOFOLLOW));
}

bool identify(int fd, struct stat& st) {
    return fstat(fd, &st) == 0;
}

// Opens the directory at a position for reading its entries. Reading a
// directory would stamp its access time; O_NOATIME avoids that where the
// user may ask for it (the owner, or root).
UniqueFd openForListing(int position) {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    UniqueFd fd(openat(position, ".", kFlags | O_NOATIME));
    if (!fd.valid() && errno == EPERM) fd.reset(openat(position, ".", kFlags));
    return fd;
}

}  // namespace

bool PosixDirectoryApi::openRoot(const std::string& folder) {
    close();
    UniqueFd fd(open(folder.c_str(), kPositionFlags));
    struct stat st {};
    if (!fd.valid() || !identify(fd.get(), st)) return false;
    current_.reset(fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
    if (!current_.valid()) return false;
    root_ = std::move(fd);
    path_.push_back(Level{st.st_dev, st.st_ino, {}});
    return true;
}

bool PosixDirectoryApi::enter(const std::string& name) {
    if (!current_.valid()) return false;
    UniqueFd child = openChild(current_.get(), name.c_str());
    struct stat st {};
    if (!child.valid() || !identify(child.get(), st)) return false;
    // Another device is another volume, scanned as a drive of its own if at all.
    if (st.st_dev != path_.front().device || isOnPath(st.st_dev, st.st_ino)) return false;
    path_.push_back(Level{st.st_dev, st.st_ino, name});
    current_ = std::move(child);
    return true;
}

bool PosixDirectoryApi::leave() {
    if (path_.size() < 2 || !current_.valid()) return false;
    path_.pop_back();
    UniqueFd parent(openat(current_.get(), "..", kPositionFlags));
    struct stat st {};
    const bool same = parent.valid() && identify(parent.get(), st) &&
                      st.st_dev == path_.back().device && st.st_ino == path_.back().inode;
    current_ = same ? std::move(parent) : reopenFromRoot(path_.size());
    if (current_.valid()) return true;
    close();
    return false;
}

std::unique_ptr<DirectoryListing> PosixDirectoryApi::list(ListingScope scope) {
    if (!current_.valid()) return nullptr;
    UniqueFd fd = openForListing(current_.get());
    if (!fd.valid()) return nullptr;
    DIR* dir = fdopendir(fd.get());
    if (dir == nullptr) return nullptr;
    (void)fd.release();  // the DIR owns it now
    return std::make_unique<PosixDirectoryListing>(dir, scope, times_);
}

void PosixDirectoryApi::close() {
    current_.reset();
    root_.reset();
    path_.clear();
}

bool PosixDirectoryApi::isOnPath(dev_t device, ino_t inode) const {
    return std::any_of(path_.begin(), path_.end(), [&](const Level& level) {
        return level.device == device && level.inode == inode;
    });
}

// Walks down again from the root by the remembered names, checking that each
// step reaches the same directory as before; invalid when one does not.
UniqueFd PosixDirectoryApi::reopenFromRoot(std::size_t depth) const {
    UniqueFd fd(fcntl(root_.get(), F_DUPFD_CLOEXEC, 0));
    for (std::size_t i = 1; i < depth && fd.valid(); ++i) {
        fd = openChild(fd.get(), path_[i].name.c_str());
        struct stat st {};
        if (!fd.valid() || !identify(fd.get(), st) || st.st_dev != path_[i].device ||
            st.st_ino != path_[i].inode) {
            return UniqueFd();
        }
    }
    return fd;
}

}  // namespace quarvo
