#include "report/scan_targets.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "collect/directory_walk.h"
#include "collect/posix/posix_directory_api.h"
#include "report/folder_volume_api.h"
#include "system/drive_space.h"

namespace quarvo {
namespace {

char lowerLetter(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string driveProblem(const std::string& target, VolumeApi& volumes) {
    const char letter = lowerLetter(target[0]);
    const std::string drive = std::string(1, letter) + ":";
    if ((volumes.logicalDrives() & (1u << (letter - 'a'))) == 0)
        return "there is no drive " + drive;
    if (!driveReady(volumes, letter)) return "drive " + drive + " is not ready";
    return {};
}

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

}  // namespace

bool isDriveLetter(std::string_view target) {
    if (target.size() < 2 || target.size() > 3 || target[1] != ':') return false;
    const char letter = lowerLetter(target[0]);
    return letter >= 'a' && letter <= 'z' && (target.size() == 2 || target[2] == '\\');
}

std::string targetProblem(const std::string& target, VolumeApi& volumes) {
    return isDriveLetter(target) ? driveProblem(target, volumes) : folderProblem(target);
}

std::vector<std::string> scanTargets(const std::vector<std::string>& targets, VolumeApi& volumes,
                                     StatisticsCollector& collector) {
    std::vector<std::string> errors;
    PosixDirectoryApi directories;
    DirectoryWalk::Hooks hooks;
    hooks.showError = [&](const std::string& message) { errors.push_back(message); };
    DirectoryWalk walk(directories, collector, std::move(hooks));
    collector.clearVariables();
    collector.overhangEnabled = targets.size() == 1;
    for (const std::string& target : targets) {
        if (isDriveLetter(target)) {
            collector.currentDrive = std::string(1, lowerLetter(target[0])) + ":";
            collector.computeClusterSize(volumes, collector.currentDrive);
            walk.ScanAllDrives(volumes);
            continue;
        }
        FolderVolumeApi volume(target, folderVolume(target));
        collector.currentDrive = target;
        collector.computeClusterSize(volume, std::string(1, FolderVolumeApi::kLetter) + ":");
        if (!walk.scanFolder(target)) errors.push_back("Can't open folder " + target);
    }
    return errors;
}

}  // namespace quarvo
