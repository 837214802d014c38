#include "system/win32/registry_classes_root.h"

#include <windows.h>

namespace quarvo {
namespace {

// An open registry key, closed with its owner.
class RegistryKey : public ClassesRoot::Key {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override { RegCloseKey(key_); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    std::string readString(const std::string& valueName) const override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
            return {};
        std::string value(size, '\0');
        if (RegQueryValueExA(key_, valueName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
            return {};
        // The stored text may or may not end in its terminator.
        value.resize(size);
        if (const auto end = value.find('\0'); end != std::string::npos) value.resize(end);
        return value;
    }

private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<ClassesRoot::Key> RegistryClassesRoot::openKey(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<RegistryKey>(key);
}

std::vector<std::string> RegistryClassesRoot::subkeyNames() {
    std::vector<std::string> names;
    char name[256];  // registry key names hold at most 255 characters
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        const LONG result = RegEnumKeyExA(HKEY_CLASSES_ROOT, index, name, &length, nullptr, nullptr,
                                          nullptr, nullptr);
        if (result == ERROR_SUCCESS) {
            names.emplace_back(name, length);
        } else if (result != ERROR_MORE_DATA) {
            break;  // the end, or a root that cannot be listed
        }
    }
    return names;
}

}  // namespace quarvo
