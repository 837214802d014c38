#include "system/posix/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace quarvo {
namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put == 0) errno = ENOSPC;
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

int replaceFile(const std::string& path, std::string_view bytes, mode_t mode) {
    std::error_code error;
    std::filesystem::path target = std::filesystem::canonical(path, error);
    if (error) target = path;
    std::filesystem::create_directories(target.parent_path(), error);
    std::string temporary = target.string() + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    const bool written = writeAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    int failure = written ? 0 : errno;
    if (close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && rename(temporary.c_str(), target.c_str()) == 0) return 0;
    if (failure == 0) failure = errno;
    unlink(temporary.c_str());
    return failure;
}

}  // namespace quarvo
