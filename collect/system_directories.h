#pragma once
// The directory services of this machine, for the program and the report
// tool; tests of the walk build fakes instead. Each back end defines it.

#include <cstddef>
#include <memory>

#include "collect/directory_api.h"

namespace quarvo {

// Past this many threads reading one tree, a walk gets no faster, and a
// spinning disk seeks between them.
inline constexpr std::size_t kMaxScanThreads = 4;

// Threads that read a tree by default: two per core, at most kMaxScanThreads.
// A tree not yet in the page cache keeps its threads waiting on the disk as
// much as computing, and more of them keep the disk busy meanwhile; those
// past one per core wait in reserve while the tree reads quickly.
[[nodiscard]] std::size_t defaultScanThreads();

// threads: how many threads list folders and read metadata, the walk's own
// included, where the back end reads with more than one.
[[nodiscard]] std::unique_ptr<DirectoryApi> makeSystemDirectoryApi(std::size_t threads);

}  // namespace quarvo
