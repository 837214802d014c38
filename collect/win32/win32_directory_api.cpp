#include "collect/win32/win32_directory_api.h"

#include <windows.h>

#include <string>

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

// The system's own words for an error, on one line.
std::string systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text, length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L'.' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : narrowName(message);
}

// What the user is told of a folder that could not be entered or listed.
std::string refusalOf(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return "no permission";
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return "vanished";
        default:
            return systemMessage(error);
    }
}

// Why a path is not a folder to enter: empty for a junction or a link,
// which is never followed and so not named.
std::string refusalToEnter(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return refusalOf(GetLastError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return "moved";
    return {};
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
    refusal_.clear();
    if (path_.empty() || name.empty() || name == "." || name == "..") return false;
    const std::size_t parentLength = path_.size();
    path_ += L'\\';
    path_ += widenName(name);
    if (!isPlainDirectory(path_)) {
        refusal_ = refusalToEnter(path_);
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
    refusal_.clear();
    if (path_.empty()) return false;
    WIN32_FIND_DATAW first{};
    const HANDLE find = FindFirstFileExW((path_ + L"\\*").c_str(), FindExInfoBasic, &first,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    // An empty root has not even "." and "..".
    if (find == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        refusal_ = refusalOf(GetLastError());
        return false;
    }
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
