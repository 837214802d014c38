#pragma once
// The settings file on Windows, through the system's initialisation-file
// calls, which read the file anew at every call and keep what they do not
// know of it.
//
// By default the file is "quarvo.ini" in the user's own application-data
// folder, %APPDATA%\Quarvo: the Windows folder, where such files were kept
// once, is not writable for a normal user on current Windows. A file already
// in the Windows folder is still read while the user's own file does not
// exist, and the first write starts the user's file as a copy of it, so no
// saved list is lost in the move.

#include <string>

#include "system/profile_file.h"

namespace quarvo {

class Win32ProfileFile : public ProfileFile {
public:
    // The file in the user's application-data folder, with the one in the
    // Windows folder as its former place.
    Win32ProfileFile();
    // The file at a full path; formerPath, when given, is read while the file
    // does not exist, and copied to start it.
    explicit Win32ProfileFile(std::string path, std::string formerPath = {});

    std::string readString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void writeString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::vector<std::string> keyNames(const std::string& section) override;

    [[nodiscard]] const std::string& path() const { return path_; }

private:
    // The call's text for a key, or the list of key names for a null key.
    std::string profileString(const std::string& section, const char* key,
                              const std::string& defaultValue) const;
    // The file that reads go to: the user's, or the former one until then.
    [[nodiscard]] const std::string& readPath() const;
    // Makes the file's folder, and the file from the former one, when missing.
    void prepareForWriting() const;

    std::string path_;
    std::string formerPath_;
};

}  // namespace quarvo
