#pragma once
// The window of a scan run that has none: quarvo-report runs the very scan
// of the statistics window, shows nothing while it runs and keeps the error
// messages to print them.

#include <string>
#include <vector>

#include "collect/scan_run.h"
#include "collect/scan_run_window.h"
#include "collect/wake_signal.h"

namespace quarvo {

class SilentScanWindow : public ScanRunWindow {
public:
    std::vector<std::string> errors;

    void showInfoBox(const std::string&) override {}
    void showErrorBox(const std::string& text) override { errors.push_back(text); }
    void setStatusText(const std::string&) override {}
    void setCaption(const std::string&) override {}
    void setOverhangPageEnabled(bool) override {}
    void showScanCover() override {}
    void setCoverVisible(bool) override {}
    bool pieTimerEnabled() const override { return false; }
    void setPieTimerEnabled(bool) override {}
    void disenable(bool) override {}
    void setBusyCursor(bool) override {}
    void rebuildPages(bool) override {}
    void startTicking() override {}
    void stopTicking() override {}
    void wake() override { wakes_.wake(); }
    // Between the run's ticks: until a wake, at most a progress interval.
    void waitForWake() { wakes_.waitFor(ScanRun::kProgressInterval); }
    bool terminating() override { return false; }
    void showProgress(const ScanProgress&) override {}
    void endProgress() override {}

private:
    WakeSignal wakes_;
};

}  // namespace quarvo
