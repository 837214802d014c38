#pragma once
// What the windows need of the machine: its volumes, the settings file, the
// file-type registry, the user's number format and the directory services a
// scan walks. The program passes the system's; tests pass fakes.

#include "collect/directory_api.h"
#include "collect/scan_run.h"
#include "listings/saved_run_store.h"
#include "system/classes_root.h"
#include "system/profile_file.h"
#include "system/volume_api.h"
#include "text/number_format.h"

namespace quarvo {

struct ProgramServices {
    VolumeApi& volumes;
    ProfileFile& profile;
    ClassesRoot& classes;
    NumberFormat numbers;
    // The system's directory services and folder volumes when unset; each
    // walk takes directory services of its own.
    ScanRun::DirectoryFactory directories{};
    ScanRun::FolderVolumes folderVolumes{};
    // Where every finished run is kept; none is kept when null.
    SavedRunStore* savedRuns = nullptr;
};

}  // namespace quarvo
