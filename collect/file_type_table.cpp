#include "collect/file_type_table.h"

#include <algorithm>
#include <array>
#include <bit>

#include "text/ascii_case.h"

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

}  // namespace

std::uint64_t FileTypeTable::pack(std::string_view key) {
    std::uint64_t packed = 0;
    for (const char c : key) packed = packed << 8 | static_cast<unsigned char>(c);
    return packed;
}

// The top bits of a multiplicative hash, which depend on every byte.
FileTypeTable::RecentPair& FileTypeTable::recentPairOf(std::uint64_t packed) {
    constexpr int kSlotBits = std::bit_width(std::tuple_size_v<decltype(recent_)> - 1);
    return recent_[static_cast<std::size_t>((packed * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits))];
}

// Two keys that share a hash take turns in a pair rather than push each
// other out, the one met last first.
FileTypeCount* FileTypeTable::recentEntry(RecentPair& pair, const Recent& key) {
    const auto same = [&key](const Recent& recent) {
        return recent.row != 0 && recent.key == key.key && recent.length == key.length;
    };
    if (same(pair[1])) std::swap(pair[0], pair[1]);
    return same(pair[0]) ? &entries_[pair[0].row - 1] : nullptr;
}

void FileTypeTable::insertType(std::string_view key, std::int64_t size, bool seedOnly) {
    const bool packable = key.size() <= kPackedBytes;
    Recent recent{packable ? pack(key) : 0, static_cast<std::uint32_t>(key.size())};
    RecentPair& pair = recentPairOf(recent.key);
    FileTypeCount* entry = packable ? recentEntry(pair, recent) : nullptr;
    if (entry == nullptr) {
        const std::size_t row = findOrAdd(key, seedOnly ? size : 0);
        if (row == kNoRow) return;
        entry = &entries_[row];
        recent.row = static_cast<std::uint32_t>(row) + 1;
        if (packable) pair = {recent, pair[0]};
    }
    if (seedOnly) return;
    entry->count += 1;
    entry->bytes += size;
}

std::size_t FileTypeTable::findOrAdd(std::string_view key, std::int64_t newBytes) {
    if (!fitsTable(key)) return kNoRow;
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
    const auto row = static_cast<std::size_t>(place - entries_.begin());
    if (place != entries_.end() && place->key == upper) return row;
    entries_.insert(place, FileTypeCount{std::string(upper), 0, newBytes});
    // The entries after the new one moved down a row.
    for (RecentPair& pair : recent_) {
        for (Recent& recent : pair) recent.row += recent.row > row ? 1 : 0;
    }
    return row;
}

void FileTypeTable::clear() {
    entries_.clear();
    recent_.fill({});
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
