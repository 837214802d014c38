#include "collect/posix/stat_prefetcher.h"

#include <algorithm>

namespace quarvo {

// The entries [0, end) of one listing. Whoever takes index i from next
// queries it and then marks it ready; the walk and the worker both take.
struct StatPrefetcher::Batch {
    Batch(const FolderEntries& listed, int fd)
        : entries(listed), dirFd(fd), end(std::min(listed.size(), kBatchLimit)),
          facts(end), ready(new std::atomic<bool>[end]) {
        for (std::size_t i = 0; i < end; ++i) ready[i].store(false, std::memory_order_relaxed);
    }

    // Queries the next entry not taken yet; false when none is left.
    bool queryNext() {
        const std::size_t i = next.fetch_add(1, std::memory_order_relaxed);
        if (i >= end) return false;
        if (!entries.isDirectory(i)) facts[i] = queryEntry(dirFd, entries.nameText(i));
        ready[i].store(true, std::memory_order_release);
        return true;
    }
    [[nodiscard]] bool hasWork() const { return next.load(std::memory_order_relaxed) < end; }

    const FolderEntries& entries;
    const int dirFd;
    const std::size_t end;
    std::vector<FileFacts> facts;
    std::unique_ptr<std::atomic<bool>[]> ready;
    std::atomic<std::size_t> next = 0;
    int workers = 0;  // guarded by the mutex
};

StatPrefetcher::StatPrefetcher() : worker_([this] { work(); }) {
}

StatPrefetcher::~StatPrefetcher() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void StatPrefetcher::hand(const FolderEntries& entries, int dirFd) {
    {
        const std::lock_guard lock(mutex_);
        batches_.push_back(std::make_unique<Batch>(entries, dirFd));
    }
    changed_.notify_all();
}

FileFacts StatPrefetcher::take(const FolderEntries& entries, std::size_t index) {
    Batch* batch = batchOf(entries);
    if (batch == nullptr) return {};
    if (index >= batch->end) return queryEntry(batch->dirFd, entries.nameText(index));
    // Rather than wait for the worker, query the entries after this one.
    while (!batch->ready[index].load(std::memory_order_acquire)) {
        if (!batch->queryNext()) std::this_thread::yield();
    }
    return batch->facts[index];
}

void StatPrefetcher::takeBack(const FolderEntries& entries) {
    std::unique_lock lock(mutex_);
    const auto it = std::find_if(batches_.begin(), batches_.end(),
                                 [&](const auto& b) { return &b->entries == &entries; });
    if (it == batches_.end()) return;
    Batch& batch = **it;
    batch.next.store(batch.end, std::memory_order_relaxed);
    changed_.wait(lock, [&] { return batch.workers == 0; });
    batches_.erase(it);
}

void StatPrefetcher::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || newestWithWork() != nullptr; });
        if (stopping_) return;
        Batch& batch = *newestWithWork();
        ++batch.workers;
        lock.unlock();
        while (batch.queryNext()) {
        }
        lock.lock();
        --batch.workers;
        changed_.notify_all();
    }
}

StatPrefetcher::Batch* StatPrefetcher::newestWithWork() {
    for (auto it = batches_.rbegin(); it != batches_.rend(); ++it) {
        if ((*it)->hasWork()) return it->get();
    }
    return nullptr;
}

// Only the walk's thread adds and removes batches, so it may look without
// the lock.
StatPrefetcher::Batch* StatPrefetcher::batchOf(const FolderEntries& entries) {
    for (auto it = batches_.rbegin(); it != batches_.rend(); ++it) {
        if (&(*it)->entries == &entries) return it->get();
    }
    return nullptr;
}

}  // namespace quarvo
