#pragma once
// Directory trees built in memory, listed in the order they were built. Each
// node can refuse to be entered or listed, or be cut off from its parent when
// the walk leaves it; the fake records which folders a walk entered and
// which it listed.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "collect/directory_api.h"

namespace quarvo::testing {

struct FakeNode {
    DirEntry entry;
    std::vector<FakeNode> children;
    bool cannotEnter = false;
    bool unreadable = false;
    bool lostOnLeave = false;
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

class FakeDirectoryApi : public DirectoryApi {
public:
    std::map<std::string, FakeNode> roots;  // by folder
    std::vector<std::string> entered;       // names, in the order entered
    std::vector<std::string> listed;        // names of the folders listed, in order
    // Called before each entry is described, as the user could act meanwhile.
    std::function<void()> onNext;

    bool openRoot(const std::string& folder) override {
        position_.clear();
        const auto it = roots.find(folder);
        if (it == roots.end() || it->second.cannotEnter) return false;
        position_.push_back(&it->second);
        return true;
    }
    bool enter(const std::string& name) override {
        if (position_.empty()) return false;
        for (FakeNode& child : position_.back()->children) {
            const bool isDir = (child.entry.attributes & kAttrDirectory) != 0;
            if (child.entry.name != name || !isDir || child.cannotEnter) continue;
            position_.push_back(&child);
            entered.push_back(name);
            return true;
        }
        return false;
    }
    // A node marked lostOnLeave takes its parent out of reach.
    std::size_t leave() override {
        if (position_.size() < 2) return 0;
        const bool lost = position_.back()->lostOnLeave && position_.size() > 2;
        position_.resize(position_.size() - (lost ? 2 : 1));
        return lost ? 2 : 1;
    }
    bool list(FolderEntries& entries) override {
        entries.clear();
        if (position_.empty() || position_.back()->unreadable) return false;
        listed.push_back(position_.back()->entry.name);
        for (const FakeNode& child : position_.back()->children) entries.add(child.entry);
        return true;
    }
    void describe(const FolderEntries& entries, const Visitor& visit) override {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (onNext) onNext();
            if (!visit(*entries.described(i))) return;
        }
    }
    void close() override { position_.clear(); }
    char separator() const override { return '/'; }

private:
    std::vector<FakeNode*> position_;
};

}  // namespace quarvo::testing
