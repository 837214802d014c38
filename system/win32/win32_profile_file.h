#pragma once
// The settings file on Windows, through the system's initialisation-file
// calls; a name without a folder is kept in the Windows folder.

#include <string>
#include <utility>

#include "system/profile_file.h"

namespace quarvo {

class Win32ProfileFile : public ProfileFile {
public:
    explicit Win32ProfileFile(std::string fileName = "quarvo.ini")
        : fileName_(std::move(fileName)) {}

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void writeString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::vector<std::string> keyNames(const std::string& section) override;

private:
    // The call's text for a key, or the list of key names for a null key.
    std::string profileString(const std::string& section, const char* key,
                              const std::string& defaultValue) const;

    std::string fileName_;
};

}  // namespace quarvo
