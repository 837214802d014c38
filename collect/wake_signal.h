#pragma once
// A thread waits here until another wakes it or a time has passed: the
// event loop of a run that has no window.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quarvo {

class WakeSignal {
public:
    // Safe from any thread.
    void wake() {
        const std::lock_guard lock(mutex_);
        woken_ = true;
        changed_.notify_all();
    }
    // Returns when woken since the last wait, at once if so already, or when
    // the time is up.
    template <typename Duration>
    void waitFor(Duration upTo) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, upTo, [this] { return woken_; });
        woken_ = false;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool woken_ = false;
};

}  // namespace quarvo
