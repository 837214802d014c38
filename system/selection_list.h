#pragma once
// A list of text entries each with a selection mark: what the drive lists and
// the extension lists are filled into. The pick list control implements it in
// the windows; StringSelectionList serves programs and tests without them.

#include <string>
#include <vector>

namespace quarvo {

class SelectionList {
public:
    virtual ~SelectionList() = default;

    virtual void clear() = 0;
    // Appends the entry, or puts it in its sorted place in a sorted list.
    // Returns its index.
    virtual int add(const std::string& entry) = 0;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
    virtual bool selected(int index) const = 0;
    virtual void setSelected(int index, bool selected) = 0;
};

// A plain list in memory. A sorted one orders its entries as a sorted list box
// does: ignoring the case of ASCII letters, a new entry after its equals.
class StringSelectionList : public SelectionList {
public:
    explicit StringSelectionList(bool sorted = false) : sorted_(sorted) {}

    void clear() override { items_.clear(); }
    int add(const std::string& entry) override;
    int count() const override { return static_cast<int>(items_.size()); }
    std::string entry(int index) const override { return items_.at(index).text; }
    bool selected(int index) const override { return items_.at(index).selected; }
    void setSelected(int index, bool selected) override { items_.at(index).selected = selected; }

    std::vector<std::string> entries() const;
    std::vector<std::string> selectedEntries() const;

private:
    struct Item {
        std::string text;
        bool selected = false;
    };
    bool sorted_;
    std::vector<Item> items_;
};

}  // namespace quarvo
