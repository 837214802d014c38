#pragma once
// The settings file on POSIX systems: an initialisation file read anew at
// every call and rewritten whole at every write, to a temporary file in the
// same folder that then replaces it, so that a failed or interrupted write
// leaves the old file whole. A file that exists but cannot be read is never
// replaced.

#include <string>

#include "system/profile_file.h"

namespace quarvo {

class IniProfileFile : public ProfileFile {
public:
    // A name without a folder is kept in the user's configuration folder,
    // $XDG_CONFIG_HOME or else ~/.config, created by the first write.
    explicit IniProfileFile(const std::string& fileName = "quarvo.ini");

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void writeString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    // One read and one replacement of the file for all the keys.
    void writeStrings(const std::string& section, const KeyValues& values) override;
    KeyValues readSection(const std::string& section) override;

    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace quarvo
