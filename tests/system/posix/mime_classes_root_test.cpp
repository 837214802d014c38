#include "system/posix/mime/mime_classes_root.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "system/file_type_description.h"
#include "text/ascii_case.h"

namespace quarvo {
namespace {

TEST(MimeClassesRoot, DescribesKnownTypesFromTheDatabase) {
    MimeClassesRoot root;
    const auto ext = root.openKey(".TXT");
    ASSERT_NE(ext, nullptr);
    EXPECT_EQ(ext->readString(""), "text/plain");
    EXPECT_EQ(ext->readString(".txt"), "");
    const std::string description = fileTypeDescription(root, ".txt");
    EXPECT_FALSE(description.empty());
    EXPECT_NE(description, "TXT File");
    EXPECT_NE(description, "text/plain");
    EXPECT_EQ(fileTypeDescription(root, ".Txt"), description);
}

TEST(MimeClassesRoot, LeavesUnknownAndUnreadableNamesToTheFallback) {
    MimeClassesRoot root;
    EXPECT_EQ(root.openKey(".qqq"), nullptr);
    EXPECT_EQ(fileTypeDescription(root, ".qqq"), "QQQ File");
    EXPECT_EQ(fileTypeDescription(root, ".\xff\xfe"), "\xff\xfe File");
    EXPECT_EQ(fileTypeDescription(root, ""), "");
}

TEST(MimeClassesRoot, RegistersPlainGlobsOnce) {
    MimeClassesRoot root;
    std::vector<std::string> patterns;
    registeredPatterns(root, patterns, false);
    const auto has = [&](const char* p) { return std::count(patterns.begin(), patterns.end(), p); };
    EXPECT_EQ(has("*.txt"), 1);
    EXPECT_EQ(has("*.html"), 1);
    EXPECT_EQ(has("*.c"), 1);  // "*.c" and "*.C" are one key
    EXPECT_EQ(has("*.C"), 0);
    EXPECT_EQ(has("*.gz"), 1);
    EXPECT_EQ(has("*.tar.gz"), 0);
    EXPECT_EQ(has("*.class"), 0);
    EXPECT_TRUE(std::is_sorted(patterns.begin(), patterns.end(), [](auto& a, auto& b) {
        return compareIgnoringAsciiCase(a, b) < 0;
    }));
}

}  // namespace
}  // namespace quarvo
