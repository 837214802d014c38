#pragma once
// Number text of the listings and labels: counts and byte totals with the
// user's thousands separator, and the way such text is read back. Nothing
// here throws: text that does not convert counts as 0, and a number that
// cannot be formatted (NaN, infinity) gives empty text.

#include <cstdint>
#include <string>
#include <string_view>

#include "text/number_format.h"

namespace quarvo {

// Decimal text with thousands separators, never rounded: 1234567 gives
// 1,234,567 and -1234 gives -1,234.
std::string intToThousands(std::int64_t value, const NumberFormat& format);

// Rounded to the nearest whole number (exact halves away from zero) and
// written like intToThousands, every digit of it however large: a byte total
// of a 150 TB volume reads 164,926,744,166,400 as the smaller figures beside
// it do. Empty for NaN and infinity.
std::string floatToThousands(long double value, const NumberFormat& format);

// A change between two scans, rounded like floatToThousands, with its sign
// always shown: "+1", "0", "−3,000". A loss takes U+2212 MINUS SIGN, as wide
// as the plus sign, where a hyphen would leave the column ragged.
std::string changeText(long double change, const NumberFormat& format);

// The average size of a file type: "0" when count is 0 or less, else
// floatToThousands(total / count).
std::string averageText(double count, double total, const NumberFormat& format);

// The text with every thousands separator removed; everything else stays.
std::string stripCommas(std::string_view text, const NumberFormat& format);

// A plain decimal integer with optional sign and surrounding blanks; 0 when
// the text is anything else or does not fit.
std::int64_t strToIntOrZero(std::string_view text);

// A decimal number in the regional format (optional sign, digits, the
// regional decimal separator, optional exponent); 0 when it does not convert.
// Thousands separators are not accepted here; cellNumber removes them first.
long double strToFloatOrZero(std::string_view text, const NumberFormat& format);

// The value of a listing cell: strToFloatOrZero of its stripCommas text, so
// empty cells, words and units count as 0.
long double cellNumber(std::string_view text, const NumberFormat& format);

// Only the characters "0" to "9" of the text, in order.
std::string digitsOnly(std::string_view text);

// Field n (from 1) of a tab-separated line, with leading and trailing
// characters of code 32 or less removed; empty when the line has fewer fields.
std::string tabField(std::string_view line, int n);

}  // namespace quarvo
