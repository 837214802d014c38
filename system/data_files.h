#pragma once
// The program's own data beside its settings: the folder that keeps saved
// runs, and how a file there is written. Each back end defines these.

#include <string>
#include <string_view>

namespace quarvo {

// $XDG_DATA_HOME/quarvo/scans, by default ~/.local/share/quarvo/scans; on
// Windows %LOCALAPPDATA%\Quarvo\scans. Read from the environment at each
// call, so that tests can point it elsewhere.
[[nodiscard]] std::string savedRunsFolder();

// Writes the bytes as the file at path, making its folder when missing:
// first into a new file beside it, which is then renamed to path, so that a
// crash leaves either no file or the whole of it, never a part. Empty when
// done, else the system's words for what went wrong ("Permission denied").
[[nodiscard]] std::string writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace quarvo
