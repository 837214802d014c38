#include "collect/file_type_table.h"

#include <algorithm>
#include <array>

namespace quarvo {
namespace {

bool fitsTable(std::string_view key) {
    return key.empty() || isExtensionText(key);
}

// Byte order, unsigned, compared in place: keys are a few bytes long, and
// counting a file compares several.
bool precedes(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
    }
    return a.size() < b.size();
}

char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

// Letters hash alike in either case.
std::size_t FileTypeTable::recentSlotOf(std::string_view key) {
    std::size_t hash = key.size();
    for (const char c : key) hash = hash * 31 + (static_cast<unsigned char>(c) | 0x20u);
    return hash % std::tuple_size_v<decltype(recent_)>;
}

// A key equal to a table key but for ASCII case fits the table as that one does.
FileTypeCount* FileTypeTable::recentEntry(std::size_t slot, std::string_view key) {
    if (recent_[slot] == 0) return nullptr;
    FileTypeCount& entry = entries_[recent_[slot] - 1];
    const bool same = entry.key.size() == key.size() &&
                      std::equal(key.begin(), key.end(), entry.key.begin(),
                                 [](char k, char e) { return upperAscii(k) == e; });
    return same ? &entry : nullptr;
}

void FileTypeTable::insertType(std::string_view key, std::int64_t size, bool seedOnly) {
    const auto count = [&](FileTypeCount& entry) {
        if (seedOnly) return;
        entry.count += 1;
        entry.bytes += size;
    };
    const std::size_t slot = recentSlotOf(key);
    if (FileTypeCount* recent = recentEntry(slot, key)) {
        count(*recent);
        return;
    }
    if (!fitsTable(key)) return;
    // A UTF-8 character takes at most four bytes, so the upper-cased key
    // fits on the stack.
    std::array<char, FileTypeTable::kMaxKeyLength * 4> buffer{};
    std::transform(key.begin(), key.end(), buffer.begin(), upperAscii);
    const std::string_view upper(buffer.data(), key.size());

    // Every key in the table is upper-cased already, and ignoring ASCII case
    // compares upper-cased bytes, so plain byte order is the table's order.
    auto place = std::lower_bound(
        entries_.begin(), entries_.end(), upper,
        [](const FileTypeCount& e, std::string_view k) { return precedes(e.key, k); });
    if (place != entries_.end() && place->key == upper) {
        count(*place);
    } else {
        // The entries after the new one move: what pointed at them is forgotten.
        recent_.fill(0);
        place = entries_.insert(place, FileTypeCount{std::string(upper), seedOnly ? 0 : 1, size});
    }
    recent_[slot] = static_cast<std::uint32_t>(place - entries_.begin()) + 1;
}

void FileTypeTable::clear() {
    entries_.clear();
    recent_.fill(0);
}

std::string FileTypeTable::entryText(std::size_t index) const {
    const FileTypeCount& e = entries_.at(index);
    return e.key + '\t' + std::to_string(e.count) + '\t' + std::to_string(e.bytes);
}

std::vector<std::string> FileTypeTable::entries() const {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) texts.push_back(entryText(i));
    return texts;
}

}  // namespace quarvo
