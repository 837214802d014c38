#include "system/posix/mime/plain_globs.h"

#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "text/ascii_case.h"

namespace quarvo {
namespace {

namespace fs = std::filesystem;

bool present(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool holdsPackages(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder / "packages", error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().extension() == ".xml") return true;
    }
    return false;
}

// Lines read "weight:type:glob", with ":flags" after the glob when it has
// any; "#" begins a comment.
bool addPlainGlobs(const fs::path& globs2, std::unordered_set<std::string>& extensions) {
    std::ifstream file(globs2);
    if (!file) return false;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t typeEnd = line.find(':', line.find(':') + 1);
        if (typeEnd == std::string::npos) continue;
        const std::size_t globEnd = line.find(':', typeEnd + 1);
        const std::string ext =
            plainGlobExtension(std::string_view(line).substr(typeEnd + 1, globEnd - (typeEnd + 1)));
        if (!ext.empty()) extensions.insert(asciiLower(ext));
    }
    return !file.bad();
}

}  // namespace

std::string plainGlobExtension(std::string_view glob) {
    if (glob.size() < 3 || !glob.starts_with("*.") ||
        glob.find_first_of(".*?[]", 2) != std::string_view::npos)
        return {};
    return std::string(glob.substr(1));
}

std::vector<std::string> sharedMimeFolders() {
    std::vector<std::string> folders;
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("mime"),
                                   QStandardPaths::LocateDirectory))
        folders.push_back(folder.toStdString());
    return folders;
}

std::optional<std::unordered_set<std::string>> plainGlobExtensions(
    const std::vector<std::string>& mimeFolders) {
    std::unordered_set<std::string> extensions;
    bool freedesktopPackage = false;
    // QtCore reads a folder's cache, or its packages where it has none; the
    // globs2 file is written with the cache.
    for (const std::string& name : mimeFolders) {
        const fs::path folder(name);
        freedesktopPackage =
            freedesktopPackage || present(folder / "packages" / "freedesktop.org.xml");
        if (present(folder / "mime.cache")) {
            if (!addPlainGlobs(folder / "globs2", extensions)) return std::nullopt;
        } else if (holdsPackages(folder)) {
            return std::nullopt;
        }
    }
    if (!freedesktopPackage) return std::nullopt;
    return extensions;
}

}  // namespace quarvo
