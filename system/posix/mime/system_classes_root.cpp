#include "system/posix/mime/mime_classes_root.h"
#include "system/system_services.h"

namespace quarvo {

std::unique_ptr<ClassesRoot> makeSystemClassesRoot() {
    return std::make_unique<MimeClassesRoot>();
}

}  // namespace quarvo
