#include "system/posix/ini_profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "system/posix/ini_document.h"
#include "system/posix/replace_file.h"
#include "system/posix/user_folders.h"

namespace quarvo {
namespace {

struct FileContents {
    enum Status { Read, Missing, Unreadable } status = Missing;
    std::string bytes;
    mode_t mode = S_IRUSR | S_IWUSR;
};

FileContents readFile(const std::string& path) {
    FileContents contents;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        contents.status = errno == ENOENT ? FileContents::Missing : FileContents::Unreadable;
        return contents;
    }
    struct stat info {};
    contents.status = FileContents::Unreadable;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        contents.mode = info.st_mode & 07777;
        char buffer[65536];
        ssize_t got = 0;
        while ((got = read(fd, buffer, sizeof buffer)) > 0)
            contents.bytes.append(buffer, static_cast<std::size_t>(got));
        if (got == 0) contents.status = FileContents::Read;
    }
    close(fd);
    return contents;
}

IniDocument documentAt(const std::string& path) {
    const FileContents contents = readFile(path);
    return IniDocument(contents.status == FileContents::Read ? contents.bytes : std::string());
}

}  // namespace

IniProfileFile::IniProfileFile(const std::string& fileName)
    : path_(fileName.find('/') == std::string::npos ? configFolder() + "/" + fileName : fileName) {
}

std::string IniProfileFile::readString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue) {
    return documentAt(path_).value(section, key).value_or(defaultValue);
}

ProfileFile::KeyValues IniProfileFile::readSection(const std::string& section) {
    return documentAt(path_).section(section);
}

void IniProfileFile::writeString(const std::string& section, const std::string& key,
                                 const std::string& value) {
    writeStrings(section, {{key, value}});
}

void IniProfileFile::writeStrings(const std::string& section, const KeyValues& values) {
    const FileContents contents = readFile(path_);
    if (contents.status == FileContents::Unreadable) throw ProfileWriteError(path_);
    IniDocument document(contents.bytes);
    for (const auto& [key, value] : values) document.set(section, key, value);
    if (replaceFile(path_, document.text(), contents.mode) != 0) throw ProfileWriteError(path_);
}

}  // namespace quarvo
