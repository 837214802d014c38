#include "system/drive_list.h"

#include "system/critical_errors_off.h"
#include "system/drive_space.h"
#include "text/ascii_case.h"

namespace quarvo {
namespace {

constexpr int kLetterCount = 26;

std::string bracketedLabel(VolumeApi& api, const std::string& root) {
    std::optional<std::string> label;
    {
        CriticalErrorsOff guard(api);
        label = api.volumeLabel(root);
    }
    return "[" + asciiLower(label.value_or("")) + "]";
}

// The entry of one drive as the source lists it; nullopt for types that have
// none (unknown, no root directory).
std::optional<std::string> sourceEntry(VolumeApi& api, char letter) {
    const std::string root = driveRoot(letter);
    const std::string head = std::string(1, letter) + ":";
    switch (api.driveType(root)) {
        case kDriveRemovable:
            return head;
        case kDriveRemote: {
            const char upper = static_cast<char>(letter - 'a' + 'A');
            const auto name = api.networkName(std::string(1, upper) + ":");
            return head + " " + (name ? asciiLower(*name) : bracketedLabel(api, root));
        }
        case kDriveFixed:
        case kDriveCdrom:
        case kDriveRamDisk:
            return head + " " + bracketedLabel(api, root);
        default:
            return std::nullopt;
    }
}

std::optional<char> currentLetter(const std::string& directory) {
    if (directory.size() < 2 || directory[1] != ':') return std::nullopt;
    const char letter = asciiLower(directory.substr(0, 1))[0];
    if (letter < 'a' || letter > 'z') return std::nullopt;
    return letter;
}

// An unlabelled drive's entry is exactly "x: []"; a label or network name that
// merely contains the brackets is a name and stays as it is.
bool isUnlabelled(const std::string& entry) {
    return entry.size() == 5 && entry.ends_with(" []");
}

void preselect(SelectionList& target, const std::optional<std::string>& current) {
    for (int i = 0; current && i < target.count(); ++i) {
        if (target.entry(i) == *current) {
            target.setSelected(i, true);
            return;
        }
    }
    for (int i = 0; i < target.count(); ++i) target.setSelected(i, true);
}

}  // namespace

std::string driveTypeText(unsigned type) {
    switch (type) {
        case kDriveRemovable:
            return "(Removable disk)";
        case kDriveFixed:
            return "(Fixed disk)";
        case kDriveRemote:
            return "(Remote disk)";
        case kDriveCdrom:
            return "(CD-ROM)";
        case kDriveRamDisk:
            return "(RAM-Disk)";
        default:
            return "";
    }
}

DriveSource driveSource(VolumeApi& api) {
    DriveSource source;
    const std::uint32_t mask = api.logicalDrives();
    // Asked after the drives, so that it refers to the drives just listed.
    const std::optional<char> current = currentLetter(api.currentDirectory());
    for (int n = 0; n < kLetterCount; ++n) {
        if ((mask & (1u << n)) == 0) continue;
        const char letter = static_cast<char>('a' + n);
        std::optional<std::string> entry = sourceEntry(api, letter);
        if (!entry) continue;
        if (current == letter) source.current = *entry;
        source.entries.push_back(std::move(*entry));
    }
    return source;
}

void buildDriveList(VolumeApi& api, SelectionList& target, bool dropUnlabelledCdrom) {
    target.clear();
    const DriveSource source = driveSource(api);
    for (const std::string& entry : source.entries) {
        const char letter = asciiLower(entry.substr(0, 1))[0];
        if (letter == 'a' || letter == 'b') continue;
        if (!isUnlabelled(entry)) {
            target.add(entry);
            continue;
        }
        const unsigned type = api.driveType(driveRoot(letter));
        if (dropUnlabelledCdrom && type == kDriveCdrom) continue;
        target.add(entry.substr(0, 2) + " " + driveTypeText(type));
    }
    preselect(target, source.current);
}

}  // namespace quarvo
