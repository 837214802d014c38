#include "system/posix/mime/mime_classes_root.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "system/file_type_description.h"
#include "system/posix/mime/plain_globs.h"
#include "tests/support/temp_folder.h"
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

// Extensions the database does not know are told apart without asking it:
// by its globs2 files, or, where those can't be read, in one pass over the
// database after many look-ups. The answers must be those of single
// look-ups.
TEST(MimeClassesRoot, ShortCutsGiveTheAnswersOfSingleLookUps) {
    const auto classOf = [](MimeClassesRoot& root, const std::string& ext) {
        const auto key = root.openKey(ext);
        return key ? key->readString("") : std::string("(none)");
    };
    std::vector<std::string> asked{".txt", ".C", ".c", ".gz", ".HTML", ".doc", ".qqq", ".f12345"};
    std::vector<std::string> patterns;
    MimeClassesRoot listing;
    registeredPatterns(listing, patterns, false);
    for (std::size_t i = 0; i < patterns.size(); i += 7) asked.push_back(patterns[i].substr(1));
    ASSERT_GT(asked.size(), 50u);

    const MimeClassesRoot::MimeFolders none;
    MimeClassesRoot single(none);
    std::vector<std::string> expected;
    for (const std::string& ext : asked) expected.push_back(classOf(single, ext));

    MimeClassesRoot onePass(none);
    MimeClassesRoot globFiles;
    for (int n = 0; n < 2000; ++n) EXPECT_EQ(onePass.openKey(".u" + std::to_string(n)), nullptr);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(classOf(onePass, asked[i]), expected[i]) << asked[i];
        EXPECT_EQ(classOf(globFiles, asked[i]), expected[i]) << asked[i];
    }
    EXPECT_TRUE(plainGlobExtensions(sharedMimeFolders()).has_value())
        << "the globs2 files of this machine's database were not used";
}

// Only plain globs count, case folded; the set is trusted only where every
// folder the database reads has its globs2 file and the freedesktop.org
// package is found.
TEST(MimeClassesRoot, ReadsPlainGlobsFromGlobFiles) {
    TempFolder local, global;
    const auto write = [](const std::filesystem::path& path, const std::string& text) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << text;
    };
    write(global.path() / "packages" / "freedesktop.org.xml", "");
    write(global.path() / "mime.cache", "");
    write(global.path() / "globs2",
          "# generated\n50:text/x-a:*.aa\n50:text/x-b:*.BB:cs\n50:text/x-c:*.tar.zz\n"
          "50:text/x-d:README\n50:text/x-e:*.[ch]\n50:text/x-f:*.g?\nbroken\n");
    std::filesystem::create_directories(local.path() / "packages");
    const std::vector<std::string> folders{local.path().string(), global.path().string()};
    using Set = std::unordered_set<std::string>;
    EXPECT_EQ(plainGlobExtensions(folders), Set({".aa", ".bb"}));

    write(local.path() / "packages" / "mine.xml", "");
    EXPECT_EQ(plainGlobExtensions(folders), std::nullopt) << "packages without a cache";
    write(local.path() / "mime.cache", "");
    EXPECT_EQ(plainGlobExtensions(folders), std::nullopt) << "a cache without globs2";
    write(local.path() / "globs2", "50:text/x-g:*.gg\n");
    EXPECT_EQ(plainGlobExtensions(folders), Set({".aa", ".bb", ".gg"}));
    EXPECT_EQ(plainGlobExtensions({local.path().string()}), std::nullopt)
        << "QtCore adds a database of its own without the freedesktop.org package";

    for (const char* glob : {"*.a.b", "*.", "*", "x.aa", "*.[ch]", "*.a*"})
        EXPECT_EQ(plainGlobExtension(glob), "") << glob;
    EXPECT_EQ(plainGlobExtension("*.Desktop"), ".Desktop");
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
