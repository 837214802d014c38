#include "collect/posix/posix_directory_api.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "collect/posix/posix_directory_listing.h"

namespace quarvo {
namespace {

// What the user is told of a folder that could not be opened or read. A
// name that is no longer a folder (ENOTDIR, or ELOOP for a link) was moved.
std::string refusalOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "no permission";
        case ENOENT:
            return "vanished";
        case ENOTDIR:
        case ELOOP:
            return "moved";
        default:
            return std::strerror(error);
    }
}

// The walk and as many workers as make one thread per core read from the
// start.
std::size_t steadyWorkers(std::size_t threads) {
    const std::size_t cores = std::max(std::thread::hardware_concurrency(), 2u);
    return std::min(threads, cores) - 1;
}

}  // namespace

PosixDirectoryApi::PosixDirectoryApi(std::size_t threads, std::chrono::nanoseconds slowPerEntry)
    : prefetching_(threads > 1),
      readAhead_(threads > 1 ? steadyWorkers(threads) : 0,
                 threads > 1 ? threads - 1 - steadyWorkers(threads) : 0, slowPerEntry) {
}

// A root must be readable and searchable: one that can be listed but not
// entered would show names whose files can't be described. The root's own
// path may lead through links, as the user gave it.
bool PosixDirectoryApi::openRoot(const std::string& folder) {
    close();
    UniqueFd fd = openDirectory(AT_FDCWD, folder.c_str(), kDirectoryFlags & ~O_NOFOLLOW);
    struct stat st {};
    if (!fd.valid() || fstat(fd.get(), &st) != 0) return false;
    if (faccessat(fd.get(), ".", X_OK, AT_EACCESS) != 0) return false;
    path_.push_back(Level{st.st_dev, st.st_ino, {}, std::move(fd)});
    const std::lock_guard lock(enteredLock_);
    entered_ = enteredBefore_;
    entered_.insert(st.st_ino);
    return true;
}

EnteredFolders PosixDirectoryApi::entered() const {
    const std::lock_guard lock(enteredLock_);
    return entered_;
}

void PosixDirectoryApi::enteredBefore(EnteredFolders folders) {
    enteredBefore_ = std::move(folders);
}

// A folder listed ahead comes open: the walk takes the worker's descriptor
// rather than open the folder again.
bool PosixDirectoryApi::enter(const std::string& name) {
    refusal_.clear();
    if (path_.empty()) return false;
    std::unique_ptr<ReadAhead::Listed> ahead =
        path_.back().handed != nullptr ? readAhead_.takeFolder(*path_.back().handed, name)
                                       : nullptr;
    UniqueFd child;
    struct stat st {};
    if (ahead && ahead->fd.valid()) {
        child = std::move(ahead->fd);
        st.st_dev = ahead->device;
        st.st_ino = ahead->inode;
    } else {
        child = openRoomy(path_.back().fd.get(), name.c_str(), path_.size() - 1);
        if (!child.valid() || fstat(child.get(), &st) != 0) {
            refusal_ = refusalOf(errno);
            return false;
        }
        // A listing that came without its folder is taken only for the
        // directory entered: one put there since is listed afresh.
        if (ahead && (ahead->device != st.st_dev || ahead->inode != st.st_ino)) ahead.reset();
    }
    // Another device is another volume, scanned as a drive of its own if at all.
    if (st.st_dev != path_.front().device) {
        refusal_ = "another device";
        return false;
    }
    {
        const std::lock_guard lock(enteredLock_);
        if (!entered_.insert(st.st_ino).second) return false;
    }
    if (path_.size() > kHeldLevels) path_.back().fd.reset();
    path_.push_back(Level{st.st_dev, st.st_ino, name, std::move(child)});
    path_.back().ahead = std::move(ahead);
    return true;
}

std::size_t PosixDirectoryApi::leave() {
    if (path_.size() < 2) return 0;
    if (path_[path_.size() - 2].fd.valid()) {
        popLevel();
        return 1;
    }
    UniqueFd child = std::move(path_.back().fd);
    popLevel();
    return climbTo(path_.size() - 1, std::move(child));
}

bool PosixDirectoryApi::list(FolderEntries& entries) {
    entries.clear();
    refusal_.clear();
    if (path_.empty()) return false;
    Level& level = path_.back();
    // A copy, so that the worker's memory goes back to it with the listing.
    if (level.ahead) {
        entries = level.ahead->entries;
    } else if (!readDirectory(level.fd.get(), entries)) {
        refusal_ = refusalOf(errno);
        return false;
    }
    handOver(entries);
    return true;
}

