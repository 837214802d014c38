#pragma once
// A main window over fake drives, with the statistics window whose drive
// list it shows and scripted dialogs. Nothing runs the event loop: tests call
// the handlers and step the timers themselves.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/frm_main.h"
#include "tests/fakes/fake_classes_root.h"
#include "tests/fakes/fake_profile_file.h"
#include "tests/fakes/fake_volume_api.h"
#include "tests/fakes/scripted_dialogs.h"
#include "views/frm_statistics.h"

namespace quarvo::testing {

class MainWindowTest : public ::testing::Test {
protected:
    static constexpr double GB = 1024.0 * 1024.0 * 1024.0;

    // A fixed drive of the given sizes in GB; not ready drives answer no query.
    void addDrive(char letter, double totalGB, double freeGB, bool ready = true) {
        const auto bytes = [](double gb) { return static_cast<std::uint64_t>(gb * GB); };
        volumes.add(letter, {.label = std::string(1, letter),
                             .ready = ready,
                             .space = DiskSpace{bytes(freeGB), bytes(totalGB), bytes(freeGB)}});
    }
    void addDrives(int count) {
        for (int i = 0; i < count; ++i) addDrive(static_cast<char>('c' + i), 10, 5);
    }

    // Creates both windows as start-up does and shows the main one.
    TfrmMain& open() {
        statistics = std::make_unique<TfrmStatistics>(services);
        window = std::make_unique<TfrmMain>(services);
        window->setStatisticsWindow(statistics.get());
        window->show();
        return *window;
    }

    int zoom() const { return window->chartSpaceBar->view3D().zoomPercent; }
    int depth() const { return window->chartSpaceBar->view3D().depthPercent; }
    const ChartView3D& view() const { return window->chartSpaceBar->view3D(); }

    // Steps Timer2 while it runs (at most limit ticks); returns the ticks.
    int runTimer2(int limit = 100) {
        int ticks = 0;
        while (window->Timer2->isActive() && ticks < limit) {
            window->Timer2Timer();
            ++ticks;
        }
        return ticks;
    }
    // Steps Timer1 while it runs; returns the depth before each tick.
    std::vector<int> runTimer1(int limit = 100) {
        std::vector<int> depths;
        while (window->Timer1->isActive() && static_cast<int>(depths.size()) < limit) {
            depths.push_back(depth());
            window->Timer1Timer();
        }
        return depths;
    }
    void runOpening() {
        runTimer2();
        runTimer1();
    }

    bool labelsHidden() const {
        return window->lblTitle->isHidden() && window->lblBottom->isHidden();
    }
    bool buttonsHidden() const {
        return window->btStatistic->isHidden() && window->btReach->isHidden() &&
               window->btClose->isHidden();
    }

    FakeVolumeApi volumes;
    FakeProfileFile profile;
    FakeClassesRoot classes;
    ProgramServices services{volumes, profile, classes, NumberFormat{}};
    ScriptedDialogs dialogs;
    std::unique_ptr<TfrmStatistics> statistics;
    std::unique_ptr<TfrmMain> window;
};

}  // namespace quarvo::testing
