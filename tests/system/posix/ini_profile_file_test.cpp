#include "system/posix/ini_profile_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "system/extension_lists.h"
#include "system/posix/mime/mime_classes_root.h"

namespace quarvo {
namespace {

namespace fs = std::filesystem;

// A private configuration folder for each test, through XDG_CONFIG_HOME.
class IniProfileFileTest : public ::testing::Test {
protected:
    IniProfileFileTest() {
        std::string pattern = (fs::temp_directory_path() / "quarvo-ini-XXXXXX").string();
        home = mkdtemp(pattern.data());
        config = home / "config";
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    }
    ~IniProfileFileTest() override {
        unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(home);
    }
    void put(const std::string& bytes) {
        fs::create_directories(config);
        std::ofstream(config / "quarvo.ini", std::ios::binary) << bytes;
    }
    std::string contents() {
        std::ostringstream out;
        out << std::ifstream(config / "quarvo.ini", std::ios::binary).rdbuf();
        return out.str();
    }
    std::vector<std::string> readList(IniProfileFile& file) {
        StringSelectionList list;
        ReadStatFilesFromDisk(file, root, list, "Include");
        return list.entries();
    }

    fs::path home;
    fs::path config;
    MimeClassesRoot root;
};

TEST_F(IniProfileFileTest, ListSavedToTheConfigFolderReadsBackTheSame) {
    IniProfileFile file;
    EXPECT_EQ(file.path(), (config / "quarvo.ini").string());
    EXPECT_EQ(readList(file).size(), 3u);  // the defaults, and no file made by reading
    EXPECT_FALSE(fs::exists(config));

    StringSelectionList saved(true);
    for (const char* pattern : {"*.txt", "*.qqq", "*.HTML", "*.c"})
        saved.add(extensionListEntry(root, pattern));
    WriteStatFilesToDisk(file, saved, "Include");
    EXPECT_EQ(readList(file), saved.entries());
    EXPECT_EQ(contents(),
              "[Include]\nNumber=4\nFile1=*.c\nFile2=*.HTML\nFile3=*.qqq\nFile4=*.txt\n");
    EXPECT_EQ(fs::directory_iterator(config)->path().filename(), "quarvo.ini");  // no leftovers
}

TEST_F(IniProfileFileTest, BadFilesReadWithoutHarmAndLoseNothingOnWrite) {
    const std::string bad =
        "\xEF\xBB\xBF; \xff\xfe\r\n[Include]\r\nNumber=2000000000\r\nFile1=*.txt\r" +
        std::string(100000, 'z') + "\nFile3=*.qqq";
    put(bad);
    IniProfileFile file;
    const auto entries = readList(file);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1], "*.qqq\tQQQ File");
    file.writeString("Exclude", "Number", "0");
    EXPECT_EQ(contents(), bad + "\r\n[Exclude]\r\nNumber=0\r\n");
}

TEST_F(IniProfileFileTest, UnwritableFolderNamesTheFile) {
    put("");
    setenv("XDG_CONFIG_HOME", (config / "quarvo.ini" / "sub").c_str(), 1);
    IniProfileFile file;
    EXPECT_EQ(file.readString("Include", "Number", "none"), "none");
    try {
        file.writeString("Include", "Number", "1");
        FAIL() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(e.what(),
                  "Unable to write to " + (config / "quarvo.ini/sub/quarvo.ini").string());
    }
}

// Permissions do not stop root, so a size limit on written files makes the
// write fail instead.
TEST_F(IniProfileFileTest, FailedWriteLeavesTheOldFileWhole) {
    const std::string old = "[Include]\nNumber=1\nFile1=*.doc\n";
    put(old);
    IniProfileFile file;
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{8, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(file.writeString("Include", "File2", "*.exe"), ProfileWriteError);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(config), fs::directory_iterator()), 1);
}

// The whole list goes in one write: a file that can take the new count but
// not the new patterns keeps the old list, count and patterns together.
TEST_F(IniProfileFileTest, ASaveThatFailsHalfwayKeepsTheOldList) {
    const std::string old = "[Include]\nNumber=1\nFile1=*.doc\n";
    put(old);
    IniProfileFile file;
    StringSelectionList list;
    for (const char* pattern : {"*.txt", "*.pdf", "*.zip"}) list.add(pattern);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{old.size() + 4, limit.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(WriteStatFilesToDisk(file, list, "Include"), ProfileWriteError);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(contents(), old);
}

// Patterns are typed by the user; the characters of the file's own syntax,
// quotation marks and blanks at either end must come back as they went in.
TEST_F(IniProfileFileTest, PatternsWithTheFilesSyntaxReadBackAsSaved) {
    IniProfileFile file;
    const std::vector<std::string> typed{"*.[x]", "*.a=b", "*.;c", "[Exc]", "*.#",
                                         "\"*\"", "'d'",   " *.e", "*.f ",  "\"\""};
    StringSelectionList list;
    for (const std::string& pattern : typed) list.add(pattern);
    WriteStatFilesToDisk(file, list, "Include");
    WriteStatFilesToDisk(file, StringSelectionList(), "Exclude");
    std::vector<std::string> patterns;
    for (const std::string& entry : readList(file))
        patterns.push_back(entry.substr(0, entry.find('\t')));
    EXPECT_EQ(patterns, typed);
    EXPECT_EQ(file.readString("Include", "File6", ""), "\"*\"");
    EXPECT_EQ(file.readString("Exclude", "Number", ""), "0");
}

TEST_F(IniProfileFileTest, WritesThroughALinkToTheFile) {
    fs::create_directories(config);
    std::ofstream(home / "real.ini") << "[A]\nK=1\n";
    fs::create_symlink(home / "real.ini", config / "quarvo.ini");
    IniProfileFile file;
    file.writeString("A", "K", "2");
    EXPECT_TRUE(fs::is_symlink(config / "quarvo.ini"));
    EXPECT_EQ(file.readString("a", "k", ""), "2");
}

TEST(IniProfileFile, FindsTheConfigFolder) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(IniProfileFile().path(), "/home/someone/.config/quarvo.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(IniProfileFile("x.ini").path(), "/home/someone/.config/x.ini");
    EXPECT_EQ(IniProfileFile("/etc/x.ini").path(), "/etc/x.ini");
    setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace quarvo
