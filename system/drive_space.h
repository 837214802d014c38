#pragma once
// Whether a drive can be read now, and how large it is.

#include <stdexcept>
#include <string>

#include "system/volume_api.h"

namespace quarvo {

// Raised by driveReady for a character that is not a drive letter.
class InvalidDriveId : public std::invalid_argument {
public:
    InvalidDriveId() : std::invalid_argument("Not a valid drive ID") {}
};

struct DriveSize {
    double freeBytes = 0;  // all free bytes of the volume
    double totalBytes = 0;
};

// Sizes are shown in gigabytes of 2^30 bytes.
[[nodiscard]] constexpr double toGigabytes(double bytes) {
    return bytes / 1073741824.0;
}

// The root of a drive letter: the letter, a colon and a backslash.
std::string driveRoot(char letter);

// True when the drive of letter ch (either case) can be read now. The
// critical-error mode is raised around the query, so an empty drive asks the
// user for nothing. Throws InvalidDriveId when ch is not a letter.
[[nodiscard]] bool driveReady(VolumeApi& api, char ch);

// Free and total bytes of a root such as "c:\". Always answers; a volume that
// stopped answering since driveReady gives 0 and 0.
[[nodiscard]] DriveSize driveSpace(VolumeApi& api, const std::string& root);

}  // namespace quarvo
