#include "collect/scan_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collect/wake_signal.h"
#include "tests/fakes/fake_directory_api.h"
#include "tests/fakes/fake_volume_api.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using testing::fakeDir;
using testing::fakeFile;
using ::testing::HasSubstr;

constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

// Records what the run asks of its window, in order, as short words.
class RecordingWindow : public ScanRunWindow {
public:
    std::vector<std::string> calls;
    std::vector<std::string> infos, errors, statuses, captions;
    std::vector<ScanProgress> progress;
    bool pieTurning = true;
    bool overhangEnabled = true;
    bool quitting = false;
    // Runs at each round of events while a drive is walked, as a click would.
    std::function<void()> onEvents;
    int rounds = 0;

    void showInfoBox(const std::string& text) override { log("info", infos, text); }
    void showErrorBox(const std::string& text) override { log("error", errors, text); }
    void setStatusText(const std::string& text) override { statuses.push_back(text); }
    void setCaption(const std::string& text) override { log("caption", captions, text); }
    void setOverhangPageEnabled(bool enabled) override { overhangEnabled = enabled; }
    void showScanCover() override { calls.push_back("cover"); }
    void setCoverVisible(bool visible) override { calls.push_back(visible ? "covered" : "bare"); }
    bool pieTimerEnabled() const override { return pieTurning; }
    void setPieTimerEnabled(bool enabled) override {
        pieTurning = enabled;
        calls.push_back(enabled ? "pie on" : "pie off");
    }
    void disenable(bool enabled) override { calls.push_back(enabled ? "unlock" : "lock"); }
    void setBusyCursor(bool busy) override { calls.push_back(busy ? "busy" : "idle"); }
    void rebuildPages(bool withOverhang) override {
        calls.push_back(withOverhang ? "pages+overhang" : "pages");
    }
    void startTicking() override {}
    void stopTicking() override {}
    // Between ticks, which come at the start and after each wake: waiting
    // for a wake, not a time, keeps the test free of timing.
    void betweenTicks() {
        ++rounds;
        if (onEvents) onEvents();
        wakes_.waitFor(std::chrono::hours(1));
    }
    void wake() override { wakes_.wake(); }
    bool terminating() override { return quitting; }
    void showProgress(const ScanProgress& p) override { progress.push_back(p); }
    void endProgress() override { calls.push_back("end progress"); }

private:
    WakeSignal wakes_;

    void log(const char* word, std::vector<std::string>& texts, const std::string& text) {
        calls.push_back(word);
        texts.push_back(text);
    }
};

class Run : public ::testing::Test {
protected:
    Run() {
        addDrive('c', 100 * kGiB, 40 * kGiB, "/c");
        addDrive('d', 10 * kGiB, 5 * kGiB, "/d");
        directories.roots["/c"] = fakeDir("", {fakeFile("a.txt", 1), fakeFile("b.doc", 4096),
                                               fakeDir("sub", {fakeFile("c.txt")})});
        directories.roots["/d"] = fakeDir("", {fakeFile("x.txt", 10), fakeFile("y.bin", 20)});
    }
    void addDrive(char letter, double total, double free, std::string folder) {
        const auto t = static_cast<std::uint64_t>(total);
        const auto f = static_cast<std::uint64_t>(free);
        volumes.add(letter, {.space = DiskSpace{f, t, f}, .folder = std::move(folder)});
    }
    ScanRun& run() {
        if (!run_) {
            run_ = std::make_unique<ScanRun>(
                volumes, directories.sessions(), collector, window, NumberFormat{",", "."},
                [this](const std::string& folder) -> std::unique_ptr<VolumeApi> {
                    if (folder != "/home/me" && folder != "/proc") return nullptr;
                    auto volume = std::make_unique<testing::FakeVolumeApi>();
                    testing::FakeDrive drive = volumes.drives['C'];
                    // A pseudo file system, which reports no capacity at all.
                    if (folder == "/proc") drive.space = DiskSpace{0, 0, 0};
                    volume->add(ScanRun::kFolderLetter, drive);
                    return volume;
                },
                [this] { return now += std::chrono::milliseconds(60); });
            run_->keepRun = [this] {
                ++kept;
                pagesWhenKept = std::count(window.calls.begin(), window.calls.end(), "pages");
                return keepProblem.empty() ? std::string() : " - " + keepProblem;
            };
        }
        return *run_;
    }
    void runOver(std::vector<ScanTarget> targets, bool confirm = true, FileRule rule = {}) {
        run().run(std::move(targets), std::move(rule), confirm);
        run().tickUntilOver([this] { window.betweenTicks(); });
    }
    // A folder after the files of "sub" whose listing waits for the test.
    std::shared_ptr<testing::FakeGate> stallIn(const std::string& root) {
        testing::FakeNode stalled = fakeDir("stalled", {fakeFile("late.txt", 1)});
        stalled.gate = std::make_shared<testing::FakeGate>();
        directories.roots[root].children.push_back(stalled);
        return stalled.gate;
    }

