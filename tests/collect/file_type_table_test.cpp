#include "collect/file_type_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "collect/file_rule.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

TEST(FileTypeTable, KeepsOneEntryPerKeyInOrderIgnoringCase) {
    FileTypeTable table;
    table.insertType(".txt", 10, false);
    table.insertType(".DOC", 5, false);
    table.insertType("", 7, false);
    table.insertType(".Txt", 20, false);
    table.insertType(".do", 1, false);
    EXPECT_THAT(table.entries(), ElementsAre("\t1\t7", ".DO\t1\t1", ".DOC\t1\t5", ".TXT\t2\t30"));

    // Many keys in mixed case, long and short, new rows landing before the
    // ones counted lately: each file lands on its own key's row.
    FileTypeTable many;
    std::map<std::string, int> expected;
    for (int i = 0; i < 3000; ++i) {
        std::string key = "." + std::string(1 + i % 11, static_cast<char>('z' - i * 7 % 26));
        if (i % 3 == 0) key[1] = static_cast<char>(key[1] - 'a' + 'A');
        many.insertType(key, 1, false);
        std::transform(key.begin(), key.end(), key.begin(), [](char c) { return std::toupper(c); });
        expected[key] += 1;
    }
    ASSERT_EQ(many.size(), expected.size());
    std::size_t row = 0;
    for (const auto& [key, count] : expected) {
        EXPECT_EQ(many.at(row).key, key);
        EXPECT_EQ(many.at(row++).count, count) << key;
    }
}

TEST(FileTypeTable, SeedingOnlyMakesSureTheKeyIsThere) {
    FileTypeTable table;
    table.insertType(".exe", 100, false);
    table.insertType(".EXE", 0, true);
    table.insertType(".bat", 0, true);
    EXPECT_THAT(table.entries(), ElementsAre(".BAT\t0\t0", ".EXE\t1\t100"));
}

TEST(FileTypeTable, CountsLongKeysInCharactersAndKeepsUnreadableBytes) {
    FileTypeTable table;
    std::string emoji16 = ".";
    for (int i = 0; i < 16; ++i) emoji16 += "\xF0\x9F\x98\x80";  // four bytes each
    table.insertType(".class", 1, false);
    table.insertType(emoji16, 2, false);                        // sixteen characters
    table.insertType(".\xFF\xFE", 3, false);                    // not UTF-8, kept as it is
    table.insertType(".a\tb", 4, false);                        // would break the entry's fields
    table.insertType("." + std::string(17, '\x80'), 5, false);  // stray bytes count one each
    table.insertType(".abcdefghijklmnopq", 6, false);           // seventeen: no extension
    table.insertType("", 7, false);
    table.insertType(std::string_view("\0", 1), 8, false);  // not the empty key
    EXPECT_THAT(table.entries(),
                ElementsAre("\t1\t7", ".CLASS\t1\t1", emoji16 + "\t1\t2", ".\xFF\xFE\t1\t3"));
    table.clear();
    EXPECT_EQ(table.size(), 0u);
}

TEST(FileTypeTable, HoldsByteTotalsBeyond32Bits) {
    FileTypeTable table;
    table.insertType(".iso", 3'000'000'000, false);
    table.insertType(".iso", 3'000'000'000, false);
    EXPECT_EQ(table.entryText(0), ".ISO\t2\t6000000000");
}

FileRule ruleOf(bool listed, bool notListed, std::vector<std::string> entries) {
    FileRule rule;
    rule.allFileTypes = false;
    rule.selectIfListed = listed;
    rule.selectIfNotListed = notListed;
    rule.setRuleList(std::move(entries));
    return rule;
}

TEST(FileRule, AppliesIncludeAndExcludeListsIgnoringCase) {
    const FileRule include =
        ruleOf(true, false, {"*.doc\tWord", "*.TXT\tText", "*.desktop\tDesktop file"});
    EXPECT_TRUE(include.isThisSelected("Report.DOC"));
    EXPECT_TRUE(include.isThisSelected("app.Desktop"));
    EXPECT_TRUE(include.isThisSelected("a.b.txt"));
    EXPECT_FALSE(include.isThisSelected("doc"));
    EXPECT_FALSE(include.isThisSelected("a.docx"));
    const FileRule exclude = ruleOf(false, true, {"*.doc\tWord", "*.properties\tJava"});
    EXPECT_FALSE(exclude.isThisSelected("x.doc"));
    EXPECT_FALSE(exclude.isThisSelected("x.properties"));
    EXPECT_TRUE(exclude.isThisSelected("README"));
}

TEST(FileRule, EmptyListSelectsNothingToIncludeAndEverythingToExclude) {
    EXPECT_FALSE(ruleOf(true, false, {}).isThisSelected("a.doc"));
    EXPECT_TRUE(ruleOf(false, true, {}).isThisSelected("a.doc"));
    FileRule all;
    EXPECT_TRUE(all.isThisSelected("anything"));
}

TEST(FileRule, PatternsAreNotWildcards) {
    const FileRule include = ruleOf(true, false, {"*.*\tAll", "*.\tNone"});
    EXPECT_FALSE(include.isThisSelected("a.doc"));
    EXPECT_FALSE(include.isThisSelected("README"));
    EXPECT_EQ(FileRule::extractExtension("*.DoC\tWord document"), ".doc");
    EXPECT_EQ(FileRule::extractExtension("*.txt"), ".txt");
    EXPECT_EQ(FileRule::extractExtension(""), "");
}

TEST(FileRule, KeepsItsListSortedIgnoringCase) {
    FileRule rule = ruleOf(true, false, {"*.txt\tText", "*.Bat\tBatch"});
    rule.addRuleEntry("*.doc\tWord");
    EXPECT_THAT(rule.ruleList(), ElementsAre("*.Bat\tBatch", "*.doc\tWord", "*.txt\tText"));
    EXPECT_TRUE(rule.isThisSelected("x.DOC"));
    EXPECT_FALSE(rule.isThisSelected("x.cmd"));
}

}  // namespace
}  // namespace quarvo
