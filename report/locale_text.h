#pragma once
// Number and time text in the user's regional settings.

#include <string>

#include "text/number_format.h"

namespace quarvo {

// The thousands and decimal separators of the system's locale.
[[nodiscard]] NumberFormat systemNumberFormat();

// A time of day in the locale's short time format, such as 13:30 or 1:30 PM.
[[nodiscard]] std::string shortTimeText(int hours, int minutes);

}  // namespace quarvo
