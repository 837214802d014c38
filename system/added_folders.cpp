#include "system/added_folders.h"

#include <algorithm>
#include <string_view>

#include "system/numbered_keys.h"

namespace quarvo {
namespace {

const std::string kSection = "Folders";
constexpr std::string_view kFolderPrefix = "Folder";

std::string folderKey(int n) {
    return std::string(kFolderPrefix) + std::to_string(n);
}

}  // namespace

SavedFolders readAddedFolders(ProfileFile& file) {
    SavedFolders saved;
    const NumberedKeys keys = readNumberedKeys(file, kSection, kFolderPrefix);
    saved.damaged = keys.count < 0 && !keys.values.empty();
    for (const auto& [n, folder] : keys.values) {
        if (!saved.damaged && n > keys.count) break;
        if (!folder.empty() &&
            std::find(saved.folders.begin(), saved.folders.end(), folder) == saved.folders.end())
            saved.folders.push_back(folder);
    }
    return saved;
}

void writeAddedFolders(ProfileFile& file, const std::vector<std::string>& folders) {
    ProfileFile::KeyValues values{{"Number", std::to_string(folders.size())}};
    for (std::size_t i = 0; i < folders.size(); ++i)
        values.emplace_back(folderKey(static_cast<int>(i) + 1), folders[i]);
    file.writeStrings(kSection, values);
}

}  // namespace quarvo
