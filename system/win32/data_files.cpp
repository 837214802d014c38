#include "system/data_files.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "text/win32/wide_text.h"

namespace quarvo {
namespace {

std::string problem(DWORD code) {
    return std::system_category().message(static_cast<int>(code));
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD put = 0;
        if (!WriteFile(file, bytes.data(), chunk, &put, nullptr) || put == 0) return false;
        bytes.remove_prefix(put);
    }
    return true;
}

}  // namespace

// Without a local application-data folder (a service, say) the roaming one.
std::string savedRunsFolder() {
    std::string base = environmentText(L"LOCALAPPDATA");
    if (base.empty()) base = environmentText(L"APPDATA");
    return base + "\\Quarvo\\scans";
}

std::string writeWholeFile(const std::string& path, std::string_view bytes) {
    const std::wstring wide = widenName(path);
    std::error_code ignored;  // a folder that cannot be made fails the write below
    std::filesystem::create_directories(std::filesystem::path(wide).parent_path(), ignored);
    const std::wstring temporary = wide + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return problem(GetLastError());
    const bool written = writeAll(file, bytes) && FlushFileBuffers(file);
    DWORD failure = written ? 0 : GetLastError();
    if (!CloseHandle(file) && failure == 0) failure = GetLastError();
    if (failure == 0 && MoveFileExW(temporary.c_str(), wide.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    if (failure == 0) failure = GetLastError();
    DeleteFileW(temporary.c_str());
    return problem(failure);
}

}  // namespace quarvo
