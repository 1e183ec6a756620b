// Text placed inside the CSV and JSON output of the tool. Domain text is converted to UTF-8
// before it gets here; these functions make it a safe field of the target format whatever bytes
// it holds, so a name read from a foreign file can never break the document around it.
#pragma once

#include <string>
#include <string_view>

namespace obrazac::cli {

// A CSV field: always quoted, a quote doubled; commas and line breaks stay inside the quotes.
std::string csvField(std::string_view utf8);

// A JSON string literal with its quotes: quote, backslash and control characters escaped, and
// every ill-formed UTF-8 sequence replaced by U+FFFD, so the result is always valid JSON.
std::string jsonString(std::string_view utf8);

}  // namespace obrazac::cli
