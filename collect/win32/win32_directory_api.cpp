#include "collect/win32/win32_directory_api.h"

#include <windows.h>

#include "collect/win32/win32_directory_listing.h"
#include "text/win32/wide_text.h"

namespace quarvo {
namespace {

// A full path in the "\\?\" form that lifts the length limit; that form is
// taken literally, so the path is made full and its slashes turned first.
std::wstring longPath(const std::wstring& folder) {
    const DWORD needed = GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return {};
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(folder.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return {};
    full.resize(length);
    if (full.rfind(L"\\\\?\\", 0) == 0) return full;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

bool isPlainDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

}  // namespace

bool Win32DirectoryApi::openRoot(const std::string& folder) {
    close();
    std::wstring path = longPath(widenName(folder));
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    if (path.empty()) return false;
    // A drive's root is a directory, but may carry the reparse bit of a
    // mounted volume; only its existence as a directory matters here.
    const DWORD attributes = GetFileAttributesW((path + L'\\').c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    path_ = std::move(path);
    return true;
}

bool Win32DirectoryApi::enter(const std::string& name) {
    if (path_.empty() || name.empty() || name == "." || name == "..") return false;
    const std::size_t parentLength = path_.size();
    path_ += L'\\';
    path_ += widenName(name);
    if (!isPlainDirectory(path_)) {
        path_.resize(parentLength);
        return false;
    }
    parentLengths_.push_back(parentLength);
    return true;
}

// The position is a path, so the way back is always the parent's path.
std::size_t Win32DirectoryApi::leave() {
    if (parentLengths_.empty()) return 0;
    path_.resize(parentLengths_.back());
    parentLengths_.pop_back();
    return 1;
}

// The find functions describe every entry as they list it, so the listing is
// kept whole and describe hands it out again.
bool Win32DirectoryApi::list(FolderEntries& entries) {
    entries.clear();
    if (path_.empty()) return false;
    WIN32_FIND_DATAW first{};
    const HANDLE find = FindFirstFileExW((path_ + L"\\*").c_str(), FindExInfoBasic, &first,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    // An empty root has not even "." and "..".
    if (find == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    Win32DirectoryListing listing(find, first, times_);
    DirEntry entry;
    while (listing.next(entry)) entries.add(entry);
    return true;
}

void Win32DirectoryApi::describe(const FolderEntries& entries, const Visitor& visit) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!visit(*entries.described(i))) return;
    }
}

void Win32DirectoryApi::close() {
    path_.clear();
    parentLengths_.clear();
}

}  // namespace quarvo
