#include "collect/directory_walk.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/fake_directory_api.h"
#include "tests/fakes/fake_volume_api.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using testing::fakeDir;
using testing::fakeFile;
using testing::FakeNode;

class Walk : public ::testing::Test {
protected:
    Walk() {
        volumes.add('c', testing::FakeDrive{}).folder = "/c";
        collector.currentDrive = "c: [system]";
        // Each file's status text names its directory; every file shows it.
        collector.setStatusSink([this](const std::string& text) {
            const std::string prefix = "Processing drive c: [system] ... standby : ";
            seen.push_back(text.substr(prefix.size()));
            collector.tallies().filesProcessed = -1;  // the walk adds 1 after each file
        });
    }

    DirectoryWalk walkWith(DirectoryWalk::Hooks hooks = {}) {
        hooks.showError = [this](const std::string& text) { errors.push_back(text); };
        if (!hooks.clock) hooks.clock = [this] { return now += std::chrono::milliseconds(10); };
        return DirectoryWalk(directories, collector, std::move(hooks));
    }

    testing::FakeVolumeApi volumes;
    testing::FakeDirectoryApi directories;
    StatisticsCollector collector{[] { return std::int64_t{0}; }};
    std::vector<std::string> seen;
    std::vector<std::string> errors;
    std::chrono::steady_clock::time_point now;
};

TEST_F(Walk, CountsEverythingBelowADirectoryBeforeItsOwnFiles) {
    directories.roots["/c"] = fakeDir(
        "", {fakeFile("a"), fakeDir("sub", {fakeFile("x"), fakeDir("deep", {fakeFile("y")})}),
             fakeFile("b"), fakeDir("sub2", {fakeFile("z")})});
    walkWith().ScanAllDrives(volumes);
    EXPECT_THAT(seen, ElementsAre("c:\\sub\\deep", "c:\\sub", "c:\\sub2", "c:\\", "c:\\"));
    EXPECT_THAT(directories.entered, ElementsAre("sub", "deep", "sub2"));
    EXPECT_EQ(collector.tallies().filesSelected, 5);
    EXPECT_THAT(directories.listed, ElementsAre("", "sub", "deep", "sub2"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Walk, NeverEntersHiddenOrSystemDirectoriesButCountsHiddenFiles) {
    directories.roots["/c"] =
        fakeDir("", {fakeDir("hid", {fakeFile("h1")}, kAttrDirectory | kAttrHidden),
                     fakeDir("sys", {fakeFile("s1")}, kAttrDirectory | kAttrSystem),
                     fakeFile("secret", 50, kAttrHidden | kAttrArchive)});
    walkWith().ScanAllDrives(volumes);
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
    walkWith().ScanAllDrives(volumes);
    EXPECT_THAT(seen, ElementsAre("c:\\ok"));
}

TEST_F(Walk, ReportsARootThatCantBeOpenedAndSkipsADriveThatIsNotReady) {
    walkWith().ScanAllDrives(volumes);
    EXPECT_THAT(errors, ElementsAre("Can't open drive c: [system]"));
    errors.clear();
    volumes.drives['C'].ready = false;
    directories.roots["/c"] = fakeDir("", {fakeFile("a")});
    walkWith().ScanAllDrives(volumes);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(seen.empty());
}

TEST_F(Walk, StopRequestEndsTheWalkBeforeTheNextFile) {
    directories.roots["/c"] = fakeDir("", {fakeFile("a"), fakeFile("b"), fakeFile("c"),
                                           fakeFile("d"), fakeDir("sub", {fakeFile("x")})});
    DirectoryWalk* walk = nullptr;
    int eventRounds = 0;
    DirectoryWalk::Hooks hooks;
    hooks.processEvents = [&] {
        if (++eventRounds == 2) walk->setAbortRequested(true);
    };
    DirectoryWalk w = walkWith(std::move(hooks));
    walk = &w;
    w.ScanAllDrives(volumes);
    // Events run after every entry but the first of each listing: after b
    // and c in the root, whose second round stops the walk before d.
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(collector.tallies().filesSelected, 4);
    EXPECT_TRUE(w.abortRequested());
    seen.clear();
    w.ScanAllDrives(volumes);  // still raised: nothing is walked
    EXPECT_TRUE(seen.empty());
}

TEST_F(Walk, EndsWhenTheApplicationCloses) {
    directories.roots["/c"] = fakeDir("", {fakeFile("a"), fakeFile("b"), fakeFile("c")});
    DirectoryWalk::Hooks hooks;
    hooks.terminating = [this] { return seen.size() == 2; };
    walkWith(std::move(hooks)).ScanAllDrives(volumes);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(Walk, ProcessesEventsAtMostEveryTenMilliseconds) {
    std::vector<FakeNode> files(9, fakeFile("f"));
    directories.roots["/c"] = fakeDir("", files);
    int eventRounds = 0;
    DirectoryWalk::Hooks hooks;
    hooks.processEvents = [&] { ++eventRounds; };
    hooks.clock = [this] { return now += std::chrono::milliseconds(4); };
    walkWith(std::move(hooks)).ScanAllDrives(volumes);
    // Eight chances to process events, 4 ms apart: one in three is taken.
    EXPECT_EQ(eventRounds, 2);
    EXPECT_EQ(seen.size(), 9u);
}

TEST_F(Walk, PassesOverOnlyWhatCanNoLongerBeReached) {
    // Leaving "b" finds "a" gone: the rest of "a" is out of reach, the rest
    // of the root is not.
    FakeNode b = fakeDir("b", {fakeFile("f1")});
    b.lostOnLeave = true;
    directories.roots["/c"] =
        fakeDir("", {fakeDir("a", {b, fakeDir("c", {fakeFile("f2")}), fakeFile("f3")}),
                     fakeDir("g", {fakeFile("f4")}), fakeFile("f5")});
    walkWith().ScanAllDrives(volumes);
    EXPECT_THAT(seen, ElementsAre("c:\\a\\b", "c:\\g", "c:\\"));
    EXPECT_THAT(directories.entered, ElementsAre("a", "b", "g"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Walk, AFolderIsWalkedAsIfItWereARoot) {
    directories.roots["/home/me/"] = fakeDir("", {fakeDir("docs", {fakeFile("a")}), fakeFile("b")});
    DirectoryWalk walk = walkWith();
    EXPECT_TRUE(walk.scanFolder("/home/me/"));
    EXPECT_THAT(seen, ElementsAre("/home/me/docs", "/home/me/"));
    EXPECT_FALSE(walk.scanFolder("/nowhere"));
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace quarvo
