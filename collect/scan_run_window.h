#pragma once
// What a scan run needs of the window it runs in: its message boxes, status
// bar, caption, cover panel, locked controls, the pie animation that is held
// off while a drive is walked, the page builders, and the ticks that move
// the run on while a drive is walked beside it. The statistics window
// implements it; tests and the report tool implement it without widgets.
// Every call comes on the window's thread, but for wake.

#include <chrono>
#include <cstdint>
#include <string>

namespace quarvo {

// How far a run has come, for a progress display beside the status text.
struct ScanProgress {
    std::int64_t bytesSeen = 0;  // of every file met so far, selected or not
    double usedBytes = 0;        // used space of the ready chosen drives; 0: unknown
    std::int32_t files = 0;      // every file met so far
    std::chrono::milliseconds elapsed{0};

    // The share of the used space already seen, 0 to 1. A drive can hold
    // more than its files' bytes (folders left out of the walk) or less
    // (sparse files), so the share is held within its bounds.
    [[nodiscard]] double share() const {
        if (usedBytes <= 0) return 0;
        const double s = static_cast<double>(bytesSeen) / usedBytes;
        return s < 0 ? 0 : (s > 1 ? 1 : s);
    }
};

class ScanRunWindow {
public:
    virtual ~ScanRunWindow() = default;

    virtual void showInfoBox(const std::string& text) = 0;
    virtual void showErrorBox(const std::string& text) = 0;
    virtual void setStatusText(const std::string& text) = 0;
    // The walk's "Processing drive ..." text, new every third file; a window
    // may hold it until it next processes events, when it can be seen.
    virtual void setWalkStatusText(const std::string& text) { setStatusText(text); }
    virtual void setCaption(const std::string& text) = 0;
    // Enables or disables the Overhang page.
    virtual void setOverhangPageEnabled(bool enabled) = 0;
    // Covers every page with the panel that tells a scan runs and offers
    // Abort.
    virtual void showScanCover() = 0;
    // Shows or hides the cover panel, after a run.
    virtual void setCoverVisible(bool visible) = 0;
    [[nodiscard]] virtual bool pieTimerEnabled() const = 0;
    virtual void setPieTimerEnabled(bool enabled) = 0;
    // Enables or disables the controls that rebuild pages from the tallies
    // or start a run.
    virtual void disenable(bool enabled) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // Rebuilds the pages from the tallies; withOverhang: the Overhang page
    // too, for a one-drive run.
    virtual void rebuildPages(bool withOverhang) = 0;
    // From now until stopTicking, the window calls the run's tick about every
    // progress interval and soon after each wake.
    virtual void startTicking() = 0;
    // The run has ended.
    virtual void stopTicking() = 0;
    // Asks for a tick soon. Safe from any thread.
    virtual void wake() = 0;
    // Whether the program is ending; a walk stops at once when it is.
    [[nodiscard]] virtual bool terminating() = 0;
    // Shows how far the run has come; called while a drive is walked.
    virtual void showProgress(const ScanProgress& progress) = 0;
    // Takes the progress display away at the end of a run.
    virtual void endProgress() = 0;
};

}  // namespace quarvo
