#pragma once
// The kernel's table of mounted file systems (/proc/self/mountinfo), read as
// plain text so that sample tables can stand in for the machine's.

#include <string>
#include <string_view>
#include <vector>

namespace quarvo {

// One mounted file system. Paths are decoded: "\040" in the table is a blank.
struct MountEntry {
    std::string device;  // "major:minor"; bind mounts share their device's
    std::string root;    // the folder of the file system that is mounted
    std::string mountPoint;
    std::string fsType;
    std::string source;          // "/dev/sda1", "server:/export", ...
    std::string superOptions{};  // "rw,subvolid=257,subvol=/home", ...

    bool operator==(const MountEntry&) const = default;
};

// The entries of a mountinfo text in table order; malformed lines are skipped.
[[nodiscard]] std::vector<MountEntry> parseMountInfo(std::string_view text);

// Turns the table's three-digit octal escapes ("\040") into their bytes.
[[nodiscard]] std::string decodeOctalEscapes(std::string_view text);

// Turns the "\xNN" escapes of device link names (/dev/disk/by-label) into
// their bytes; the bytes need not be UTF-8.
[[nodiscard]] std::string decodeHexEscapes(std::string_view text);

}  // namespace quarvo
