#include "report/report_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "collect/scan_targets.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Rule = ReportOptions::Rule;

ReportOptions accepted(std::vector<std::string> args) {
    const ParsedArguments parsed = parseArguments(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    return parsed.options.value_or(ReportOptions{});
}

std::string refused(std::vector<std::string> args) {
    const ParsedArguments parsed = parseArguments(args);
    EXPECT_FALSE(parsed.options);
    return parsed.error;
}

TEST(ReportArguments, TargetsRulesAndFlags) {
    const ReportOptions plain = accepted({"c:", "/usr/share"});
    EXPECT_EQ(plain.rule, Rule::allFiles);
    EXPECT_FALSE(plain.json);
    EXPECT_THAT(plain.targets, ElementsAre("c:", "/usr/share"));

    const ReportOptions include = accepted({"--json", "--include", "*.doc, *.TXT ,*.", "d:"});
    EXPECT_TRUE(include.json);
    EXPECT_EQ(include.rule, Rule::include);
    EXPECT_THAT(include.patterns, ElementsAre("*.doc", "*.TXT", "*."));
    EXPECT_THAT(include.targets, ElementsAre("d:"));

    EXPECT_EQ(accepted({"--exclude", "*.o", "x"}).rule, Rule::exclude);
    EXPECT_EQ(accepted({"x", "--exclude-list"}).rule, Rule::excludeList);
    EXPECT_EQ(accepted({"--include-list", "x"}).rule, Rule::includeList);
    EXPECT_TRUE(accepted({"--drives", "--json"}).drives);
    EXPECT_TRUE(accepted({"--help"}).help);
    EXPECT_EQ(accepted({"x"}).stallTimeout, std::chrono::seconds(10));
    EXPECT_EQ(accepted({"--stall-timeout", "5", "x"}).stallTimeout, std::chrono::seconds(5));
    EXPECT_GE(accepted({"x"}).threads, 1u);
    EXPECT_EQ(accepted({"--threads", "3", "x"}).threads, 3u);
    // After "--" everything is a target, also what looks like an option.
    EXPECT_THAT(accepted({"--", "--json", "-"}).targets, ElementsAre("--json", "-"));
}

TEST(ReportArguments, RefusedWithAReason) {
    EXPECT_THAT(refused({}), HasSubstr("no drive or folder"));
    EXPECT_THAT(refused({"--json"}), HasSubstr("no drive or folder"));
    EXPECT_THAT(refused({"--jsn", "c:"}), HasSubstr("unknown option --jsn"));
    EXPECT_THAT(refused({"-j", "c:"}), HasSubstr("unknown option -j"));
    EXPECT_THAT(refused({"c:", "--include"}), HasSubstr("--include needs"));
    EXPECT_THAT(refused({"--include", "doc", "c:"}), HasSubstr("\"doc\""));
    EXPECT_THAT(refused({"--include", "*.doc,,*.txt", "c:"}), HasSubstr("\"\""));
    EXPECT_THAT(refused({"--exclude", "*.a\tb", "c:"}), HasSubstr("not a pattern"));
    EXPECT_THAT(refused({"--include", "*.a", "--exclude-list", "c:"}), HasSubstr("only one of"));
    EXPECT_THAT(refused({"--drives", "c:"}), HasSubstr("--drives takes"));
    EXPECT_THAT(refused({"--drives", "--include-list"}), HasSubstr("--drives takes"));
    for (const char* seconds : {"0", "5s", "", "-3", "99999999999999999999"})
        EXPECT_THAT(refused({"--stall-timeout", seconds, "c:"}),
                    HasSubstr("--stall-timeout needs"));
    EXPECT_THAT(refused({"c:", "--stall-timeout"}), HasSubstr("--stall-timeout needs"));
    for (const char* threads : {"0", "2x", "", "-1"})
        EXPECT_THAT(refused({"--threads", threads, "c:"}), HasSubstr("--threads needs"));
}

TEST(ReportArguments, DriveLettersAndFolders) {
    for (const char* drive : {"c:", "Z:", "d:\\"}) EXPECT_TRUE(isDriveLetter(drive)) << drive;
    for (const char* folder : {"c", "c:/", "cc:", "1:", "c:x", "/c:", ":"})
        EXPECT_FALSE(isDriveLetter(folder)) << folder;
}

}  // namespace
}  // namespace quarvo