    testing::FakeVolumeApi volumes;
    testing::FakeDirectoryApi directories;
    StatisticsCollector collector{[] { return std::int64_t{0}; }};
    RecordingWindow window;
    std::chrono::steady_clock::time_point now;
    // How often a run was kept, how many page rebuilds came before, and why
    // keeping fails when it should.
    int kept = 0;
    std::ptrdiff_t pagesWhenKept = -1;
    std::string keepProblem;

private:
    std::unique_ptr<ScanRun> run_;
};

TEST_F(Run, OneDriveIsConfirmedScannedWithItsOverhangAndReportedComplete) {
    runOver({{"c: [system]"}});
    EXPECT_THAT(window.infos,
                ElementsAre("Disk Drive c: [system] will be scanned.  The analysis may take some "
                            "time.  You may quit at any time by clicking Abort or pressing ESC."));
    EXPECT_TRUE(window.overhangEnabled);
    EXPECT_THAT(window.calls,
                ElementsAre("info", "cover", "pie off", "lock", "busy", "pages+overhang", "idle",
                            "unlock", "pie on", "caption", "end progress", "bare"));
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives C: "));
    EXPECT_THAT(window.statuses.front(), ::testing::IsEmpty());  // emptied as the walk starts
    EXPECT_EQ(window.statuses[1], "Processing drive c: [system] ... standby : c:\\sub");
    EXPECT_EQ(window.statuses.back(), "Finished - 3 files processed");
    EXPECT_EQ(collector.tallies().overhang4K, 4095);
    EXPECT_EQ(collector.clusterSize, 4096);
    EXPECT_EQ(collector.tallies().overhangActual, 4095);
    EXPECT_TRUE(run().statisticsCollected);
    EXPECT_FALSE(run().scanning);
    EXPECT_FALSE(run().running());
    EXPECT_EQ(kept, 1);
}

TEST_F(Run, SeveralDrivesAddUpAndADriveNotReadyIsNamedButNotScanned) {
    addDrive('e', 10 * kGiB, 5 * kGiB, "/e");
    volumes.drives['E'].ready = false;
    window.pieTurning = false;
    runOver({{"e: (Fixed disk)"}, {"c: [system]"}, {"d: [data]"}});
    EXPECT_THAT(window.infos, ElementsAre(HasSubstr("the Cluster Overhang tab will be disabled.")));
    EXPECT_FALSE(window.overhangEnabled);
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives E: C: ",
                                             "Statistics completed for drives E: C: D: "));
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "pages"), 2);
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "pages+overhang"), 0);
    EXPECT_EQ(window.statuses.back(), "Finished - 5 files processed");
    EXPECT_EQ(collector.tallies().overhang4K, 0);
    EXPECT_FALSE(window.pieTurning);  // given back as it was
    EXPECT_EQ(run().selectedCapacity, 110 * kGiB);
    EXPECT_EQ(kept, 1);
    // Kept before the last drive's pages, so that what keeping chooses for
    // them is built once.
    EXPECT_EQ(pagesWhenKept, 1);
}

TEST_F(Run, AFinishedRunThatCantBeKeptSaysSoAfterItsFigures) {
    keepProblem = "Can't write /full/disk";
    runOver({{"d: [data]"}}, false);
    EXPECT_EQ(kept, 1);
    EXPECT_EQ(window.statuses.back(), "Finished - 2 files processed - Can't write /full/disk");
    EXPECT_THAT(window.errors, ::testing::IsEmpty());
}

TEST_F(Run, ADriveWhoseRootCantBeOpenedAddsNothingAndTheRunGoesOn) {
    directories.roots.erase("/c");
    runOver({{"c: [system]"}, {"d: [data]"}}, false);
    EXPECT_THAT(window.errors, ElementsAre("Can't open drive c: [system]"));
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives C: ",
                                             "Statistics completed for drives C: D: "));
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "pages"), 2);
    EXPECT_EQ(collector.tallies().filesProcessed, 2);
}

