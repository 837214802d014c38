#include "system/numbered_keys.h"

#include <algorithm>
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

}  // namespace

int savedCount(ProfileFile& file, const std::string& section) {
    int count = 0;
    return parseDecimal(file.readString(section, "Number", ""), count) ? count : -1;
}

// A count far above the last key (a damaged or hand-edited file) must not
// cost a read per number, so the keys are looked at by name.
int lastNumberedKey(ProfileFile& file, const std::string& section, std::string_view prefix) {
    int last = 0;
    for (const std::string& name : file.keyNames(section)) {
        if (name.size() <= prefix.size() ||
            compareIgnoringAsciiCase(name.substr(0, prefix.size()), prefix) != 0)
            continue;
        const std::string_view digits = std::string_view(name).substr(prefix.size());
        int n = 0;
        if (digits[0] != '0' && digits[0] != '-' && parseDecimal(digits, n))
            last = std::max(last, n);
    }
    return last;
}

}  // namespace quarvo
