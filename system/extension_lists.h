#pragma once
// The two saved lists of extension patterns ("Include" and "Exclude") that a
// scan can be limited by. Only the patterns are saved, as keys Number and
// File1, File2, ... of the list's section; the descriptions are looked up
// again at every load.

#include <string>

#include "system/classes_root.h"
#include "system/profile_file.h"
#include "system/selection_list.h"

namespace quarvo {

// The list entry of a pattern such as "*.doc": the pattern, a tab and the
// description of its extension (from the last dot on; none without a dot).
[[nodiscard]] std::string extensionListEntry(ClassesRoot& root, const std::string& pattern);

// Replaces the entries of list by the saved list of section, reading the
// file once. Empty saved patterns are passed over. A section without a usable
// Number reads as "*.doc", "*.exe" and "*.dll"; nothing is written back.
// Returns true when that section is damaged: it holds saved patterns but no
// usable Number, so a save of the list read would write over them.
bool ReadStatFilesFromDisk(ProfileFile& file, ClassesRoot& root, SelectionList& list,
                           const std::string& section);

// Saves the patterns of list (each entry up to its first tab) under section,
// in list order. File keys beyond the new count stay in the file unread.
// Throws ProfileWriteError. All keys go to the file in one write where its
// back end can, so a failed save leaves the old list whole.
void WriteStatFilesToDisk(ProfileFile& file, const SelectionList& list, const std::string& section);

}  // namespace quarvo
