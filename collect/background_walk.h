#pragma once
// One target's walk on a thread of its own, beside the window. The walk
// counts into a collector of its own, started as a copy of the run's (its
// rule, drive and the tallies of the drives before), and the window's thread
// takes the tallies from it when the walk ends or is stopped.
//
// A walk blocked in a system call (a stalled network mount) can't be woken;
// stopping it therefore never waits: the tallies counted so far are taken at
// once, the thread is left to return on its own, and whatever it counts
// after that is dropped. The thread owns everything it still uses, so it may
// outlive the run and the window.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "collect/directory_api.h"
#include "collect/directory_walk.h"
#include "collect/statistics_collector.h"

namespace quarvo {

class BackgroundWalk {
public:
    // Where the walk is and how far it came.
    struct Progress {
        std::int32_t files = 0;  // files met in the run so far
        std::int64_t bytes = 0;  // their bytes
        std::string statusText;  // the latest "Processing drive ..." text
    };

    // What a walk goes over: a folder at a platform path, and the directory
    // text of its root, the others made with separator.
    struct Root {
        std::string folder;
        std::string text;
        char separator = '\\';
        // Names from the root down to a folder left out, to go on after.
        std::vector<std::string> resumeAfter{};
        // What the walk that left it out had entered: not entered again.
        EnteredFolders enteredBefore{};
    };

    // Starts the walk. onEnd is called from the walk's thread when the walk
    // ends by itself, never after finishInto.
    BackgroundWalk(std::unique_ptr<DirectoryApi> directories, const StatisticsCollector& collector,
                   Root root, std::function<void()> onEnd);
    // Stops the walk, leaving a thread still out to end on its own.
    ~BackgroundWalk();
    BackgroundWalk(const BackgroundWalk&) = delete;
    BackgroundWalk& operator=(const BackgroundWalk&) = delete;

    [[nodiscard]] bool ended() const;
    // Whether the root could be opened; false also while the walk has not
    // got that far.
    [[nodiscard]] bool rootOpened() const;
    [[nodiscard]] Progress progress() const;
    // Grows while the walk goes on; standing still, it waits in a system call.
    [[nodiscard]] std::uint64_t signsOfLife() const;
    // The names from the root down to the folder the walk is in.
    [[nodiscard]] std::vector<std::string> route() const;
    // The folders the walk entered so far.
    [[nodiscard]] EnteredFolders entered() const;
    // Stops the walk where it is and gives collector the tallies counted,
    // all of them when the walk has ended, and leftOut the folders it could
    // not enter or read.
    void finishInto(StatisticsCollector& collector, std::vector<LeftOutFolder>& leftOut);

private:
    struct Shared;

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace quarvo
