#include "system/win32/win32_profile_file.h"

#include <windows.h>

#include <algorithm>

namespace quarvo {

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
                                                      buffer.data(), size, fileName_.c_str());
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
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw ProfileWriteError(fileName_);
}

}  // namespace quarvo
