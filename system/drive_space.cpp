#include "system/drive_space.h"

#include <cstdint>

#include "system/critical_errors_off.h"

namespace quarvo {
namespace {

// The older query forms its byte counts as 32-bit signed products, which wrap
// on volumes of 2 GiB and more; callers skip a negative total.
double wrappedProduct(std::uint32_t a, std::uint32_t b) {
    const auto product = static_cast<std::uint32_t>(a * b);
    return static_cast<double>(static_cast<std::int32_t>(product));
}

}  // namespace

std::string driveRoot(char letter) {
    return std::string(1, letter) + ":\\";
}

bool driveReady(VolumeApi& api, char ch) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (ch < 'A' || ch > 'Z') throw InvalidDriveId();
    CriticalErrorsOff guard(api);
    return api.diskFreeSpace(driveRoot(ch)).has_value();
}

DriveSize driveSpace(VolumeApi& api, const std::string& root) {
    if (api.hasDiskFreeSpaceEx()) {
        const auto space = api.diskFreeSpaceEx(root);
        if (!space) return {};
        return {static_cast<double>(space->totalFreeBytes), static_cast<double>(space->totalBytes)};
    }
    const auto g = api.diskFreeSpace(root);
    if (!g) return {};
    const std::uint32_t cluster = g->sectorsPerCluster * g->bytesPerSector;
    return {wrappedProduct(cluster, g->freeClusters), wrappedProduct(cluster, g->totalClusters)};
}

}  // namespace quarvo
