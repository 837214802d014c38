#include "system/extension_lists.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_profile_file.h"

namespace quarvo {
namespace {

using testing::FakeClassesRoot;
using testing::FakeProfileFile;
using Keys = FakeProfileFile::Keys;
using Entries = std::vector<std::string>;

class ExtensionLists : public ::testing::Test {
protected:
    ExtensionLists() {
        root.add(".doc", "Word.Document").add("Word.Document", "Word Document");
        root.add(".exe", "exefile").add("exefile", "Application");
        root.add(".dll", "dllfile").add("dllfile", "Application Extension");
    }
    Entries read(const std::string& section, bool sorted = false) {
        StringSelectionList list(sorted);
        list.add("stale entry");
        damaged = ReadStatFilesFromDisk(file, root, list, section);
        return list.entries();
    }
    void save(const std::string& section, const Keys& keys) {
        for (const auto& [key, value] : keys) file.writeString(section, key, value);
    }

    FakeClassesRoot root;
    FakeProfileFile file;
    bool damaged = false;
    const Entries defaults{"*.doc\tWord Document", "*.exe\tApplication",
                           "*.dll\tApplication Extension"};
};

// A section with patterns but no usable count is damaged: a save of the
// defaults it reads as would write over those patterns.
TEST_F(ExtensionLists, MissingOrUnusableCountReadsTheDefaults) {
    EXPECT_EQ(read("Include"), defaults);
    EXPECT_FALSE(damaged);
    EXPECT_EQ(read("Exclude"), defaults);
    EXPECT_TRUE(file.sections.empty());  // reading writes nothing back
    for (const char* number : {"", "two", "2x", " ", "-1", "-7", "99999999999"}) {
        save("Include", {{"Number", number}, {"File1", "*.txt"}});
        EXPECT_EQ(read("Include"), defaults) << number;
        EXPECT_TRUE(damaged) << number;
    }
    save("Exclude", {{"Number", "x"}, {"File0", "*.txt"}, {"Other", "1"}});
    EXPECT_EQ(read("Exclude"), defaults);
    EXPECT_FALSE(damaged);
}

TEST_F(ExtensionLists, ReadsUpToTheCountPassingOverEmptyAndMissingKeys) {
    save("Include", {{"number", "0"}, {"File1", "*.doc"}});
    EXPECT_EQ(read("INCLUDE"), Entries{});
    save("Include", {{"Number", "4"},
                     {"File1", "*.qqq"},
                     {"File2", ""},
                     {"File4", "*.Doc"},
                     {"File5", "*.exe"},
                     {"File3x", "*.dll"}});
    EXPECT_EQ(read("Include"), (Entries{"*.qqq\tQQQ File", "*.Doc\tWord Document"}));
    EXPECT_FALSE(damaged);
    // A sorted list puts entries in their places, as the pick lists do.
    EXPECT_EQ(read("Include", true), (Entries{"*.Doc\tWord Document", "*.qqq\tQQQ File"}));
}

TEST_F(ExtensionLists, DescribesThePatternsExtensionFromItsLastDot) {
    save("Include", {{"Number", "4"},
                     {"File1", "*.tar.doc"},
                     {"File2", "README"},
                     {"File3", "*."},
                     {"File4", "*.*"}});
    EXPECT_EQ(read("Include"),
              (Entries{"*.tar.doc\tWord Document", "README\t", "*.\t File", "*.*\t"}));
}

// The file is looked at once per list, however long the list or its count.
TEST_F(ExtensionLists, ReadsTheFileOnceWhateverTheCount) {
    save("Include", {{"Number", "2000000000"},
                     {"File3", "*.exe"},
                     {"File1", "*.doc"},
                     {"File0", "*.x"},
                     {"File007", "*.y"},
                     {"File-9", "*.z"}});
    file.sections.back().second.emplace_back("file1", "*.second");  // the first of equals counts
    EXPECT_EQ(read("Include"), (Entries{"*.doc\tWord Document", "*.exe\tApplication"}));
    EXPECT_EQ(file.reads, 1);

    Keys many{{"Number", "20000"}};
    for (int n = 1; n <= 20000; ++n) many.emplace_back("File" + std::to_string(n), "*.x");
    file.sections.emplace_back("Exclude", many);
    file.reads = 0;
    EXPECT_EQ(read("Exclude").size(), 20000u);
    EXPECT_EQ(file.reads, 1);
}

TEST_F(ExtensionLists, WritesPatternsOnlyAndLeavesLongerOldListsKeys) {
    save("Exclude", {{"Number", "5"},
                     {"File1", "a"},
                     {"File2", "b"},
                     {"File3", "c"},
                     {"File4", "d"},
                     {"File5", "e"}});
    StringSelectionList list;
    list.add("*.htm\tHTML Document");
    list.add("*.bak");
    WriteStatFilesToDisk(file, list, "exclude");
    EXPECT_EQ(file.keys("Exclude"), (Keys{{"Number", "2"},
                                          {"File1", "*.htm"},
                                          {"File2", "*.bak"},
                                          {"File3", "c"},
                                          {"File4", "d"},
                                          {"File5", "e"}}));
    EXPECT_EQ(read("Exclude"), (Entries{"*.htm\tHTM File", "*.bak\tBAK File"}));

    WriteStatFilesToDisk(file, StringSelectionList(), "Include");
    EXPECT_EQ(file.keys("Include"), (Keys{{"Number", "0"}}));
    EXPECT_EQ(read("Include"), Entries{});
}

TEST_F(ExtensionLists, RefusedWriteRaisesTheFilesName) {
    file.failWrites = true;
    StringSelectionList list;
    list.add("*.doc");
    try {
        WriteStatFilesToDisk(file, list, "Include");
        FAIL() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to quarvo.ini");
    }
}

}  // namespace
}  // namespace quarvo
