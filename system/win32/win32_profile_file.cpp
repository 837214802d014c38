#include "system/win32/win32_profile_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace quarvo {
namespace {

constexpr const char* kFileName = "quarvo.ini";

bool isFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string windowsFolderFile() {
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length > MAX_PATH) return {};
    return std::string(folder, length) + "\\" + kFileName;
}

// %APPDATA%\Quarvo\quarvo.ini; the Windows folder's file where a process has
// no application-data folder (a service, say).
std::string userFile() {
    const char* appData = std::getenv("APPDATA");
    if (!appData || !*appData) return windowsFolderFile();
    return std::string(appData) + "\\Quarvo\\" + kFileName;
}

}  // namespace

Win32ProfileFile::Win32ProfileFile() : Win32ProfileFile(userFile(), windowsFolderFile()) {
}

Win32ProfileFile::Win32ProfileFile(std::string path, std::string formerPath)
    : path_(std::move(path)), formerPath_(std::move(formerPath)) {
}

const std::string& Win32ProfileFile::readPath() const {
    return !formerPath_.empty() && !isFile(path_) && isFile(formerPath_) ? formerPath_ : path_;
}

void Win32ProfileFile::prepareForWriting() const {
    if (isFile(path_)) return;
    if (const std::size_t slash = path_.find_last_of("\\/"); slash != std::string::npos) {
        CreateDirectoryA(path_.substr(0, slash).c_str(), nullptr);  // may exist already
    }
    if (!formerPath_.empty() && formerPath_ != path_ && isFile(formerPath_) &&
        CopyFileA(formerPath_.c_str(), path_.c_str(), TRUE)) {
        // The copy is the user's own to change, whatever the original allowed.
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// The call reports a text cut short by filling the buffer to one character
// below its size (two for a list of names), so the buffer grows until it fits.
std::string Win32ProfileFile::profileString(const std::string& section, const char* key,
                                            const std::string& defaultValue) const {
    const DWORD slack = key ? 1 : 2;
    constexpr DWORD kLargest = 1u << 24;
    std::string buffer(256, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key, defaultValue.c_str(),
                                                      buffer.data(), size, readPath().c_str());
        if (length + slack < size || size >= kLargest) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(static_cast<std::size_t>(size) * 2);
    }
}

std::string Win32ProfileFile::readString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) {
    return profileString(section, key.c_str(), defaultValue);
}

std::vector<std::string> Win32ProfileFile::keyNames(const std::string& section) {
    // The names come one after the other, each ended by a null character.
    const std::string list = profileString(section, nullptr, "");
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find('\0', start), list.size());
        if (end > start) names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

void Win32ProfileFile::writeString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    prepareForWriting();
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()))
        throw ProfileWriteError(path_);
}

}  // namespace quarvo
