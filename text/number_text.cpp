#include "text/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quarvo {
namespace {

// 2 to the power 63: a rounded value below this in magnitude converts to an
// int64 exactly.
constexpr long double kBeyondInt64 = 9223372036854775808.0L;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string groupDigits(std::string_view digits, const std::string& separator) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

// The digits of a whole, positive value too large for an int64.
std::string wholeDigits(long double whole) {
    // Room for the largest finite value written out in full.
    std::string text(std::numeric_limits<long double>::max_exponent10 + 3, '\0');
    const auto [end, ec] =
        std::to_chars(text.data(), text.data() + text.size(), whole, std::chars_format::fixed, 0);
    text.resize(ec == std::errc() ? end - text.data() : 0);
    return text;
}

// Rewrites a regional decimal number in the form from_chars reads: the
// regional separator becomes '.', and a '.' that is not the separator makes
// the text invalid (false).
bool toPlainDecimal(std::string_view text, const std::string& decimalSeparator, std::string& out) {
    out.assign(text);
    if (decimalSeparator == ".") return true;
    if (text.find('.') != std::string_view::npos) return false;
    if (decimalSeparator.empty()) return true;
    for (std::size_t at = out.find(decimalSeparator); at != std::string::npos;
         at = out.find(decimalSeparator, at + 1))
        out.replace(at, decimalSeparator.size(), ".");
    return true;
}

}  // namespace

std::string intToThousands(std::int64_t value, const NumberFormat& format) {
    // The magnitude as unsigned, so the most negative value has one too.
    const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    const std::string digits = std::to_string(magnitude);
    return (value < 0 ? "-" : "") + groupDigits(digits, format.thousandsSeparator);
}

std::string floatToThousands(long double value, const NumberFormat& format) {
    if (!std::isfinite(value)) return {};
    const long double rounded = std::round(value);
    if (std::fabs(rounded) < kBeyondInt64)
        return intToThousands(static_cast<std::int64_t>(rounded), format);
    return (rounded < 0 ? "-" : "") +
           groupDigits(wholeDigits(std::fabs(rounded)), format.thousandsSeparator);
}

// U+2212 MINUS SIGN, as wide as the plus sign.
constexpr const char* kMinusSign = "\xE2\x88\x92";

std::string changeText(long double change, const NumberFormat& format) {
    const std::string magnitude = floatToThousands(std::fabs(change), format);
    if (magnitude.empty() || magnitude == "0") return magnitude;
    return (change < 0 ? kMinusSign : "+") + magnitude;
}

std::string averageText(double count, double total, const NumberFormat& format) {
    if (!(count > 0)) return "0";
    return floatToThousands(static_cast<long double>(total) / count, format);
}

std::string stripCommas(std::string_view text, const NumberFormat& format) {
    const std::string& separator = format.thousandsSeparator;
    std::string out(text);
    if (separator.empty()) return out;
    // A deletion can join the bytes around it into a new separator, which then
    // starts at most separator.size() - 1 bytes before the deletion point.
    for (std::size_t at = out.find(separator); at != std::string::npos;
         at = out.find(separator, at >= separator.size() - 1 ? at - (separator.size() - 1) : 0))
        out.erase(at, separator.size());
    return out;
}

std::int64_t strToIntOrZero(std::string_view text) {
    text = trimBlanks(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) return 0;
    }
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    return (ec == std::errc() && stop == end) ? value : 0;
}

long double strToFloatOrZero(std::string_view text, const NumberFormat& format) {
    std::string plain;
    if (!toPlainDecimal(trimBlanks(text), format.decimalSeparator, plain)) return 0;
    std::string_view number = plain;
    const bool negative = number.starts_with('-');
    if (negative || number.starts_with('+')) number.remove_prefix(1);
    // from_chars would also take "inf" and "nan", which are not numbers here.
    if (number.empty() || !(isDigit(number.front()) || number.front() == '.')) return 0;
    long double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, ec] = std::from_chars(number.data(), end, value);
    if (ec != std::errc() || stop != end) return 0;
    return negative ? -value : value;
}

long double cellNumber(std::string_view text, const NumberFormat& format) {
    return strToFloatOrZero(stripCommas(text, format), format);
}

std::string digitsOnly(std::string_view text) {
    std::string out;
    for (char c : text)
        if (isDigit(c)) out += c;
    return out;
}

std::string tabField(std::string_view line, int n) {
    if (n < 1) return {};
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) return {};
        start = tab + 1;
    }
    const std::size_t end = line.find('\t', start);
    const std::size_t length = end == std::string_view::npos ? line.size() - start : end - start;
    return std::string(trimBlanks(line.substr(start, length)));
}

}  // namespace quarvo
