#pragma once
// Turns the UTC file times of a directory listing into DOS date-times of the
// local time zone, with the zone's rules at each time (summer time included).

#include <cstdint>
#include <optional>

#include "collect/zone_offset_cache.h"

namespace quarvo {

class DosTimeConverter {
public:
    // The DOS form of a UTC time in local time; 0 for a time that is not
    // recorded. Before 1980 gives 1 January 1980 00:00:00, after 2107 the
    // latest DOS date-time.
    [[nodiscard]] std::uint32_t toDos(std::optional<std::int64_t> utcSeconds);
    // Seconds since 1 January 1970 00:00 local time, for a UTC time.
    [[nodiscard]] std::int64_t toLocalSeconds(std::int64_t utcSeconds);
    // Today's number in local time, counted in days from 1 January 1970.
    [[nodiscard]] std::int64_t localDayNow();

private:
    ZoneOffsetCache zone_;
    // Today as last worked out, and the stretch of UTC seconds over which it
    // stays today: a scan asks for every file it counts.
    std::int64_t today_ = 0;
    std::int64_t todayFrom_ = 0;
    std::int64_t todayUntil_ = 0;
};

}  // namespace quarvo
