#pragma once
// The machine's drives as the windows list them: the plain source entries
// ("c: [system]", "f:", "x: \\server\share") and the pick list built from them,
// in which an unlabelled drive shows its type ("d: (Fixed disk)").

#include <optional>
#include <string>
#include <vector>

#include "system/selection_list.h"
#include "system/volume_api.h"

namespace quarvo {

// The drives in letter order, each as its source entry, and the entry of the
// drive that holds the current directory (none for a network path).
struct DriveSource {
    std::vector<std::string> entries;
    std::optional<std::string> current;
};

// "(Fixed disk)" and the like for type codes 2 to 6; empty for any other.
std::string driveTypeText(unsigned type);

// Reads the drives now. Labels and network names are lower-cased in their
// ASCII letters only, so names in other scripts stay intact.
[[nodiscard]] DriveSource driveSource(VolumeApi& api);

// Fills target with the pick list entries of every drive but A: and B: and
// pre-selects the current drive; when the current drive is not listed as it
// is in the source, every entry is selected. Unlabelled CD-ROM drives (empty
// ones) are left out when dropUnlabelledCdrom is set.
void buildDriveList(VolumeApi& api, SelectionList& target, bool dropUnlabelledCdrom);

}  // namespace quarvo
