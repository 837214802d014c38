#include "collect/posix/posix_directory_api.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>

#include "collect/directory_walk.h"
#include "collect/dos_time.h"
#include "collect/posix/disk_pace.h"
#include "collect/posix/posix_directory_listing.h"
#include "collect/posix/read_ahead.h"
#include "collect/system_directories.h"
#include "tests/collect/zone_override.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> namesIn(int dirFd) {
    std::vector<std::string> names;
    DIR* dir = fdopendir(dup(dirFd));
    while (const dirent* d = readdir(dir)) {
        const std::string name = d->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
}

// Empties a folder through descriptors, so trees deeper than any path go too.
void removeBelow(int dirFd) {
    for (const std::string& name : namesIn(dirFd)) {
        struct stat st {};
        fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW);
        if (!S_ISDIR(st.st_mode)) {
            unlinkat(dirFd, name.c_str(), 0);
            continue;
        }
        fchmodat(dirFd, name.c_str(), 0700, 0);
        const int child = openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        removeBelow(child);
        close(child);
        unlinkat(dirFd, name.c_str(), AT_REMOVEDIR);
    }
}

// A small tree in a temporary folder, removed with everything in it.
class TempTree {
public:
    TempTree() {
        std::string pattern = "/tmp/quarvo-walk-XXXXXX";
        path = mkdtemp(pattern.data());
        chmod(path.c_str(), 0755);
        fd_ = open(path.c_str(), O_RDONLY | O_DIRECTORY);
    }
    ~TempTree() {
        removeBelow(fd_);
        close(fd_);
        rmdir(path.c_str());
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    void dir(const std::string& name, mode_t mode = 0755) const {
        mkdirat(fd_, name.c_str(), 0755);
        fchmodat(fd_, name.c_str(), mode, 0);
    }
    void file(const std::string& name, off_t size = 0) const { fileAt(fd_, name, size); }
    static void fileAt(int dirFd, const std::string& name, off_t size) {
        const int f = openat(dirFd, name.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        ASSERT_GE(f, 0) << name;
        ASSERT_EQ(ftruncate(f, size), 0);
        close(f);
    }
    [[nodiscard]] int fd() const { return fd_; }

    std::string path;

private:
    int fd_ = -1;
};

std::size_t openDescriptors() {
    const int fd = open("/proc/self/fd", O_RDONLY | O_DIRECTORY);
    const std::size_t count = namesIn(fd).size();
    close(fd);
    return count;
}

struct WalkResult {
    Tallies tallies;
    std::vector<std::string> table;
    std::vector<std::string> directories;  // the directory text of each file
    std::size_t descriptorsAfter = 0;      // open once the walk ended
};

// Every thread reads, as on a tree that keeps them waiting on the disk,
// unless slowPerEntry says otherwise.
WalkResult walkFolder(
    const std::string& folder, const std::function<void()>& perFile = [] {},
    std::size_t threads = 2, std::chrono::nanoseconds slowPerEntry = {}) {
    PosixDirectoryApi api(threads, slowPerEntry);
    StatisticsCollector collector;
    WalkResult result;
    collector.setStatusSink([&](const std::string& text) {
        result.directories.push_back(text.substr(text.find(" : ") + 3));
        collector.tallies().filesProcessed = -1;  // so every file shows its folder
        perFile();
    });
    DirectoryWalk walk(api, collector);
    EXPECT_TRUE(walk.scanFolder(folder));
    result.descriptorsAfter = openDescriptors();
    result.tallies = collector.tallies();
    result.table = collector.fileTypeTable().entries();
    return result;
}

std::map<std::string, DirEntry> listed(const std::string& folder) {
    PosixDirectoryApi api;
    std::map<std::string, DirEntry> entries;
    FolderEntries listing;
    EXPECT_TRUE(api.openRoot(folder));
    EXPECT_TRUE(api.list(listing));
    api.describe(listing, [&](const DirEntry& entry) {
        entries[entry.name] = entry;
        return true;
    });
    return entries;
}

TEST(PosixWalk, CountsHiddenFilesLinksAndPipesButEntersNoHiddenFolderOrLink) {
    TempTree tree;
    tree.file("a.txt", 100);
    tree.file(".profile", 5);
    tree.dir(".cache");
    tree.file(".cache/inner.txt", 7);
    tree.dir("sub");
    tree.file("sub/b.dat", 3);
    ASSERT_EQ(symlinkat("sub", tree.fd(), "link"), 0);
    ASSERT_EQ(mkfifoat(tree.fd(), "pipe", 0644), 0);

    const WalkResult r = walkFolder(tree.path);
    EXPECT_EQ(r.tallies.filesSelected, 5);  // a.txt .profile link pipe b.dat
    EXPECT_EQ(r.tallies.hiddenCount, 1);
    EXPECT_EQ(r.tallies.systemCount, 1);
    EXPECT_EQ(r.tallies.archiveCount, 3);
    EXPECT_EQ(r.tallies.archiveBytes, 108);
    EXPECT_THAT(r.table, ElementsAre("\t2\t3", ".DAT\t1\t3", ".PROFILE\t1\t5", ".TXT\t1\t100"));
    EXPECT_EQ(r.directories.front(), tree.path + "/sub");
    // A root named through a link is the folder it leads to.
    EXPECT_EQ(walkFolder(tree.path + "/link").tallies.filesSelected, 1);
}

class PosixListing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(zone_.use("UTC0")); }

private:
    ZoneOverride zone_;
};

