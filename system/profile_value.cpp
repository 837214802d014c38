#include "system/profile_value.h"

namespace quarvo {
namespace {

constexpr std::string_view kBlanks = " \t\v\f";

bool enclosedInQuotes(std::string_view text) {
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
           text.back() == text.front();
}

}  // namespace

std::string_view valueFromLine(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    return enclosedInQuotes(text) ? text.substr(1, text.size() - 2) : text;
}

std::string lineTextOfValue(const std::string& value) {
    const bool changedByReading =
        !value.empty() && (kBlanks.find(value.front()) != kBlanks.npos ||
                           kBlanks.find(value.back()) != kBlanks.npos || enclosedInQuotes(value));
    return changedByReading ? '"' + value + '"' : value;
}

}  // namespace quarvo
