#include "collect/dos_time_converter.h"

#include <algorithm>
#include <chrono>

#include "collect/dos_time.h"

namespace quarvo {
namespace {

std::int64_t utcNow() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(now).count();
}

}  // namespace

// Today ends at the next local midnight, or sooner where the zone's offset
// may change first. A clock set back works it out anew.
std::int64_t DosTimeConverter::localDayNow() {
    const std::int64_t utc = utcNow();
    if (utc >= todayFrom_ && utc < todayUntil_) return today_;
    const std::int32_t offset = zone_.offsetAt(utc);
    const std::int64_t local = utc + offset;
    today_ = dayOfSeconds(local);
    todayFrom_ = utc;
    todayUntil_ = std::min((today_ + 1) * kSecondsPerDay - offset, zone_.lastOfOffsetAt(utc) + 1);
    return today_;
}

}  // namespace quarvo
