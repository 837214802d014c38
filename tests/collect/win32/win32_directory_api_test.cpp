#include "collect/win32/win32_directory_api.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "collect/dos_time.h"
#include "tests/collect/zone_override.h"
#include "tests/support/temp_folder.h"
#include "text/win32/wide_text.h"

namespace quarvo {
namespace {

using ::testing::AnyOf;
using ::testing::UnorderedElementsAre;

std::int64_t secondsAt(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

FILETIME fileTime(std::int64_t utcSeconds) {
    const std::uint64_t ticks = (utcSeconds + 11644473600) * 10000000ull;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

std::map<std::string, DirEntry> listed(Win32DirectoryApi& api) {
    std::map<std::string, DirEntry> entries;
    FolderEntries folder;
    EXPECT_TRUE(api.list(folder));
    api.describe(folder, [&entries](const DirEntry& entry) {
        entries[entry.name] = entry;
        return true;
    });
    return entries;
}

class Win32Listing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(zone_.use("UTC0")); }

    TempFolder tree;

private:
    ZoneOverride zone_;
};

TEST_F(Win32Listing, ReadsAttributesSizesAndTheThreeTimes) {
    tree.file("plain.txt", 10);
    const auto hidden = tree.file("hidden.dat", 1);
    const auto locked = tree.file("locked", 2);
    std::filesystem::create_directories(tree.path() / "folder");
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);

    const auto big = tree.file("big.bin");
    const HANDLE file =
        CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = 5'000'000'000;  // past 32 bits; sparse where the file system allows
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    const FILETIME created = fileTime(secondsAt(2001, 2, 3, 4, 5, 6));
    const FILETIME accessed = fileTime(secondsAt(2022, 12, 31, 23, 59, 58));
    const FILETIME written = fileTime(secondsAt(2015, 6, 7, 8, 9, 10));
    SetFileTime(file, &created, &accessed, &written);
    CloseHandle(file);

    Win32DirectoryApi api;
    ASSERT_TRUE(api.openRoot(tree.path().string()));
    const auto entries = listed(api);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries.at("plain.txt").attributes, kAttrArchive);
    EXPECT_EQ(entries.at("plain.txt").size, 10);
    EXPECT_EQ(entries.at("hidden.dat").attributes & (kAttrHidden | kAttrSystem),
              kAttrHidden | kAttrSystem);
    EXPECT_EQ(entries.at("locked").attributes & kAttrReadOnly, kAttrReadOnly);
    EXPECT_EQ(entries.at("folder").attributes & kAttrDirectory, kAttrDirectory);

    const DirEntry& b = entries.at("big.bin");
    EXPECT_EQ(b.size, 5'000'000'000);
    EXPECT_EQ(b.lastWriteTime, encodeDosDateTime(secondsAt(2015, 6, 7, 8, 9, 10)));
    EXPECT_EQ(b.lastAccessTime, encodeDosDateTime(secondsAt(2022, 12, 31, 23, 59, 58)));
    // Windows keeps the creation time that was set; Wine, on a file system
    // without one of its own, reports the last write in its place.
    EXPECT_THAT(b.creationTime,
                AnyOf(encodeDosDateTime(secondsAt(2001, 2, 3, 4, 5, 6)), b.lastWriteTime));
}

TEST_F(Win32Listing, EntersFoldersByNameAndRefusesEverythingElse) {
    tree.file("a/inner.txt", 1);
    tree.file("file.txt", 1);
    std::filesystem::create_directories(tree.path() / "b");

    Win32DirectoryApi api;
    EXPECT_FALSE(api.openRoot((tree.path() / "missing").string()));
    EXPECT_FALSE(api.openRoot((tree.path() / "file.txt").string()));
    ASSERT_TRUE(api.openRoot(tree.path().string() + "\\"));
    EXPECT_EQ(api.leave(), 0u);
    for (const char* refused : {"", ".", "..", "file.txt", "missing", "a\\..\\b"}) {
        EXPECT_FALSE(api.enter(refused)) << refused;
    }
    // What the user is told of a folder that can't be entered.
    EXPECT_FALSE(api.enter("missing"));
    EXPECT_EQ(api.refusal(), "vanished");
    EXPECT_FALSE(api.enter("file.txt"));
    EXPECT_EQ(api.refusal(), "moved");
    ASSERT_TRUE(api.enter("A"));  // names ignore case
    EXPECT_THAT(listed(api), UnorderedElementsAre(testing::Key("inner.txt")));
    ASSERT_EQ(api.leave(), 1u);
    EXPECT_EQ(listed(api).size(), 3u);
    EXPECT_EQ(api.leave(), 0u);

    ASSERT_TRUE(api.enter("b"));
    EXPECT_TRUE(listed(api).empty());
    std::filesystem::remove(tree.path() / "b");
    FolderEntries gone;
    EXPECT_FALSE(api.list(gone));
    EXPECT_EQ(api.refusal(), "vanished");
    api.close();
    FolderEntries none;
    EXPECT_FALSE(api.list(none));
}

// Files and folders past the old 260-character path limit, which only the
// "\\?\" form of the calls reaches: the standard library's removal of the
// test's folder cannot, so they are removed here, however the test ends.
class DeepPaths {
public:
    ~DeepPaths() {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
            const std::wstring path = L"\\\\?\\" + it->first;
            it->second ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
        }
    }
    bool makeFolder(const std::wstring& path) {
        if (!CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr)) return false;
        made_.emplace_back(path, true);
        return true;
    }
    bool makeFile(const std::wstring& path) {
        const HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        made_.emplace_back(path, false);
        return true;
    }

private:
    std::vector<std::pair<std::wstring, bool>> made_;  // path, and whether a folder
};

// Folders past the old 260-character path limit, and names beyond ASCII.
TEST_F(Win32Listing, ReachesDeepPathsAndKeepsNamesExact) {
    const std::string longName(120, 'n');
    DeepPaths deep;
    std::wstring path = tree.path().wstring();
    for (int level = 0; level < 4; ++level) {
        path += L"\\" + widenName(longName);
        ASSERT_TRUE(deep.makeFolder(path)) << level;
    }
    ASSERT_TRUE(deep.makeFile(path + L"\\deep.txt"));
    ASSERT_GT(path.size(), 400u);

    const std::string odd = "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80";
    tree.file(std::filesystem::path(widenName(odd)) / "x.txt", 1);

    Win32DirectoryApi api;
    ASSERT_TRUE(api.openRoot(tree.path().string()));
    EXPECT_THAT(listed(api), UnorderedElementsAre(testing::Key(longName), testing::Key(odd)));
    ASSERT_TRUE(api.enter(odd));
    EXPECT_THAT(listed(api), UnorderedElementsAre(testing::Key("x.txt")));
    ASSERT_EQ(api.leave(), 1u);
    for (int level = 0; level < 4; ++level) ASSERT_TRUE(api.enter(longName)) << level;
    EXPECT_THAT(listed(api), UnorderedElementsAre(testing::Key("deep.txt")));
}

}  // namespace
}  // namespace quarvo
