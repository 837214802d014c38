#pragma once
// What a DirectoryApi gives when it lists a directory.

#include "collect/dir_entry.h"

namespace quarvo {

// One listing of a directory, streamed entry by entry.
class DirectoryListing {
public:
    virtual ~DirectoryListing() = default;
    // Fills entry with the next entry and returns true; false at the end.
    // Never yields "." or "..". An entry that vanished since it was listed
    // is passed over.
    [[nodiscard]] virtual bool next(DirEntry& entry) = 0;
};

// What a listing is for.
enum class ListingScope {
    // Every entry, fully described.
    everything,
    // Every subdirectory with its name and at least its directory, hidden,
    // system and volume-label bits; other entries may be left out, sizes and
    // times may be missing. Lets a back end skip the per-entry query for
    // entries that are not directories.
    subdirectories,
};

}  // namespace quarvo
