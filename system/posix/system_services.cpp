#include "system/system_services.h"

#include "system/posix/ini_profile_file.h"
#include "system/posix/posix_volume_api.h"

namespace quarvo {

std::unique_ptr<VolumeApi> makeSystemVolumeApi() {
    return std::make_unique<PosixVolumeApi>();
}

std::unique_ptr<ProfileFile> makeSystemProfileFile() {
    return std::make_unique<IniProfileFile>();
}

}  // namespace quarvo
