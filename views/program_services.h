#pragma once
// What the windows need of the machine: its volumes, the settings file, the
// file-type registry and the user's number format. The program passes the
// system's; tests pass fakes.

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
};

}  // namespace quarvo
