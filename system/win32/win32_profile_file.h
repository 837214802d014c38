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

#include <functional>
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
    // One call, which reads the file once, for all the keys.
    KeyValues readSection(const std::string& section) override;

    [[nodiscard]] const std::string& path() const { return path_; }

private:
    // One of the reading calls, given a buffer, its size and the file.
    using ProfileCall =
        std::function<unsigned long(wchar_t* buffer, unsigned long size, const wchar_t* path)>;
    // The text that a reading call gives, whatever its length; slack is how
    // far below the buffer's size the call stops when the text is cut short.
    std::string profileText(const ProfileCall& call, unsigned long slack) const;
    // The file that reads go to: the user's, or the former one until then.
    [[nodiscard]] const std::string& readPath() const;
    // Makes the file's folder, and the file from the former one, when missing.
    void prepareForWriting() const;

    std::string path_;
    std::string formerPath_;
};

}  // namespace quarvo
