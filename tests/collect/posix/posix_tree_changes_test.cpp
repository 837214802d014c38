// Walks of real trees that change under them: folders moved while the walk
// runs, and a folder mounted a second time inside the tree.

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "collect/directory_walk.h"
#include "collect/posix/posix_directory_api.h"

namespace quarvo {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/quarvo-changes-XXXXXX";
        root = mkdtemp(pattern);
    }
    ~ScratchFolder() { fs::remove_all(root); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Makes the folder and count files of the given extension in it.
    void files(const fs::path& folder, const std::string& ext, int count) const {
        fs::create_directories(root / folder);
        for (int i = 0; i < count; ++i) {
            std::ofstream(root / folder / ("f" + std::to_string(i) + ext)).close();
        }
    }

    fs::path root;
};

// Files counted per extension key, as the file-type table holds them.
std::map<std::string, int> countsByType(const std::string& folder) {
    PosixDirectoryApi api;
    StatisticsCollector collector;
    DirectoryWalk walk(api, collector);
    EXPECT_TRUE(walk.scanFolder(folder));
    std::map<std::string, int> counts;
    for (std::size_t i = 0; i < collector.fileTypeTable().size(); ++i) {
        const FileTypeCount& type = collector.fileTypeTable().at(i);
        counts[type.key] = type.count;
    }
    return counts;
}

// Folders of ".MOV" files move between two parents, near the top and again
// below the depth down to which the walk holds descriptors, while walks run.
// Every ".STB" file stays put and must be counted by each walk, the moving
// ones at most once.
TEST(PosixTreeChanges, FoldersMovedDuringTheWalkCostOnlyWhatCanNoLongerBeReached) {
    ScratchFolder tree;
    fs::path deep;
    for (std::size_t level = 0; level < PosixDirectoryApi::kHeldLevels + 2; ++level) {
        deep /= "d";
        tree.files(deep, ".stb", 1);
    }
    std::vector<std::pair<fs::path, fs::path>> moves;
    for (const fs::path& base : {fs::path(), deep}) {
        for (const char* parent : {"p", "q"}) tree.files(base / parent, ".stb", 3);
        for (const char* name : {"m1", "m2", "m3"}) {
            tree.files(base / "p" / name / "inner", ".mov", 4);
            tree.files(base / "p" / name, ".mov", 4);
            moves.emplace_back(tree.root / base / "p" / name, tree.root / base / "q" / name);
        }
    }
    tree.files("", ".stb", 5);
    const int stable = static_cast<int>(PosixDirectoryApi::kHeldLevels) + 2 + 2 * 6 + 5;
    const int moving = static_cast<int>(moves.size()) * 8;

    std::atomic<bool> done = false;
    std::thread mover([&] {
        for (int round = 0; !done; ++round) {
            for (const auto& [p, q] : moves) {
                round % 2 == 0 ? rename(p.c_str(), q.c_str()) : rename(q.c_str(), p.c_str());
            }
        }
    });
    for (int walk = 0; walk < 30; ++walk) {
        const auto counts = countsByType(tree.root);
        EXPECT_EQ(counts.at(".STB"), stable);
        EXPECT_LE(counts.count(".MOV") ? counts.at(".MOV") : 0, moving);
    }
    done = true;
    mover.join();
}

// Runs a function in a child process with a mount namespace of its own and
// gives its exit code; -1 where the system does not let the test make one.
int inPrivateMountNamespace(const std::function<int()>& run) {
    const pid_t child = fork();
    if (child == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr))
            _exit(255);
        _exit(run());
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 255) return -1;
    return WEXITSTATUS(status);
}

TEST(PosixTreeChanges, AFolderMountedAgainInsideTheTreeIsCountedOnce) {
    ScratchFolder tree;
    tree.files("a/b", ".txt", 3);
    tree.files("a", ".txt", 2);
    tree.files("z/again", "", 0);
    tree.files("", ".txt", 1);
    const int counted = inPrivateMountNamespace([&] {
        const std::string a = tree.root / "a";
        const std::string again = tree.root / "z" / "again";
        if (mount(a.c_str(), again.c_str(), nullptr, MS_BIND, nullptr) != 0) return 255;
        return countsByType(tree.root).at(".TXT");
    });
    if (counted < 0) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(counted, 6);
}

}  // namespace
}  // namespace quarvo
