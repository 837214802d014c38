#include "system/posix/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace quarvo {
namespace {

std::string folderOf(const char* variable, const char* belowHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    return homeFolder() + belowHome;
}

}  // namespace

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : ".";
}

std::string configFolder() {
    return folderOf("XDG_CONFIG_HOME", "/.config");
}

std::string dataFolder() {
    return folderOf("XDG_DATA_HOME", "/.local/share");
}

}  // namespace quarvo
