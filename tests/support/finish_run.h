#pragma once
// The statistics window's run goes on in ticks of the event loop once the
// call that starts it has returned: these wait on the window's events
// until it has ended.

#include <QCoreApplication>
#include <string>
#include <vector>

#include "views/frm_statistics.h"

namespace quarvo {

inline void finishRun(TfrmStatistics& window) {
    while (window.scanRun.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Scans the targets as `quarvo TARGET...` does, to the run's end.
inline void scanToTheEnd(TfrmStatistics& window, const std::vector<std::string>& targets) {
    window.scanCommandLineTargets(targets);
    finishRun(window);
}

}  // namespace quarvo
