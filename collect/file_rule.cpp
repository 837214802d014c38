#include "collect/file_rule.h"

#include <algorithm>

#include "text/ascii_case.h"
#include "text/utf8_chars.h"

namespace quarvo {
namespace {

bool isVersionNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// ".so" of "libfoo.so.6" or "libfoo.so.1.2.3"; empty for any other name.
std::string_view versionedLibraryExtension(std::string_view name) {
    if (name.empty() || name.back() < '0' || name.back() > '9') return {};
    std::string_view rest = name;
    bool versioned = false;
    for (std::size_t dot = rest.rfind('.');
         dot != std::string_view::npos && isVersionNumber(rest.substr(dot + 1));
         dot = rest.rfind('.')) {
        rest = rest.substr(0, dot);
        versioned = true;
    }
    constexpr std::string_view kLibrary = ".so";
    if (!versioned || rest.size() < kLibrary.size()) return {};
    const std::string_view tail = rest.substr(rest.size() - kLibrary.size());
    return compareIgnoringAsciiCase(tail, kLibrary) == 0 ? tail : std::string_view();
}

// A text has no more characters than bytes: most are counted by their size.
bool isShortEnoughForExtension(std::string_view text) {
    return text.size() <= kMaxExtensionLength + 1 || utf8CharCount(text) <= kMaxExtensionLength + 1;
}

}  // namespace

bool isExtensionText(std::string_view text) {
    return text.starts_with('.') && isShortEnoughForExtension(text) &&
           std::none_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// One pass back from the end finds the last dot and whether a control
// character stands after it: every file counted asks.
std::string_view fileExtension(std::string_view name) {
    std::size_t after = name.size();
    bool control = false;
    for (; after > 0 && name[after - 1] != '.'; --after) {
        control |= static_cast<unsigned char>(name[after - 1]) < 0x20;
    }
    if (after == 0) return {};
    if (const std::string_view library = versionedLibraryExtension(name); !library.empty())
        return library;
    const std::string_view extension = name.substr(after - 1);
    return control || !isShortEnoughForExtension(extension) ? std::string_view() : extension;
}

void FileRule::setRuleList(std::vector<std::string> entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const std::string& a, const std::string& b) {
                         return compareIgnoringAsciiCase(a, b) < 0;
                     });
    ruleList_ = std::move(entries);
    extensions_.clear();
    for (const std::string& entry : ruleList_) extensions_.push_back(extractExtension(entry));
}

void FileRule::addRuleEntry(std::string entry) {
    const auto place = std::upper_bound(ruleList_.begin(), ruleList_.end(), entry,
                                        [](const std::string& a, const std::string& b) {
                                            return compareIgnoringAsciiCase(a, b) < 0;
                                        });
    extensions_.insert(extensions_.begin() + (place - ruleList_.begin()), extractExtension(entry));
    ruleList_.insert(place, std::move(entry));
}

bool FileRule::isThisSelected(std::string_view name) const {
    return allFileTypes || isExtensionSelected(fileExtension(name));
}

bool FileRule::isExtensionSelected(std::string_view ext) const {
    if (allFileTypes) return true;
    // Equal once both are lower-cased is the same as equal ignoring ASCII case.
    const bool listed =
        std::any_of(extensions_.begin(), extensions_.end(),
                    [ext](const std::string& e) { return compareIgnoringAsciiCase(e, ext) == 0; });
    return listed ? selectIfListed : selectIfNotListed;
}

std::string FileRule::extractExtension(std::string_view entry) {
    if (entry.empty()) return {};
    const std::string_view rest = entry.substr(utf8CharLength(entry, 0));
    return asciiLower(rest.substr(0, rest.find('\t')));
}

}  // namespace quarvo