TEST_F(PosixListing, ReadsTimesSizesAndNamesAsTheyAre) {
    TempTree tree;
    const std::string odd = "caf\xE9\x01.txt";  // Latin-1, not UTF-8
    tree.file(odd, 3'000'000'000);
    tree.file("locked");
    fchmodat(tree.fd(), "locked", 0444, 0);
    const std::int64_t access = daysFromCivil(2001, 2, 3) * 86400 + 4 * 3600 + 5 * 60 + 6;
    const std::int64_t write = daysFromCivil(2010, 11, 12) * 86400 + 13 * 3600 + 14 * 60 + 16;
    const struct timespec times[2] = {{access, 0}, {write, 0}};
    ASSERT_EQ(utimensat(tree.fd(), odd.c_str(), times, 0), 0);

    const auto entries = listed(tree.path);
    ASSERT_EQ(entries.count(odd), 1u);
    const DirEntry& e = entries.at(odd);
    EXPECT_EQ(e.size, 3'000'000'000);
    EXPECT_EQ(e.attributes, std::uint32_t{kAttrArchive});
    EXPECT_EQ(e.lastAccessTime, encodeDosDateTime(access));
    EXPECT_EQ(e.lastWriteTime, encodeDosDateTime(write));
    EXPECT_TRUE(e.creationTime == 0 || decodeDosDateTime(e.creationTime).year >= 2024);
    EXPECT_EQ(entries.at("locked").attributes, kAttrReadOnly | kAttrArchive);

    // A birth time the file system does not give, or the epoch that image
    // builders leave, was never recorded.
    DosTimeConverter converter;
    const auto bornAt = [&](unsigned mask, std::int64_t seconds) {
        struct statx sx {};
        sx.stx_mask = mask;
        sx.stx_btime.tv_sec = seconds;
        return factsOf(sx, converter).created;
    };
    EXPECT_EQ(bornAt(STATX_BTIME, write), encodeDosDateTime(write));
    EXPECT_EQ(bornAt(STATX_BTIME, 0), 0u);
    EXPECT_EQ(bornAt(0, write), 0u);
}

// More files than the workers may run ahead by, with folders among them:
// every file is counted once, with its own size, by any number of threads.
// Also subfolder trees that hold more entries together than a worker lists
// ahead at once: what it could not list, the walk lists, each file counted
// once and where it is.
TEST(PosixWalk, CountsEveryFileOfAFolderLargerThanTheQueryWindow) {
    TempTree tree;
    const int files = 2 * static_cast<int>(ReadAhead::kBatchLimit) + 500;
    std::int64_t bytes = 0;
    for (int i = 0; i < files; ++i) {
        tree.file("f" + std::to_string(i), i);
        bytes += i;
        if (i % 300 == 0) tree.dir("d" + std::to_string(i));
    }
    const int perFolder = static_cast<int>(ReadAhead::kBatchLimit) / 3;
    for (const std::string top : {"d0", "d900"}) {
        for (const std::string& at : {top + "/a", top + "/a/b", top + "/a/c", top + "/d"}) {
            tree.dir(at);
            for (int i = 0; i < perFolder; ++i) tree.file(at + "/g" + std::to_string(i), 1);
        }
    }
    const WalkResult alone = walkFolder(
        tree.path, [] {}, 1);
    EXPECT_EQ(alone.tallies.filesSelected, files + 8 * perFolder);
    EXPECT_EQ(alone.tallies.archiveBytes, bytes + 8 * perFolder);
    for (const std::size_t threads : {2, 5}) {
        const WalkResult r = walkFolder(
            tree.path, [] {}, threads);
        EXPECT_EQ(r.tallies.archiveBytes, alone.tallies.archiveBytes) << threads << " threads";
        EXPECT_TRUE(r.directories == alone.directories) << threads << " threads";
    }
}

// A walk that goes on after one that stalled enters none of the folders the
// first one entered, and names none of them as left out.
TEST(PosixWalk, AWalkGoingOnAfterAStallEntersNoFolderTheStalledOneEntered) {
    TempTree tree;
    tree.dir("a");
    tree.dir("b");
    PosixDirectoryApi stalled(1);
    ASSERT_TRUE(stalled.openRoot(tree.path));
    ASSERT_TRUE(stalled.enter("a"));
    PosixDirectoryApi next(1);
    next.enteredBefore(stalled.entered());
    ASSERT_TRUE(next.openRoot(tree.path));
    EXPECT_FALSE(next.enter("a"));
    EXPECT_EQ(next.refusal(), "");
    EXPECT_TRUE(next.enter("b"));
}

// What a worker listed of the subfolders is taken by the walk entering each
// subfolder, in listing order, hidden folders not counting; one the walk
// passed over is gone.
TEST(PosixReadAhead, AListingReadAheadIsTakenOnlyForTheFolderEntered) {
    FolderEntries top;
    top.add("a", kAttrDirectory);
    top.add(".hidden", kAttrDirectory | kAttrHidden);
    top.add("b", kAttrDirectory);
    const auto listedAhead = [](std::initializer_list<std::int64_t> sizes) {
        ReadAhead::Subfolders folders;
        for (const std::int64_t size : sizes) {
            folders.push_back(std::make_unique<ReadAhead::Listed>());
            folders.back()->entries.add("x.txt", 0);
            folders.back()->facts.push_back({.found = true, .size = size});
        }
        return folders;
    };
    ReadAhead readAhead(0);
    ReadAhead::Subfolders listed = listedAhead({3});
    readAhead.hand(top, -1, false, listed);
    const auto a = readAhead.takeFolder(top, "a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->facts.at(0).size, 3);
    EXPECT_EQ(readAhead.takeFolder(top, "b"), nullptr);  // never listed
    readAhead.takeBack(top);

    listed = listedAhead({3, 5});
    readAhead.hand(top, -1, false, listed);
    const auto b = readAhead.takeFolder(top, "b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->facts.at(0).size, 5);
    EXPECT_EQ(readAhead.takeFolder(top, "a"), nullptr);  // passed over
    readAhead.takeBack(top);
}

// Folders listed ahead come to the walk open: every file is counted where
// it is, as by the walk alone, and no descriptor is left open once the walk
// ends.
TEST(PosixWalk, FoldersListedAheadAreCountedOnceAndLeaveNothingOpen) {
    TempTree tree;
    for (int i = 0; i < 40; ++i) {
        const std::string top = "t" + std::to_string(i);
        const std::vector<std::string> folders = {top, top + "/a", top + "/a/b", top + "/a/c",
                                                  top + "/d"};
        for (const std::string& at : folders) tree.dir(at);
        for (const std::string& at : folders) tree.file(at + "/f", i + 1);
    }
    const std::size_t before = openDescriptors();
    const WalkResult alone = walkFolder(
        tree.path, [] {}, 1);
    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    // With the reserves reading, and with them waiting for a slow disk.
    for (const auto slowPerEntry : {std::chrono::nanoseconds{}, DiskPace::kSlowPerEntry}) {
        for (const std::size_t threads : {2, 4}) {
            const WalkResult ahead = walkFolder(
                tree.path, [] {}, threads, slowPerEntry);
            EXPECT_EQ(ahead.descriptorsAfter, before);
            EXPECT_EQ(ahead.tallies.filesSelected, 200);
            EXPECT_EQ(ahead.tallies.archiveBytes, alone.tallies.archiveBytes);
            EXPECT_EQ(sorted(ahead.directories), sorted(alone.directories));
        }
    }
}

// Reserves are called only while most of the latest work waited on the disk:
// a piece slowed by the scheduler now and then does not call them, a tree
// read from the disk does, once, and they go again when it reads quickly.
TEST(PosixReadAhead, ReservesAreCalledOnlyWhileMostWorkWaitsOnTheDisk) {
    using std::chrono::microseconds;
    DiskPace pace(microseconds(10));
    const auto note = [&](int pieces, microseconds elapsed, std::size_t entries) {
        int calls = 0;
        for (int i = 0; i < pieces; ++i) calls += pace.note(elapsed, entries) ? 1 : 0;
        return calls;
    };
    for (int i = 0; i < 10; ++i) {
        note(1, microseconds(5000), 20);
        note(9, microseconds(20), 20);
    }
    EXPECT_FALSE(pace.diskBound());
    // Slow for each entry, not for the piece: a large piece may take long.
    note(DiskPace::kSamples, microseconds(9000), 1000);
    EXPECT_FALSE(pace.diskBound());

    EXPECT_EQ(note(DiskPace::kSamples, microseconds(400), 20), 1);
    EXPECT_TRUE(pace.diskBound());
    note(DiskPace::kSamples, microseconds(0), 0);  // read nothing: tells nothing
    EXPECT_TRUE(pace.diskBound());
    note(DiskPace::kSamples, microseconds(20), 20);
    EXPECT_FALSE(pace.diskBound());
}

TEST(PosixWalk, GoesDeeperThanAnyPathWithBoundedDescriptors) {
    TempTree tree;
    int current = dup(tree.fd());
    const std::string name(100, 'd');
    const int levels = static_cast<int>(PosixDirectoryApi::kHeldLevels) + 20;
    for (int level = 0; level < levels; ++level) {  // about 8500 bytes of path
        ASSERT_EQ(mkdirat(current, name.c_str(), 0755), 0);
        // A file on each level, and a second folder whose way back is "..".
        TempTree::fileAt(current, "f" + std::to_string(level), 1);
        ASSERT_EQ(mkdirat(current, "side", 0755), 0);
        TempTree::fileAt(current, "side/s", 1);
        const int next = openat(current, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(current);
        current = next;
    }
    TempTree::fileAt(current, "bottom.txt", 1);
    close(current);

    // The walk's own descriptors, without a read-ahead worker holding some
    // of its own at moments the count cannot foresee.
    std::vector<std::size_t> descriptors;  // when each file is counted
    const WalkResult r = walkFolder(
        tree.path, [&] { descriptors.push_back(openDescriptors()); }, 1);
    EXPECT_EQ(r.tallies.filesSelected, 2 * levels + 1);
    const auto deepest = std::max_element(
        r.directories.begin(), r.directories.end(),
        [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
    EXPECT_GT(deepest->size(), 8000u);
    EXPECT_EQ(r.directories.back(), tree.path);
    const std::size_t most = *std::max_element(descriptors.begin(), descriptors.end());
    EXPECT_LE(most, descriptors.back() + PosixDirectoryApi::kHeldLevels);

    // Short of descriptors, the walk holds fewer and still counts every file.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit low{openDescriptors() + 12, limit.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    const WalkResult short_ = walkFolder(tree.path);
    // The machine's directory services ask for more, as far as allowed.
    static_cast<void>(makeSystemDirectoryApi(2));
    rlimit raised{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &raised), 0);
    setrlimit(RLIMIT_NOFILE, &limit);
    EXPECT_EQ(short_.tallies.filesSelected, 2 * levels + 1);
    EXPECT_TRUE(short_.directories == r.directories);  // in the same order
    EXPECT_GE(raised.rlim_cur, std::min<rlim_t>(limit.rlim_max, 1024));
}

TEST(PosixWalk, ChangesNoTimeInTheTree) {
    TempTree tree;
    tree.dir("sub");
    tree.file("sub/a.txt", 10);
    tree.file("b", 20);
    // Access times older than the last write are what relatime would renew.
    const struct timespec old[2] = {{946684800, 0}, {UTIME_OMIT, 0}};
    const auto stamps = [&] {
        std::vector<std::int64_t> all;
        for (const char* name : {".", "sub", "sub/a.txt", "b"}) {
            struct statx sx {};
            statx(tree.fd(), name, AT_SYMLINK_NOFOLLOW, STATX_ATIME | STATX_MTIME, &sx);
            all.insert(all.end(), {sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec, sx.stx_mtime.tv_sec,
                                   sx.stx_mtime.tv_nsec});
        }
        return all;
    };
    for (const char* name : {".", "sub", "sub/a.txt", "b"}) utimensat(tree.fd(), name, old, 0);
    const auto before = stamps();
    EXPECT_EQ(walkFolder(tree.path).tallies.filesSelected, 2);
    EXPECT_EQ(stamps(), before);
}

// Without permissions, as a user other than root, who reads every folder.
int filesCountedAsNobody(const std::string& folder) {
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
        return 100;
    }
    return walkFolder(folder).tallies.filesSelected;
}

TEST(PosixWalk, PassesOverFoldersItMayNotRead) {
    TempTree tree;
    tree.dir("closed");
    tree.file("closed/x");
    tree.dir("listOnly");
    tree.file("listOnly/y");
    tree.dir("open");
    tree.file("open/f");
    tree.file("g");
    fchmodat(tree.fd(), "closed", 0, 0);
    fchmodat(tree.fd(), "listOnly", 0444, 0);
    EXPECT_EXIT(std::_Exit(filesCountedAsNobody(tree.path)), ::testing::ExitedWithCode(2), "");
}

// A root must be entered as well as listed, or none of its files could be
// described.
TEST(PosixWalk, RefusesARootThatCanBeListedButNotEntered) {
    TempTree tree;
    tree.dir("listOnly");
    tree.file("listOnly/y");
    fchmodat(tree.fd(), "listOnly", 0444, 0);
    const auto opensAsNobody = [&] {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            return 100;
        }
        PosixDirectoryApi api;
        return api.openRoot(tree.path + "/listOnly") ? 1 : 0;
    };
    EXPECT_EXIT(std::_Exit(opensAsNobody()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quarvo
