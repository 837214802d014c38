#include "text/utf8_chars.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvo {
namespace {

TEST(Utf8Chars, CountsEachWellFormedCharacterOnceUpToTheEdgesOfTheRanges) {
    for (const std::string text : {"\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF",
                                   "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_EQ(utf8CharCount(text), 1u) << text;
    }
    EXPECT_EQ(utf8CharCount("caf\xC3\xA9.\xE2\x82\xAC"), 6u);
}

// Overlong forms could pass a '/' or a zero through a check made on bytes;
// surrogates and values past U+10FFFF are no characters at all. Each of
// their bytes counts alone, as any byte that begins no character does.
TEST(Utf8Chars, CountsEveryByteOfOverlongSurrogateAndOutOfRangeForms) {
    EXPECT_EQ(utf8CharCount("\xC0\xAF"), 2u);
    EXPECT_EQ(utf8CharCount("\xC1\xBF"), 2u);
    EXPECT_EQ(utf8CharCount("\xE0\x80\x80"), 3u);
    EXPECT_EQ(utf8CharCount("\xE0\x80\xAF"), 3u);
    EXPECT_EQ(utf8CharCount("\xE0\x9F\xBF"), 3u);
    EXPECT_EQ(utf8CharCount("\xED\xA0\x80"), 3u);
    EXPECT_EQ(utf8CharCount("\xED\xBF\xBF"), 3u);
    EXPECT_EQ(utf8CharCount("\xF0\x80\x80\xAF"), 4u);
    EXPECT_EQ(utf8CharCount("\xF0\x8F\xBF\xBF"), 4u);
    EXPECT_EQ(utf8CharCount("\xF4\x90\x80\x80"), 4u);
    EXPECT_EQ(utf8CharCount("\xF5\x80\x80\x80"), 4u);
}

TEST(Utf8Chars, CountsCutAndInterruptedSequencesByteByByte) {
    EXPECT_EQ(utf8CharCount("\xE2\x82"), 2u);
    EXPECT_EQ(utf8CharCount("\xE2x\xAC"), 3u);
    EXPECT_EQ(utf8CharCount("\xF0\x90\x80"), 3u);
    EXPECT_EQ(utf8CharLength("a\xE2\x82\xAC", 1), 3u);
    EXPECT_EQ(utf8CharLength("\x80", 0), 1u);
}

}  // namespace
}  // namespace quarvo
