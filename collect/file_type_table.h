#pragma once
// The file-type table: per extension key (".DOC", or empty for names without
// one) the number of files and their bytes, in ascending key order ignoring
// ASCII case. Kept typed so that counting a file of a known type costs a
// binary search and no allocation; the text entries "KEY\tcount\tbytes" that
// the Types page shows are made when they are read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "collect/file_rule.h"

namespace quarvo {

struct FileTypeCount {
    std::string key;
    std::int32_t count = 0;
    std::int64_t bytes = 0;
};

class FileTypeTable {
public:
    // Longest key that enters the table, its dot included, in characters.
    static constexpr std::size_t kMaxKeyLength = kMaxExtensionLength + 1;

    // Counts one file of the given size under key (upper-cased first). With
    // seedOnly only makes sure that the key has an entry: a new one gets
    // count 0 and the size as its bytes, an existing one stays as it is.
    // Only the empty key and keys that can stand as an extension
    // (isExtensionText) enter the table; every extension that fileExtension
    // gives does, so each counted file has its row.
    void insertType(std::string_view key, std::int64_t size, bool seedOnly);

    [[nodiscard]] std::size_t size() const { return entries_.size(); }
    [[nodiscard]] const FileTypeCount& at(std::size_t index) const { return entries_.at(index); }
    // The text entry at index: KEY, count and bytes separated by tabs.
    [[nodiscard]] std::string entryText(std::size_t index) const;
    // All text entries, in table order.
    [[nodiscard]] std::vector<std::string> entries() const;
    void clear();

private:
    // A key of up to eight bytes as a number, its bytes in order: two such
    // keys of one length are equal when their numbers are.
    static constexpr std::size_t kPackedBytes = sizeof(std::uint64_t);
    struct Recent {
        std::uint64_t key = 0;
        std::uint32_t length = 0;
        std::uint32_t row = 0;  // the entry's index plus one; 0 for none
    };

    using RecentPair = std::array<Recent, 2>;

    [[nodiscard]] static std::uint64_t pack(std::string_view key);
    [[nodiscard]] RecentPair& recentPairOf(std::uint64_t packed);
    [[nodiscard]] FileTypeCount* recentEntry(RecentPair& pair, const Recent& key);
    // The row of a key that fits the table, added with count 0 and newBytes
    // if new; kNoRow for one that does not fit.
    static constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);
    [[nodiscard]] std::size_t findOrAdd(std::string_view key, std::int64_t newBytes);

    std::vector<FileTypeCount> entries_;
    // The entry last counted for each short key met, as its bytes came, by a
    // hash of them. A scan meets the same few types again and again, mostly
    // spelled alike: for most files this spares the upper-casing and the
    // search.
    std::array<RecentPair, 256> recent_{};
};

}  // namespace quarvo
