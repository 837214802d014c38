#pragma once
// A small reader of JSON text into a tree of values, for the files Quarvo
// wrote itself (a report, a saved run). Numbers keep their exact integer
// value when they are written as one, so byte totals past 2^53 read back
// unchanged.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarvo {

class JsonValue {
public:
    enum class Kind { null, boolean, number, string, array, object };

    [[nodiscard]] Kind kind() const { return kind_; }
    [[nodiscard]] bool isNumber() const { return kind_ == Kind::number; }
    [[nodiscard]] bool isString() const { return kind_ == Kind::string; }
    [[nodiscard]] bool isArray() const { return kind_ == Kind::array; }
    [[nodiscard]] bool isObject() const { return kind_ == Kind::object; }

    // The number; a whole number written without fraction or exponent that
    // fits in 64 bits is exact in integer().
    [[nodiscard]] double number() const { return number_; }
    [[nodiscard]] std::int64_t integer() const { return integer_; }
    [[nodiscard]] bool isInteger() const { return kind_ == Kind::number && exactInteger_; }
    [[nodiscard]] const std::string& text() const { return text_; }
    [[nodiscard]] const std::vector<JsonValue>& items() const { return items_; }
    // The member of an object by name; nullptr when there is none (or this
    // is no object). A name given twice keeps its last value.
    [[nodiscard]] const JsonValue* member(const std::string& name) const;

    // Parses the whole text: one value with only blanks around it. Nothing
    // when the text is no JSON, with where and why in error.
    [[nodiscard]] static std::optional<JsonValue> parse(std::string_view text, std::string& error);

private:
    friend class JsonParser;

    Kind kind_ = Kind::null;
    bool flag_ = false;
    bool exactInteger_ = false;
    double number_ = 0;
    std::int64_t integer_ = 0;
    std::string text_;
    std::vector<JsonValue> items_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

}  // namespace quarvo