TEST_F(Run, NoCapacityStopsBeforeAnythingIsTouched) {
    collector.tallies().filesProcessed = 77;
    volumes.drives['C'].ready = false;
    runOver({{"c: [system]"}});
    runOver({});
    EXPECT_THAT(window.calls, ElementsAre("error"));
    EXPECT_THAT(window.errors, ElementsAre("Could not compute the total size of the disk drives "
                                           "selected.  Cannot proceed with statistics."));
    EXPECT_EQ(collector.tallies().filesProcessed, 77);
    EXPECT_FALSE(run().statisticsCollected);
    EXPECT_EQ(kept, 0);
}

// The walk is held in a listing, as on a stalled mount: the stop takes
// effect at once, what was counted before stays, and what the walk brings
// once it returns is dropped.
TEST_F(Run, AbortDuringAStalledListingEndsTheRunAtOnceAndKeepsWhatWasCounted) {
    const auto gate = stallIn("/c");
    window.onEvents = [&] {
        EXPECT_TRUE(run().scanning);
        gate->waitUntilReached();
        EXPECT_TRUE(run().requestStop());
    };
    runOver({{"c: [system]"}, {"d: [data]"}});
    EXPECT_EQ(collector.tallies().filesProcessed, 1);  // the file of "sub"
    EXPECT_THAT(window.captions,
                ElementsAre("File Statistics for drive(s) incomplete ... aborted."));
    EXPECT_EQ(window.statuses.back(), "Finished - 1 files processed INCOMPLETE ... ABORTED");
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "pages"), 1);
    EXPECT_FALSE(run().requestStop());  // no scan runs now
    EXPECT_EQ(kept, 0);
    gate->release();
    directories.waitUntilNoSession();
    EXPECT_EQ(collector.tallies().filesProcessed, 1);
    // The next run starts afresh, from zero.
    window.onEvents = nullptr;
    runOver({{"d: [data]"}}, false);
    EXPECT_EQ(window.captions.back(), "Statistics completed for drives D: ");
    EXPECT_EQ(collector.tallies().filesProcessed, 2);
    EXPECT_EQ(kept, 1);
}

// A folder that keeps the walk waiting past the time-out is left out and
// named; the walk goes on after it, without counting again a folder entered
// before the stall and met again by a second path, and the next run starts
// with none.
TEST_F(Run, AFolderThatStallsIsLeftOutAfterTheTimeOutAndTheRestIsCounted) {
    std::vector<testing::FakeNode>& top = directories.roots["/c"].children;
    top[2].identity = 7;  // "sub"
    const auto gate = stallIn("/c");
    top.push_back(fakeDir("after", {fakeFile("z.txt", 5)}));
    top.push_back(top[2]);
    top.back().entry.name = "bound";
    run().stallTimeout = std::chrono::seconds(10);
    int waited = 0;  // seconds
    window.onEvents = [&] {
        gate->waitUntilReached();
        if (!run().leftOut().empty()) return;
        waited += 4;
        now += std::chrono::seconds(4);
        window.wake();
    };
    runOver({{"c: [system]"}}, false);
    EXPECT_GE(waited, 10);
    EXPECT_THAT(run().leftOut(), ElementsAre(LeftOutFolder{"c:\\stalled", ScanRun::kTimedOut}));
    EXPECT_EQ(collector.tallies().filesProcessed, 4);  // all but the stalled folder's
    EXPECT_EQ(window.statuses.back(),
              "Finished - 4 files processed - 1 folder left out (timed out)");
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives C: "));
    // Nothing reads ahead of the walk that goes on: it could wander into the
    // stalled folder, and the walk would wait for it.
    EXPECT_EQ(directories.readingAlone, 1);
    gate->release();
    directories.waitUntilNoSession();
    EXPECT_EQ(collector.tallies().filesProcessed, 4);
    window.onEvents = nullptr;
    runOver({{"d: [data]"}}, false);
    EXPECT_TRUE(run().leftOut().empty());
    EXPECT_EQ(directories.readingAlone, 1);
}

