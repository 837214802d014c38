#pragma once
// The root of the file-type registry, read only: what the file-type
// descriptions and the registered extensions are looked up in. Each operation
// mirrors one registry call by meaning; the POSIX back end answers from the
// shared MIME database (posix/mime/), the Windows one from HKEY_CLASSES_ROOT,
// tests use a fake.

#include <memory>
#include <string>
#include <vector>

namespace quarvo {

class ClassesRoot {
public:
    // A key opened for reading.
    class Key {
    public:
        virtual ~Key() = default;
        // The string value of that name, the empty name being the key's default
        // value; empty text when there is no such value or it is not a string.
        [[nodiscard]] virtual std::string readString(const std::string& valueName) const = 0;
    };

    virtual ~ClassesRoot() = default;

    // The key of that name under the root, opened without creating it; the
    // empty name opens the root itself. Names ignore case. nullptr when there
    // is no such key or it cannot be opened.
    [[nodiscard]] virtual std::unique_ptr<Key> openKey(const std::string& name) = 0;
    // The names of the root's subkeys, in no particular order.
    [[nodiscard]] virtual std::vector<std::string> subkeyNames() = 0;
};

}  // namespace quarvo
