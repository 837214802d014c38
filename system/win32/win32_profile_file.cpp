#include "system/win32/win32_profile_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "system/profile_value.h"
#include "text/win32/wide_text.h"

namespace quarvo {
namespace {

constexpr const char* kFileName = "quarvo.ini";

// Paths go through the wide calls, so that a folder named outside the
// system's code page (a user's name, say) is reached as it is.
bool isFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(widenName(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string windowsFolderFile() {
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return narrowName(std::wstring_view(folder, length)) + "\\" + kFileName;
}

// %APPDATA%\Quarvo\quarvo.ini; the Windows folder's file where a process has
// no application-data folder (a service, say).
std::string userFile() {
    const std::string appData = environmentText(L"APPDATA");
    if (appData.empty()) return windowsFolderFile();
    return appData + "\\Quarvo\\" + kFileName;
}

// A section's lines as the call gives them, "key=value" each ended by a null
// character, split into keys and values as single reads give them.
ProfileFile::KeyValues sectionPairs(const std::string& lines) {
    ProfileFile::KeyValues pairs;
    for (std::size_t start = 0; start < lines.size();) {
        const std::size_t end = std::min(lines.find('\0', start), lines.size());
        const std::string_view line = std::string_view(lines).substr(start, end - start);
        if (const std::size_t equals = line.find('='); equals != line.npos) {
            std::string_view key = line.substr(0, equals);
            key.remove_prefix(std::min(key.find_first_not_of(" \t"), key.size()));
            key.remove_suffix(key.size() - std::min(key.find_last_not_of(" \t") + 1, key.size()));
            pairs.emplace_back(key, valueFromLine(line.substr(equals + 1)));
        }
        start = end + 1;
    }
    return pairs;
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
        CreateDirectoryW(widenName(path_.substr(0, slash)).c_str(), nullptr);  // may exist already
    }
    const std::wstring path = widenName(path_);
    if (!formerPath_.empty() && formerPath_ != path_ && isFile(formerPath_) &&
        CopyFileW(widenName(formerPath_).c_str(), path.c_str(), TRUE)) {
        // The copy is the user's own to change, whatever the original allowed.
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// The calls report a text cut short by filling the buffer to one character
// below its size (two for a section or a list of names), so the buffer grows
// until the text fits.
std::string Win32ProfileFile::profileText(const ProfileCall& call, unsigned long slack) const {
    constexpr DWORD kLargest = 1u << 24;
    const std::wstring path = widenName(readPath());
    std::wstring buffer(256, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = call(buffer.data(), size, path.c_str());
        if (length + slack < size || size >= kLargest) {
            buffer.resize(length);
            return narrowName(buffer);
        }
        buffer.resize(static_cast<std::size_t>(size) * 2);
    }
}

std::string Win32ProfileFile::readString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) {
    const std::wstring wideSection = widenName(section);
    const std::wstring wideKey = widenName(key);
    const std::wstring wideDefault = widenName(defaultValue);
    return profileText(
        [&](wchar_t* buffer, DWORD size, const wchar_t* path) {
            return GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(),
                                            wideDefault.c_str(), buffer, size, path);
        },
        1);
}

ProfileFile::KeyValues Win32ProfileFile::readSection(const std::string& section) {
    const std::wstring wideSection = widenName(section);
    return sectionPairs(profileText(
        [&](wchar_t* buffer, DWORD size, const wchar_t* path) {
            return GetPrivateProfileSectionW(wideSection.c_str(), buffer, size, path);
        },
        2));
}

void Win32ProfileFile::writeString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    prepareForWriting();
    if (!WritePrivateProfileStringW(widenName(section).c_str(), widenName(key).c_str(),
                                    widenName(lineTextOfValue(value)).c_str(),
                                    widenName(path_).c_str()))
        throw ProfileWriteError(path_);
}

}  // namespace quarvo
