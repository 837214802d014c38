#include "text/utf8_upper.h"

#include <gtest/gtest.h>

namespace quarvo {
namespace {

TEST(Utf8Upper, CapitalisesTheLettersOfEuropeanAlphabets) {
    EXPECT_EQ(utf8Upper("doc"), "DOC");
    EXPECT_EQ(utf8Upper("àéîõüÿþ"), "ÀÉÎÕÜŸÞ");
    EXPECT_EQ(utf8Upper("ąčęłńőšźžĳ"), "ĄČĘŁŃŐŠŹŽĲ");
    EXPECT_EQ(utf8Upper("αβγωςάήώ"), "ΑΒΓΩΣΆΉΏ");
    EXPECT_EQ(utf8Upper("жёщяґ"), "ЖЁЩЯҐ");
    EXPECT_EQ(utf8Upper("ẁỳạ"), "ẀỲẠ");
    EXPECT_EQ(utf8Upper("ı"), "I");  // one byte shorter
    EXPECT_EQ(utf8Upper("ｄｏｃ"), "ＤＯＣ");
}

TEST(Utf8Upper, LeavesEverythingElseAsItIs) {
    // Capitals, letters without a single capital, signs, other scripts.
    EXPECT_EQ(utf8Upper("ÀĄΩЖ"), "ÀĄΩЖ");
    EXPECT_EQ(utf8Upper("ß÷×µ"), "ß÷×µ");
    EXPECT_EQ(utf8Upper("日本.7z_-"), "日本.7Z_-");
    EXPECT_EQ(utf8Upper("😀a"), "😀A");
    // Bytes that are not UTF-8 stay, and so do the letters after them.
    EXPECT_EQ(utf8Upper("a\xff"
                        "b\xc3"),
              "A\xff"
              "B\xc3");
    EXPECT_EQ(utf8Upper("\xe9t\xe9"), "\xe9T\xe9");
    EXPECT_EQ(utf8Upper(""), "");
}

}  // namespace
}  // namespace quarvo
