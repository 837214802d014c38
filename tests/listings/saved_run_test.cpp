#include "listings/saved_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "listings/saved_run_store.h"
#include "tests/support/temp_folder.h"

namespace quarvo {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

const DescribeType kNoDescription = [](const std::string&) { return std::string(); };
const std::vector<LeftOutFolder> kNoneLeftOut;

// A scan of a few files whose every figure is known.
class SavedRunTest : public ::testing::Test {
protected:
    SavedRunTest() {
        table().insertType(".txt", 3000, false);
        table().insertType(".doc", 10, false);
        table().insertType(".doc", 20, false);
        Tallies& t = collector.tallies();
        t.filesProcessed = t.filesSelected = 3;
        t.sizeBandCount[1] = 3;
        t.sizeBandBytes[1] = 3030;
        t.modifiedAgeCount[9] = 2;
        t.modifiedAgeBytes[9] = 30;
        t.accessedSlotCount[47] = 1;
        t.hiddenCount = 1;
        t.hiddenBytes = 3000;
        t.overhang4K = 9258;
        t.overhangActual = 1;
        collector.clusterSize = 4096;
    }
    FileTypeTable& table() { return collector.fileTypeTable(); }
    ReportFigures figures(bool withOverhang = true) {
        return {collector, kNoDescription, withOverhang, kNoneLeftOut};
    }
    SavedRunInfo info() const { return {kSavedRunSchema, "", {"c:", "/home/me"}, "All files"}; }
    std::string saved() { return savedRunJson(info(), figures()); }
    static std::string replaced(std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    }

