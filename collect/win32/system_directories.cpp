#include "collect/system_directories.h"

#include "collect/win32/win32_directory_api.h"

namespace quarvo {

std::unique_ptr<DirectoryApi> makeSystemDirectoryApi() {
    return std::make_unique<Win32DirectoryApi>();
}

}  // namespace quarvo
