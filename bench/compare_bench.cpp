// Times what comparing with an earlier run adds to showing the Types page
// of a run of 1,000 types: the page filled from the tallies and painted,
// without and with a comparison (an earlier run of 1,000 types, 100 of
// them gone since). A first showing is in a new window, whose listing has
// measured none of its texts yet; the page shown again, and the whole
// window's pages refilled, are in a window that has shown them before, as is
// comparing turned on and off again, which refills every page. The
// thread's processor time per showing, which a busy machine inflates less
// than wall time, the median of 20. Not a test:
//   cmake --build build --target quarvo-bench-compare
//   QT_QPA_PLATFORM=offscreen build/bench/quarvo-bench-compare
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "tests/fakes/one_drive_machine.h"
#include "views/frm_statistics.h"

namespace {

using namespace quarvo;

double processorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

constexpr int kRuns = 20;

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double millisecondsOf(const std::function<void()>& work) {
    const double start = processorMilliseconds();
    work();
    return processorMilliseconds() - start;
}

double medianMilliseconds(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) times.push_back(millisecondsOf(work));
    return median(times);
}

std::string typeKey(int i) {
    return ".T" + std::to_string(i);
}

// A statistics window on the Types listing, its tallies 1,000 types, its
// pages not filled yet.
std::unique_ptr<TfrmStatistics> typesWindow(testing::OneDriveMachine& machine) {
    auto window = std::make_unique<TfrmStatistics>(machine.services);
    FileTypeTable& table = window->collector.fileTypeTable();
    for (int i = 0; i < 1000; ++i)
        for (int file = 0; file <= i % 7; ++file) table.insertType(typeKey(i), 1000 + i, false);
    window->scanRun.statisticsCollected = true;
    window->OvcNotebook1->setPageIndex(TfrmStatistics::kTypesPage);
    window->typesPage->rgTypes->setItemIndex(0);
    return window;
}

void showTypes(TfrmStatistics& window) {
    window.typesPage->rebuild();
    window.repaint();
}

// The median time of showing the Types page in a new window, compared
// with then when there is one; the comparison's changes are worked out in
// the time.
double firstShowing(testing::OneDriveMachine& machine, const std::optional<SavedRun>& then) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const std::unique_ptr<TfrmStatistics> window = typesWindow(machine);
        if (then) window->comparisonChoice->compareWith(*then, "then");
        window->show();
        QApplication::processEvents();
        times.push_back(millisecondsOf([&] {
            window->comparisonChoice->update(window->collector, false);
            showTypes(*window);
        }));
    }
    return median(times);
}

void report(const char* what, double plain, double compared) {
    std::printf("%-28s %7.2f ms plain  %7.2f ms compared  (+%.2f ms)\n", what, plain, compared,
                compared - plain);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::OneDriveMachine machine;
    const std::unique_ptr<TfrmStatistics> window = typesWindow(machine);
    SavedRun then{{kSavedRunSchema, "2026-12-08T18:38:10Z", {}, "All files"},
                  runFigures(window->collector, false)};
    // A hundred types of the earlier run have gone, the others changed.
    for (int i = 0; i < 100; ++i) then.figures.types[i].key = ".GONE" + std::to_string(i);
    for (FileTypeCount& type : then.figures.types) type.bytes /= 2;

    const double plainFirst = firstShowing(machine, std::nullopt);
    const double comparedFirst = firstShowing(machine, then);

    window->show();
    QApplication::processEvents();
    const auto refill = [&] {
        window->refillPages();
        window->repaint();
    };
    const double plainTypes = medianMilliseconds([&] { showTypes(*window); });
    const double plainRefill = medianMilliseconds(refill);
    window->comparisonChoice->compareWith(then, "then");
    const double comparedTypes = medianMilliseconds([&] { showTypes(*window); });
    const double comparedRefill = medianMilliseconds(refill);
    std::vector<double> turnedOn, turnedOff;
    for (int i = 0; i < kRuns; ++i) {
        // Each turn refills the pages through the choice's signal.
        turnedOff.push_back(millisecondsOf([&] {
            window->comparisonChoice->stopComparing();
            window->repaint();
        }));
        turnedOn.push_back(millisecondsOf([&] {
            window->comparisonChoice->compareWith(then, "then");
            window->repaint();
        }));
    }
    report("Types page, first showing:", plainFirst, comparedFirst);
    report("Types page, shown again:", plainTypes, comparedTypes);
    report("every page refilled:", plainRefill, comparedRefill);
    report("comparing turned off / on:", median(turnedOff), median(turnedOn));
    return 0;
}
