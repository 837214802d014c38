#include "collect/posix/posix_directory_listing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <optional>

namespace quarvo {
namespace {

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The attribute word that Windows would give an entry of this kind: a dot name
// is hidden, a device, socket or pipe is a system file, and every regular file
// carries the archive bit that Windows sets on each new or changed file.
std::uint32_t attributesOf(const char* name, std::uint16_t mode) {
    std::uint32_t attributes = 0;
    if ((mode & S_IWUSR) == 0) attributes |= kAttrReadOnly;
    if (name[0] == '.') attributes |= kAttrHidden;
    if (S_ISCHR(mode) || S_ISBLK(mode) || S_ISSOCK(mode) || S_ISFIFO(mode)) {
        attributes |= kAttrSystem;
    }
    if (S_ISDIR(mode)) attributes |= kAttrDirectory;
    if (S_ISREG(mode)) attributes |= kAttrArchive;
    return attributes;
}

std::optional<std::int64_t> timeIf(const struct statx& sx, unsigned bit,
                                   const struct statx_timestamp& t) {
    if ((sx.stx_mask & bit) == 0) return std::nullopt;
    return t.tv_sec;
}

}  // namespace

PosixDirectoryListing::PosixDirectoryListing(DIR* dir, ListingScope scope, DosTimeConverter& times)
    : dir_(dir), scope_(scope), times_(times) {
}

PosixDirectoryListing::~PosixDirectoryListing() {
    closedir(dir_);
}

bool PosixDirectoryListing::next(DirEntry& entry) {
    while (const dirent* d = readdir(dir_)) {
        if (isDotOrDotDot(d->d_name)) continue;
        if (scope_ == ListingScope::subdirectories) {
            if (d->d_type != DT_DIR && d->d_type != DT_UNKNOWN) continue;
            if (d->d_type == DT_DIR) {
                // Only devices are system files, so the name tells all the walk needs.
                entry.name.assign(d->d_name);
                entry.attributes =
                    kAttrDirectory | (d->d_name[0] == '.' ? std::uint32_t{kAttrHidden} : 0u);
                return true;
            }
        }
        if (describe(d->d_name, entry)) return true;
    }
    return false;
}

// False for an entry that vanished since it was listed or can't be queried.
bool PosixDirectoryListing::describe(const char* name, DirEntry& entry) {
    struct statx sx {};
    const unsigned mask =
        STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
    if (statx(dirfd(dir_), name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, mask, &sx) != 0) {
        return false;
    }
    entry.name.assign(name);
    entry.attributes = attributesOf(name, sx.stx_mode);
    entry.size = static_cast<std::int64_t>(sx.stx_size);
    entry.creationTime = times_.toDos(timeIf(sx, STATX_BTIME, sx.stx_btime));
    entry.lastAccessTime = times_.toDos(timeIf(sx, STATX_ATIME, sx.stx_atime));
    entry.lastWriteTime = times_.toDos(timeIf(sx, STATX_MTIME, sx.stx_mtime));
    return true;
}

}  // namespace quarvo
