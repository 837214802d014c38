#include "system/posix/mount_table.h"

#include <optional>

namespace quarvo {
namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const std::size_t blank = line.find(' ');
        if (blank != 0) fields.push_back(line.substr(0, blank));
        if (blank == std::string_view::npos) break;
        line.remove_prefix(blank + 1);
    }
    return fields;
}

// Line layout: id parent major:minor root mount-point options [optional...] -
// fs-type source super-options.
std::optional<MountEntry> parseLine(std::string_view line) {
    const std::vector<std::string_view> fields = splitFields(line);
    std::size_t dash = 6;
    while (dash < fields.size() && fields[dash] != "-") ++dash;
    if (dash + 2 >= fields.size()) return std::nullopt;
    return MountEntry{
        .device = std::string(fields[2]),
        .root = decodeOctalEscapes(fields[3]),
        .mountPoint = decodeOctalEscapes(fields[4]),
        .fsType = std::string(fields[dash + 1]),
        .source = decodeOctalEscapes(fields[dash + 2]),
        .superOptions = dash + 3 < fields.size() ? std::string(fields[dash + 3]) : std::string(),
    };
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

// The byte that three octal digits stand for; -1 when they stand for none.
int octalByte(std::string_view digits) {
    if (!isOctal(digits[0]) || !isOctal(digits[1]) || !isOctal(digits[2])) return -1;
    const int value = (digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0');
    return value <= 0xff ? value : -1;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> entries;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (auto entry = parseLine(text.substr(0, end))) entries.push_back(std::move(*entry));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return entries;
}

std::string decodeOctalEscapes(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int value =
            i + 3 < text.size() && text[i] == '\\' ? octalByte(text.substr(i + 1, 3)) : -1;
        if (value >= 0) {
            out += static_cast<char>(value);
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string decodeHexEscapes(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escape = text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
                            hexValue(text[i + 2]) >= 0 && hexValue(text[i + 3]) >= 0;
        if (escape) {
            out += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace quarvo
