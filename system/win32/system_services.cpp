#include "system/system_services.h"

#include "system/win32/registry_classes_root.h"
#include "system/win32/win32_profile_file.h"
#include "system/win32/win32_volume_api.h"

namespace quarvo {

std::unique_ptr<VolumeApi> makeSystemVolumeApi() {
    return std::make_unique<Win32VolumeApi>();
}

std::unique_ptr<ProfileFile> makeSystemProfileFile() {
    return std::make_unique<Win32ProfileFile>();
}

std::unique_ptr<ClassesRoot> makeSystemClassesRoot() {
    return std::make_unique<RegistryClassesRoot>();
}

}  // namespace quarvo
