#include "system/numbered_keys.h"

#include <charconv>

#include "text/ascii_case.h"

namespace quarvo {
namespace {

// True when the whole text is a decimal integer, with an optional minus sign,
// that fits an int.
bool parseDecimal(std::string_view text, int& value) {
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    return !text.empty() && error == std::errc() && end == last;
}

// The n of a key prefix<n>; 0 for other keys.
int keyNumber(std::string_view key, std::string_view prefix) {
    if (key.size() <= prefix.size() ||
        compareIgnoringAsciiCase(key.substr(0, prefix.size()), prefix) != 0)
        return 0;
    const std::string_view digits = key.substr(prefix.size());
    int n = 0;
    return digits[0] != '0' && digits[0] != '-' && parseDecimal(digits, n) ? n : 0;
}

}  // namespace

NumberedKeys readNumberedKeys(ProfileFile& file, const std::string& section,
                              std::string_view prefix) {
    NumberedKeys keys;
    bool counted = false;
    for (const auto& [key, value] : file.readSection(section)) {
        if (compareIgnoringAsciiCase(key, "Number") == 0 && !counted) {
            counted = true;
            if (!parseDecimal(value, keys.count)) keys.count = -1;
        } else if (const int n = keyNumber(key, prefix); n > 0) {
            keys.values.emplace(n, value);
        }
    }
    return keys;
}

}  // namespace quarvo
