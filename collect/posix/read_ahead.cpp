#include "collect/posix/read_ahead.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <functional>

namespace quarvo {
namespace {

// A subfolder is claimed once, by a worker or by the walk; a worker that
// finishes after the walk went its own way drops what it listed.
enum FolderState : int { kOpen, kListing, kListed, kWalked };

bool isVisibleFolder(const FolderEntries& entries, std::size_t i) {
    return entries.isDirectory(i) && (entries.attributes(i) & kLeftOutOfDescent) == 0;
}

std::size_t visibleFolders(const FolderEntries& entries) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) count += isVisibleFolder(entries, i) ? 1 : 0;
    return count;
}

// Lists the directory open at fd into listed, empty, and queries its files;
// null when it can't, or when it is too large to be kept waiting for the walk.
std::unique_ptr<ReadAhead::Listed> listFolder(int fd, DosTimeConverter& times,
                                              std::unique_ptr<ReadAhead::Listed> listed) {
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0) return nullptr;
    if (!readDirectory(fd, listed->entries) || listed->entries.size() > ReadAhead::kBatchLimit)
        return nullptr;
    listed->device = st.st_dev;
    listed->inode = st.st_ino;
    listed->facts.resize(listed->entries.size());
    for (std::size_t i = 0; i < listed->entries.size(); ++i) {
        if (!listed->entries.isDirectory(i))
            listed->facts[i] = queryEntry(fd, listed->entries.nameText(i), times);
    }
    return listed;
}

// Lists subfolders ahead of the walk: a folder, then depth-first its visible
// subfolders, as the walk will enter them, for as long as goOn says and the
// entries listed stay within kBatchLimit. A listing keeps its folder open for
// the walk while keepable allows; below one that doesn't, only the first
// visible subfolder is listed, so that the worker holds at most two
// descriptors that no listing keeps.
class SubtreeLister {
public:
    using Fresh = std::function<std::unique_ptr<ReadAhead::Listed>()>;

    SubtreeLister(DosTimeConverter& times, const Fresh& fresh, std::size_t keepable,
                  const std::function<bool()>& goOn)
        : times_(times), fresh_(fresh), keepable_(keepable), goOn_(goOn) {}

    // Entries listed so far, the subfolders' included.
    [[nodiscard]] std::size_t entries() const { return entries_; }

    std::unique_ptr<ReadAhead::Listed> list(UniqueFd fd) {
        std::unique_ptr<ReadAhead::Listed> listed = listFolder(fd.get(), times_, fresh_());
        if (!listed || (entries_ += listed->entries.size()) > ReadAhead::kBatchLimit)
            return nullptr;
        const bool keep = keepable_ > 0;
        if (keep) --keepable_;
        const FolderEntries& entries = listed->entries;
        for (std::size_t i = 0; i < entries.size() && goOn_(); ++i) {
            if (!isVisibleFolder(entries, i)) continue;
            UniqueFd child = openDirectory(fd.get(), entries.nameText(i));
            if (!keep) fd.reset();
            std::unique_ptr<ReadAhead::Listed> sub = list(std::move(child));
            if (!sub) break;
            listed->folders.push_back(std::move(sub));
            if (!keep) break;
        }
        if (keep) listed->fd = std::move(fd);
        return listed;
    }

private:
    DosTimeConverter& times_;
    const Fresh& fresh_;
    std::size_t keepable_;
    const std::function<bool()>& goOn_;
    std::size_t entries_ = 0;
};

template <typename Add>
std::size_t sumOver(const ReadAhead::Listed& listed, const Add& add) {
    std::size_t sum = add(listed);
    for (const auto& folder : listed.folders) sum += sumOver(*folder, add);
    return sum;
}

// What a listing kept for the walk costs, names and the subfolders listed
// with it included, about.
std::size_t bytesOf(const std::unique_ptr<ReadAhead::Listed>& listed) {
    if (!listed) return 0;
    return sumOver(*listed, [](const ReadAhead::Listed& at) {
        return sizeof(ReadAhead::Listed) + at.entries.size() * (sizeof(FileFacts) + 40);
    });
}

