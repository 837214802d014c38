#pragma once
// Conversions between the UTF-16 names of the Windows file system and the
// core's UTF-8 strings. Windows names may hold unpaired surrogates; they are
// carried as three-byte sequences (the generalised UTF-8 known as WTF-8), so
// every name survives the round trip unchanged.

#include <string>
#include <string_view>

namespace quarvo {

[[nodiscard]] std::string narrowName(std::wstring_view wide);
// Malformed bytes become U+FFFD; what narrowName made comes back exactly.
[[nodiscard]] std::wstring widenName(std::string_view text);
// The value of an environment variable; empty when it is not set.
[[nodiscard]] std::string environmentText(const wchar_t* name);

}  // namespace quarvo
