#pragma once
// Directory trees built in memory, listed in the order they were built. Each
// node can refuse to be entered or listed; the fake records which folders a
// walk entered and how many listings it held open at once.

#include <algorithm>
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
    int openListings = 0;
    int mostOpenListings = 0;
    // Called before each entry is listed, as the user could act meanwhile.
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
    bool leave() override {
        if (position_.size() < 2) return false;
        position_.pop_back();
        return true;
    }
    std::unique_ptr<DirectoryListing> list(ListingScope) override {
        if (position_.empty() || position_.back()->unreadable) return nullptr;
        return std::make_unique<Listing>(position_.back()->children, *this);
    }
    void close() override { position_.clear(); }
    char separator() const override { return '/'; }

private:
    class Listing : public DirectoryListing {
    public:
        Listing(const std::vector<FakeNode>& nodes, FakeDirectoryApi& api)
            : nodes_(nodes), api_(api) {
            api_.mostOpenListings = std::max(api_.mostOpenListings, ++api_.openListings);
        }
        ~Listing() override { --api_.openListings; }
        bool next(DirEntry& entry) override {
            if (api_.onNext) api_.onNext();
            if (index_ >= nodes_.size()) return false;
            entry = nodes_[index_++].entry;
            return true;
        }

    private:
        const std::vector<FakeNode>& nodes_;
        FakeDirectoryApi& api_;
        std::size_t index_ = 0;
    };

    std::vector<FakeNode*> position_;
};

}  // namespace quarvo::testing
