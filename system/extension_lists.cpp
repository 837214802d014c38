#include "system/extension_lists.h"

#include <charconv>
#include <map>
#include <string_view>

#include "system/file_type_description.h"
#include "text/ascii_case.h"

namespace quarvo {
namespace {

constexpr std::string_view kFilePrefix = "File";

std::string fileKey(int n) {
    return std::string(kFilePrefix) + std::to_string(n);
}

// True when the whole text is a decimal integer, with an optional minus sign,
// that fits an int.
bool parseDecimal(std::string_view text, int& value) {
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    return !text.empty() && error == std::errc() && end == last;
}

// What a section holds of a saved list: its count, -1 when the key is missing
// or not an integer, and its patterns by number. Of two equal keys the first
// counts, as it does for a single read.
struct SavedList {
    int count = -1;
    std::map<int, std::string> patterns;
};

// The n of a key File<n>, written without leading zeros; 0 for other keys.
int fileNumber(std::string_view key) {
    if (key.size() <= kFilePrefix.size() ||
        compareIgnoringAsciiCase(key.substr(0, kFilePrefix.size()), kFilePrefix) != 0)
        return 0;
    const std::string_view digits = key.substr(kFilePrefix.size());
    int n = 0;
    return digits[0] != '0' && digits[0] != '-' && parseDecimal(digits, n) ? n : 0;
}

// One read of the section, however many keys it has: a count far above the
// patterns it really holds (a damaged or hand-edited file) costs nothing.
SavedList savedList(ProfileFile& file, const std::string& section) {
    SavedList list;
    bool counted = false;
    for (const auto& [key, value] : file.readSection(section)) {
        if (compareIgnoringAsciiCase(key, "Number") == 0 && !counted) {
            counted = true;
            if (!parseDecimal(value, list.count)) list.count = -1;
        } else if (const int n = fileNumber(key); n > 0) {
            list.patterns.emplace(n, value);
        }
    }
    return list;
}

}  // namespace

std::string extensionListEntry(ClassesRoot& root, const std::string& pattern) {
    const std::size_t dot = pattern.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : pattern.substr(dot);
    return pattern + '\t' + fileTypeDescription(root, ext);
}

bool ReadStatFilesFromDisk(ProfileFile& file, ClassesRoot& root, SelectionList& list,
                           const std::string& section) {
    const SavedList saved = savedList(file, section);
    list.clear();
    for (const auto& [n, pattern] : saved.patterns) {
        if (n > saved.count) break;
        if (!pattern.empty()) list.add(extensionListEntry(root, pattern));
    }
    if (saved.count >= 0) return false;
    for (const char* pattern : {"*.doc", "*.exe", "*.dll"})
        list.add(extensionListEntry(root, pattern));
    return !saved.patterns.empty();
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
