// Times what comparing with an earlier run adds to showing the Types page
// of a run of 1,000 types: the page filled from the tallies and painted,
// without and with a comparison (an earlier run of 1,000 types, 100 of
// them gone since), and the whole window's pages refilled each way. The
// thread's processor time per showing, which a busy machine inflates less
// than wall time, the median of 20. Not a test:
//   cmake --build build --target quarvo-bench-compare
//   QT_QPA_PLATFORM=offscreen build/bench/quarvo-bench-compare
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
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

double medianMilliseconds(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        const double start = processorMilliseconds();
        work();
        times.push_back(processorMilliseconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::string typeKey(int i) {
    return ".T" + std::to_string(i);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::OneDriveMachine machine;
    TfrmStatistics window(machine.services);
    FileTypeTable& table = window.collector.fileTypeTable();
    for (int i = 0; i < 1000; ++i)
        for (int file = 0; file <= i % 7; ++file) table.insertType(typeKey(i), 1000 + i, false);
    window.scanRun.statisticsCollected = true;
    SavedRun then{{kSavedRunSchema, "2026-12-08T18:38:10Z", {}, "All files"},
                  runFigures(window.collector, false)};
    // A hundred types of the earlier run have gone, the others changed.
    for (int i = 0; i < 100; ++i) then.figures.types[i].key = ".GONE" + std::to_string(i);
    for (FileTypeCount& type : then.figures.types) type.bytes /= 2;

    window.OvcNotebook1->setPageIndex(TfrmStatistics::kTypesPage);
    window.typesPage->rgTypes->setItemIndex(0);
    window.show();
    QApplication::processEvents();
    const auto showTypes = [&] {
        window.typesPage->rebuild();
        window.repaint();
    };
    const auto refill = [&] {
        window.refillPages();
        window.repaint();
    };
    const double plainTypes = medianMilliseconds(showTypes);
    const double plainRefill = medianMilliseconds(refill);
    window.comparisonChoice->compareWith(then, "then");
    const double comparedTypes = medianMilliseconds(showTypes);
    const double comparedRefill = medianMilliseconds(refill);
    std::printf("Types page, 1,000 types:  %7.2f ms plain  %7.2f ms compared  (+%.2f ms)\n",
                plainTypes, comparedTypes, comparedTypes - plainTypes);
    std::printf("every page refilled:      %7.2f ms plain  %7.2f ms compared  (+%.2f ms)\n",
                plainRefill, comparedRefill, comparedRefill - plainRefill);
    return 0;
}
