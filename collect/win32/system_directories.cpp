#include "collect/system_directories.h"

#include "collect/win32/win32_directory_api.h"

namespace quarvo {

// The Win32 back end reads on the walk's thread alone.
std::unique_ptr<DirectoryApi> makeSystemDirectoryApi(std::size_t /*threads*/) {
    return std::make_unique<Win32DirectoryApi>();
}

}  // namespace quarvo
