#pragma once
// The settings file: strings kept by section and key in the Windows
// initialisation-file format. Each operation mirrors one Windows call by
// meaning; the POSIX back end keeps the file in the user's configuration
// folder (see posix/), tests use a fake. Section and key names ignore case.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quarvo {

// Raised when the settings file cannot be written; names the file.
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::string& fileName)
        : std::runtime_error("Unable to write to " + fileName) {}
};

class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // The value of a key of a section; defaultValue when either is missing.
    // Every value reads back as it was written.
    [[nodiscard]] virtual std::string readString(const std::string& section, const std::string& key,
                                                 const std::string& defaultValue) = 0;
    // Sets a key of a section, adding the section, the key or the file when
    // missing. Throws ProfileWriteError when the file cannot be written.
    virtual void writeString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Sets several keys of a section, in order. A back end that can writes
    // them in one go, so that a failure leaves the file as it was; the plain
    // way sets them one by one and keeps those set before a failure.
    using KeyValues = std::vector<std::pair<std::string, std::string>>;
    virtual void writeStrings(const std::string& section, const KeyValues& values) {
        for (const auto& [key, value] : values) writeString(section, key, value);
    }
    // Every key of a section with its value as readString gives it, in file
    // order; none when the section is missing. The file is read once, so a
    // section of many keys costs no more than one of a few.
    [[nodiscard]] virtual KeyValues readSection(const std::string& section) = 0;
};

}  // namespace quarvo
