#pragma once
// How long an extension may be to count as a file type.

#include <cstddef>

namespace quarvo {

// Longest extension, in characters after its dot. Names on Linux carry
// everyday extensions such as ".desktop" or ".properties"; a longer suffix is
// rather part of the name (a date, a hash, a host name) than a type. The scan
// counts types up to this length, and the extension picker offers them.
inline constexpr std::size_t kMaxExtensionLength = 16;

}  // namespace quarvo
