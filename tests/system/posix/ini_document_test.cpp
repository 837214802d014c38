#include "system/posix/ini_document.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quarvo {
namespace {

TEST(IniDocument, ReadsSectionsAndKeysAsTheProfileCallsDo) {
    const IniDocument ini(
        "Before=ignored\n"
        "[Include]\n"
        "  Number = 2 \n"
        "; File9=*.not\n"
        "no equals sign\n"
        "File1=\"*.doc\"\n"
        "File2='*.exe\n"
        "file1=second\n"
        "Eq=a=b\n"
        "[ include ]\n"
        "File3=*.dll\n"
        "[Other\n"
        "File1=*.x\n");
    EXPECT_EQ(ini.value("INCLUDE", "number"), "2");
    EXPECT_EQ(ini.value("Include", "File1"), "*.doc");
    EXPECT_EQ(ini.value("Include", "File2"), "'*.exe");
    EXPECT_EQ(ini.value("Include", "Eq"), "a=b");
    EXPECT_EQ(ini.value("Include", "File3"), std::nullopt);  // only the first section counts
    EXPECT_EQ(ini.value("Include", "Before"), std::nullopt);
    EXPECT_EQ(ini.value("Other", "File1"), "*.x");
    EXPECT_EQ(ini.value("Missing", "File1"), std::nullopt);
    EXPECT_EQ(ini.section("include"), (IniDocument::KeyValues{{"Number", "2"},
                                                              {"File1", "*.doc"},
                                                              {"File2", "'*.exe"},
                                                              {"file1", "second"},
                                                              {"Eq", "a=b"}}));
    EXPECT_TRUE(ini.section("Missing").empty());
}

TEST(IniDocument, OddFilesReadAndKeepEveryByte) {
    const std::string longValue(1 << 20, 'x');
    const std::string odd = std::string("\xEF\xBB\xBF[A]\r\nK=\xff\xfe\r") + "Long=" + longValue +
                            "\n" + std::string("Nul=a\0b", 7) + "\r\n[B]\rL=1";
    IniDocument ini(odd);
    EXPECT_EQ(ini.text(), odd);
    EXPECT_EQ(ini.value("A", "K"), "\xff\xfe");
    EXPECT_EQ(ini.value("A", "Long"), longValue);
    EXPECT_EQ(ini.value("A", "Nul"), std::string("a\0b", 3));
    EXPECT_EQ(ini.value("B", "L"), "1");
    ini.set("B", "M", "2");
    ini.set("A", "K", "new");
    EXPECT_EQ(ini.text(), std::string("\xEF\xBB\xBF[A]\r\nK=new\r") + "Long=" + longValue + "\n" +
                              std::string("Nul=a\0b", 7) + "\r\n[B]\rL=1\r\nM=2\r\n");
}

TEST(IniDocument, AddsKeysAfterTheSectionsLastFilledLineAndSectionsAtTheEnd) {
    IniDocument ini("; settings\n[Include]\nNumber=1\n\n[Exclude]\nNumber=0");
    ini.set("INCLUDE", "File1", "*.doc");
    ini.set("include", "number", "2");
    ini.set("Exclude", "File1", "*.bak");
    ini.set("New", "Number", "0");
    EXPECT_EQ(ini.text(),
              "; settings\n[Include]\nnumber=2\nFile1=*.doc\n\n[Exclude]\nNumber=0\nFile1=*.bak\n"
              "[New]\nNumber=0\n");

    IniDocument empty;
    empty.set("Include", "Number", "0");
    EXPECT_EQ(empty.text(), "[Include]\nNumber=0\n");

    // A value that reading would change goes in quotation marks; others as they are.
    for (const char* value :
         {"\"*\"", "'a'", "\"\"", " x", "x\t", "\"", "'*.x\"", "a \"b\" c", ""}) {
        empty.set("Include", "File1", value);
        EXPECT_EQ(IniDocument(empty.text()).value("include", "file1"), value) << empty.text();
    }
    EXPECT_EQ(empty.text(), "[Include]\nNumber=0\nFile1=\n");
}

TEST(IniDocument, RefusesWhatWouldBreakTheFile) {
    IniDocument ini;
    EXPECT_THROW(ini.set("Include", "File1", "*.doc\n[Exclude]"), std::invalid_argument);
    EXPECT_THROW(ini.set("Include", "a=b", "1"), std::invalid_argument);
    EXPECT_THROW(ini.set("In]clude", "File1", "1"), std::invalid_argument);
    EXPECT_THROW(ini.set("Include", " ", "1"), std::invalid_argument);
    EXPECT_EQ(ini.text(), "");
}

}  // namespace
}  // namespace quarvo