std::size_t descriptorsOf(const std::unique_ptr<ReadAhead::Listed>& listed) {
    if (!listed) return 0;
    return sumOver(
        *listed, [](const ReadAhead::Listed& at) -> std::size_t { return at.fd.valid() ? 1 : 0; });
}

// A share of the process's descriptors, so that the walk, which holds one
// per level, rarely runs short because of the listings waiting for it.
std::size_t descriptorBudget() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 0;
    return std::min<rlim_t>(ReadAhead::kKeptDescriptors, limit.rlim_cur / 8);
}

// Workers give way to the walk, which every file waits for: with more threads
// than cores, the walk is then seldom the one left waiting for a core. Linux
// gives each thread a niceness of its own, set through its thread id.
void giveWayToTheWalk() {
    constexpr int kLowerBy = 10;
    constexpr int kLowest = 19;
    const auto self = static_cast<id_t>(gettid());
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, self);
    if (errno == 0) setpriority(PRIO_PROCESS, self, std::min(nice + kLowerBy, kLowest));
}

}  // namespace

struct ReadAhead::Subfolder {
    std::size_t index = 0;  // in the listing
    std::atomic<int> state = kOpen;
    // Set by the worker before it marks the subfolder listed; null when it
    // gave up.
    std::unique_ptr<Listed> listed;
    std::size_t bytes = 0;
    std::size_t descriptors = 0;
};

// The entries of one listing. Files are answered in a window of kBatchLimit
// slots that moves on as the walk takes them: whoever takes index i from
// next queries it, then marks its slot as holding i; the walk and the
// workers all take. Visible subfolders are listed by workers only, from the
// one after the walk's on.
struct ReadAhead::Batch {
    Batch(const FolderEntries& listed, int fd, bool queryFiles)
        : entries(listed),
          dirFd(fd),
          facts(queryFiles ? std::min(listed.size(), kBatchLimit) : 0),
          holds(new std::atomic<std::size_t>[facts.size()]),
          folderCount(visibleFolders(listed)),
          folders(new Subfolder[folderCount]) {
        for (std::size_t i = 0; i < facts.size(); ++i) holds[i].store(0, std::memory_order_relaxed);
        for (std::size_t i = 0, f = 0; i < listed.size(); ++i) {
            if (isVisibleFolder(listed, i)) folders[f++].index = i;
        }
    }

    // Queries the next file not taken yet, if the window has room for it;
    // false when it has none.
    bool queryNext(DosTimeConverter& times) {
        std::size_t i = next.load(std::memory_order_relaxed);
        do {
            if (i >= limit()) return false;
        } while (!next.compare_exchange_weak(i, i + 1, std::memory_order_relaxed));
        // The walk never waits for a directory, so its slot is left alone: a
        // late mark could land after the slot was reused.
        if (entries.isDirectory(i)) return true;
        const std::size_t slot = i % facts.size();
        facts[slot] = queryEntry(dirFd, entries.nameText(i), times);
        holds[slot].store(i + 1, std::memory_order_release);
        holds[slot].notify_all();
        return true;
    }
    [[nodiscard]] bool hasFileWork() const {
        return next.load(std::memory_order_relaxed) < limit();
    }
    // One past the last index the window has room for.
    [[nodiscard]] std::size_t limit() const {
        return std::min(entries.size(), taken.load(std::memory_order_acquire) + facts.size());
    }

    // The subfolder within reach furthest from the walk that no one has
    // claimed, or folderCount. The walk comes from the near end, so a worker
    // and the walk rarely meet on one and list it twice.
    [[nodiscard]] std::size_t furthestOpen() const {
        const std::size_t walked = walkAt.load(std::memory_order_acquire);
        for (std::size_t i = std::min(folderCount, walked + kFoldersAhead + 1); i > walked + 1;
             --i) {
            if (folders[i - 1].state.load(std::memory_order_relaxed) == kOpen) return i - 1;
        }
        return folderCount;
    }
    [[nodiscard]] bool hasFolderWork() const { return furthestOpen() < folderCount; }

