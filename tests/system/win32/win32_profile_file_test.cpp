#include "system/win32/win32_profile_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "system/extension_lists.h"
#include "system/win32/registry_classes_root.h"
#include "tests/support/temp_folder.h"
#include "text/win32/wide_text.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
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
    EXPECT_THAT(file.readSection("include"),
                ElementsAre(Pair("Number", "2"), Pair("File2", "*.b"), Pair("File1", "*.a")));
    EXPECT_TRUE(file.readSection("Missing").empty());

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
    const ProfileFile::KeyValues keys = file.readSection("Include");
    ASSERT_EQ(keys.size(), 100u);
    EXPECT_EQ(keys.front().second, longValue);
    EXPECT_EQ(keys.back(), (std::pair<std::string, std::string>{"File100", "*.x"}));
}

// Quotation marks and blanks at either end are the file's syntax to the
// system's calls; a value made of them still reads back as it was written.
TEST(Win32ProfileFile, ValuesReadBackAsWritten) {
    TempFolder folder;
    Win32ProfileFile file((folder.path() / "quarvo.ini").string());
    const std::vector<std::string> values{"\"*\"", "'d'", " *.e", "*.f ", "\"\"", "\"", "*.[x]"};
    for (std::size_t n = 0; n < values.size(); ++n)
        file.writeString("Include", "File" + std::to_string(n + 1), values[n]);
    for (std::size_t n = 0; n < values.size(); ++n)
        EXPECT_EQ(file.readString("Include", "File" + std::to_string(n + 1), ""), values[n]);
    const ProfileFile::KeyValues keys = file.readSection("Include");
    ASSERT_EQ(keys.size(), values.size());
    for (std::size_t n = 0; n < values.size(); ++n) EXPECT_EQ(keys[n].second, values[n]);
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

// The user's name, and so the folder, may hold characters that no code page
// of the system has.
TEST(Win32ProfileFile, LivesInTheUsersApplicationData) {
    TempFolder folder;
    const auto appData = folder.path() / L"Jos\u00e9 \u65e5\u672c \U0001F600";
    std::filesystem::create_directories(appData);
    const wchar_t* savedValue = _wgetenv(L"APPDATA");
    const std::wstring saved = savedValue ? savedValue : L"";
    _wputenv_s(L"APPDATA", appData.c_str());
    Win32ProfileFile file;
    _wputenv_s(L"APPDATA", saved.c_str());
    EXPECT_EQ(file.path(), narrowName((appData / "Quarvo" / "quarvo.ini").wstring()));
    file.writeString("Include", "Number", "0");  // makes the folder
    EXPECT_EQ(contents(appData / "Quarvo" / "quarvo.ini"), "[Include]\r\nNumber=0\r\n");
    EXPECT_EQ(file.readString("Include", "Number", ""), "0");
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
