#pragma once
// Case changes and comparisons that touch only the ASCII letters, as the
// program's keys, patterns and sorted lists need: other bytes (UTF-8 included)
// stay as they are.

#include <string>
#include <string_view>

namespace quarvo {

[[nodiscard]] constexpr char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
[[nodiscard]] constexpr char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);
// <0, 0, >0 as the texts compare with ASCII letters folded to upper case.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace quarvo
