#pragma once
// The local time zone's offset from UTC, remembered for the stretches of time
// between the zone's transitions. Asking the platform for the local calendar
// once per file time is too slow for a scan; a scan's times fall into a few
// hundred such stretches at most, each measured once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "collect/dos_time.h"

namespace quarvo {

class ZoneOffsetCache {
public:
    // Seconds to add to utcSeconds to get local seconds.
    [[nodiscard]] std::int32_t offsetAt(std::int64_t utcSeconds) {
        const std::int64_t day = dayOfSeconds(utcSeconds);
        Day& known = days_[static_cast<std::size_t>(day) % days_.size()];
        return known.number == day ? known.offset : offsetOnNewDay(utcSeconds, day, known);
    }
    // The last UTC second known to have the offset that utcSeconds has; at
    // most about a year on.
    [[nodiscard]] std::int64_t lastOfOffsetAt(std::int64_t utcSeconds);

private:
    // A stretch of UTC seconds, both ends included, with one offset.
    struct Span {
        std::int64_t first = 0;
        std::int64_t last = 0;
        std::int32_t offset = 0;
    };

    // A UTC day that lies wholly in one span.
    struct Day {
        std::int64_t number = std::numeric_limits<std::int64_t>::min();
        std::int32_t offset = 0;
    };

    // The offset of a day not in its place among the days met lately; the
    // day takes the place when it lies wholly in one span.
    [[nodiscard]] std::int32_t offsetOnNewDay(std::int64_t utcSeconds, std::int64_t day,
                                              Day& place);
    [[nodiscard]] const Span& spanAt(std::int64_t utcSeconds);
    Span measureSpan(std::int64_t utcSeconds, std::int64_t lowLimit, std::int64_t highLimit) const;
    std::int64_t edgeOfOffset(std::int64_t from, std::int64_t limit, std::int32_t offset) const;

    std::vector<Span> spans_;  // sorted, disjoint
    // The span of the last answer: the times of one folder's files mostly
    // fall into one.
    std::size_t lastHit_ = 0;
    // Days met lately, by day number: most times of a scan fall on days it
    // met already, and finding a day costs less than finding its span.
    std::array<Day, 4096> days_{};
};

}  // namespace quarvo
