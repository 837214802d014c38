#include "text/utf8_chars.h"

namespace quarvo {
namespace {

// How long a sequence a lead byte begins, and the range of its second byte:
// after E0, ED, F0 and F4 that range is narrower than a continuation byte's,
// so that a character is well formed only in its shortest form, is never a
// surrogate (those are UTF-16's own) and stays below U+110000.
struct LeadRule {
    std::size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

LeadRule ruleOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {1, 0, 0};
}

}  // namespace

std::size_t utf8CharLength(std::string_view text, std::size_t pos) {
    const LeadRule rule = ruleOf(static_cast<unsigned char>(text[pos]));
    if (rule.length == 1 || pos + rule.length > text.size()) return 1;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < rule.secondLow || second > rule.secondHigh) return 1;
    for (std::size_t i = 2; i < rule.length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    }
    return rule.length;
}

std::size_t utf8CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += utf8CharLength(text, pos)) ++count;
    return count;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace quarvo
