#pragma once
// The entries of one directory as one listing gave them, kept while the walk
// descends into its subdirectories and then counts its files from them, so
// each directory is listed once. Names are packed into one buffer: a
// directory of many thousands of files costs a few bytes per name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "collect/dir_entry.h"

namespace quarvo {

class FolderEntries {
public:
    void clear();
    // Makes room for count entries whose names take nameBytes together.
    void reserve(std::size_t count, std::size_t nameBytes);
    // An entry known by name and kind only: its directory and hidden bits.
    void add(std::string_view name, std::uint32_t attributes);
    // An entry that the listing described whole. A listing adds all its
    // entries one way or all the other.
    void add(const DirEntry& entry);

    [[nodiscard]] std::size_t size() const { return attributes_.size(); }
    [[nodiscard]] bool empty() const { return attributes_.empty(); }
    // The name of entry i, followed by a zero byte in memory.
    [[nodiscard]] std::string_view name(std::size_t i) const;
    [[nodiscard]] const char* nameText(std::size_t i) const { return names_.data() + starts_[i]; }
    [[nodiscard]] std::uint32_t attributes(std::size_t i) const { return attributes_[i]; }
    [[nodiscard]] bool isDirectory(std::size_t i) const {
        return (attributes_[i] & kAttrDirectory) != 0;
    }
    // The whole description of entry i, when the listing gave one.
    [[nodiscard]] const DirEntry* described(std::size_t i) const {
        return described_.empty() ? nullptr : &described_[i];
    }

private:
    std::string names_;  // each name followed by a zero byte
    std::vector<std::uint32_t> starts_;
    std::vector<std::uint32_t> attributes_;
    std::vector<DirEntry> described_;  // empty, or one per entry
};

}  // namespace quarvo
