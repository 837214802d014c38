#include "system/selection_list.h"

#include <gtest/gtest.h>

namespace quarvo {
namespace {

TEST(StringSelectionList, SortedListOrdersIgnoringCaseAndKeepsEqualsInArrivalOrder) {
    StringSelectionList list(true);
    list.add("*.exe\tProgram");
    list.add("*.DOC");
    list.add("*.doc");
    EXPECT_EQ(list.entries(), (std::vector<std::string>{"*.DOC", "*.doc", "*.exe\tProgram"}));
}

TEST(StringSelectionList, UnsortedListAppendsAndKeepsMarks) {
    StringSelectionList list;
    list.add("b");
    EXPECT_EQ(list.add("a"), 1);
    list.setSelected(1, true);
    EXPECT_EQ(list.selectedEntries(), std::vector<std::string>{"a"});
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

}  // namespace
}  // namespace quarvo
