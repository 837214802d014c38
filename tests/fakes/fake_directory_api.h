#pragma once
// Directory trees built in memory, listed in the order they were built. Each
// node can refuse to be entered or listed, be cut off from its parent when
// the walk leaves it, hold its listing until the test lets it go, or be a
// second path to another folder (a bind mount); the fake records which
// folders a walk entered and which it listed.
//
// A test walks the fake itself, or hands a run its sessions(): walks of
// their own over the same trees, on whatever thread the run walks them.

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "collect/directory_api.h"

namespace quarvo::testing {

// A listing that waits, as one on a stalled mount does, until released.
class FakeGate {
public:
    // On the walk's thread: waits until released.
    void pass() {
        std::unique_lock lock(mutex_);
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
    void waitUntilReached() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }
    void release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
};

struct FakeNode {
    DirEntry entry;
    std::vector<FakeNode> children;
    bool cannotEnter = false;
    bool unreadable = false;
    bool lostOnLeave = false;
    std::shared_ptr<FakeGate> gate;  // the listing waits for it
    // Folders of the same non-zero identity are one folder: entered once.
    std::uint64_t identity = 0;
};

inline FakeNode fakeFile(std::string name, std::int64_t size = 0,
                         std::uint32_t attributes = kAttrArchive) {
    FakeNode node;
    node.entry.name = std::move(name);
    node.entry.size = size;
    node.entry.attributes = attributes;
    return node;
}

inline FakeNode fakeDir(std::string name, std::vector<FakeNode> children,
                        std::uint32_t attributes = kAttrDirectory) {
    FakeNode node;
    node.entry.name = std::move(name);
    node.entry.attributes = attributes;
    node.children = std::move(children);
    return node;
}

class FakeDirectoryApi;

// One walk's position in the fake's trees.
class FakeDirectorySession : public DirectoryApi {
public:
    explicit FakeDirectorySession(FakeDirectoryApi& trees);
    ~FakeDirectorySession() override;

    bool openRoot(const std::string& folder) override;
    bool enter(const std::string& name) override;
    std::size_t leave() override;
    bool list(FolderEntries& entries) override;
    void describe(const FolderEntries& entries, const Visitor& visit) override;
    void close() override { position_.clear(); }
    char separator() const override { return '/'; }
    std::string refusal() const override { return refusal_; }
    EnteredFolders entered() const override {
        const std::lock_guard lock(enteredLock_);
        return entered_;
    }
    void enteredBefore(EnteredFolders folders) override {
        const std::lock_guard lock(enteredLock_);
        entered_ = std::move(folders);
    }
    void readAlone() override;

private:
    FakeDirectoryApi& trees_;
    std::string refusal_;
    std::vector<FakeNode*> position_;
    mutable std::mutex enteredLock_;
    EnteredFolders entered_;
};

class FakeDirectoryApi : public DirectoryApi {
public:
    std::map<std::string, FakeNode> roots;  // by folder
    std::vector<std::string> entered;       // names, in the order entered
    std::vector<std::string> listed;        // names of the folders listed, in order
    // Called before each entry is described, on the walk's thread.
    std::function<void()> onNext;
    // Sessions told to read alone, as a walk after a stall is.
    int readingAlone = 0;

    // Walks of their own, for a run; the trees must not change while one is
    // out.
    std::function<std::unique_ptr<DirectoryApi>()> sessions() {
        return [this] { return std::make_unique<FakeDirectorySession>(*this); };
    }
    // Waits until every session has been let go of, also by a walk that a
    // run left to end on its own.
    void waitUntilNoSession() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return sessionsOut_ == 0; });
    }

    bool openRoot(const std::string& folder) override { return own_.openRoot(folder); }
    bool enter(const std::string& name) override { return own_.enter(name); }
    std::size_t leave() override { return own_.leave(); }
    bool list(FolderEntries& entries) override { return own_.list(entries); }
    void describe(const FolderEntries& entries, const Visitor& visit) override {
        own_.describe(entries, visit);
    }
    void close() override { own_.close(); }
    char separator() const override { return '/'; }
    std::string refusal() const override { return own_.refusal(); }

private:
    friend class FakeDirectorySession;

    void record(std::vector<std::string>& names, const std::string& name) {
        const std::lock_guard lock(mutex_);
        names.push_back(name);
    }
    void countSession(int change) {
        const std::lock_guard lock(mutex_);
        sessionsOut_ += change;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    int sessionsOut_ = 0;
    FakeDirectorySession own_{*this};
};

inline FakeDirectorySession::FakeDirectorySession(FakeDirectoryApi& trees) : trees_(trees) {
    if (this != &trees_.own_) trees_.countSession(1);
}

inline FakeDirectorySession::~FakeDirectorySession() {
    if (this != &trees_.own_) trees_.countSession(-1);
}

inline void FakeDirectorySession::readAlone() {
    const std::lock_guard lock(trees_.mutex_);
    trees_.readingAlone += 1;
}

inline bool FakeDirectorySession::openRoot(const std::string& folder) {
    position_.clear();
    const auto it = trees_.roots.find(folder);
    if (it == trees_.roots.end() || it->second.cannotEnter) return false;
    position_.push_back(&it->second);
    return true;
}

// A folder that can't be entered or read refuses for want of permission.
inline bool FakeDirectorySession::enter(const std::string& name) {
    refusal_ = "vanished";
    if (position_.empty()) return false;
    for (FakeNode& child : position_.back()->children) {
        const bool isDir = (child.entry.attributes & kAttrDirectory) != 0;
        if (child.entry.name != name || !isDir) continue;
        if (child.cannotEnter) {
            refusal_ = "no permission";
            return false;
        }
        refusal_.clear();
        if (child.identity != 0) {
            const std::lock_guard lock(enteredLock_);
            if (!entered_.insert(child.identity).second) return false;
        }
        position_.push_back(&child);
        trees_.record(trees_.entered, name);
        return true;
    }
    return false;
}

// A node marked lostOnLeave takes its parent out of reach.
inline std::size_t FakeDirectorySession::leave() {
    if (position_.size() < 2) return 0;
    const bool lost = position_.back()->lostOnLeave && position_.size() > 2;
    position_.resize(position_.size() - (lost ? 2 : 1));
    return lost ? 2 : 1;
}

inline bool FakeDirectorySession::list(FolderEntries& entries) {
    entries.clear();
    refusal_ = "no permission";
    if (position_.empty() || position_.back()->unreadable) return false;
    if (position_.back()->gate) position_.back()->gate->pass();
    trees_.record(trees_.listed, position_.back()->entry.name);
    for (const FakeNode& child : position_.back()->children) entries.add(child.entry);
    return true;
}

inline void FakeDirectorySession::describe(const FolderEntries& entries, const Visitor& visit) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (trees_.onNext) trees_.onNext();
        if (!visit(*entries.described(i))) return;
    }
}

}  // namespace quarvo::testing