    StatisticsCollector collector{[] { return std::int64_t{0}; }};
};

TEST_F(SavedRunTest, ReadsBackEveryFigureOfARunOrOfAReport) {
    const SavedRunReading reading = readSavedRun(saved());
    ASSERT_TRUE(reading.run) << reading.problem;
    const RunFigures& read = reading.run->figures;
    const RunFigures original = runFigures(collector, true);
    ASSERT_EQ(read.types.size(), 2u);
    EXPECT_EQ(read.types[0].key, ".DOC");
    EXPECT_EQ(read.types[0].count, 2);
    EXPECT_EQ(read.types[1].bytes, 3000);
    EXPECT_EQ(read.tallies.sizeBandBytes, original.tallies.sizeBandBytes);
    EXPECT_EQ(read.tallies.modifiedAgeCount, original.tallies.modifiedAgeCount);
    EXPECT_EQ(read.tallies.accessedSlotCount, original.tallies.accessedSlotCount);
    EXPECT_EQ(read.tallies.hiddenBytes, 3000);
    EXPECT_EQ(read.tallies.overhang4K, 9258);
    EXPECT_EQ(read.clusterSize, 4096);
    EXPECT_TRUE(read.withOverhang);
    EXPECT_EQ(reading.run->info.targets, info().targets);
    EXPECT_EQ(reading.run->info.rule, "All files");

    // A report's output carries no schema, time, targets or rule.
    const SavedRunReading report = readSavedRun(jsonReport(collector, kNoDescription, false, {}));
    ASSERT_TRUE(report.run) << report.problem;
    EXPECT_EQ(report.run->info.schemaVersion, 0);
    EXPECT_FALSE(report.run->figures.withOverhang);
    EXPECT_EQ(report.run->figures.tallies.filesSelected, 3);
    EXPECT_THAT(targetsProblem(report.run->info, {"d:"}), IsEmpty());
}

TEST_F(SavedRunTest, RefusesAnotherVersionDamageAndOtherTargets) {
    const auto problem = [](const std::string& text) {
        const SavedRunReading reading = readSavedRun(text);
        EXPECT_FALSE(reading.run);
        return reading.problem;
    };
    const std::string text = saved();
    EXPECT_THAT(problem(replaced(text, "\"schemaVersion\": 1", "\"schemaVersion\": 2")),
                HasSubstr("version 2"));
    EXPECT_THAT(problem(text.substr(0, text.size() / 2)), HasSubstr("cut short"));
    EXPECT_THAT(problem(replaced(text, "\"bytes\": 3000", "\"bytes\": \"3000\"")),
                HasSubstr("\"bytes\""));
    EXPECT_THAT(problem("[1, 2]"), HasSubstr("no scan"));
    EXPECT_THAT(problem(""), Not(IsEmpty()));

    EXPECT_THAT(targetsProblem(info(), {"/home/me", "c:"}), IsEmpty());
    EXPECT_THAT(targetsProblem(info(), {"c:"}), HasSubstr("other targets"));
}

TEST_F(SavedRunTest, ChangesFollowEveryRowAndATypeThatHasGoneKeepsItsRow) {
    const RunFigures then = runFigures(collector, true);
    collector.clearVariables();
    table().insertType(".iso", 1073741824, false);
    table().insertType(".doc", 10, false);
    collector.tallies().sizeBandCount[12] = 1;
    collector.tallies().sizeBandBytes[12] = 1073741824;
    collector.tallies().sizeBandCount[1] = 1;
    collector.tallies().sizeBandBytes[1] = 10;
    addGoneTypes(table(), then);
    const RunChanges changes = runChanges(runFigures(collector, false), then);

    ASSERT_EQ(changes.types.size(), 3u);
    const auto change = [&](const std::string& key) {
        for (const TypeChange& type : changes.types)
            if (type.key == key) return std::pair(type.files, type.bytes);
        ADD_FAILURE() << key;
        return std::pair(0.0, std::int64_t{0});
    };
    EXPECT_EQ(change(".ISO"), std::pair(1.0, std::int64_t{1073741824}));
    EXPECT_EQ(change(".DOC"), std::pair(-1.0, std::int64_t{-20}));
    EXPECT_EQ(change(".TXT"), std::pair(-1.0, std::int64_t{-3000}));
    EXPECT_EQ(table().at(2).count, 0);  // the gone type's row, empty now
    EXPECT_EQ(changes.tallies.sizeBandCount[12], 1);
    EXPECT_EQ(changes.tallies.sizeBandCount[1], -2);
    EXPECT_EQ(changes.tallies.sizeBandBytes[1], -3020);
    EXPECT_EQ(changes.tallies.hiddenCount, -1);
    EXPECT_FALSE(changes.withOverhang);  // counted only then

    // Without the gone rows in the table they still come, after the others.
    const RunChanges unseeded = runChanges(runFigures(collector, true), then);
    EXPECT_TRUE(unseeded.withOverhang);
    EXPECT_EQ(unseeded.types.size(), 3u);
}

TEST_F(SavedRunTest, TheStoreKeepsTheNewestRunsAndNoRunReplacesAnother) {
    TempFolder folder;
    folder.file("notes.txt");
    const auto time = std::chrono::system_clock::time_point(std::chrono::seconds(1796000000));
    SavedRunStore store(folder.path().string(), [&] { return time; });
    for (std::size_t i = 0; i < SavedRunStore::kKept + 2; ++i) {
        collector.tallies().filesSelected = static_cast<std::int32_t>(i);
        ASSERT_THAT(store.save(info(), figures()), IsEmpty());
    }
    const std::vector<std::string> runs = store.runs();
    ASSERT_EQ(runs.size(), SavedRunStore::kKept);
    const SavedRunReading newest = readSavedRunFile(runs.front());
    ASSERT_TRUE(newest.run) << newest.problem;
    EXPECT_EQ(newest.run->figures.tallies.filesSelected, SavedRunStore::kKept + 1);
    EXPECT_EQ(newest.run->info.time, "2026-11-30T00:53:20Z");
    EXPECT_EQ(readSavedRunFile(runs.back()).run->figures.tallies.filesSelected, 2);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "notes.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}),
              SavedRunStore::kKept + 1);  // and no temporary file left
}

TEST_F(SavedRunTest, AFailedSaveOrReadSaysWhichFileAndWhy) {
    TempFolder folder;
    const std::filesystem::path notAFolder = folder.file("scans");
    SavedRunStore store((notAFolder / "inside").string());
    EXPECT_THAT(store.save(info(), figures()), HasSubstr("inside"));
    EXPECT_THAT(store.runs(), IsEmpty());

    const std::string missing = (folder.path() / "old.json").string();
    EXPECT_THAT(readSavedRunFile(missing).problem, HasSubstr(missing));
    std::ofstream(folder.path() / "cut.json") << saved().substr(0, 100);
    EXPECT_THAT(readSavedRunFile((folder.path() / "cut.json").string()).problem,
                HasSubstr("cut short"));
}

}  // namespace
}  // namespace quarvo
