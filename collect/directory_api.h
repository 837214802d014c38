#pragma once
// The directory services the walk stands on: a position in one directory
// tree that moves into a subdirectory and back, one listing of the directory
// at that position, and the description of the entries it listed.
//
// Every back end keeps these promises, so a walk is safe on any tree:
// - no process-wide current directory is changed, and paths of any length
//   work (the position is not a path that the system has to resolve whole);
// - the resources held grow at most by one descriptor per level, and not at
//   all past a fixed depth;
// - nothing listed is ever opened for reading or written; special files are
//   reported, never opened;
// - links are never followed: a symbolic link is listed as a file;
// - a directory on another volume, or one already entered since the root
//   was opened (a loop, or a second path through a bind mount), can't be
//   entered, so a walk never loops and counts no folder twice.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>

#include "collect/folder_entries.h"

namespace quarvo {

// The folders a walk entered, by an identity that only their back end reads.
using EnteredFolders = std::unordered_set<std::uint64_t>;

class DirectoryApi {
public:
    using Visitor = std::function<bool(const DirEntry&)>;

    virtual ~DirectoryApi() = default;

    // Moves to the folder at a platform path, the root of a walk; false when
    // it can't be opened, listed and entered.
    [[nodiscard]] virtual bool openRoot(const std::string& folder) = 0;
    // Moves into a subdirectory of the current directory by its name; false,
    // not moving, when it can't be entered.
    [[nodiscard]] virtual bool enter(const std::string& name) = 0;
    // Moves back towards the root and returns how many levels it went up: 1
    // to the parent; more when the parent can no longer be reached by the
    // way the walk came down (the tree changed under the walk), landing on
    // the nearest directory that still can; 0 at the root.
    [[nodiscard]] virtual std::size_t leave() = 0;
    // Lists the current directory once, in listing order, without "." and
    // "..": each entry's name with at least its directory and hidden bits;
    // false when it can't be read.
    [[nodiscard]] virtual bool list(FolderEntries& entries) = 0;
    // Hands the entries that list gave for the current directory to visit,
    // in their order, the files described whole; directories come as
    // listed. An entry that vanished since it was listed is passed over.
    // Stops when visit returns false.
    virtual void describe(const FolderEntries& entries, const Visitor& visit) = 0;
    // Why the last enter or list failed, for the user: "no permission",
    // "vanished", "moved", "another device", or the system's own words;
    // empty when the folder is not to be named, being counted another way
    // (a loop, or a second path to a folder already entered).
    [[nodiscard]] virtual std::string refusal() const { return {}; }
    // Lets go of the position and everything held for it.
    virtual void close() = 0;
    // The folders entered since the root was opened; safe from any thread.
    // A walk that goes on after one that stalled enters none of them again.
    [[nodiscard]] virtual EnteredFolders entered() const { return {}; }
    // Folders that an earlier walk of the same root entered, counted as
    // entered from the next openRoot on.
    virtual void enteredBefore(EnteredFolders folders) { (void)folders; }
    // For a walk that goes on after a stall: the walk reads alone. A thread
    // reading ahead could wander into the folder that stalled, which the
    // walk passes over, and the walk would wait for that thread at the end.
    virtual void readAlone() {}
    // The character that separates folder names in the platform's paths.
    [[nodiscard]] virtual char separator() const = 0;
};

}  // namespace quarvo
