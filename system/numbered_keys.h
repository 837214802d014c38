#pragma once
// A list saved in a section of the settings file as a count under "Number"
// and one key per entry, named by a prefix and its number from 1 ("File1",
// "File2", ...). The section is read in one go, however many keys it has, and
// the count is never trusted further than the keys that are really there.

#include <map>
#include <string>
#include <string_view>

#include "system/profile_file.h"

namespace quarvo {

struct NumberedKeys {
    // The saved count; -1 when "Number" is missing or not an integer.
    int count = -1;
    // Every key prefix<n> of the section by its n (written without leading
    // zeros); of two equal keys the first counts, as for a single read.
    std::map<int, std::string> values;
};

[[nodiscard]] NumberedKeys readNumberedKeys(ProfileFile& file, const std::string& section,
                                            std::string_view prefix);

}  // namespace quarvo
