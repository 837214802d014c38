#include "collect/local_time.h"

namespace quarvo {

// Through the C runtime, which follows a TZ value of its own form (name,
// offset, summer-time name) where one is set and the system's time zone
// otherwise. It knows one rule per zone and applies it to every year: a file
// written in a summer before a zone changed its rules shows the offset of
// today's rules. The system's per-year rules would need the zone conversions
// of newer Windows versions, which the test runner (Wine) lacks.
bool localCalendar(std::int64_t utcSeconds, std::tm& out) {
    const auto t = static_cast<__time64_t>(utcSeconds);
    return _localtime64_s(&out, &t) == 0;
}

}  // namespace quarvo
