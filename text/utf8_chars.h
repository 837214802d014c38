#pragma once
// Counting characters in names that are UTF-8 where the file system allows
// it and arbitrary bytes elsewhere: a byte that does not begin a well-formed
// UTF-8 sequence counts as one character of its own.

#include <cstddef>
#include <string>
#include <string_view>

namespace quarvo {

// Length in bytes of the character that begins at text[pos] (pos < size).
[[nodiscard]] std::size_t utf8CharLength(std::string_view text, std::size_t pos);
[[nodiscard]] std::size_t utf8CharCount(std::string_view text);
// Appends the UTF-8 bytes of a code point below U+110000.
void appendUtf8(std::string& out, char32_t c);

}  // namespace quarvo
