#pragma once
// The platform services of this machine, for the program and the report
// tool; tests build fakes instead. Each back end defines these factories.

#include <memory>

#include "system/classes_root.h"
#include "system/profile_file.h"
#include "system/volume_api.h"

namespace quarvo {

[[nodiscard]] std::unique_ptr<VolumeApi> makeSystemVolumeApi();
[[nodiscard]] std::unique_ptr<ProfileFile> makeSystemProfileFile();
// Defined beside the file-type back end, which on POSIX needs QtCore.
[[nodiscard]] std::unique_ptr<ClassesRoot> makeSystemClassesRoot();

}  // namespace quarvo
