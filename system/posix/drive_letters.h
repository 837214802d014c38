#pragma once
// The drive letters of one run of the program. A mount point keeps the letter
// it was first given for as long as the program runs, mounted or not, so that
// an entry listed at start-up ("e: [/mnt/x]") never comes to name another
// volume; a volume new to the program takes the next letter never given out.
// a: and b: are never given out.

#include <map>
#include <string>
#include <vector>

#include "system/posix/mount_table.h"

namespace quarvo {

struct LetteredMount {
    char letter = 'c';  // lower case
    MountEntry mount;
};

class DriveLetters {
public:
    // The volumes (in mount-point order) with their letters, in letter order.
    // New mount points take letters in the order given; those for which no
    // letter is left (past z:) are not offered.
    [[nodiscard]] std::vector<LetteredMount> assign(const std::vector<MountEntry>& volumes);

    [[nodiscard]] bool holds(const std::string& mountPoint) const {
        return letters_.contains(mountPoint);
    }

private:
    std::map<std::string, char> letters_;  // by mount point
    char next_ = 'c';
};

}  // namespace quarvo
