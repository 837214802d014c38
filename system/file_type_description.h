#pragma once
// The names of file types as the user sees them, and the extensions that the
// file-type registry knows. Both only read the registry and keep no state.

#include <string>
#include <vector>

#include "system/classes_root.h"

namespace quarvo {

// The description of an extension such as ".doc": the registry's description
// of its class, else the class name, else "DOC File" made from the extension.
// "*." (files without an extension) is "No extension". The empty extension and
// a text with a star get no made-up name, so callers pass ".doc", not "*.doc".
[[nodiscard]] std::string fileTypeDescription(ClassesRoot& root, const std::string& ext);

// The description of a key of the file-type table (".DOC"): files without an
// extension, under the empty key, are "No extension" wherever they are named.
[[nodiscard]] std::string typeKeyDescription(ClassesRoot& root, const std::string& key);

// Empties patterns and fills it with "*.ext" for every registered extension of
// at most kMaxExtensionLength characters after the dot, sorted ignoring case;
// "*.*" first when withAll is true.
void registeredPatterns(ClassesRoot& root, std::vector<std::string>& patterns, bool withAll);

}  // namespace quarvo
