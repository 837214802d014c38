#include "text/win32/wide_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvo {
namespace {

const std::wstring kBad(1, L'\xFFFD');

std::wstring bad(std::size_t count) {
    std::wstring text;
    for (std::size_t i = 0; i < count; ++i) text += kBad;
    return text;
}

TEST(WideText, WellFormedNamesConvertBothWays) {
    const std::wstring wide = L"caf\x00E9 \x20AC \xD83D\xDE00.txt";
    const std::string utf8 = "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80.txt";
    EXPECT_EQ(narrowName(wide), utf8);
    EXPECT_EQ(widenName(utf8), wide);
    EXPECT_EQ(widenName(""), L"");
}

// Names with unpaired surrogates exist on Windows; they must come back as
// they were, or a folder found by the listing could not be entered.
TEST(WideText, UnpairedSurrogatesSurviveTheRoundTrip) {
    for (const std::wstring& wide :
         {std::wstring(L"a\xD800"), std::wstring(L"\xDC00z"), std::wstring(L"\xDBFF\xDBFF"),
          std::wstring(L"\xDFFF\xD800")}) {
        EXPECT_EQ(widenName(narrowName(wide)), wide);
    }
    EXPECT_EQ(narrowName(L"\xD800"), "\xED\xA0\x80");
    // Two halves that would pair up are no name narrowName makes.
    EXPECT_EQ(widenName("\xED\xA0\x80\xED\xB0\x80"), L"\xD800" + bad(3));
}

// A malformed sequence must never turn into a character that means
// something in a path, such as a separator or a terminating zero.
TEST(WideText, MalformedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(widenName("\xE0\x80\x80"), bad(3));
    EXPECT_EQ(widenName("a\xE0\x80\xAF"
                        "b"),
              L"a" + bad(3) + L"b");
    EXPECT_EQ(widenName("\xC0\xAF"), bad(2));
    EXPECT_EQ(widenName("\xF0\x80\x80\xAF"), bad(4));
    EXPECT_EQ(widenName("\xF4\x90\x80\x80"), bad(4));
    EXPECT_EQ(widenName("\xFF\x80x"), bad(2) + L"x");
    EXPECT_EQ(widenName("\xE2\x82"), bad(2));
    EXPECT_EQ(widenName("caf\xE9.txt"), L"caf" + kBad + L".txt");  // Latin-1
}

}  // namespace
}  // namespace quarvo
