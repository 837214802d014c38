#pragma once
// A list saved in a section of the settings file as a count under "Number"
// and one key per entry, named by a prefix and its number from 1 ("File1",
// "File2", ...). Reading never trusts the count further than the keys that
// the section really has.

#include <string>
#include <string_view>

#include "system/profile_file.h"

namespace quarvo {

// The saved count; -1 when "Number" is missing or not an integer.
[[nodiscard]] int savedCount(ProfileFile& file, const std::string& section);

// The highest n for which the section has a key prefix<n>; 0 when none.
[[nodiscard]] int lastNumberedKey(ProfileFile& file, const std::string& section,
                                  std::string_view prefix);

}  // namespace quarvo
