#pragma once
// The platform's conversion of a UTC time to the local calendar, with the
// time zone's rules in force at that time.

#include <cstdint>
#include <ctime>

namespace quarvo {

// Fills out with the local calendar time of utcSeconds (seconds since
// 1 January 1970 UTC); false when the platform can't convert it.
[[nodiscard]] bool localCalendar(std::int64_t utcSeconds, std::tm& out);

}  // namespace quarvo
