#pragma once
// A new empty folder below the system's temporary folder, removed with
// everything in it when the test ends, read-only files and folders too. A
// folder that cannot be removed fails the test, so that no run leaves its
// files for the next one to trip over.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace quarvo {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> made{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("quarvo-test-" + std::to_string(stamp) + "-" + std::to_string(made++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        makeRemovable(path_);
        std::error_code error;
        std::filesystem::remove_all(path_, error);
        EXPECT_FALSE(std::filesystem::exists(path_)) << "left behind: " << path_.string();
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

    // Makes a file of that many bytes (folders on its way included) and
    // returns its path.
    std::filesystem::path file(const std::filesystem::path& name, std::size_t size = 0,
                               char fill = 'x') const {
        const std::filesystem::path where = path_ / name;
        std::filesystem::create_directories(where.parent_path());
        std::ofstream(where, std::ios::binary) << std::string(size, fill);
        EXPECT_TRUE(std::filesystem::exists(where)) << where.string();
        return where;
    }

private:
    // Gives the owner the right to change every file and folder, which
    // removing needs (a read-only file on Windows, a locked folder on POSIX).
    // Links are passed over, so nothing outside the folder is touched.
    static void makeRemovable(const std::filesystem::path& folder) {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            if (it->is_symlink(error)) continue;
            if (it->is_directory(error)) {
                makeRemovable(it->path());
            } else {
                fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
            }
            error.clear();
        }
    }

    std::filesystem::path path_;
};

}  // namespace quarvo
