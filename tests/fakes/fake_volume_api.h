#pragma once
// A machine's drives as a test lays them out: each letter with its type,
// label, network name, readiness and sizes.

#include <cctype>
#include <map>
#include <optional>
#include <string>

#include "system/volume_api.h"

namespace quarvo::testing {

struct FakeDrive {
    unsigned type = kDriveFixed;
    std::optional<std::string> label{};       // nullopt: cannot be read
    std::optional<std::string> network{};     // remote drives only
    bool ready = true;                        // diskFreeSpace answers
    DiskGeometry geometry{8, 512, 1000, 2000};
    std::optional<DiskSpace> space{};         // nullopt: the 64-bit query fails
    std::string folder{};                     // where its files are
};

class FakeVolumeApi : public VolumeApi {
public:
    std::map<char, FakeDrive> drives;  // by upper-case letter
    bool hasEx = true;
    std::string current = "c:\\";
    unsigned errorMode = 0;
    int errorModeChanges = 0;

    FakeDrive& add(char letter, FakeDrive drive) {
        return drives[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = drive;
    }

    std::uint32_t logicalDrives() override {
        std::uint32_t mask = 0;
        for (const auto& [letter, drive] : drives) mask |= 1u << (letter - 'A');
        return mask;
    }
    unsigned driveType(const std::string& root) override {
        const FakeDrive* d = find(root);
        return d ? d->type : kDriveNoRootDir;
    }
    std::optional<std::string> volumeLabel(const std::string& root) override {
        const FakeDrive* d = find(root);
        return d && d->ready ? d->label : std::nullopt;
    }
    std::optional<std::string> networkName(const std::string& letterColon) override {
        const FakeDrive* d = find(letterColon);
        return d ? d->network : std::nullopt;
    }
    unsigned setErrorMode(unsigned mode) override {
        ++errorModeChanges;
        unsigned previous = errorMode;
        errorMode = mode;
        return previous;
    }
    std::optional<DiskGeometry> diskFreeSpace(const std::string& root) override {
        const FakeDrive* d = find(root);
        if (!d || !d->ready) return std::nullopt;
        return d->geometry;
    }
    bool hasDiskFreeSpaceEx() override { return hasEx; }
    std::optional<DiskSpace> diskFreeSpaceEx(const std::string& root) override {
        const FakeDrive* d = find(root);
        if (!d || !d->ready) return std::nullopt;
        return d->space;
    }
    std::string currentDirectory() override { return current; }
    std::string rootFolder(const std::string& root) override {
        const FakeDrive* d = find(root);
        return d ? d->folder : std::string();
    }

private:
    const FakeDrive* find(const std::string& root) const {
        if (root.empty()) return nullptr;
        auto it = drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(root[0]))));
        return it == drives.end() ? nullptr : &it->second;
    }
};

}  // namespace quarvo::testing
