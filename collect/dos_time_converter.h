#pragma once
// Turns the UTC file times of a directory listing into DOS date-times of the
// local time zone, with the zone's rules at each time (summer time included).

#include <algorithm>
#include <cstdint>
#include <optional>

#include "collect/dos_time.h"
#include "collect/zone_offset_cache.h"

namespace quarvo {

class DosTimeConverter {
public:
    // The DOS form of a UTC time in local time; 0 for a time that is not
    // recorded. Before 1980 gives 1 January 1980 00:00:00, after 2107 the
    // latest DOS date-time.
    [[nodiscard]] std::uint32_t toDos(std::optional<std::int64_t> utcSeconds) {
        if (!utcSeconds) return 0;
        const std::int64_t utc = std::clamp(*utcSeconds, kEarliest, kLatest);
        return encodeDosDateTime(utc + zone_.offsetAt(utc));
    }
    // Today's number in local time, counted in days from 1 January 1970.
    [[nodiscard]] std::int64_t localDayNow();

private:
    // Two days either side of the DOS range: every zone's local time is then
    // outside it too, and the zone cache never measures times far beyond it.
    static constexpr std::int64_t kMargin = 2 * kSecondsPerDay;
    static constexpr std::int64_t kEarliest = kFirstDosDay * kSecondsPerDay - kMargin;
    static constexpr std::int64_t kLatest = kEndOfDosDays * kSecondsPerDay + kMargin;

    ZoneOffsetCache zone_;
    // Today as last worked out, and the stretch of UTC seconds over which it
    // stays today: a scan asks for every file it counts.
    std::int64_t today_ = 0;
    std::int64_t todayFrom_ = 0;
    std::int64_t todayUntil_ = 0;
};

}  // namespace quarvo
