#pragma once
// Sizes of a volume that may never answer, such as a network mount whose
// server is gone: the query runs in a child process, so a hung file system
// stalls only the child, which is given up on after the time limit.

#include <string>

#include "system/posix/posix_volume_sources.h"

namespace quarvo {

[[nodiscard]] StatsAnswer readVolumeStatsWithin(const std::string& folder, int milliseconds);

}  // namespace quarvo
