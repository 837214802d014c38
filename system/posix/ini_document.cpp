#include "system/posix/ini_document.h"

#include <stdexcept>

#include "system/profile_value.h"
#include "text/ascii_case.h"

namespace quarvo {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    return compareIgnoringAsciiCase(a, b) == 0;
}

// The name of a "[name]" line; a header that is not closed runs to the end.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (!text.starts_with('[')) return std::nullopt;
    return trimmed(text.substr(1, text.find(']') - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// A "key=value" line; comments (";") and lines without "=" are none.
std::optional<KeyValue> keyValue(std::string_view line) {
    const std::string_view text = trimmed(line);
    const std::size_t equals = text.find('=');
    if (text.starts_with(';') || text.starts_with('[') || equals == std::string_view::npos)
        return std::nullopt;
    return KeyValue{trimmed(text.substr(0, equals)), valueFromLine(text.substr(equals + 1))};
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

}  // namespace

IniDocument::IniDocument(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    bool newlineSeen = false;
    while (!text.empty()) {
        const std::size_t cut = std::min(text.find_first_of("\r\n"), text.size());
        std::size_t endLength = cut == text.size() ? 0 : 1;
        if (text.substr(cut).starts_with("\r\n")) endLength = 2;
        lines_.push_back(
            {std::string(text.substr(0, cut)), std::string(text.substr(cut, endLength))});
        if (!newlineSeen && endLength > 0) newline_ = lines_.back().end;
        newlineSeen = newlineSeen || endLength > 0;
        text.remove_prefix(cut + endLength);
    }
}

std::optional<IniDocument::Range> IniDocument::findSection(std::string_view section) const {
    const auto isHeader = [&](const Line& line) {
        const auto name = sectionName(line.text);
        return name && sameName(*name, section);
    };
    std::size_t i = 0;
    while (i < lines_.size() && !isHeader(lines_[i])) ++i;
    if (i == lines_.size()) return std::nullopt;
    Range range{i + 1, i + 1};
    while (range.last < lines_.size() && !sectionName(lines_[range.last].text)) ++range.last;
    return range;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto range = findSection(section);
    if (!range) return std::nullopt;
    for (std::size_t i = range->first; i < range->last; ++i) {
        const auto pair = keyValue(lines_[i].text);
        if (pair && sameName(pair->key, key)) return std::string(pair->value);
    }
    return std::nullopt;
}

IniDocument::KeyValues IniDocument::section(std::string_view section) const {
    KeyValues pairs;
    const auto range = findSection(section);
    if (!range) return pairs;
    for (std::size_t i = range->first; i < range->last; ++i) {
        if (const auto pair = keyValue(lines_[i].text)) pairs.emplace_back(pair->key, pair->value);
    }
    return pairs;
}

void IniDocument::set(const std::string& section, const std::string& key,
                      const std::string& value) {
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) ||
        section.find(']') != section.npos || key.find('=') != key.npos || trimmed(key).empty())
        throw std::invalid_argument("The settings file cannot hold the key \"" + key +
                                    "\" of section \"" + section + "\" as given");
    const std::string line = key + "=" + lineTextOfValue(value);
    const auto range = findSection(section);
    if (!range) {
        insertLine(lines_.size(), "[" + section + "]");
        insertLine(lines_.size(), line);
        return;
    }
    std::size_t lastFilled = range->first - 1;  // the header
    for (std::size_t i = range->first; i < range->last; ++i) {
        const auto pair = keyValue(lines_[i].text);
        if (pair && sameName(pair->key, key)) {
            lines_[i].text = line;
            return;
        }
        if (!trimmed(lines_[i].text).empty()) lastFilled = i;
    }
    insertLine(lastFilled + 1, line);
}

void IniDocument::insertLine(std::size_t at, std::string text) {
    if (at > 0 && lines_[at - 1].end.empty()) lines_[at - 1].end = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), {std::move(text), newline_});
}

std::string IniDocument::text() const {
    std::string out = byteOrderMark_;
    for (const Line& line : lines_) out += line.text + line.end;
    return out;
}

}  // namespace quarvo
