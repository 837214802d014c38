#include "text/win32/wide_text.h"

#include <windows.h>

#include "text/utf8_chars.h"

namespace quarvo {
namespace {

void appendUtf16(std::wstring& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<wchar_t>(c);
        return;
    }
    c -= 0x10000;
    out += static_cast<wchar_t>(0xD800 | c >> 10);
    out += static_cast<wchar_t>(0xDC00 | (c & 0x3FF));
}

bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A three-byte sequence that encodes a surrogate: well-formed in WTF-8 only.
bool isEncodedSurrogate(std::string_view text, std::size_t pos) {
    return pos + 2 < text.size() && static_cast<unsigned char>(text[pos]) == 0xED &&
           (static_cast<unsigned char>(text[pos + 1]) & 0xE0) == 0xA0 &&
           (static_cast<unsigned char>(text[pos + 2]) & 0xC0) == 0x80;
}

char32_t decodeAt(std::string_view text, std::size_t pos, std::size_t length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (length == 1) return lead < 0x80 ? lead : 0xFFFD;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        c = c << 6 | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    }
    return c;
}

}  // namespace

std::string narrowName(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = static_cast<char16_t>(wide[i]);
        if (isHighSurrogate(c) && i + 1 < wide.size() &&
            isLowSurrogate(static_cast<char16_t>(wide[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(wide[++i]) - 0xDC00);
        }
        appendUtf8(out, c);
    }
    return out;
}

std::wstring widenName(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        if (!isEncodedSurrogate(text, pos)) {
            const std::size_t length = utf8CharLength(text, pos);
            appendUtf16(out, decodeAt(text, pos, length));
            pos += length;
            continue;
        }
        // A pair written as two halves is not how narrowName writes a
        // character, and must not become one: only lone halves pass.
        const char32_t half = decodeAt(text, pos, 3);
        const bool joinsPrevious = isLowSurrogate(half) && !out.empty() &&
                                   isHighSurrogate(static_cast<char16_t>(out.back()));
        out.append(joinsPrevious ? 3 : 1, joinsPrevious ? L'\xFFFD' : static_cast<wchar_t>(half));
        pos += 3;
    }
    return out;
}

std::string environmentText(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return narrowName(value);
}

}  // namespace quarvo
