#pragma once
// The separators of the user's regional settings that number text uses.
// The program fills it from the system's locale; tests set it explicitly.

#include <string>

namespace quarvo {

struct NumberFormat {
    std::string thousandsSeparator = ",";  // UTF-8; may be several bytes
    std::string decimalSeparator = ".";
};

}  // namespace quarvo
