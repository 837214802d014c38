#pragma once
// Reading one directory through getdents64, and describing one of its
// entries with one statx that does not follow links and opens nothing.

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>

#include "collect/dir_entry.h"
#include "collect/dos_time_converter.h"
#include "collect/folder_entries.h"
#include "collect/posix/unique_fd.h"

namespace quarvo {

inline constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Opens a directory for reading its entries, by default never through a
// symbolic link.
[[nodiscard]] UniqueFd openDirectory(int parent, const char* name, int flags = kDirectoryFlags);

// Reads the directory open at fd (for reading, at its start) into entries:
// names with their directory and hidden bits. False when it can't be read.
[[nodiscard]] bool readDirectory(int fd, FolderEntries& entries);

// What one statx tells about an entry, its times already in the local DOS
// form the tallies read, kept small so that many can wait to be counted.
struct FileFacts {
    bool found = false;  // false when the entry vanished or can't be queried
    std::uint16_t mode = 0;
    std::int64_t size = 0;
    // Local DOS date-times; 0 where the file system does not record the time.
    std::uint32_t created = 0;
    std::uint32_t accessed = 0;
    std::uint32_t written = 0;
};

// The facts of a found entry as statx gave them.
[[nodiscard]] FileFacts factsOf(const struct statx& sx, DosTimeConverter& times);

// Queries the entry of that name in the directory at dirFd, without
// following a link or opening anything. Each thread brings a converter of
// its own.
[[nodiscard]] FileFacts queryEntry(int dirFd, const char* name, DosTimeConverter& times);

// Fills entry with the name and the facts of a found entry.
void describeEntry(const char* name, const FileFacts& facts, DirEntry& entry);

}  // namespace quarvo
