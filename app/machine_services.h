#pragma once
// The machine's services as the program uses them, made once; they outlive
// both windows.

#include <memory>

#include "forms/program_services.h"
#include "system/system_services.h"
#include "views/regional_format.h"

namespace quarvo {

struct MachineServices {
    std::unique_ptr<VolumeApi> volumes = makeSystemVolumeApi();
    std::unique_ptr<ProfileFile> profile = makeSystemProfileFile();
    std::unique_ptr<ClassesRoot> classes = makeSystemClassesRoot();
    SavedRunStore savedRuns;
    ProgramServices program{*volumes, *profile, *classes, numberFormatOf(), {}, {}, &savedRuns};
};

}  // namespace quarvo