// A listing of a level whose descriptor stays held is handed to the workers,
// to be read ahead while the walk is below it.
void PosixDirectoryApi::handOver(const FolderEntries& entries) {
    Level& level = path_.back();
    if (!prefetching_ || path_.size() > kHeldLevels || level.handed != nullptr) return;
    ReadAhead::Subfolders none;
    ReadAhead::Subfolders& listed = level.ahead ? level.ahead->folders : none;
    const bool queryFiles = !level.ahead && entries.size() >= kHandedFrom;
    if (!ReadAhead::worthHanding(entries, queryFiles, listed)) return;
    readAhead_.hand(entries, level.fd.get(), queryFiles, listed);
    level.handed = &entries;
    level.filesHanded = queryFiles;
}

void PosixDirectoryApi::describe(const FolderEntries& entries, const Visitor& visit) {
    if (path_.empty()) return;
    Level& level = path_.back();
    const bool handed = level.handed == &entries;
    const std::vector<FileFacts>* ahead = level.ahead ? &level.ahead->facts : nullptr;
    DirEntry entry;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries.isDirectory(i)) {
            entry.name.assign(entries.name(i));
            entry.attributes = entries.attributes(i);
            if (!visit(entry)) break;
            continue;
        }
        const FileFacts facts = ahead != nullptr ? (*ahead)[i]
                                : handed && level.filesHanded
                                    ? readAhead_.take(entries, i, times_)
                                    : queryEntry(level.fd.get(), entries.nameText(i), times_);
        if (!facts.found) continue;
        describeEntry(entries.nameText(i), facts, entry);
        if (!visit(entry)) break;
    }
    if (handed) readAhead_.takeBack(entries);
    level.handed = nullptr;
}

void PosixDirectoryApi::close() {
    while (!path_.empty()) popLevel();
    readAhead_.closeGivenBack();
    const std::lock_guard lock(enteredLock_);
    entered_.clear();
}

// Takes back a listing still handed over before its descriptor goes. A
// folder a worker listed goes back to the workers to be closed.
void PosixDirectoryApi::popLevel() {
    Level& level = path_.back();
    if (level.handed != nullptr) readAhead_.takeBack(*level.handed);
    if (level.ahead) {
        level.ahead->fd = std::move(level.fd);
        readAhead_.giveBack(std::move(level.ahead));
    }
    path_.pop_back();
}

bool PosixDirectoryApi::isLevel(int fd, const Level& level) const {
    struct stat st {};
    return fd >= 0 && fstat(fd, &st) == 0 && st.st_dev == level.device && st.st_ino == level.inode;
}

// Finds the way back to the level at index parent, whose descriptor was let
// go: through the child's "..", or else down again by name from the deepest
// level still held. Where a step down finds another directory, the walk goes
// on from the level above it. Returns how many levels the position went up.
std::size_t PosixDirectoryApi::climbTo(std::size_t parent, UniqueFd fromChild) {
    UniqueFd up = openRoomy(fromChild.get(), "..", parent);
    if (isLevel(up.get(), path_[parent])) {
        path_[parent].fd = std::move(up);
        return 1;
    }
    std::size_t at = parent;
    while (!path_[at].fd.valid()) --at;
    UniqueFd fd(fcntl(path_[at].fd.get(), F_DUPFD_CLOEXEC, 0));
    while (!fd.valid() && (errno == EMFILE || errno == ENFILE) && releaseOneLevel(at)) {
        fd.reset(fcntl(path_[at].fd.get(), F_DUPFD_CLOEXEC, 0));
    }
    for (std::size_t i = at + 1; i <= parent; ++i) {
        UniqueFd next = openRoomy(fd.get(), path_[i].name.c_str(), at);
        if (!isLevel(next.get(), path_[i])) break;
        fd = std::move(next);
        at = i;
    }
    const std::size_t went = path_.size() - at;
    while (path_.size() > at + 1) popLevel();
    if (!path_.back().fd.valid()) path_.back().fd = std::move(fd);
    return went;
}

UniqueFd PosixDirectoryApi::openRoomy(int parent, const char* name, std::size_t keep) {
    UniqueFd fd = openDirectory(parent, name);
    while (!fd.valid() && (errno == EMFILE || errno == ENFILE) && releaseOneLevel(keep)) {
        fd = openDirectory(parent, name);
    }
    return fd;
}

// Lets go of the descriptor of the held level nearest the root, which the
// walk needs last; the root's stays, and those from index keep on. A listing of that
// level handed to the workers is taken back first: the walk queries its
// files itself once it is back there.
bool PosixDirectoryApi::releaseOneLevel(std::size_t keep) {
    for (std::size_t i = 1; i < keep && i < path_.size(); ++i) {
        Level& level = path_[i];
        if (!level.fd.valid()) continue;
        if (level.handed != nullptr) readAhead_.takeBack(*level.handed);
        level.handed = nullptr;
        level.fd.reset();
        return true;
    }
    return false;
}

}  // namespace quarvo
