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
    const int count = savedCount(file, kSection);
    const int last = lastNumberedKey(file, kSection, kFolderPrefix);
    saved.damaged = count < 0 && last > 0;
    const int upTo = saved.damaged ? last : std::min(count, last);
    for (int n = 1; n <= upTo; ++n) {
        std::string folder = file.readString(kSection, folderKey(n), "");
        if (!folder.empty() &&
            std::find(saved.folders.begin(), saved.folders.end(), folder) == saved.folders.end())
            saved.folders.push_back(std::move(folder));
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