TEST_F(Run, FilesLeftOutByTheRuleAreCountedApartAndNoSecondRunStartsInside) {
    FileRule rule;
    rule.allFileTypes = false;
    rule.selectIfListed = true;
    rule.setRuleList({"*.txt\tText"});
    const auto gate = stallIn("/c");
    window.onEvents = [&] {
        run().run({{"d: [data]"}}, {}, true);  // as a second click on Collect would
        gate->release();
    };
    runOver({{"c: [system]"}}, false, rule);
    EXPECT_GT(window.rounds, 0);
    EXPECT_TRUE(window.infos.empty());
    EXPECT_EQ(window.statuses.back(), "Finished - 4 files processed 3 files found");
    EXPECT_TRUE(collector.rule().selectIfListed);
}

TEST_F(Run, TheProgramEndingStopsAStalledWalkAndTheRunAtOnceWithoutAnAbort) {
    const auto gate = stallIn("/c");
    window.onEvents = [&] {
        gate->waitUntilReached();
        window.quitting = true;
        window.wake();
    };
    runOver({{"c: [system]"}, {"d: [data]"}}, false);
    EXPECT_EQ(collector.tallies().filesProcessed, 1);
    EXPECT_FALSE(run().abortRequested());
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives C: "));
    EXPECT_EQ(window.statuses.back(), "Finished - 1 files processed");
    EXPECT_EQ(kept, 0);  // cut short, though it reads as complete
    gate->release();
    directories.waitUntilNoSession();
}

TEST_F(Run, AFolderIsNamedByItsPathWhereALetterWouldStand) {
    directories.roots["/home/me"] =
        fakeDir("", {fakeDir("docs", std::vector<testing::FakeNode>(30, fakeFile("a.txt", 9)))});
    volumes.drives['C'].geometry = {16, 512, 1, 2};
    runOver({{"/home/me", true}}, false);
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives /home/me "));
    EXPECT_EQ(window.statuses[1], "Processing drive /home/me ... standby : /home/me/docs");
    EXPECT_EQ(collector.clusterSize, 8192);  // the unit of the volume that holds it
    // What the folder holds of its volume is unknown: so is the share seen.
    ASSERT_FALSE(window.progress.empty());
    EXPECT_EQ(window.progress.back().usedBytes, 0);
    runOver({{"/nowhere", true}}, false);
    EXPECT_EQ(window.errors.back(),
              "Could not compute the total size of the disk drives "
              "selected.  Cannot proceed with statistics.");
}

// A capacity of zero stops only a run chosen in the wizard, whose
// confirmation speaks of drives; a folder named on the command line is
// scanned whatever its file system reports.
TEST_F(Run, AFolderWithoutCapacityIsScannedWhenNamedOnTheCommandLine) {
    directories.roots["/proc"] =
        fakeDir("", {fakeFile("cpuinfo"), fakeDir("1", {fakeFile("stat")})});
    runOver({{"/proc", true}}, false);
    EXPECT_TRUE(window.errors.empty());
    EXPECT_EQ(collector.tallies().filesProcessed, 2);
    EXPECT_THAT(window.captions, ElementsAre("Statistics completed for drives /proc "));

    runOver({{"/proc", true}});
    EXPECT_THAT(window.errors, ElementsAre("Could not compute the total size of the disk drives "
                                           "selected.  Cannot proceed with statistics."));
    EXPECT_TRUE(window.infos.empty());
}

TEST_F(Run, ProgressMeasuresBytesSeenAgainstUsedSpaceAndStaysWithinBounds) {
    directories.roots["/d"].children.assign(40, fakeFile("f.txt", 1024));
    runOver({{"d: [data]"}}, false);
    ASSERT_FALSE(window.progress.empty());
    const ScanProgress& last = window.progress.back();
    EXPECT_EQ(last.usedBytes, 5 * kGiB);
    EXPECT_EQ(last.bytesSeen, 1024 * last.files);
    EXPECT_GT(last.elapsed.count(), 0);
    EXPECT_DOUBLE_EQ((ScanProgress{.bytesSeen = 30, .usedBytes = 20}.share()), 1.0);
    EXPECT_DOUBLE_EQ((ScanProgress{.bytesSeen = 5, .usedBytes = 20}.share()), 0.25);
    EXPECT_DOUBLE_EQ((ScanProgress{.bytesSeen = 5, .usedBytes = 0}.share()), 0.0);
}

}  // namespace
}  // namespace quarvo
