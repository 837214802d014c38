#pragma once
// A new empty folder below the system's temporary folder, removed with
// everything in it when the test ends.

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
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
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
    std::filesystem::path path_;
};

}  // namespace quarvo
