#include "collect/background_walk.h"

#include <mutex>

namespace quarvo {

// What the walk's thread and the window's thread share. The lock guards the
// collector, with its status text, and the flags; the walk holds it only while it
// counts a file, never in a system call.
struct BackgroundWalk::Shared {
    Shared(std::unique_ptr<DirectoryApi> api, const StatisticsCollector& seed)
        : directories(std::move(api)), collector(seed), walk(*directories, collector, &lock) {}

    std::mutex lock;
    std::unique_ptr<DirectoryApi> directories;
    StatisticsCollector collector;
    DirectoryWalk walk;
    bool opened = false;
    bool ended = false;
    bool finished = false;  // the window's thread took the tallies
    std::function<void()> onEnd;
};

BackgroundWalk::BackgroundWalk(std::unique_ptr<DirectoryApi> directories,
                               const StatisticsCollector& collector, Root root,
                               std::function<void()> onEnd)
    : shared_(std::make_shared<Shared>(std::move(directories), collector)) {
    shared_->onEnd = std::move(onEnd);
    // Only the latest text is shown, so none is copied as files are counted.
    shared_->collector.keepStatusText();
    shared_->walk.resumeAfter(std::move(root.resumeAfter));
    shared_->directories->enteredBefore(std::move(root.enteredBefore));
    thread_ = std::thread([s = shared_, root = std::move(root)] {
        const bool opened = s->walk.walk(root.folder, root.text, root.separator);
        const std::lock_guard guard(s->lock);
        s->opened = opened;
        s->ended = true;
        if (!s->finished && s->onEnd) s->onEnd();
    });
}

BackgroundWalk::~BackgroundWalk() {
    if (ended()) {
        thread_.join();
        return;
    }
    {
        const std::lock_guard guard(shared_->lock);
        shared_->finished = true;
        shared_->walk.requestStop();
    }
    thread_.detach();
}

bool BackgroundWalk::ended() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->ended;
}

bool BackgroundWalk::rootOpened() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->opened;
}

BackgroundWalk::Progress BackgroundWalk::progress() const {
    const std::lock_guard guard(shared_->lock);
    const Tallies& t = shared_->collector.tallies();
    return {t.filesProcessed, t.bytesProcessed, shared_->collector.statusText()};
}

std::uint64_t BackgroundWalk::signsOfLife() const {
    return shared_->walk.signsOfLife();
}

std::vector<std::string> BackgroundWalk::route() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->walk.route();
}

EnteredFolders BackgroundWalk::entered() const {
    return shared_->directories->entered();
}

void BackgroundWalk::finishInto(StatisticsCollector& collector,
                                std::vector<LeftOutFolder>& leftOut) {
    const std::lock_guard guard(shared_->lock);
    if (shared_->finished) return;
    shared_->finished = true;
    shared_->walk.requestStop();
    collector.tallies() = shared_->collector.tallies();
    collector.fileTypeTable() = shared_->collector.fileTypeTable();
    const std::vector<LeftOutFolder>& walked = shared_->walk.leftOut();
    leftOut.insert(leftOut.end(), walked.begin(), walked.end());
}

}  // namespace quarvo
