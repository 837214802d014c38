#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "text/json_value.h"
#include "text/json_writer.h"

namespace quarvo {
namespace {

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

TEST(JsonText, ReaderTakesWhatTheWriterWritesExactly) {
    JsonWriter json;
    json.beginObject();
    json.key("bytes");
    json.value(std::int64_t{9'007'199'254'740'993});  // past what a double holds exactly
    json.key("name");
    json.value("tab\there \"quoted\" \xC3\xA9");
    json.key("list");
    json.beginArray();
    json.value(-2.0);
    json.value(0.5);
    json.endArray();
    json.endObject();
    std::string error;
    const std::optional<JsonValue> read = JsonValue::parse(json.text(), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->member("bytes")->integer(), 9'007'199'254'740'993);
    EXPECT_EQ(read->member("name")->text(), "tab\there \"quoted\" \xC3\xA9");
    ASSERT_EQ(read->member("list")->items().size(), 2u);
    EXPECT_EQ(read->member("list")->items()[0].integer(), -2);
    EXPECT_FALSE(read->member("list")->items()[1].isInteger());
    EXPECT_EQ(read->member("list")->items()[1].number(), 0.5);
    EXPECT_EQ(read->member("none"), nullptr);

    // Escapes another writer may use: a pair of surrogates, and a lone one.
    const auto text = [&](const std::string& json) {
        const std::optional<JsonValue> value = JsonValue::parse(json, error);
        return value ? value->text() : "(refused)";
    };
    EXPECT_EQ(text(R"("\u00e9\ud83d\udcc1\/")"), "\xC3\xA9\xF0\x9F\x93\x81/");
    EXPECT_EQ(text(R"("\udc01")"), "\xEF\xBF\xBD");
}

TEST(JsonText, ReaderRefusesWhatIsNoJsonAndSaysWhere) {
    for (const std::string& bad : std::vector<std::string>{
             "", "{", "{\"a\": 1", "{\"a\" 1}", "[1,]", "[1] 2", "\"open", "-", "1.", "1e", "nul",
             "{\"a\": tru}", "\"\\x\"", "\"\\u12\"", std::string("\"a\nb\""),
             std::string(100, '[') + std::string(100, ']')}) {
        std::string error;
        EXPECT_FALSE(JsonValue::parse(bad, error)) << bad;
        EXPECT_THAT(error, ::testing::HasSubstr("at byte")) << bad;
    }
}

}  // namespace
}  // namespace quarvo
