#include "collect/posix/posix_directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>

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

std::uint32_t timeIf(const struct statx& sx, unsigned bit, const statx_timestamp& at,
                     DosTimeConverter& times) {
    if ((sx.stx_mask & bit) == 0) return 0;
    return times.toDos(at.tv_sec);
}

// Whether an entry is a directory; file systems that don't say so in the
// listing are asked, without following a link.
bool isDirectory(int dirFd, const dirent64& d) {
    if (d.d_type != DT_UNKNOWN) return d.d_type == DT_DIR;
    struct statx sx {};
    return statx(dirFd, d.d_name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE, &sx) == 0 &&
           S_ISDIR(sx.stx_mode);
}

// Only devices, sockets and pipes are system files, so the name and kind
// tell all that the walk needs before it descends.
void addEntry(int dirFd, const dirent64& d, FolderEntries& entries) {
    std::uint32_t attributes = isDirectory(dirFd, d) ? std::uint32_t{kAttrDirectory} : 0u;
    if (d.d_name[0] == '.') attributes |= kAttrHidden;
    entries.add(d.d_name, attributes);
}

}  // namespace

// Reading a directory would stamp its access time; O_NOATIME avoids that
// where the user may ask for it (the owner, or root).
UniqueFd openDirectory(int parent, const char* name, int flags) {
    UniqueFd fd(openat(parent, name, flags | O_NOATIME));
    if (!fd.valid() && errno == EPERM) fd.reset(openat(parent, name, flags));
    return fd;
}

bool readDirectory(int fd, FolderEntries& entries) {
    alignas(dirent64) std::array<char, 32768> buffer;
    for (;;) {
        const ssize_t got = getdents64(fd, buffer.data(), buffer.size());
        if (got == 0) return true;
        if (got < 0) return false;
        // Most folders come in one read: room for it at once, rather than
        // growing three times per folder. A record takes at least 24 bytes.
        if (entries.empty()) entries.reserve(static_cast<std::size_t>(got) / 24, got);
        // The kernel aligns every record for dirent64.
        for (ssize_t at = 0; at < got;) {
            const auto* d = reinterpret_cast<const dirent64*>(buffer.data() + at);
            at += d->d_reclen;
            if (!isDotOrDotDot(d->d_name)) addEntry(fd, *d, entries);
        }
    }
}

// A birth time of exactly 0 was never recorded: image builders and some copy
// tools leave the epoch there, which would date such files to 1970.
FileFacts factsOf(const struct statx& sx, DosTimeConverter& times) {
    FileFacts facts;
    facts.found = true;
    facts.mode = sx.stx_mode;
    facts.size = static_cast<std::int64_t>(sx.stx_size);
    facts.accessed = timeIf(sx, STATX_ATIME, sx.stx_atime, times);
    facts.written = timeIf(sx, STATX_MTIME, sx.stx_mtime, times);
    if (sx.stx_btime.tv_sec != 0) facts.created = timeIf(sx, STATX_BTIME, sx.stx_btime, times);
    return facts;
}

// A statx that succeeds writes the whole record, fields it could not fill
// as zeros: there is nothing to clear before.
FileFacts queryEntry(int dirFd, const char* name, DosTimeConverter& times) {
    struct statx sx;
    const unsigned mask =
        STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME | STATX_BTIME;
    if (statx(dirFd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, mask, &sx) != 0) return {};
    return factsOf(sx, times);
}

void describeEntry(const char* name, const FileFacts& facts, DirEntry& entry) {
    entry.name.assign(name);
    entry.attributes = attributesOf(name, facts.mode);
    entry.size = facts.size;
    entry.creationTime = facts.created;
    entry.lastAccessTime = facts.accessed;
    entry.lastWriteTime = facts.written;
}

}  // namespace quarvo
