#include "system/data_files.h"

#include <sys/stat.h>

#include <cstring>

#include "system/posix/replace_file.h"
#include "system/posix/user_folders.h"

namespace quarvo {

std::string savedRunsFolder() {
    return dataFolder() + "/quarvo/scans";
}

// The file names the folders scanned, so it is the user's alone.
std::string writeWholeFile(const std::string& path, std::string_view bytes) {
    const int failure = replaceFile(path, bytes, S_IRUSR | S_IWUSR);
    return failure == 0 ? std::string() : std::strerror(failure);
}

}  // namespace quarvo
