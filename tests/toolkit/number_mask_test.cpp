#include <gtest/gtest.h>

#include <cmath>

#include "toolkit/chart/number_mask.h"

namespace quarvo {
namespace {

struct MaskCase {
    const char* mask;
    double value;
    const char* english;  // "," groups, "." decimals
    const char* german;   // "." groups, "," decimals
};

TEST(NumberMask, WritesTheMasksOfTheWindowsWithEitherSeparators) {
    const MaskCase cases[] = {
        {"#,##0.0## GB", 1234.5, "1,234.5 GB", "1.234,5 GB"},
        {"#,##0.0## GB", 0, "0.0 GB", "0,0 GB"},
        {"#,##0.0## GB", 1234567.8916, "1,234,567.892 GB", "1.234.567,892 GB"},
        {"#,##0.0## GB", 0.25, "0.25 GB", "0,25 GB"},
        {"#,##0.00 GB", 6, "6.00 GB", "6,00 GB"},
        {"#,##0.00 GB", 21.004, "21.00 GB", "21,00 GB"},
        {"#,##0.00 GB", 999.996, "1,000.00 GB", "1.000,00 GB"},
        {"##0.# %", 12, "12 %", "12 %"},
        {"##0.# %", 33.3333, "33.3 %", "33,3 %"},
        {"##0.# %", 0.04, "0 %", "0 %"},
        {"##0.# %", 1234.5, "1234.5 %", "1234,5 %"},
        {"#,##0. %", 12.6, "13 %", "13 %"},
        {"#,##0. %", 1234, "1,234 %", "1.234 %"},
        {"#,##0.## %", 5.5, "5.5 %", "5,5 %"},
        {"#,##0.## %", 5, "5 %", "5 %"},
        {"#,##0.## %", 0.126, "0.13 %", "0,13 %"},
    };
    for (const MaskCase& c : cases) {
        const NumberMask mask(QString::fromLatin1(c.mask));
        EXPECT_EQ(mask.format(c.value, {u',', u'.'}), QString::fromUtf8(c.english))
            << c.mask << " " << c.value;
        EXPECT_EQ(mask.format(c.value, {u'.', u','}), QString::fromUtf8(c.german))
            << c.mask << " " << c.value;
    }
}

TEST(NumberMask, SignsLiteralsAndNumbersThatCannotBeWritten) {
    const NumberMask money(QStringLiteral("'#'#,##0.00"));
    EXPECT_EQ(money.format(-1234.5, {u' ', u','}), QStringLiteral("-#1 234,50"));
    // A value that rounds to zero has no sign.
    EXPECT_EQ(money.format(-0.001, {u',', u'.'}), QStringLiteral("#0.00"));
    EXPECT_EQ(NumberMask(QStringLiteral("#,##0")).format(NAN, {}), QString());
    EXPECT_EQ(NumberMask(QStringLiteral("#,##0")).format(INFINITY, {}), QString());
    // Only "#" places: nothing at all for zero, as the mask asks.
    EXPECT_EQ(NumberMask(QStringLiteral("#.##")).format(0, {}), QString());
}

}  // namespace
}  // namespace quarvo
