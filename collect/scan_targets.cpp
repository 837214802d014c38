#include "collect/scan_targets.h"

#include "system/drive_space.h"
#include "text/ascii_case.h"

namespace quarvo {
namespace {

std::string driveProblem(const std::string& target, VolumeApi& volumes) {
    const std::string drive = asciiLower(target.substr(0, 2));
    if ((volumes.logicalDrives() & (1u << (drive[0] - 'a'))) == 0)
        return "there is no drive " + drive;
    if (!driveReady(volumes, drive[0])) return "drive " + drive + " is not ready";
    return {};
}

}  // namespace

bool isDriveLetter(std::string_view target) {
    if (target.size() < 2 || target.size() > 3 || target[1] != ':') return false;
    const char letter = asciiLower(target.substr(0, 1))[0];
    return letter >= 'a' && letter <= 'z' && (target.size() == 2 || target[2] == '\\');
}

ScanTarget scanTargetOf(const std::string& target) {
    if (isDriveLetter(target)) return {asciiLower(target.substr(0, 2)), false};
    return {target, true};
}

std::string targetProblem(const std::string& target, VolumeApi& volumes) {
    return isDriveLetter(target) ? driveProblem(target, volumes) : folderProblem(target);
}

std::string cannotScanText(const std::string& target, const std::string& problem) {
    return "Cannot scan " + target + ": " + problem + ".";
}

}  // namespace quarvo
