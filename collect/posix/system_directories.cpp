#include "collect/system_directories.h"

#include <sys/resource.h>

#include <algorithm>

#include "collect/posix/posix_directory_api.h"

namespace quarvo {
namespace {

// Enough for the walk's held levels and every listing its read-ahead may
// keep open.
constexpr rlim_t kOpenFilesWanted = 4096;

// A desktop session mostly lets a program open 1024 files at first and more
// when it asks; the walk opens folders again that it could have kept open.
void askForMoreOpenFiles() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= kOpenFilesWanted) return;
    limit.rlim_cur = std::min(limit.rlim_max, kOpenFilesWanted);
    setrlimit(RLIMIT_NOFILE, &limit);
}

}  // namespace

std::unique_ptr<DirectoryApi> makeSystemDirectoryApi(std::size_t threads) {
    askForMoreOpenFiles();
    return std::make_unique<PosixDirectoryApi>(threads);
}

}  // namespace quarvo
