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

// A long list of extensions is answered in one pass over the database
// instead of a look-up each; the answers must be those of single look-ups.
TEST(MimeClassesRoot, ManyLookUpsGiveTheAnswersOfFew) {
    const auto classOf = [](MimeClassesRoot& root, const std::string& ext) {
        const auto key = root.openKey(ext);
        return key ? key->readString("") : std::string("(none)");
    };
    const std::vector<std::string> asked{".txt", ".C", ".c", ".gz", ".HTML", ".doc", ".qqq"};
    MimeClassesRoot few;
    std::vector<std::string> expected;
    for (const std::string& ext : asked) expected.push_back(classOf(few, ext));

    MimeClassesRoot many;
    for (int n = 0; n < 2000; ++n) EXPECT_EQ(many.openKey(".u" + std::to_string(n)), nullptr);
    for (std::size_t i = 0; i < asked.size(); ++i)
        EXPECT_EQ(classOf(many, asked[i]), expected[i]) << asked[i];
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
    EXPECT_EQ(has("*.class"), 1);
    EXPECT_EQ(has("*.desktop"), 1);
    EXPECT_TRUE(std::is_sorted(patterns.begin(), patterns.end(), [](auto& a, auto& b) {
        return compareIgnoringAsciiCase(a, b) < 0;
    }));
}

}  // namespace
}  // namespace quarvo
