#include "collect/posix/disk_pace.h"

#include <bit>

namespace quarvo {

bool DiskPace::note(std::chrono::nanoseconds elapsed, std::size_t entries) {
    if (entries == 0) return false;
    const std::uint32_t slow = elapsed > slowPerEntry_ * static_cast<std::int64_t>(entries);
    constexpr std::uint32_t kKept = (std::uint32_t{1} << kSamples) - 1;
    std::uint32_t recent = recent_.load(std::memory_order_relaxed);
    std::uint32_t next = 0;
    do {
        next = ((recent << 1) | slow) & kKept;
    } while (!recent_.compare_exchange_weak(recent, next, std::memory_order_relaxed));
    return !bound(recent) && bound(next);
}

bool DiskPace::bound(std::uint32_t recent) {
    return std::popcount(recent) >= kSamples / 2;
}

}  // namespace quarvo
