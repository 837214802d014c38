#include "system/extension_lists.h"

#include <string_view>

#include "system/file_type_description.h"
#include "system/numbered_keys.h"

namespace quarvo {
namespace {

constexpr std::string_view kFilePrefix = "File";

std::string fileKey(int n) {
    return std::string(kFilePrefix) + std::to_string(n);
}

}  // namespace

std::string extensionListEntry(ClassesRoot& root, const std::string& pattern) {
    const std::size_t dot = pattern.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : pattern.substr(dot);
    return pattern + '\t' + fileTypeDescription(root, ext);
}

bool ReadStatFilesFromDisk(ProfileFile& file, ClassesRoot& root, SelectionList& list,
                           const std::string& section) {
    const NumberedKeys saved = readNumberedKeys(file, section, kFilePrefix);
    list.clear();
    for (const auto& [n, pattern] : saved.values) {
        if (n > saved.count) break;
        if (!pattern.empty()) list.add(extensionListEntry(root, pattern));
    }
    if (saved.count >= 0) return false;
    for (const char* pattern : {"*.doc", "*.exe", "*.dll"})
        list.add(extensionListEntry(root, pattern));
    return !saved.values.empty();
}

void WriteStatFilesToDisk(ProfileFile& file, const SelectionList& list,
                          const std::string& section) {
    ProfileFile::KeyValues values{{"Number", std::to_string(list.count())}};
    for (int i = 0; i < list.count(); ++i) {
        const std::string entry = list.entry(i);
        values.emplace_back(fileKey(i + 1), entry.substr(0, entry.find('\t')));
    }
    file.writeStrings(section, values);
}

}  // namespace quarvo
