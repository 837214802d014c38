#include "report/report_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "report/json_writer.h"
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

TEST(JsonText, EscapesAndKeepsTextValidUtf8) {
    EXPECT_EQ(jsonQuoted("a\"b\\c\td\n\x01"), "\"a\\\"b\\\\c\\td\\n\\u0001\"");
    EXPECT_EQ(jsonQuoted("\xC3\xA9t\xC3\xA9 \xF0\x9F\x93\x81"),
              "\"\xC3\xA9t\xC3\xA9 \xF0\x9F\x93\x81\"");
    const std::string fffd = "\xEF\xBF\xBD";
    // A Latin-1 byte, a cut-off sequence, an overlong slash, a surrogate and
    // a code point past U+10FFFF each become U+FFFD, byte for byte.
    EXPECT_EQ(jsonQuoted(".\xE9"), "\"." + fffd + "\"");
    EXPECT_EQ(jsonQuoted("\xE2\x82"), "\"" + fffd + fffd + "\"");
    EXPECT_EQ(jsonQuoted("\xC0\xAF"), "\"" + fffd + fffd + "\"");
    EXPECT_EQ(jsonQuoted("\xED\xA0\x80"), "\"" + fffd + fffd + fffd + "\"");
    EXPECT_EQ(jsonQuoted("\xF4\x90\x80\x80"), "\"" + fffd + fffd + fffd + fffd + "\"");
}

TEST(JsonText, WriterNestsAndSeparates) {
    JsonWriter json;
    json.beginObject();
    json.key("n");
    json.value(std::int64_t{-3});
    json.key("list");
    json.beginArray();
    json.value(2.0);
    json.value(0.5);
    json.boolean(true);
    json.endArray();
    json.key("empty");
    json.beginObject();
    json.endObject();
    json.endObject();
    EXPECT_EQ(json.text(),
              "{\n  \"n\": -3,\n  \"list\": [\n    2,\n    0.5,\n    true\n  ],\n"
              "  \"empty\": {}\n}\n");
}

}  // namespace
}  // namespace quarvo
