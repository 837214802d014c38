#pragma once
// Tells whether reading a tree waits on its disk, so that threads held in
// reserve join only then. A folder in the page cache gives an entry in a
// microsecond or two; one read from a disk or over a network takes ten times
// that and more. A piece of work that the scheduler slowed now and then does
// not tip the balance: at least half of the last kSamples must have been slow.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace quarvo {

class DiskPace {
public:
    static constexpr int kSamples = 16;
    static constexpr std::chrono::nanoseconds kSlowPerEntry = std::chrono::microseconds(8);

    explicit DiskPace(std::chrono::nanoseconds slowPerEntry = kSlowPerEntry)
        : slowPerEntry_(slowPerEntry) {}

    // Notes a piece of work that read entries in elapsed, from any thread;
    // true when it made the tree disk-bound. Work that read nothing tells
    // nothing.
    bool note(std::chrono::nanoseconds elapsed, std::size_t entries);
    [[nodiscard]] bool diskBound() const { return bound(recent_.load(std::memory_order_relaxed)); }

private:
    [[nodiscard]] static bool bound(std::uint32_t recent);

    const std::chrono::nanoseconds slowPerEntry_;
    // One bit for each of the last pieces, set when it was slow.
    std::atomic<std::uint32_t> recent_ = 0;
};

}  // namespace quarvo
