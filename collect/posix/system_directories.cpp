#include "collect/system_directories.h"

#include "collect/posix/posix_directory_api.h"

namespace quarvo {

std::unique_ptr<DirectoryApi> makeSystemDirectoryApi(std::size_t threads) {
    return std::make_unique<PosixDirectoryApi>(threads);
}

}  // namespace quarvo
