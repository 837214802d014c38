#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collect/directory_walk.h"
#include "collect/system_directories.h"
#include "tests/support/temp_folder.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;

// A small real tree walked through this machine's own directory services
// gives the same tallies on every platform.
TEST(SystemWalk, SmallTreeGivesTheSameTalliesEverywhere) {
    TempFolder tree;
    tree.file("a.txt", 100);
    tree.file("notes", 5000);
    tree.file("sub/b.dat", 3);
    tree.file("sub/deeper/c.TXT", 70000);
    std::filesystem::create_directories(tree.path() / "empty");

    const auto directories = makeSystemDirectoryApi(defaultScanThreads());
    StatisticsCollector collector;
    collector.overhangEnabled = true;
    std::vector<std::string> folders;
    collector.setStatusSink([&](const std::string& text) {
        folders.push_back(text.substr(text.find(" : ") + 3));
        collector.tallies().filesProcessed = -1;  // so every file shows its folder
    });
    DirectoryWalk walk(*directories, collector);
    ASSERT_TRUE(walk.scanFolder(tree.path().string()));

    const Tallies& t = collector.tallies();
    EXPECT_EQ(t.filesSelected, 4);
    EXPECT_THAT(collector.fileTypeTable().entries(),
                ElementsAre("\t1\t5000", ".DAT\t1\t3", ".TXT\t2\t70100"));
    EXPECT_EQ(t.archiveCount, 4);
    EXPECT_EQ(t.archiveBytes, 75103);
    EXPECT_EQ(t.readOnlyCount + t.hiddenCount + t.systemCount, 0);
    EXPECT_EQ(t.overhang4K, 3996 + 3192 + 4093 + 3728);
    const char separator = directories->separator();
    EXPECT_THAT(folders, ElementsAre(EndsWith(std::string("sub") + separator + "deeper"),
                                     EndsWith("sub"), tree.path().string(), tree.path().string()));
}

}  // namespace
}  // namespace quarvo
