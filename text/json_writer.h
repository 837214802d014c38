#pragma once
// A small writer of JSON text, two spaces per level, members in the order
// they are written. Text that is not UTF-8 (a file name's own bytes) comes
// out as valid JSON: each byte that does not belong to a well-formed UTF-8
// sequence is written as U+FFFD.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarvo {

class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // The name of the next member of the object being written.
    void key(std::string_view name);
    void value(std::string_view text);
    void value(std::int64_t number);
    // Counts held as floating values; whole numbers are written without a fraction.
    void value(double number);
    // Not an overload of value: a string literal would convert to bool.
    void boolean(bool flag);

    [[nodiscard]] const std::string& text() const { return out_; }

private:
    void open(char bracket);
    void close(char bracket);
    // Separates and indents a value that begins here, unless it follows its key.
    void beginValue();
    void newLine();

    std::string out_;
    // Per open object or array: whether it has no member yet.
    std::vector<bool> empty_;
    bool afterKey_ = false;
};

// The text as a JSON string literal, quotes included.
[[nodiscard]] std::string jsonQuoted(std::string_view text);

}  // namespace quarvo
