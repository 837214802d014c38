#include "text/utf8_upper.h"

#include <algorithm>
#include <iterator>

#include "text/utf8_chars.h"

namespace quarvo {
namespace {

// Lower-case letters first..last whose capitals lie delta code points away.
// In an alternating block capitals and small letters take turns, beginning
// with a capital at first, and delta is -1.
struct CaseRange {
    char32_t first;
    char32_t last;
    int delta;
    bool alternating = false;
};

// clang-format off
constexpr CaseRange kCaseRanges[] = {
    {0x0061, 0x007A, -32},            // a-z
    {0x00E0, 0x00F6, -32},            // Latin-1 à-ö
    {0x00F8, 0x00FE, -32},            // ø-þ
    {0x00FF, 0x00FF, 0x0178 - 0xFF},  // ÿ
    {0x0100, 0x012F, -1, true},       // Latin Extended-A
    {0x0131, 0x0131, 'I' - 0x0131},   // dotless i
    {0x0132, 0x0137, -1, true},
    {0x0139, 0x0148, -1, true},
    {0x014A, 0x0177, -1, true},
    {0x0179, 0x017E, -1, true},
    {0x03AC, 0x03AC, -38},            // Greek with tonos
    {0x03AD, 0x03AF, -37},
    {0x03B1, 0x03C1, -32},            // Greek α-ρ
    {0x03C2, 0x03C2, -31},            // final sigma
    {0x03C3, 0x03CB, -32},
    {0x03CC, 0x03CC, -64},
    {0x03CD, 0x03CE, -63},
    {0x0430, 0x044F, -32},            // Cyrillic а-я
    {0x0450, 0x045F, -80},            // ѐ-џ
    {0x0460, 0x0481, -1, true},
    {0x048A, 0x04BF, -1, true},
    {0x04C1, 0x04CE, -1, true},
    {0x04CF, 0x04CF, -15},
    {0x04D0, 0x052F, -1, true},
    {0x0561, 0x0586, -48},            // Armenian
    {0x1E00, 0x1E95, -1, true},       // Latin Extended Additional
    {0x1EA0, 0x1EFF, -1, true},
    {0xFF41, 0xFF5A, -32},            // fullwidth a-z
};
// clang-format on

char32_t upperOf(char32_t c) {
    const auto range =
        std::find_if(std::begin(kCaseRanges), std::end(kCaseRanges),
                     [c](const CaseRange& r) { return c >= r.first && c <= r.last; });
    if (range == std::end(kCaseRanges)) return c;
    if (range->alternating && (c - range->first) % 2 == 0) return c;  // a capital already
    return static_cast<char32_t>(static_cast<int>(c) + range->delta);
}

char32_t decode(std::string_view bytes) {
    if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
    char32_t c = static_cast<unsigned char>(bytes[0]) & (0x7F >> bytes.size());
    for (std::size_t i = 1; i < bytes.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    return c;
}

}  // namespace

std::string utf8Upper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8CharLength(text, pos);
        const std::string_view bytes = text.substr(pos, length);
        const bool wellFormed = length > 1 || static_cast<unsigned char>(bytes[0]) < 0x80;
        const char32_t c = wellFormed ? decode(bytes) : 0;
        const char32_t upper = wellFormed ? upperOf(c) : 0;
        if (upper != c)
            appendUtf8(out, upper);
        else
            out += bytes;
        pos += length;
    }
    return out;
}

}  // namespace quarvo
