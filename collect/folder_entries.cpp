#include "collect/folder_entries.h"

namespace quarvo {

void FolderEntries::clear() {
    names_.clear();
    starts_.clear();
    attributes_.clear();
    described_.clear();
}

void FolderEntries::reserve(std::size_t count, std::size_t nameBytes) {
    names_.reserve(nameBytes);
    starts_.reserve(count);
    attributes_.reserve(count);
}

void FolderEntries::add(std::string_view name, std::uint32_t attributes) {
    starts_.push_back(static_cast<std::uint32_t>(names_.size()));
    names_.append(name);
    names_.push_back('\0');
    attributes_.push_back(attributes);
}

void FolderEntries::add(const DirEntry& entry) {
    add(entry.name, entry.attributes);
    described_.push_back(entry);
}

std::string_view FolderEntries::name(std::size_t i) const {
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] - 1 : names_.size() - 1;
    return std::string_view(names_).substr(starts_[i], end - starts_[i]);
}

}  // namespace quarvo
