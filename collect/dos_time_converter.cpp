#include "collect/dos_time_converter.h"

#include <algorithm>
#include <chrono>

#include "collect/dos_time.h"

namespace quarvo {
namespace {

// Two days either side of the DOS range: every zone's local time is then
// outside it too, and the zone cache never measures times far beyond it.
constexpr std::int64_t kMargin = 2 * 86400;
constexpr std::int64_t kEarliest = daysFromCivil(1980, 1, 1) * 86400 - kMargin;
constexpr std::int64_t kLatest = daysFromCivil(2108, 1, 1) * 86400 + kMargin;

}  // namespace

std::uint32_t DosTimeConverter::toDos(std::optional<std::int64_t> utcSeconds) {
    if (!utcSeconds) return 0;
    return encodeDosDateTime(toLocalSeconds(std::clamp(*utcSeconds, kEarliest, kLatest)));
}

std::int64_t DosTimeConverter::toLocalSeconds(std::int64_t utcSeconds) {
    return utcSeconds + zone_.offsetAt(utcSeconds);
}

std::int64_t DosTimeConverter::localNow() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return toLocalSeconds(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

}  // namespace quarvo
