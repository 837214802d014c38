#include "system/file_type_description.h"

#include <algorithm>
#include <string_view>

#include "system/extension_length.h"
#include "text/ascii_case.h"
#include "text/utf8_upper.h"

namespace quarvo {
namespace {

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters of UTF-8 text: every byte that does not continue a sequence.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isUtf8Continuation(c); }));
}

// Drops a whole multi-byte character, so the rest stays valid UTF-8.
std::string_view withoutFirstCharacter(std::string_view text) {
    std::size_t i = 1;
    while (i < text.size() && isUtf8Continuation(text[i])) ++i;
    return text.substr(std::min(i, text.size()));
}

// Extension and class keys keep what we want in their default value and have
// no value named after themselves: the first read gives the empty name, the
// second the default value.
std::string readDefaultValue(ClassesRoot& root, const std::string& keyName) {
    const auto key = root.openKey(keyName);
    if (!key) return {};
    return key->readString(key->readString(keyName));
}

}  // namespace

std::string fileTypeDescription(ClassesRoot& root, const std::string& ext) {
    if (ext == "*.") return "No extension";
    const std::string className = readDefaultValue(root, ext);
    const std::string description = readDefaultValue(root, className);
    if (!description.empty()) return description;
    if (!className.empty()) return className;
    if (ext.empty() || ext.find('*') != std::string::npos) return {};
    return utf8Upper(withoutFirstCharacter(ext)) + " File";
}

std::string typeKeyDescription(ClassesRoot& root, const std::string& key) {
    return fileTypeDescription(root, key.empty() ? "*." : key);
}

void registeredPatterns(ClassesRoot& root, std::vector<std::string>& patterns, bool withAll) {
    patterns.clear();
    if (withAll) patterns.push_back("*.*");
    std::vector<std::string> names = root.subkeyNames();
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return compareIgnoringAsciiCase(a, b) < 0;
    });
    for (const std::string& name : names) {
        if (name.starts_with('.') && characterCount(name) <= kMaxExtensionLength + 1)
            patterns.push_back("*" + name);
    }
}

}  // namespace quarvo
