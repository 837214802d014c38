#pragma once
// A pick list seen as the core's list of entries with selection marks, so
// that the drive and extension lists are filled and read by the core's code.

#include "system/selection_list.h"
#include "toolkit/lists/pick_list.h"

namespace quarvo {

class PickListEntries : public SelectionList {
public:
    explicit PickListEntries(TPickList& list) : list_(list) {}

    void clear() override { list_.clear(); }
    int add(const std::string& entry) override;
    int count() const override { return list_.count(); }
    std::string entry(int index) const override { return list_.text(index).toStdString(); }
    bool selected(int index) const override { return list_.selected(index); }
    void setSelected(int index, bool selected) override { list_.setSelected(index, selected); }

private:
    TPickList& list_;
};

}  // namespace quarvo
