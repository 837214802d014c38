#include "system/selection_list.h"

#include <algorithm>

#include "text/ascii_case.h"

namespace quarvo {

int StringSelectionList::add(const std::string& entry) {
    auto at = items_.end();
    if (sorted_) {
        at = std::upper_bound(items_.begin(), items_.end(), entry,
                              [](const std::string& text, const Item& item) {
                                  return compareIgnoringAsciiCase(text, item.text) < 0;
                              });
    }
    at = items_.insert(at, Item{entry, false});
    return static_cast<int>(at - items_.begin());
}

std::vector<std::string> StringSelectionList::entries() const {
    std::vector<std::string> out;
    for (const Item& item : items_) out.push_back(item.text);
    return out;
}

std::vector<std::string> StringSelectionList::selectedEntries() const {
    std::vector<std::string> out;
    for (const Item& item : items_)
        if (item.selected) out.push_back(item.text);
    return out;
}

}  // namespace quarvo
