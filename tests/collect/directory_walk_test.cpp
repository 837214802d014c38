#include "collect/directory_walk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/fake_directory_api.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using testing::fakeDir;
using testing::fakeFile;
using testing::FakeNode;

class Walk : public ::testing::Test {
protected:
    Walk() {
        collector.currentDrive = "c: [system]";
        // Each file's status text names its directory; every file shows it.
        collector.setStatusSink([this](const std::string& text) {
            const std::string prefix = "Processing drive c: [system] ... standby : ";
            seen.push_back(text.substr(prefix.size()));
            collector.tallies().filesProcessed = -1;  // the walk adds 1 after each file
        });
    }

    // Walks the fake drive c: at "/c", as the statistics window names it.
    bool walkDrive(DirectoryWalk& walk) { return walk.walk("/c", "c:\\", '\\'); }
    bool walkDrive() {
        DirectoryWalk walk(directories, collector);
        return walkDrive(walk);
    }

    testing::FakeDirectoryApi directories;
    StatisticsCollector collector{[] { return std::int64_t{0}; }};
    std::vector<std::string> seen;
};

TEST_F(Walk, CountsEverythingBelowADirectoryBeforeItsOwnFiles) {
    directories.roots["/c"] = fakeDir(
        "", {fakeFile("a"), fakeDir("sub", {fakeFile("x"), fakeDir("deep", {fakeFile("y")})}),
             fakeFile("b"), fakeDir("sub2", {fakeFile("z")})});
    EXPECT_TRUE(walkDrive());
    EXPECT_THAT(seen, ElementsAre("c:\\sub\\deep", "c:\\sub", "c:\\sub2", "c:\\", "c:\\"));
    EXPECT_THAT(directories.entered, ElementsAre("sub", "deep", "sub2"));
    EXPECT_EQ(collector.tallies().filesSelected, 5);
    EXPECT_THAT(directories.listed, ElementsAre("", "sub", "deep", "sub2"));
}

TEST_F(Walk, NeverEntersHiddenOrSystemDirectoriesButCountsHiddenFiles) {
    directories.roots["/c"] =
        fakeDir("", {fakeDir("hid", {fakeFile("h1")}, kAttrDirectory | kAttrHidden),
                     fakeDir("sys", {fakeFile("s1")}, kAttrDirectory | kAttrSystem),
                     fakeFile("secret", 50, kAttrHidden | kAttrArchive)});
    EXPECT_TRUE(walkDrive());
    EXPECT_TRUE(directories.entered.empty());
    EXPECT_EQ(collector.tallies().filesSelected, 1);
    EXPECT_EQ(collector.tallies().hiddenCount, 1);
    EXPECT_EQ(collector.tallies().hiddenBytes, 50);
}

TEST_F(Walk, PassesOverFoldersThatCantBeEnteredOrRead) {
    FakeNode locked = fakeDir("locked", {fakeFile("l")});
    locked.cannotEnter = true;
    FakeNode unreadable = fakeDir("unreadable", {fakeFile("u")});
    unreadable.unreadable = true;
    directories.roots["/c"] = fakeDir("", {locked, unreadable, fakeDir("ok", {fakeFile("o")})});
    DirectoryWalk walk(directories, collector);
    EXPECT_TRUE(walkDrive(walk));
    EXPECT_THAT(seen, ElementsAre("c:\\ok"));
    EXPECT_THAT(walk.leftOut(), ElementsAre(LeftOutFolder{"c:\\locked", "no permission"},
                                            LeftOutFolder{"c:\\unreadable", "no permission"}));
}

TEST_F(Walk, ARootThatCantBeOpenedIsReported) {
    EXPECT_FALSE(walkDrive());
    directories.roots["/c"] = fakeDir("", {fakeFile("a")});
    directories.roots["/c"].cannotEnter = true;
    EXPECT_FALSE(walkDrive());
    EXPECT_TRUE(seen.empty());
}

TEST_F(Walk, StopRequestEndsTheWalkBeforeTheNextFile) {
    directories.roots["/c"] = fakeDir("", {fakeDir("sub", {fakeFile("x")}), fakeFile("a"),
                                           fakeFile("b"), fakeFile("c"), fakeFile("d")});
    DirectoryWalk walk(directories, collector);
    directories.onNext = [&] {
        if (seen.size() == 3) walk.requestStop();
    };
    EXPECT_TRUE(walkDrive(walk));
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(collector.tallies().filesSelected, 3);
    EXPECT_TRUE(walk.stopRequested());
    seen.clear();
    EXPECT_TRUE(walkDrive(walk));  // still raised: nothing is walked
    EXPECT_TRUE(seen.empty());
}

TEST_F(Walk, PassesOverOnlyWhatCanNoLongerBeReached) {
    // Leaving "b" finds "a" gone: the rest of "a" is out of reach, the rest
    // of the root is not.
    FakeNode b = fakeDir("b", {fakeFile("f1")});
    b.lostOnLeave = true;
    directories.roots["/c"] =
        fakeDir("", {fakeDir("a", {b, fakeDir("c", {fakeFile("f2")}), fakeFile("f3")}),
                     fakeDir("g", {fakeFile("f4")}), fakeFile("f5")});
    EXPECT_TRUE(walkDrive());
    EXPECT_THAT(seen, ElementsAre("c:\\a\\b", "c:\\g", "c:\\"));
    EXPECT_THAT(directories.entered, ElementsAre("a", "b", "g"));
}

TEST_F(Walk, AFolderIsWalkedAsIfItWereARoot) {
    directories.roots["/home/me/"] = fakeDir("", {fakeDir("docs", {fakeFile("a")}), fakeFile("b")});
    DirectoryWalk walk(directories, collector);
    EXPECT_TRUE(walk.scanFolder("/home/me/"));
    EXPECT_THAT(seen, ElementsAre("/home/me/docs", "/home/me/"));
    EXPECT_FALSE(walk.scanFolder("/nowhere"));
}

}  // namespace
}  // namespace quarvo
