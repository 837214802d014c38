#include "system/win32/win32_volume_api.h"

#include <windows.h>
#include <winnetwk.h>

namespace quarvo {
namespace {

// Name buffers as the system's own path limit, with its terminating zero.
constexpr DWORD kNameBufferSize = MAX_PATH + 1;

using GetDiskFreeSpaceExAProc = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER,
                                              PULARGE_INTEGER);

// kernel32.dll loaded for one query and released on every way out of it.
class Kernel32 {
public:
    Kernel32() : module_(LoadLibraryA("kernel32.dll")) {}
    ~Kernel32() {
        if (module_) FreeLibrary(module_);
    }
    Kernel32(const Kernel32&) = delete;
    Kernel32& operator=(const Kernel32&) = delete;

    // nullptr on systems without the 64-bit space query.
    GetDiskFreeSpaceExAProc diskFreeSpaceEx() const {
        if (!module_) return nullptr;
        // Through the generic function pointer type, as a cast between unrelated
        // function types is not allowed to pass silently.
        const auto entry =
            reinterpret_cast<void (*)()>(GetProcAddress(module_, "GetDiskFreeSpaceExA"));
        return reinterpret_cast<GetDiskFreeSpaceExAProc>(entry);
    }

private:
    HMODULE module_;
};

std::optional<char> upperLetterOf(const std::string& root) {
    if (root.size() < 2 || root[1] != ':') return std::nullopt;
    const char c = root[0];
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c;
    return std::nullopt;
}

}  // namespace

std::uint32_t Win32VolumeApi::logicalDrives() {
    return GetLogicalDrives();
}

unsigned Win32VolumeApi::driveType(const std::string& root) {
    return GetDriveTypeA(root.c_str());
}

std::optional<std::string> Win32VolumeApi::volumeLabel(const std::string& root) {
    char name[kNameBufferSize] = {};
    if (!GetVolumeInformationA(root.c_str(), name, kNameBufferSize, nullptr, nullptr, nullptr,
                               nullptr, 0))
        return std::nullopt;
    return std::string(name);
}

std::optional<std::string> Win32VolumeApi::networkName(const std::string& letterColon) {
    char name[kNameBufferSize] = {};
    DWORD size = kNameBufferSize;
    if (WNetGetConnectionA(letterColon.c_str(), name, &size) != NO_ERROR) return std::nullopt;
    return std::string(name);
}

unsigned Win32VolumeApi::setErrorMode(unsigned mode) {
    return SetErrorMode(mode);
}

std::optional<DiskGeometry> Win32VolumeApi::diskFreeSpace(const std::string& root) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters))
        return std::nullopt;
    return DiskGeometry{
        static_cast<std::uint32_t>(sectorsPerCluster), static_cast<std::uint32_t>(bytesPerSector),
        static_cast<std::uint32_t>(freeClusters), static_cast<std::uint32_t>(totalClusters)};
}

bool Win32VolumeApi::hasDiskFreeSpaceEx() {
    return Kernel32().diskFreeSpaceEx() != nullptr;
}

std::optional<DiskSpace> Win32VolumeApi::diskFreeSpaceEx(const std::string& root) {
    const Kernel32 kernel32;
    const GetDiskFreeSpaceExAProc query = kernel32.diskFreeSpaceEx();
    if (!query) return std::nullopt;
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!query(root.c_str(), &available, &total, &totalFree)) return std::nullopt;
    return DiskSpace{available.QuadPart, total.QuadPart, totalFree.QuadPart};
}

std::string Win32VolumeApi::currentDirectory() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);  // counts the terminating zero
    if (needed == 0) return {};
    std::string directory(needed, '\0');
    const DWORD length = GetCurrentDirectoryA(needed, directory.data());
    // A length not below the buffer means the directory changed in between.
    if (length == 0 || length >= needed) return {};
    directory.resize(length);
    return directory;
}

std::string Win32VolumeApi::rootFolder(const std::string& root) {
    const std::optional<char> letter = upperLetterOf(root);
    if (!letter || (GetLogicalDrives() & (1u << (*letter - 'A'))) == 0) return {};
    return std::string(1, *letter) + ":\\";
}

}  // namespace quarvo