    const FolderEntries& entries;
    const int dirFd;
    std::vector<FileFacts> facts;
    std::unique_ptr<std::atomic<std::size_t>[]> holds;  // index + 1 of what a slot holds
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> taken = 0;  // entries the walk has taken

    const std::size_t folderCount;
    std::unique_ptr<Subfolder[]> folders;
    // The subfolder the walk entered last; workers leave the first alone, as
    // the walk enters it at once.
    std::atomic<std::size_t> walkAt = 0;
    std::size_t walkSearch = 0;  // the walk's own: where its next subfolder is sought

    int workers = 0;  // guarded by the mutex
};

ReadAhead::ReadAhead(std::size_t workers, std::size_t reserves,
                     std::chrono::nanoseconds slowPerEntry)
    : pace_(slowPerEntry), descriptorBudget_(descriptorBudget()) {
    for (std::size_t i = 0; i < workers + reserves; ++i)
        workers_.emplace_back([this, reserve = i >= workers] { work(reserve); });
}

ReadAhead::~ReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    reserveCalled_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

bool ReadAhead::worthHanding(const FolderEntries& entries, bool queryFiles,
                             const Subfolders& listedFolders) {
    return queryFiles || !listedFolders.empty() || visibleFolders(entries) > 1;
}

// Waking the workers costs a system call, so they are woken only when one waits.
void ReadAhead::hand(const FolderEntries& entries, int dirFd, bool queryFiles,
                     Subfolders& listedFolders) {
    auto batch = std::make_unique<Batch>(entries, dirFd, queryFiles);
    for (std::size_t i = 0; i < std::min(listedFolders.size(), batch->folderCount); ++i) {
        Subfolder& folder = batch->folders[i];
        folder.listed = std::move(listedFolders[i]);
        holdListed(folder);
        folder.state.store(kListed, std::memory_order_relaxed);
    }
    const bool work = batch->hasFileWork() || batch->hasFolderWork();
    {
        const std::lock_guard lock(mutex_);
        batches_.push_back(std::move(batch));
    }
    if (work) wakeIdle();
}

// A worker that has just found no work may miss this; it hears of the next
// change, and the walk never waits for one.
void ReadAhead::wakeIdle() {
    if (idle_.load(std::memory_order_relaxed) > 0) changed_.notify_all();
    if (pace_.diskBound()) wakeReserves();
}

void ReadAhead::wakeReserves() {
    if (idleReserves_.load(std::memory_order_relaxed) > 0) reserveCalled_.notify_all();
}

FileFacts ReadAhead::take(const FolderEntries& entries, std::size_t index,
                          DosTimeConverter& times) {
    Batch* batch = batchOf(entries);
    if (batch == nullptr || batch->facts.empty()) return {};
    batch->taken.store(index, std::memory_order_release);
    // Rather than wait for the workers, query the entries after this one.
    // When none is left, sleep until the worker that took this one is done:
    // on a stalled mount that may be never, and a walk abandoned there must
    // not keep a core busy.
    const std::size_t slot = index % batch->facts.size();
    for (;;) {
        const std::size_t held = batch->holds[slot].load(std::memory_order_acquire);
        if (held == index + 1) break;
        if (!batch->queryNext(times)) batch->holds[slot].wait(held, std::memory_order_acquire);
    }
    const FileFacts facts = batch->facts[slot];
    batch->taken.store(index + 1, std::memory_order_release);
    // Workers waiting for room in the window hear of it now and then.
    if (index % (kBatchLimit / 4) == 0) wakeIdle();
    return facts;
}

