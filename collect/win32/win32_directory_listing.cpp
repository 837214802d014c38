#include "collect/win32/win32_directory_listing.h"

#include <cwchar>
#include <optional>

#include "text/win32/wide_text.h"

namespace quarvo {
namespace {

constexpr std::uint32_t kListedAttributes =
    kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrVolumeLabel | kAttrDirectory | kAttrArchive;
// 100-nanosecond intervals from 1 January 1601 to 1 January 1970.
constexpr std::int64_t kUnixEpoch = 116444736000000000;

bool isDotOrDotDot(const wchar_t* name) {
    return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0;
}

// Seconds since 1970 UTC; a zero FILETIME is a time the file system did not record.
std::optional<std::int64_t> utcSeconds(const FILETIME& time) {
    const std::int64_t ticks = static_cast<std::int64_t>(
        static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
    if (ticks == 0) return std::nullopt;
    const std::int64_t since1970 = ticks - kUnixEpoch;
    return since1970 / 10000000 - (since1970 % 10000000 < 0 ? 1 : 0);
}

}  // namespace

Win32DirectoryListing::Win32DirectoryListing(HANDLE find, const WIN32_FIND_DATAW& first,
                                             DosTimeConverter& times)
    : find_(find), data_(first), pending_(find != INVALID_HANDLE_VALUE), times_(times) {
}

Win32DirectoryListing::~Win32DirectoryListing() {
    if (find_ != INVALID_HANDLE_VALUE) FindClose(find_);
}

bool Win32DirectoryListing::next(DirEntry& entry) {
    while (fetch()) {
        if (isDotOrDotDot(data_.cFileName)) continue;
        describe(entry);
        return true;
    }
    return false;
}

bool Win32DirectoryListing::fetch() {
    if (pending_) {
        pending_ = false;
        return true;
    }
    return find_ != INVALID_HANDLE_VALUE && FindNextFileW(find_, &data_) != FALSE;
}

void Win32DirectoryListing::describe(DirEntry& entry) {
    entry.name = narrowName(data_.cFileName);
    entry.attributes = data_.dwFileAttributes & kListedAttributes;
    // Links and junctions are never followed: they are listed as files.
    if ((data_.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        entry.attributes &= ~std::uint32_t{kAttrDirectory};
    }
    entry.size = static_cast<std::int64_t>(static_cast<std::uint64_t>(data_.nFileSizeHigh) << 32 |
                                           data_.nFileSizeLow);
    entry.creationTime = times_.toDos(utcSeconds(data_.ftCreationTime));
    entry.lastAccessTime = times_.toDos(utcSeconds(data_.ftLastAccessTime));
    entry.lastWriteTime = times_.toDos(utcSeconds(data_.ftLastWriteTime));
}

}  // namespace quarvo
