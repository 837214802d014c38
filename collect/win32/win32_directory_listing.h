#pragma once
// A listing of one directory through FindFirstFileExW and FindNextFileW,
// which describe every entry without opening it.

#include <windows.h>

#include "collect/dir_entry.h"
#include "collect/dos_time_converter.h"

namespace quarvo {

class Win32DirectoryListing {
public:
    // Takes over a find handle (INVALID_HANDLE_VALUE for an empty listing)
    // and the entry that opened it; the converter must outlive the listing.
    Win32DirectoryListing(HANDLE find, const WIN32_FIND_DATAW& first, DosTimeConverter& times);
    ~Win32DirectoryListing();
    Win32DirectoryListing(const Win32DirectoryListing&) = delete;
    Win32DirectoryListing& operator=(const Win32DirectoryListing&) = delete;

    // Fills entry with the next entry and returns true; false at the end.
    // Never yields "." or "..".
    [[nodiscard]] bool next(DirEntry& entry);

private:
    [[nodiscard]] bool fetch();
    void describe(DirEntry& entry);

    HANDLE find_;
    WIN32_FIND_DATAW data_;
    bool pending_;  // data_ holds an entry not handed out yet
    DosTimeConverter& times_;
};

}  // namespace quarvo
