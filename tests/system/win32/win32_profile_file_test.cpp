#include "system/win32/win32_profile_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "system/extension_lists.h"
#include "system/win32/registry_classes_root.h"
#include "tests/support/temp_folder.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

std::string contents(const std::filesystem::path& file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
}

std::vector<std::string> readList(ProfileFile& file, const char* section) {
    RegistryClassesRoot root;
    StringSelectionList list;
    ReadStatFilesFromDisk(file, root, list, section);
    return list.entries();
}

TEST(Win32ProfileFile, SavedListsReadBackWithTheirDescriptions) {
    TempFolder folder;
    Win32ProfileFile file((folder.path() / "quarvo.ini").string());
    EXPECT_THAT(readList(file, "Include"),
                ElementsAre(StartsWith("*.doc\t"), StartsWith("*.exe\t"), StartsWith("*.dll\t")));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "quarvo.ini"));  // reading makes none

    StringSelectionList saved;
    saved.add("*.txt\tText Document");
    saved.add("*.qqq\tQQQ File");
    WriteStatFilesToDisk(file, saved, "Exclude");
    EXPECT_THAT(readList(file, "Exclude"), ElementsAre("*.txt\tText Document", "*.qqq\tQQQ File"));
    EXPECT_EQ(readList(file, "Include").size(), 3u);
}

TEST(Win32ProfileFile, NamesIgnoreCaseAndKeysComeInFileOrder) {
    TempFolder folder;
    const auto path = folder.file("quarvo.ini");
    std::ofstream(path) << "; kept\n[Include]\nNumber=2\nFile2=*.b\nFile1=*.a\n[Other]\nX=1\n";
    Win32ProfileFile file(path.string());
    EXPECT_EQ(file.readString("INCLUDE", "number", "none"), "2");
    EXPECT_EQ(file.readString("Include", "File3", "none"), "none");
    EXPECT_EQ(file.readString("Missing", "Number", "none"), "none");
    EXPECT_THAT(file.keyNames("include"), ElementsAre("Number", "File2", "File1"));
    EXPECT_TRUE(file.keyNames("Missing").empty());

    file.writeString("include", "FILE1", "*.c");
    EXPECT_EQ(file.readString("Include", "File1", ""), "*.c");
    EXPECT_EQ(contents(path).rfind("; kept", 0), 0u);
    EXPECT_NE(contents(path).find("[Other]"), std::string::npos);
}

// The calls cut a text at the buffer they are given; nothing may be lost.
TEST(Win32ProfileFile, LongValuesAndLongKeyListsComeBackWhole) {
    TempFolder folder;
    Win32ProfileFile file((folder.path() / "quarvo.ini").string());
    const std::string longValue(20000, 'v');
    file.writeString("Include", "File1", longValue);
    EXPECT_EQ(file.readString("Include", "File1", ""), longValue);
    for (int n = 2; n <= 100; ++n) file.writeString("Include", "File" + std::to_string(n), "*.x");
    const std::vector<std::string> names = file.keyNames("Include");
    ASSERT_EQ(names.size(), 100u);
    EXPECT_EQ(names.back(), "File100");
}

TEST(Win32ProfileFile, UnwritablePlaceNamesTheFile) {
    TempFolder folder;
    const auto blocker = folder.file("blocker");
    const std::string path = (blocker / "sub" / "quarvo.ini").string();
    Win32ProfileFile file(path);
    EXPECT_EQ(file.readString("Include", "Number", "none"), "none");
    try {
        file.writeString("Include", "Number", "1");
        FAIL() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(e.what(), "Unable to write to " + path);
    }
}

TEST(Win32ProfileFile, LivesInTheUsersApplicationData) {
    TempFolder folder;
    const std::string saved = std::getenv("APPDATA") ? std::getenv("APPDATA") : "";
    _putenv_s("APPDATA", folder.path().string().c_str());
    Win32ProfileFile file;
    _putenv_s("APPDATA", saved.c_str());
    EXPECT_EQ(file.path(), (folder.path() / "Quarvo" / "quarvo.ini").string());
    file.writeString("Include", "Number", "0");  // makes the folder
    EXPECT_EQ(contents(file.path()), "[Include]\r\nNumber=0\r\n");
}

// The file of the former place is read until the first write starts the
// user's own file as a copy of it; the former file stays as it was.
TEST(Win32ProfileFile, FormerFileIsReadUntilTheFirstWriteCopiesIt) {
    TempFolder folder;
    const auto former = folder.file("windows/quarvo.ini");
    const std::string old = "[Include]\r\nNumber=1\r\nFile1=*.doc\r\n[Exclude]\r\nNumber=0\r\n";
    std::ofstream(former, std::ios::binary) << old;
    const auto path = folder.path() / "user" / "Quarvo" / "quarvo.ini";
    std::filesystem::create_directories(path.parent_path().parent_path());

    Win32ProfileFile file(path.string(), former.string());
    EXPECT_EQ(file.readString("Include", "File1", ""), "*.doc");
    file.writeString("Include", "File1", "*.txt");
    EXPECT_EQ(file.readString("Include", "File1", ""), "*.txt");
    EXPECT_EQ(file.readString("Exclude", "Number", ""), "0");
    EXPECT_EQ(contents(former), old);
}

}  // namespace
}  // namespace quarvo
