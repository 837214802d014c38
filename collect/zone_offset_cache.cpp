#include "collect/zone_offset_cache.h"

#include <algorithm>
#include <ctime>

#include "collect/local_time.h"

namespace quarvo {
namespace {

// How far one measurement reaches; zones without transitions still get a
// fresh look now and then, so a span never covers more than this each way.
constexpr std::int64_t kReach = 400 * kSecondsPerDay;

std::int32_t measureOffset(std::int64_t utcSeconds) {
    std::tm local{};
    if (!localCalendar(utcSeconds, local)) return 0;
    const std::int64_t localSeconds =
        daysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) * kSecondsPerDay +
        local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return static_cast<std::int32_t>(localSeconds - utcSeconds);
}

}  // namespace

std::int32_t ZoneOffsetCache::offsetOnNewDay(std::int64_t utcSeconds, std::int64_t day,
                                             Day& place) {
    const Span& span = spanAt(utcSeconds);
    if (span.first <= day * kSecondsPerDay && (day + 1) * kSecondsPerDay - 1 <= span.last)
        place = {day, span.offset};
    return span.offset;
}

std::int64_t ZoneOffsetCache::lastOfOffsetAt(std::int64_t utcSeconds) {
    return spanAt(utcSeconds).last;
}

const ZoneOffsetCache::Span& ZoneOffsetCache::spanAt(std::int64_t utcSeconds) {
    if (lastHit_ < spans_.size() && spans_[lastHit_].first <= utcSeconds &&
        utcSeconds <= spans_[lastHit_].last) {
        return spans_[lastHit_];
    }
    auto next = std::upper_bound(spans_.begin(), spans_.end(), utcSeconds,
                                 [](std::int64_t t, const Span& s) { return t < s.first; });
    if (next != spans_.begin() && utcSeconds <= std::prev(next)->last) {
        lastHit_ = static_cast<std::size_t>(std::prev(next) - spans_.begin());
        return spans_[lastHit_];
    }
    const std::int64_t low = next == spans_.begin()
                                 ? utcSeconds - kReach
                                 : std::max(std::prev(next)->last + 1, utcSeconds - kReach);
    const std::int64_t high =
        next == spans_.end() ? utcSeconds + kReach : std::min(next->first - 1, utcSeconds + kReach);
    const auto inserted = spans_.insert(next, measureSpan(utcSeconds, low, high));
    lastHit_ = static_cast<std::size_t>(inserted - spans_.begin());
    return spans_[lastHit_];
}

ZoneOffsetCache::Span ZoneOffsetCache::measureSpan(std::int64_t utcSeconds, std::int64_t lowLimit,
                                                   std::int64_t highLimit) const {
    Span span;
    span.offset = measureOffset(utcSeconds);
    span.first = edgeOfOffset(utcSeconds, lowLimit, span.offset);
    span.last = edgeOfOffset(utcSeconds, highLimit, span.offset);
    return span;
}

// The farthest second from `from` towards `limit` up to which the offset stays
// the same. Steps a day at a time, then halves the step at a change; two
// transitions within one day would go unseen, which no zone has done.
std::int64_t ZoneOffsetCache::edgeOfOffset(std::int64_t from, std::int64_t limit,
                                           std::int32_t offset) const {
    const std::int64_t direction = limit >= from ? 1 : -1;
    std::int64_t same = from;
    while (same != limit) {
        const std::int64_t step = std::min(kSecondsPerDay, (limit - same) * direction);
        std::int64_t probe = same + step * direction;
        if (measureOffset(probe) == offset) {
            same = probe;
            continue;
        }
        // The change lies in (same, probe]: narrow it down to the second.
        while ((probe - same) * direction > 1) {
            const std::int64_t middle = same + (probe - same) / 2;
            (measureOffset(middle) == offset ? same : probe) = middle;
        }
        break;
    }
    return same;
}

}  // namespace quarvo
