#pragma once
// The file-type rule of a scan: all files, only the listed types, or all but
// the listed types. The list holds extension list entries, a pattern such as
// "*.doc", a tab and the type's description, kept sorted ignoring ASCII case.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "system/extension_length.h"

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
    // The rule applied to a file's extension, as fileExtension gives it.
    [[nodiscard]] bool isExtensionSelected(std::string_view extension) const;

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

// Whether text (a dot and what follows it) can stand as an extension: at most
// kMaxExtensionLength characters after the dot and no control character,
// which would break the tab-separated text of the file-type table.
[[nodiscard]] bool isExtensionText(std::string_view text);

// The extension of a file name, the dot included: from its last dot, except
// that the numeric version suffixes of a shared library belong to its ".so"
// ("libfoo.so.1.2.3" gives ".so"). Empty when the name has no dot or when
// what follows the dot is no extension (see isExtensionText), so that every
// name has exactly one extension, its own or none.
[[nodiscard]] std::string_view fileExtension(std::string_view name);

}  // namespace quarvo
