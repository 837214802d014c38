#include "system/posix/drive_letters.h"

#include <algorithm>

namespace quarvo {

std::vector<LetteredMount> DriveLetters::assign(const std::vector<MountEntry>& volumes) {
    std::vector<LetteredMount> drives;
    for (const MountEntry& volume : volumes) {
        auto at = letters_.find(volume.mountPoint);
        if (at == letters_.end()) {
            if (next_ > 'z') continue;
            at = letters_.emplace(volume.mountPoint, next_++).first;
        }
        drives.push_back({at->second, volume});
    }
    std::sort(drives.begin(), drives.end(),
              [](const LetteredMount& a, const LetteredMount& b) { return a.letter < b.letter; });
    return drives;
}

}  // namespace quarvo
