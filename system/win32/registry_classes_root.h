#pragma once
// The file-type registry of Windows: HKEY_CLASSES_ROOT, opened for reading only.

#include "system/classes_root.h"

namespace quarvo {

class RegistryClassesRoot : public ClassesRoot {
public:
    std::unique_ptr<Key> openKey(const std::string& name) override;
    std::vector<std::string> subkeyNames() override;
};

}  // namespace quarvo
