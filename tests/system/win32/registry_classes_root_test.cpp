#include "system/win32/registry_classes_root.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "system/extension_length.h"
#include "system/file_type_description.h"

namespace quarvo {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::Not;
using ::testing::SizeIs;
using ::testing::StartsWith;

TEST(RegistryClassesRoot, DescribesRegisteredTypesAndFallsBackForOthers) {
    RegistryClassesRoot root;
    EXPECT_EQ(fileTypeDescription(root, ".txt"), "Text Document");
    EXPECT_EQ(fileTypeDescription(root, ".TXT"), "Text Document");  // keys ignore case
    EXPECT_EQ(fileTypeDescription(root, ".qqq"), "QQQ File");
    EXPECT_EQ(fileTypeDescription(root, "*."), "No extension");
    EXPECT_EQ(fileTypeDescription(root, "*.txt"), "");
}

TEST(RegistryClassesRoot, ReadsStringValuesOnlyOfKeysThatExist) {
    RegistryClassesRoot root;
    EXPECT_EQ(root.openKey(".no-such-extension"), nullptr);
    const auto key = root.openKey(".txt");
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->readString("").empty());  // the class name
    EXPECT_EQ(key->readString("no such value"), "");
    EXPECT_NE(root.openKey(""), nullptr);
}

TEST(RegistryClassesRoot, RegisteredPatternsAreExtensionsOfTypesOnly) {
    RegistryClassesRoot root;
    EXPECT_THAT(root.subkeyNames(), Contains(".txt"));
    std::vector<std::string> patterns;
    registeredPatterns(root, patterns, true);
    ASSERT_THAT(patterns, Not(SizeIs(0)));
    EXPECT_EQ(patterns.front(), "*.*");
    EXPECT_THAT(patterns, Contains("*.txt"));
    EXPECT_THAT(patterns, Each(StartsWith("*.")));
    for (const std::string& p : patterns) EXPECT_LE(p.size(), kMaxExtensionLength + 2) << p;
}

}  // namespace
}  // namespace quarvo
