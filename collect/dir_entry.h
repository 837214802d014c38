#pragma once
// What a directory listing tells about one entry: the record that the walk
// hands to the tallies.

#include <cstdint>
#include <string>

namespace quarvo {

// Bits of the attribute word, as Windows numbers them.
enum FileAttribute : std::uint32_t {
    kAttrReadOnly = 0x01,
    kAttrHidden = 0x02,
    kAttrSystem = 0x04,
    kAttrVolumeLabel = 0x08,
    kAttrDirectory = 0x10,
    kAttrArchive = 0x20,
};

// Directories with any of these bits are not walked into.
inline constexpr std::uint32_t kLeftOutOfDescent = kAttrHidden | kAttrSystem | kAttrVolumeLabel;

struct DirEntry {
    // The name as the file system holds it: UTF-8 where the file system's
    // names are UTF-8, otherwise its own bytes, unchanged.
    std::string name;
    std::uint32_t attributes = 0;
    std::int64_t size = 0;
    // Local DOS date-times; 0 when the file system does not record the time.
    std::uint32_t creationTime = 0;
    std::uint32_t lastAccessTime = 0;
    std::uint32_t lastWriteTime = 0;
};

}  // namespace quarvo
