#pragma once
// Which extensions the shared MIME database has a plain glob "*.ext" for,
// read from the globs2 files that update-mime-database writes beside each
// folder's cache: a few thousand lines, where asking the database about an
// extension it does not know matches the name against every glob it has.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quarvo {

// The ".ext" of a glob "*.ext" that names one extension: no wildcard after
// the star, and no second dot, since a file's extension begins at its last
// dot. Empty for any other glob.
[[nodiscard]] std::string plainGlobExtension(std::string_view glob);

// The database's folders, most local first, as QtCore finds them.
[[nodiscard]] std::vector<std::string> sharedMimeFolders();

// The lower-case ".ext" of every plain glob in the folders' globs2 files.
// Nothing when the files may not tell all that the database knows: a
// folder with a cache but no readable globs2, one with packages but no
// cache (read as they are now, not as the cache was made), or no folder
// with the freedesktop.org package, without which QtCore uses a database
// of its own. A type's globs that a more local folder deletes stay in the
// set; asking the database about them answers as before.
[[nodiscard]] std::optional<std::unordered_set<std::string>> plainGlobExtensions(
    const std::vector<std::string>& mimeFolders);

}  // namespace quarvo
