#include "collect/file_rule.h"

#include <algorithm>

#include "collect/utf8_chars.h"
#include "text/ascii_case.h"

namespace quarvo {

std::string_view fileExtension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
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
    if (allFileTypes) return true;
    const std::string_view ext = fileExtension(name);
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
