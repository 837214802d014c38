#include "system/file_type_description.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_classes_root.h"

namespace quarvo {
namespace {

using testing::FakeClassesRoot;

FakeClassesRoot officeRegistry() {
    FakeClassesRoot root;
    root.add(".doc", "Word.Document.8").add("Word.Document.8", "Word Document");
    root.add(".xyz", "xyzfile").add("xyzfile", "");  // a class without a description
    root.add(".lnk", "lnkfile");                     // a class without a key
    return root;
}

TEST(FileTypeDescription, TakesTheClassDescriptionElseTheClassName) {
    FakeClassesRoot root = officeRegistry();
    EXPECT_EQ(fileTypeDescription(root, ".doc"), "Word Document");
    EXPECT_EQ(fileTypeDescription(root, ".DOC"), "Word Document");
    EXPECT_EQ(fileTypeDescription(root, ".xyz"), "xyzfile");
    EXPECT_EQ(fileTypeDescription(root, ".lnk"), "lnkfile");
}

TEST(FileTypeDescription, MakesANameForUnknownExtensionsOnly) {
    FakeClassesRoot root = officeRegistry();
    EXPECT_EQ(fileTypeDescription(root, "*."), "No extension");
    EXPECT_EQ(fileTypeDescription(root, ".qqq"), "QQQ File");
    EXPECT_EQ(fileTypeDescription(root, ".Tar"), "TAR File");
    // Letters beyond ASCII change case too; a multi-byte first character goes whole.
    EXPECT_EQ(fileTypeDescription(root, ".\xc3\xa9"), "\xc3\x89 File");
    EXPECT_EQ(fileTypeDescription(root, ".\xc3\xa4z"), "\xc3\x84Z File");
    EXPECT_EQ(fileTypeDescription(root, "\xc3\xa4z"), "Z File");
    EXPECT_EQ(fileTypeDescription(root, ".\xff\xfe"), "\xff\xfe File");
    EXPECT_EQ(fileTypeDescription(root, "."), " File");
    // A pattern with its star finds no key and gets no made-up name.
    EXPECT_EQ(fileTypeDescription(root, "*.doc"), "");
    EXPECT_EQ(fileTypeDescription(root, "*.*"), "");
    EXPECT_EQ(fileTypeDescription(root, ""), "");
}

TEST(FileTypeDescription, ReadsTheValueNamedByTheFirstReadOfAKey) {
    // A key that has a value named after itself is read through that value.
    FakeClassesRoot root;
    root.add(".odd", "plain").set(".odd", ".odd", "other").set(".odd", "other", "oddclass");
    root.add("oddclass", "Odd Thing");
    EXPECT_EQ(fileTypeDescription(root, ".odd"), "Odd Thing");
}

// Extensions as long as the scan counts as types, .desktop and .properties
// among them; a longer suffix is left out.
TEST(RegisteredPatterns, ListsExtensionsOfTypesSortedIgnoringCase) {
    FakeClassesRoot root;
    for (const char* key : {".txt", "txtfile", ".class", ".html", ".Bmp", ".a", ".desktop",
                            ".properties", ".abcdefghijklmnop", ".abcdefghijklmnopq", "*",
                            ".\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f\xc3"
                            "\xa4\xc3\xb6\xc3\xbc\xc3\x9f\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f",
                            ".doc"})
        root.add(key, "");
    std::vector<std::string> patterns{"left over"};
    registeredPatterns(root, patterns, false);
    EXPECT_EQ(patterns, (std::vector<std::string>{
                            "*.a", "*.abcdefghijklmnop", "*.Bmp", "*.class", "*.desktop", "*.doc",
                            "*.html", "*.properties", "*.txt",
                            "*."
                            "\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f\xc3"
                            "\xa4\xc3\xb6\xc3\xbc\xc3\x9f\xc3\xa4\xc3\xb6\xc3\xbc\xc3\x9f"}));
    registeredPatterns(root, patterns, true);
    ASSERT_EQ(patterns.size(), 11u);
    EXPECT_EQ(patterns.front(), "*.*");
}

}  // namespace
}  // namespace quarvo
