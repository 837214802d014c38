#pragma once
// The file-type rule of a scan: all files, only the listed types, or all but
// the listed types. The list holds extension list entries, a pattern such as
// "*.doc", a tab and the type's description, kept sorted ignoring ASCII case.

#include <string>
#include <string_view>
#include <vector>

namespace quarvo {

class FileRule {
public:
    // Exactly one of the three is true for a run.
    bool allFileTypes = true;
    bool selectIfListed = false;     // result for a name whose extension is listed
    bool selectIfNotListed = false;  // result otherwise, and for any name with an empty list

    void setRuleList(std::vector<std::string> entries);
    void addRuleEntry(std::string entry);
    [[nodiscard]] const std::vector<std::string>& ruleList() const { return ruleList_; }

    // The rule applied to a file name.
    [[nodiscard]] bool isThisSelected(std::string_view name) const;

    // The extension of an entry, lower-cased: its text after the first
    // character up to the first tab, so "*.doc\tWord" gives ".doc". No
    // wildcard is interpreted: "*.*" gives ".*", which no extension equals.
    [[nodiscard]] static std::string extractExtension(std::string_view entry);

private:
    std::vector<std::string> ruleList_;
    // extractExtension of each entry of ruleList_, in the same order, so a
    // file is matched without making a string.
    std::vector<std::string> extensions_;
};

// The extension of a file name from its last dot, the dot included; empty
// when the name has no dot.
[[nodiscard]] std::string_view fileExtension(std::string_view name);

}  // namespace quarvo
