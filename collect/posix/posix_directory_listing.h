#pragma once
// Reading one directory through getdents64, and describing one of its
// entries with one statx that does not follow links and opens nothing.

#include "collect/dir_entry.h"
#include "collect/dos_time_converter.h"
#include "collect/folder_entries.h"

namespace quarvo {

// Reads the directory open at fd (for reading, at its start) into entries:
// names with their directory and hidden bits. False when it can't be read.
[[nodiscard]] bool readDirectory(int fd, FolderEntries& entries);

// Fills entry with the name and statx facts of the entry of that name in
// the directory at dirFd; false when it vanished or can't be queried.
[[nodiscard]] bool describeEntry(int dirFd, const char* name, DosTimeConverter& times,
                                 DirEntry& entry);

}  // namespace quarvo
