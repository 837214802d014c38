#pragma once
// A file rewritten whole: the new text goes to a temporary file in the same
// folder, which then replaces the file, so that a failed or interrupted
// write leaves the old file (or none) whole.

#include <sys/types.h>

#include <string>
#include <string_view>

namespace quarvo {

// Writes bytes to path with the permissions mode, making the folder when
// missing; a link at path is followed, not replaced. 0 when done, else the
// errno of the step that failed.
[[nodiscard]] int replaceFile(const std::string& path, std::string_view bytes, mode_t mode);

}  // namespace quarvo
