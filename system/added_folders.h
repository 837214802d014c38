#pragma once
// The folders that the user added to the wizard's drive list, remembered in
// the settings file's section "Folders" as keys Number and Folder1,
// Folder2, ..., so that they are offered again at the next scan.

#include <string>
#include <vector>

#include "system/profile_file.h"

namespace quarvo {

struct SavedFolders {
    std::vector<std::string> folders;
    // The section holds folders but no usable count. Every folder key it has
    // was read, so that saving the list again loses none of them.
    bool damaged = false;
};

[[nodiscard]] SavedFolders readAddedFolders(ProfileFile& file);

// Saves the folders in order, all in one write where the back end can.
// Throws ProfileWriteError.
void writeAddedFolders(ProfileFile& file, const std::vector<std::string>& folders);

}  // namespace quarvo
