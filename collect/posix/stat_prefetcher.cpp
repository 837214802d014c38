#include "collect/posix/stat_prefetcher.h"

#include <algorithm>

namespace quarvo {

// The entries of one listing, answered in a window of kBatchLimit slots that
// moves on as the walk takes them. Whoever takes index i from next queries
// it, then marks its slot as holding i; the walk and the workers all take.
struct StatPrefetcher::Batch {
    Batch(const FolderEntries& listed, int fd)
        : entries(listed),
          dirFd(fd),
          facts(std::min(listed.size(), kBatchLimit)),
          holds(new std::atomic<std::size_t>[facts.size()]) {
        for (std::size_t i = 0; i < facts.size(); ++i) holds[i].store(0, std::memory_order_relaxed);
    }

    // Queries the next entry not taken yet, if the window has room for it;
    // false when it has none.
    bool queryNext() {
        std::size_t i = next.load(std::memory_order_relaxed);
        do {
            if (i >= limit()) return false;
        } while (!next.compare_exchange_weak(i, i + 1, std::memory_order_relaxed));
        // The walk never waits for a directory, so its slot is left alone: a
        // late mark could land after the slot was reused.
        if (entries.isDirectory(i)) return true;
        const std::size_t slot = i % facts.size();
        facts[slot] = queryEntry(dirFd, entries.nameText(i));
        holds[slot].store(i + 1, std::memory_order_release);
        holds[slot].notify_all();
        return true;
    }
    [[nodiscard]] bool hasWork() const { return next.load(std::memory_order_relaxed) < limit(); }
    // One past the last index the window has room for.
    [[nodiscard]] std::size_t limit() const {
        return std::min(entries.size(), taken.load(std::memory_order_acquire) + facts.size());
    }

    const FolderEntries& entries;
    const int dirFd;
    std::vector<FileFacts> facts;
    std::unique_ptr<std::atomic<std::size_t>[]> holds;  // index + 1 of what a slot holds
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> taken = 0;  // entries the walk has taken
    int workers = 0;                     // guarded by the mutex
};

StatPrefetcher::StatPrefetcher(std::size_t workers) {
    for (std::size_t i = 0; i < workers; ++i) workers_.emplace_back([this] { work(); });
}

StatPrefetcher::~StatPrefetcher() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

// Waking the workers costs a system call, so they are woken only when one waits.
void StatPrefetcher::hand(const FolderEntries& entries, int dirFd) {
    bool wake = false;
    {
        const std::lock_guard lock(mutex_);
        batches_.push_back(std::make_unique<Batch>(entries, dirFd));
        wake = idle_ > 0;
    }
    if (wake) changed_.notify_all();
}

FileFacts StatPrefetcher::take(const FolderEntries& entries, std::size_t index) {
    Batch* batch = batchOf(entries);
    if (batch == nullptr) return {};
    batch->taken.store(index, std::memory_order_release);
    // Rather than wait for the workers, query the entries after this one.
    // When none is left, sleep until the worker that took this one is done:
    // on a stalled mount that may be never, and a walk abandoned there must
    // not keep a core busy.
    const std::size_t slot = index % batch->facts.size();
    for (;;) {
        const std::size_t held = batch->holds[slot].load(std::memory_order_acquire);
        if (held == index + 1) break;
        if (!batch->queryNext()) batch->holds[slot].wait(held, std::memory_order_acquire);
    }
    const FileFacts facts = batch->facts[slot];
    batch->taken.store(index + 1, std::memory_order_release);
    // Workers waiting for room in the window hear of it now and then.
    if (index % (kBatchLimit / 4) == 0 && idle_ > 0) changed_.notify_all();
    return facts;
}

void StatPrefetcher::takeBack(const FolderEntries& entries) {
    std::unique_lock lock(mutex_);
    const auto it = std::find_if(batches_.begin(), batches_.end(),
                                 [&](const auto& b) { return &b->entries == &entries; });
    if (it == batches_.end()) return;
    Batch& batch = **it;
    batch.next.store(entries.size(), std::memory_order_relaxed);
    changed_.wait(lock, [&] { return batch.workers == 0; });
    batches_.erase(it);
}

void StatPrefetcher::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        // The walk takes work too, without the lock: keep the batch found.
        Batch* found = nullptr;
        ++idle_;
        changed_.wait(lock, [&] { return stopping_ || (found = newestWithWork()) != nullptr; });
        --idle_;
        if (stopping_) return;
        Batch& batch = *found;
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
