#pragma once
// The lock of a walk's tallies: the walk holds it while it counts one file,
// the window's thread while it reads the progress or takes the tallies. It
// is taken for every file and held for well under a microsecond, so a flag
// costs far less than a general mutex; a thread that finds it held gives up
// its core until it is free, so a holder that lost its core gets it back.

#include <atomic>
#include <thread>

namespace quarvo {

class CountLock {
public:
    void lock() {
        while (held_.exchange(true, std::memory_order_acquire)) {
            while (held_.load(std::memory_order_relaxed)) std::this_thread::yield();
        }
    }
    void unlock() { held_.store(false, std::memory_order_release); }

private:
    std::atomic<bool> held_ = false;
};

}  // namespace quarvo
