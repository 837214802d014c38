#include "collect/system_directories.h"

#include <algorithm>
#include <thread>

namespace quarvo {

std::size_t defaultScanThreads() {
    const std::size_t cores = std::thread::hardware_concurrency();
    return std::clamp<std::size_t>(2 * cores, 1, kMaxScanThreads);
}

}  // namespace quarvo