// The walk never waits for a subfolder a worker is still listing: that
// worker may be stalled, and the walk would then stall on the parent, not on
// the subfolder that is to be left out.
std::unique_ptr<ReadAhead::Listed> ReadAhead::takeFolder(const FolderEntries& entries,
                                                         std::string_view name) {
    Batch* batch = batchOf(entries);
    if (batch == nullptr) return nullptr;
    std::size_t at = batch->walkSearch;
    while (at < batch->folderCount && entries.name(batch->folders[at].index) != name) ++at;
    if (at == batch->folderCount) return nullptr;
    // Those passed over could not be entered: what was listed of them goes.
    for (std::size_t i = batch->walkSearch; i < at; ++i) drop(batch->folders[i]);
    batch->walkSearch = at + 1;
    batch->walkAt.store(at, std::memory_order_release);
    Subfolder& folder = batch->folders[at];
    std::unique_ptr<Listed> listed;
    if (claim(folder)) {
        listed = std::move(folder.listed);
        release(folder);
    }
    // Each folder entered brings one more within the workers' reach: they
    // hear of it a few at a time.
    if (at % kWakeEvery == 0 && batch->hasFolderWork()) wakeIdle();
    return listed;
}

// Claims a subfolder for the walk; true when a worker has listed it, the
// listing being the walk's from then on.
bool ReadAhead::claim(Subfolder& folder) {
    int state = kOpen;
    if (folder.state.compare_exchange_strong(state, kWalked)) return false;
    if (state == kListing && folder.state.compare_exchange_strong(state, kWalked)) return false;
    return state == kListed;
}

void ReadAhead::release(Subfolder& folder) {
    if (folder.listed) giveBack(std::move(folder.listed));
    letGoOfListed(folder);
    folder.state.store(kWalked, std::memory_order_relaxed);
}

// What a subfolder's listing holds counts against the workers' bounds until
// the walk takes it or it is dropped.
void ReadAhead::holdListed(Subfolder& folder) {
    folder.bytes = bytesOf(folder.listed);
    folder.descriptors = descriptorsOf(folder.listed);
    listedBytes_.fetch_add(folder.bytes, std::memory_order_relaxed);
    keptDescriptors_.fetch_add(folder.descriptors, std::memory_order_relaxed);
}

void ReadAhead::letGoOfListed(const Subfolder& folder) {
    listedBytes_.fetch_sub(folder.bytes, std::memory_order_relaxed);
    keptDescriptors_.fetch_sub(folder.descriptors, std::memory_order_relaxed);
}

void ReadAhead::drop(Subfolder& folder) {
    if (claim(folder)) release(folder);
}

void ReadAhead::takeBack(const FolderEntries& entries) {
    {
        std::unique_lock lock(mutex_);
        const auto it = std::find_if(batches_.begin(), batches_.end(),
                                     [&](const auto& b) { return &b->entries == &entries; });
        if (it == batches_.end()) return;
        Batch& batch = **it;
        batch.next.store(entries.size(), std::memory_order_relaxed);
        batch.walkAt.store(batch.folderCount, std::memory_order_release);
        changed_.wait(lock, [&] { return batch.workers == 0; });
        for (std::size_t i = 0; i < batch.folderCount; ++i) drop(batch.folders[i]);
        batches_.erase(it);
    }
}

// Subfolders come one at a time, so that a worker turns to newer listings
// as soon as there are any; files of a listing are queried in one go. Each
// piece of work is timed, to tell whether the reserves are needed.
void ReadAhead::work(bool reserve) {
    giveWayToTheWalk();
    DosTimeConverter times;
    std::condition_variable& called = reserve ? reserveCalled_ : changed_;
    std::atomic<std::size_t>& idle = reserve ? idleReserves_ : idle_;
    std::unique_lock lock(mutex_);
    for (;;) {
        // The walk takes work too, without the lock: keep the batch found.
        Batch* found = nullptr;
        ++idle;
        called.wait(lock, [&] {
            return stopping_ ||
                   ((!reserve || pace_.diskBound()) && (found = newestWithWork()) != nullptr);
        });
        --idle;
        if (stopping_) return;
        Batch& batch = *found;
        ++batch.workers;
        lock.unlock();
        const auto start = std::chrono::steady_clock::now();
        std::size_t entries = 0;
        if (!listNextFolder(batch, times, entries)) {
            while (batch.queryNext(times)) ++entries;
        }
        if (pace_.note(std::chrono::steady_clock::now() - start, entries)) wakeReserves();
        lock.lock();
        --batch.workers;
        changed_.notify_all();
    }
}

