#include "system/posix/ini_profile_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "system/posix/ini_document.h"

namespace quarvo {
namespace {

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : ".";
}

// Relative values of XDG_CONFIG_HOME are to be ignored, like unset ones.
std::string configFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    return homeFolder() + "/.config";
}

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

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Writes the new text beside the file and renames it over the file, keeping
// its permissions; a link to the file is followed, not replaced.
bool replaceFile(const std::string& path, std::string_view bytes, mode_t mode) {
    std::error_code error;
    std::filesystem::path target = std::filesystem::canonical(path, error);
    if (error) target = path;
    std::filesystem::create_directories(target.parent_path(), error);
    std::string temporary = target.string() + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (written && closed && rename(temporary.c_str(), target.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
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
    if (!replaceFile(path_, document.text(), contents.mode)) throw ProfileWriteError(path_);
}

}  // namespace quarvo
