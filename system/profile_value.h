#pragma once
// How a value stands in a line of the settings file. Reading drops the blanks
// around a value and one pair of quotation marks that encloses it, as the
// system's profile calls do; writing quotes a value that reading would
// otherwise change, so that every value reads back exactly as it was written.

#include <string>
#include <string_view>

namespace quarvo {

// The value as read from the text after "=": without surrounding blanks, and
// without the quotation marks ("..." or '...') that enclose it.
[[nodiscard]] std::string_view valueFromLine(std::string_view text);
// The text to write after "=" for a value; valueFromLine gives it back.
[[nodiscard]] std::string lineTextOfValue(const std::string& value);

}  // namespace quarvo
