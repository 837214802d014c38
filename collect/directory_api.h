#pragma once
// The directory services the walk stands on: a position in one directory
// tree that moves into a subdirectory and back, and listings of the
// directory at that position.
//
// Every back end keeps these promises, so a walk is safe on any tree:
// - no process-wide current directory is changed, and paths of any length
//   work (the position is not a path that the system has to resolve whole);
// - the resources held do not grow with the depth of the tree;
// - nothing listed is ever opened for reading or written; special files are
//   reported, never opened;
// - links are never followed: a symbolic link is listed as a file;
// - a directory on another volume, or one that leads back to a directory on
//   the current position's path, can't be entered, so a walk never loops.

#include <memory>
#include <string>

#include "collect/directory_listing.h"

namespace quarvo {

class DirectoryApi {
public:
    virtual ~DirectoryApi() = default;

    // Moves to the folder at a platform path, the root of a walk; false when
    // it can't be opened.
    [[nodiscard]] virtual bool openRoot(const std::string& folder) = 0;
    // Moves into a subdirectory of the current directory by its name; false,
    // not moving, when it can't be entered.
    [[nodiscard]] virtual bool enter(const std::string& name) = 0;
    // Moves back to the parent; false when the way back is lost (the tree
    // changed under the walk), after which no position is held.
    [[nodiscard]] virtual bool leave() = 0;
    // Lists the current directory; nullptr when it can't be read.
    [[nodiscard]] virtual std::unique_ptr<DirectoryListing> list(ListingScope scope) = 0;
    // Lets go of the position and everything held for it.
    virtual void close() = 0;
    // The character that separates folder names in the platform's paths.
    [[nodiscard]] virtual char separator() const = 0;
};

}  // namespace quarvo
