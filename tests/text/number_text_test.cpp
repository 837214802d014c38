#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace quarvo {
namespace {

const NumberFormat kComma;                             // 1,234.5
const NumberFormat kFullStop{".", ","};                // 1.234,5
const NumberFormat kNoBreakSpace{"\xC2\xA0", ","};     // U+00A0
const NumberFormat kNarrowSpace{"\xE2\x80\xAF", "."};  // U+202F

TEST(IntToThousands, GroupsEveryThreeDigitsWithoutRounding) {
    EXPECT_EQ(intToThousands(0, kComma), "0");
    EXPECT_EQ(intToThousands(999, kComma), "999");
    EXPECT_EQ(intToThousands(1000, kComma), "1,000");
    EXPECT_EQ(intToThousands(1234567, kComma), "1,234,567");
    EXPECT_EQ(intToThousands(-1234, kComma), "-1,234");
    EXPECT_EQ(intToThousands(-999, kComma), "-999");
    EXPECT_EQ(intToThousands(INT32_MAX, kComma), "2,147,483,647");
    EXPECT_EQ(intToThousands(INT32_MIN, kComma), "-2,147,483,648");
    EXPECT_EQ(intToThousands(INT64_MAX, kComma), "9,223,372,036,854,775,807");
    EXPECT_EQ(intToThousands(INT64_MIN, kComma), "-9,223,372,036,854,775,808");
}

TEST(IntToThousands, UsesTheRegionalSeparator) {
    EXPECT_EQ(intToThousands(1234567, kFullStop), "1.234.567");
    EXPECT_EQ(intToThousands(-1234567, kNoBreakSpace),
              "-1\xC2\xA0"
              "234\xC2\xA0"
              "567");
    EXPECT_EQ(intToThousands(1000, kNarrowSpace),
              "1\xE2\x80\xAF"
              "000");
}

TEST(FloatToThousands, RoundsToWholeNumbers) {
    EXPECT_EQ(floatToThousands(1536.6L, kComma), "1,537");
    EXPECT_EQ(floatToThousands(2.5L, kComma), "3");
    EXPECT_EQ(floatToThousands(-2.5L, kComma), "-3");
    EXPECT_EQ(floatToThousands(-0.4L, kComma), "0");
    EXPECT_EQ(floatToThousands(1234567.4L, kFullStop), "1.234.567");
}

TEST(FloatToThousands, ShowsEveryDigitOfLargeFigures) {
    EXPECT_EQ(floatToThousands(99999999999999.5L, kComma), "100,000,000,000,000");
    EXPECT_EQ(floatToThousands(164926744166400.0L, kComma), "164,926,744,166,400");
    EXPECT_EQ(floatToThousands(-123456789012345678.0L, kFullStop), "-123.456.789.012.345.678");
    // Past what an int64 holds.
    EXPECT_EQ(floatToThousands(1.5e20L, kComma), "150,000,000,000,000,000,000");
    EXPECT_EQ(floatToThousands(-18446744073709551616.0L, kComma), "-18,446,744,073,709,551,616");
    const std::string largest = floatToThousands(std::numeric_limits<long double>::max(), kComma);
    EXPECT_EQ(digitsOnly(largest).size(), std::numeric_limits<long double>::max_exponent10 + 1u);
    EXPECT_EQ(stripCommas(largest, kComma), digitsOnly(largest));
}

TEST(FloatToThousands, GivesEmptyTextForWhatIsNoNumber) {
    EXPECT_EQ(floatToThousands(std::numeric_limits<long double>::quiet_NaN(), kComma), "");
    EXPECT_EQ(floatToThousands(std::numeric_limits<long double>::infinity(), kComma), "");
    EXPECT_EQ(floatToThousands(-std::numeric_limits<long double>::infinity(), kComma), "");
}

TEST(ChangeText, AlwaysSignedWithATrueMinusSignAndNoneForZero) {
    const std::string minus = "\xE2\x88\x92";  // U+2212
    EXPECT_EQ(changeText(1, kComma), "+1");
    EXPECT_EQ(changeText(-3000, kComma), minus + "3,000");
    EXPECT_EQ(changeText(1073741824, kFullStop), "+1.073.741.824");
    EXPECT_EQ(changeText(0, kComma), "0");
    EXPECT_EQ(changeText(-0.4, kComma), "0");  // rounds to nothing: no sign
    EXPECT_EQ(changeText(-2.5, kComma), minus + "3");
    EXPECT_EQ(changeText(-1e15, kComma), minus + "1,000,000,000,000,000");
    EXPECT_EQ(changeText(NAN, kComma), "");
}

TEST(AverageText, IsZeroWithoutFilesAndTheRoundedMeanOtherwise) {
    EXPECT_EQ(averageText(0, 5000, kComma), "0");
    EXPECT_EQ(averageText(-1, 5000, kComma), "0");
    EXPECT_EQ(averageText(4, 5000, kComma), "1,250");
    EXPECT_EQ(averageText(3, 10000, kComma), "3,333");
    EXPECT_EQ(averageText(std::nan(""), 5000, kComma), "0");
}

TEST(StripCommas, RemovesOnlyTheThousandsSeparator) {
    EXPECT_EQ(stripCommas("1,234,567.5", kComma), "1234567.5");
    EXPECT_EQ(stripCommas("1.234.567", kFullStop), "1234567");
    EXPECT_EQ(stripCommas("1.234,5", kFullStop), "1234,5");
    EXPECT_EQ(stripCommas("1\xC2\xA0"
                          "234 \xC2\xA9",
                          kNoBreakSpace),
              "1234 \xC2\xA9");
    EXPECT_EQ(stripCommas("1,234", NumberFormat{"", "."}), "1,234");
    // Separators that a deletion brings together are removed as well.
    EXPECT_EQ(stripCommas("aabb1", NumberFormat{"ab", "."}), "1");
}

TEST(StrToIntOrZero, ReadsPlainDecimalIntegersOnly) {
    EXPECT_EQ(strToIntOrZero("42"), 42);
    EXPECT_EQ(strToIntOrZero(" -7 "), -7);
    EXPECT_EQ(strToIntOrZero("+7"), 7);
    EXPECT_EQ(strToIntOrZero("9223372036854775807"), INT64_MAX);
    for (const char* bad : {"", "-", "+-5", "12a", "1.5", "1,000", "0x10", "99999999999999999999"})
        EXPECT_EQ(strToIntOrZero(bad), 0) << bad;
}

TEST(StrToFloatOrZero, ReadsTheRegionalDecimalSeparator) {
    EXPECT_EQ(strToFloatOrZero("-2.5", kComma), -2.5L);
    EXPECT_EQ(strToFloatOrZero(" +.5 ", kComma), 0.5L);
    EXPECT_EQ(strToFloatOrZero("1E3", kComma), 1000.0L);
    EXPECT_EQ(strToFloatOrZero("2,5", kFullStop), 2.5L);
    EXPECT_EQ(strToFloatOrZero("2.5", kFullStop), 0);
    EXPECT_EQ(strToFloatOrZero("1,234.5", kComma), 0);
}

TEST(CellNumber, CountsWhatDoesNotConvertAsZero) {
    EXPECT_EQ(cellNumber("12,000", kComma), 12000.0L);
    EXPECT_EQ(cellNumber("1.234,5", kFullStop), 1234.5L);
    EXPECT_EQ(cellNumber("1\xC2\xA0"
                         "024",
                         kNoBreakSpace),
              1024.0L);
    for (const char* bad :
         {"", "abc", "12 KB", "50%", "nan", "inf", "-infinity", ".", "1e", "1.2.3", "1e99999"})
        EXPECT_EQ(cellNumber(bad, kComma), 0) << bad;
}

TEST(DigitsOnly, KeepsTheAsciiDigitsInOrder) {
    EXPECT_EQ(digitsOnly("1,234 KB"), "1234");
    EXPECT_EQ(digitsOnly("-0.5"), "05");
    EXPECT_EQ(digitsOnly("\xD9\xA1\xD9\xA2x"), "");  // Arabic-Indic digits are not "0".."9"
}

TEST(TabField, PicksTheNthFieldTrimmed) {
    const std::string line = "doc\tWord file\t12";
    EXPECT_EQ(tabField(line, 1), "doc");
    EXPECT_EQ(tabField(line, 2), "Word file");
    EXPECT_EQ(tabField(line, 3), "12");
    EXPECT_EQ(tabField(line, 4), "");
    EXPECT_EQ(tabField(line, 0), "");
    EXPECT_EQ(tabField("  Word file \r\n", 1), "Word file");
    EXPECT_EQ(tabField("a\t\tc", 2), "");
    EXPECT_EQ(tabField("", 1), "");
}

TEST(TabField, KeepsBytesOfOtherEncodingsAtTheEdges) {
    // The bytes of a UTF-8 or Latin-1 letter are above 127, never blanks.
    EXPECT_EQ(tabField("x\tcaf\xC3\xA9\t", 2), "caf\xC3\xA9");
    EXPECT_EQ(tabField("\xE9t\xE9 ", 1), "\xE9t\xE9");
}

}  // namespace
}  // namespace quarvo
