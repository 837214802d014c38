#include "text/json_value.h"

#include <charconv>

#include "text/utf8_chars.h"

namespace quarvo {

// Recursive descent over the text; each parse function leaves pos_ after
// what it read and returns false, with error_ set, where the text goes wrong.
class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    bool parseDocument(JsonValue& value) {
        skipBlanks();
        if (!parseValue(value, 0)) return false;
        skipBlanks();
        return pos_ == text_.size() || fail("text after the end of the value");
    }
    [[nodiscard]] std::string error() const { return error_; }

private:
    // Deeper nesting than any file of ours holds is damage, and would
    // otherwise run the stack out.
    static constexpr int kMaxDepth = 64;

    bool fail(const std::string& why) {
        if (error_.empty()) error_ = why + " at byte " + std::to_string(pos_);
        return false;
    }
    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t'))
            ++pos_;
    }
    bool take(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool takeWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return fail("unexpected text");
        pos_ += word.size();
        return true;
    }

    bool parseValue(JsonValue& value, int depth) {
        skipBlanks();
        if (pos_ >= text_.size()) return fail("the text ends early");
        if (depth > kMaxDepth) return fail("values nested too deep");
        switch (text_[pos_]) {
            case '{':
                return parseObject(value, depth);
            case '[':
                return parseArray(value, depth);
            case '"':
                value.kind_ = JsonValue::Kind::string;
                return parseString(value.text_);
            case 't':
            case 'f':
                value.kind_ = JsonValue::Kind::boolean;
                value.flag_ = text_[pos_] == 't';
                return takeWord(value.flag_ ? "true" : "false");
            case 'n':
                return takeWord("null");
            default:
                return parseNumber(value);
        }
    }

    bool parseObject(JsonValue& value, int depth) {
        ++pos_;
        value.kind_ = JsonValue::Kind::object;
        if (take('}')) return true;
        do {
            std::string name;
            skipBlanks();
            if (pos_ >= text_.size() || text_[pos_] != '"') return fail("a member name expected");
            if (!parseString(name)) return false;
            if (!take(':')) return fail("':' expected");
            JsonValue member;
            if (!parseValue(member, depth + 1)) return false;
            value.members_.emplace_back(std::move(name), std::move(member));
        } while (take(','));
        return take('}') || fail("',' or '}' expected");
    }

    bool parseArray(JsonValue& value, int depth) {
        ++pos_;
        value.kind_ = JsonValue::Kind::array;
        if (take(']')) return true;
        do {
            value.items_.emplace_back();
            if (!parseValue(value.items_.back(), depth + 1)) return false;
        } while (take(','));
        return take(']') || fail("',' or ']' expected");
    }

    // JSON's number grammar: the parse functions of the library accept more.
    bool parseNumber(JsonValue& value) {
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t from = pos_;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
            return pos_ > from;
        };
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        if (!digits()) return fail("a value expected");
        bool whole = true;
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            whole = false;
            if (!digits()) return fail("digits expected after '.'");
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            whole = false;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (!digits()) return fail("digits expected in the exponent");
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + pos_;
        value.kind_ = JsonValue::Kind::number;
        std::from_chars(first, last, value.number_);
        value.exactInteger_ =
            whole && std::from_chars(first, last, value.integer_).ec == std::errc();
        return true;
    }

    bool parseString(std::string& out) {
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("a control character in a string");
            if (c != '\\') {
                out += c;
            } else if (!parseEscape(out)) {
                return false;
            }
        }
        return fail("the text ends inside a string");
    }

    bool parseEscape(std::string& out) {
        if (pos_ >= text_.size()) return fail("the text ends inside a string");
        const char c = text_[pos_++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                return parseCodePoint(out);
            default:
                return fail("an unknown escape");
        }
    }

    bool hex4(unsigned& unit) {
        if (pos_ + 4 > text_.size()) return fail("the text ends inside a string");
        const char* first = text_.data() + pos_;
        const auto [end, ec] = std::from_chars(first, first + 4, unit, 16);
        if (ec != std::errc() || end != first + 4) return fail("four hex digits expected");
        pos_ += 4;
        return true;
    }

    // A \u escape, with the low half that follows a high surrogate; a lone
    // surrogate becomes U+FFFD, as the writer writes bytes it cannot carry.
    bool parseCodePoint(std::string& out) {
        unsigned unit = 0;
        if (!hex4(unit)) return false;
        char32_t point = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && text_.substr(pos_, 2) == "\\u") {
            pos_ += 2;
            unsigned low = 0;
            if (!hex4(low)) return false;
            point = low >= 0xDC00 && low <= 0xDFFF
                        ? 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)
                        : 0xFFFD;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            point = 0xFFFD;
        }
        appendUtf8(out, point);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

const JsonValue* JsonValue::member(const std::string& name) const {
    for (auto it = members_.rbegin(); it != members_.rend(); ++it)
        if (it->first == name) return &it->second;
    return nullptr;
}

std::optional<JsonValue> JsonValue::parse(std::string_view text, std::string& error) {
    JsonParser parser(text);
    JsonValue value;
    if (parser.parseDocument(value)) return value;
    error = parser.error();
    return std::nullopt;
}

}  // namespace quarvo
