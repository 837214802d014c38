#pragma once
// A listing of one directory through readdir, with one statx per entry that
// does not follow links and opens nothing.

#include <dirent.h>

#include "collect/directory_api.h"
#include "collect/dos_time_converter.h"

namespace quarvo {

class PosixDirectoryListing : public DirectoryListing {
public:
    // Takes over dir; the converter must outlive the listing.
    PosixDirectoryListing(DIR* dir, ListingScope scope, DosTimeConverter& times);
    ~PosixDirectoryListing() override;
    PosixDirectoryListing(const PosixDirectoryListing&) = delete;
    PosixDirectoryListing& operator=(const PosixDirectoryListing&) = delete;

    [[nodiscard]] bool next(DirEntry& entry) override;

private:
    [[nodiscard]] bool describe(const char* name, DirEntry& entry);

    DIR* dir_;
    ListingScope scope_;
    DosTimeConverter& times_;
};

}  // namespace quarvo
