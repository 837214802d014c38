#pragma once
// A statistics window on a machine of fake drives, sized in GiB.

#include <gtest/gtest.h>

#include <memory>

#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_directory_api.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "views/frm_statistics.h"

namespace quarvo {

inline constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

// A fixed drive of total bytes with free bytes free.
inline testing::FakeDrive sizedDrive(double totalBytes, double freeBytes,
                                     std::string label = "disk") {
    const auto total = static_cast<std::uint64_t>(totalBytes);
    const auto free = static_cast<std::uint64_t>(freeBytes);
    return testing::FakeDrive{.label = std::move(label), .space = DiskSpace{free, total, free}};
}

class StatisticsWindowTest : public ::testing::Test {
protected:
    // Creates the window once the test has laid out its drives.
    TfrmStatistics& window() {
        if (!window_) window_ = std::make_unique<TfrmStatistics>(services_);
        return *window_;
    }
    // Ticks exactly the entries given, by index, and refreshes the page.
    void tickOnly(std::initializer_list<int> entries) {
        TPickList& list = *window().spacePage->pckStatDrive;
        for (int i = 0; i < list.count(); ++i) list.setSelected(i, false);
        for (int i : entries) list.setSelected(i, true);
        window().spacePage->pckStatDriveClick();
    }
    // The program starts again: the next window() is a new one.
    void startAgain() { window_.reset(); }
    // Keeps the window's finished runs in store; none are kept otherwise.
    void keepRunsIn(SavedRunStore& store) { services_.savedRuns = &store; }
    std::vector<double> values(const ChartSeries& series) const {
        std::vector<double> out;
        for (const ChartPoint& point : series.points()) out.push_back(point.value);
        return out;
    }

    testing::FakeVolumeApi volumes;
    testing::FakeProfileFile profile;
    testing::FakeClassesRoot classes;
    testing::FakeDirectoryApi directories;

private:
    ProgramServices services_{volumes, profile, classes, {",", "."}, directories.sessions()};
    std::unique_ptr<TfrmStatistics> window_;
};

}  // namespace quarvo
