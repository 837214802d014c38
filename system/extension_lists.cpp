#include "system/extension_lists.h"

#include <algorithm>
#include <charconv>
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

// The saved count; -1 when the key is missing or not an integer.
int savedCount(ProfileFile& file, const std::string& section) {
    int count = 0;
    return parseDecimal(file.readString(section, "Number", ""), count) ? count : -1;
}

// The highest n for which the section really has a key File<n>. A count far
// above it (a damaged or hand-edited file) must not cost a read per number.
int lastFileKey(ProfileFile& file, const std::string& section) {
    int last = 0;
    for (const std::string& name : file.keyNames(section)) {
        if (name.size() <= kFilePrefix.size() ||
            compareIgnoringAsciiCase(name.substr(0, kFilePrefix.size()), kFilePrefix) != 0)
            continue;
        const std::string_view digits = std::string_view(name).substr(kFilePrefix.size());
        int n = 0;
        if (digits[0] != '0' && digits[0] != '-' && parseDecimal(digits, n))
            last = std::max(last, n);
    }
    return last;
}

}  // namespace

std::string extensionListEntry(ClassesRoot& root, const std::string& pattern) {
    const std::size_t dot = pattern.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : pattern.substr(dot);
    return pattern + '\t' + fileTypeDescription(root, ext);
}

void ReadStatFilesFromDisk(ProfileFile& file, ClassesRoot& root, SelectionList& list,
                           const std::string& section) {
    const int count = savedCount(file, section);
    list.clear();
    const int last = std::min(count, lastFileKey(file, section));
    for (int n = 1; n <= last; ++n) {
        const std::string pattern = file.readString(section, fileKey(n), "");
        if (!pattern.empty()) list.add(extensionListEntry(root, pattern));
    }
    if (count >= 0) return;
    for (const char* pattern : {"*.doc", "*.exe", "*.dll"})
        list.add(extensionListEntry(root, pattern));
}

bool savedListDamaged(ProfileFile& file, const std::string& section) {
    return savedCount(file, section) < 0 && lastFileKey(file, section) > 0;
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