// Lists the next subfolder of a listing that neither the walk nor another
// worker took; false when there is none within reach or room. entries
// tells how many it listed.
bool ReadAhead::listNextFolder(Batch& batch, DosTimeConverter& times, std::size_t& entries) {
    if (listedBytes_.load(std::memory_order_relaxed) >= kListedBytes) return false;
    const std::size_t at = batch.furthestOpen();
    if (at == batch.folderCount) return false;
    Subfolder& folder = batch.folders[at];
    int state = kOpen;
    if (!folder.state.compare_exchange_strong(state, kListing)) return true;
    // Going down stops as soon as the walk has come by.
    const std::function<bool()> goOn = [&] {
        return folder.state.load(std::memory_order_relaxed) == kListing;
    };
    const std::size_t kept = keptDescriptors_.load(std::memory_order_relaxed);
    const SubtreeLister::Fresh fresh = [this] { return freshListing(); };
    SubtreeLister lister(times, fresh, kept < descriptorBudget_ ? descriptorBudget_ - kept : 0,
                         goOn);
    folder.listed = lister.list(openDirectory(batch.dirFd, batch.entries.nameText(folder.index)));
    entries = lister.entries();
    holdListed(folder);
    state = kListing;
    if (!folder.state.compare_exchange_strong(state, kListed)) {
        letGoOfListed(folder);
        folder.listed.reset();
    }
    return true;
}

// A descriptor waits to be closed only within the budget of those kept.
void ReadAhead::keepSpare(std::unique_ptr<Listed> listed) {
    UniqueFd fd = std::move(listed->fd);
    if (fd.valid() &&
        keptDescriptors_.fetch_add(1, std::memory_order_relaxed) >= descriptorBudget_) {
        keptDescriptors_.fetch_sub(1, std::memory_order_relaxed);
        fd.reset();
    }
    const std::lock_guard lock(spareLock_);
    if (fd.valid()) toClose_.push_back(std::move(fd));
    if (spare_.size() < kSpareListings) spare_.push_back(std::move(listed));
}

void ReadAhead::giveBack(std::unique_ptr<Listed> listed) {
    for (std::unique_ptr<Listed>& folder : listed->folders) {
        if (folder) giveBack(std::move(folder));
    }
    keepSpare(std::move(listed));
}

// Listings given back are emptied here, and their folders closed, on a
// worker: their memory was allocated on one, and so was the kernel's for
// reading the folders.
std::unique_ptr<ReadAhead::Listed> ReadAhead::freshListing() {
    closeGivenBack();
    std::unique_ptr<Listed> listed;
    {
        const std::lock_guard lock(spareLock_);
        if (spare_.empty()) return std::make_unique<Listed>();
        listed = std::move(spare_.back());
        spare_.pop_back();
    }
    listed->entries.clear();
    listed->facts.clear();
    listed->folders.clear();
    return listed;
}

void ReadAhead::closeGivenBack() {
    std::vector<UniqueFd> toClose;
    {
        const std::lock_guard lock(spareLock_);
        toClose.swap(toClose_);
    }
    keptDescriptors_.fetch_sub(toClose.size(), std::memory_order_relaxed);
}

ReadAhead::Batch* ReadAhead::newestWithWork() {
    const bool room = listedBytes_.load(std::memory_order_relaxed) < kListedBytes;
    for (auto it = batches_.rbegin(); it != batches_.rend(); ++it) {
        if ((*it)->hasFileWork() || (room && (*it)->hasFolderWork())) return it->get();
    }
    return nullptr;
}

// Only the walk's thread adds and removes batches, so it may look without
// the lock.
ReadAhead::Batch* ReadAhead::batchOf(const FolderEntries& entries) {
    for (auto it = batches_.rbegin(); it != batches_.rend(); ++it) {
        if (&(*it)->entries == &entries) return it->get();
    }
    return nullptr;
}

}  // namespace quarvo
