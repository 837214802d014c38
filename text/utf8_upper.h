#pragma once
// Upper case of UTF-8 text for names the program makes up to show the user
// ("É File" for ".é"): the letters of the Latin, Greek, Cyrillic and
// Armenian alphabets change case, every other character and every byte that
// is not well-formed UTF-8 stays as it is. Keys and sorted lists keep to
// ascii_case.h, whose results must not depend on the alphabet.

#include <string>
#include <string_view>

namespace quarvo {

[[nodiscard]] std::string utf8Upper(std::string_view text);

}  // namespace quarvo
