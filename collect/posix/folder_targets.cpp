#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "collect/scan_targets.h"
#include "system/posix/folder_volume_api.h"

namespace quarvo {

// Opening the folder as a listing tells whether it can be read; nothing in it
// is opened. A folder that can be listed but not entered would show names
// whose files can't be described, so it is refused as well.
std::string folderProblem(const std::string& folder) {
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0)
        return "cannot find " + folder + ": " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return folder + " is not a folder";
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return "cannot read " + folder + ": " + std::strerror(errno);
    closedir(dir);
    if (faccessat(AT_FDCWD, folder.c_str(), X_OK, AT_EACCESS) != 0)
        return "cannot enter " + folder + ": " + std::strerror(errno);
    if (!folderVolume(folder)) return "cannot query the volume of " + folder;
    return {};
}

std::unique_ptr<VolumeApi> folderVolumeApi(const std::string& folder) {
    static_assert(FolderVolumeApi::kLetter == ScanRun::kFolderLetter);
    return std::make_unique<FolderVolumeApi>(folder, folderVolume(folder));
}

}  // namespace quarvo
