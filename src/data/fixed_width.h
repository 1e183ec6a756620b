// Fixed-width text fields: a STRING n field of a record or of the submission file is n bytes of
// Windows-1250 text, blank padded on the right. Widths count bytes, so a Croatian letter is one
// position, as in the records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace obrazac {

// The text as a STRING n field: cut to its first n bytes or padded with blanks on the right.
std::string padRight(std::string_view text, std::size_t width);

// The text right-aligned in n bytes: padded with blanks on the left; a longer text is cut to
// its first n bytes, as padRight does.
std::string padLeft(std::string_view text, std::size_t width);

// The text without its trailing blanks (the "clipped" value of a field).
constexpr std::string_view clipRight(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// True when the field holds nothing but blanks (an empty text included).
constexpr bool isBlank(std::string_view text) {
  return clipRight(text).empty();
}

}  // namespace obrazac
