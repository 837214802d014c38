#include "text/json_writer.h"

#include <charconv>
#include <cmath>

namespace quarvo {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool inRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

// Length of the well-formed UTF-8 sequence at text[pos], by the table of the
// Unicode standard (no overlong forms, no surrogates, nothing past U+10FFFF);
// 0 when the bytes there are not one.
std::size_t wellFormedLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    const bool tail2 = inRange(byte(2), 0x80, 0xBF);
    const bool tail3 = tail2 && inRange(byte(3), 0x80, 0xBF);
    if (inRange(lead, 0xC2, 0xDF)) return inRange(byte(1), 0x80, 0xBF) ? 2 : 0;
    if (lead == 0xE0) return inRange(byte(1), 0xA0, 0xBF) && tail2 ? 3 : 0;
    if (lead == 0xED) return inRange(byte(1), 0x80, 0x9F) && tail2 ? 3 : 0;
    if (inRange(lead, 0xE1, 0xEF)) return inRange(byte(1), 0x80, 0xBF) && tail2 ? 3 : 0;
    if (lead == 0xF0) return inRange(byte(1), 0x90, 0xBF) && tail3 ? 4 : 0;
    if (lead == 0xF4) return inRange(byte(1), 0x80, 0x8F) && tail3 ? 4 : 0;
    if (inRange(lead, 0xF1, 0xF3)) return inRange(byte(1), 0x80, 0xBF) && tail3 ? 4 : 0;
    return 0;
}

void appendEscaped(std::string& out, char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\t':
            out += "\\t";
            return;
        case '\r':
            out += "\\r";
            return;
        default:
            break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        out += "\\u00";
        out += kHex[(c >> 4) & 0xF];
        out += kHex[c & 0xF];
        return;
    }
    out += c;
}

}  // namespace

std::string jsonQuoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = wellFormedLength(text, pos);
        if (length == 0) {
            out += kReplacement;
            pos += 1;
        } else if (length == 1) {
            appendEscaped(out, text[pos++]);
        } else {
            out += text.substr(pos, length);
            pos += length;
        }
    }
    return out + '"';
}

void JsonWriter::key(std::string_view name) {
    beginValue();
    out_ += jsonQuoted(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
    beginValue();
    out_ += jsonQuoted(text);
}

void JsonWriter::value(std::int64_t number) {
    beginValue();
    out_ += std::to_string(number);
}

void JsonWriter::value(double number) {
    beginValue();
    if (!std::isfinite(number)) {
        out_ += "null";  // JSON has no infinity; a tally never holds one
    } else if (number == std::trunc(number) && std::fabs(number) < 9e18) {
        out_ += std::to_string(static_cast<std::int64_t>(number));
    } else {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
        out_.append(buffer, end);
    }
}

void JsonWriter::boolean(bool flag) {
    beginValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::open(char bracket) {
    beginValue();
    out_ += bracket;
    empty_.push_back(true);
}

void JsonWriter::close(char bracket) {
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!wasEmpty) newLine();
    out_ += bracket;
    if (empty_.empty()) out_ += '\n';
}

void JsonWriter::beginValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) out_ += ',';
    empty_.back() = false;
    newLine();
}

void JsonWriter::newLine() {
    out_ += '\n';
    out_.append(2 * empty_.size(), ' ');
}

}  // namespace quarvo
