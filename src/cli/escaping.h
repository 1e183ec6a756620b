// Text placed inside the CSV and JSON output of the tool. Domain text is converted to UTF-8
// before it gets here; these functions make it a safe field of the target format whatever bytes
// it holds, so a name read from a foreign file can never break the document around it.
#pragma once

#include <streambuf>
#include <string>
#include <string_view>

namespace obrazac::cli {

// A CSV field: always quoted, a quote doubled; commas and line breaks stay inside the quotes.
std::string csvField(std::string_view utf8);

// A JSON string literal with its quotes: quote, backslash and control characters escaped, and
// every ill-formed UTF-8 sequence replaced by U+FFFD, so the result is always valid JSON.
std::string jsonString(std::string_view utf8);

// Standard error as the tool writes its messages through it: a control character that came with
// a value or from a file (ESC, NUL, a C1 character, a byte that is no UTF-8) is written as an
// escape ("\x1B", "\u009B"), never raw, so it cannot move the cursor, recolour or clear the
// terminal or hide the rest of the message. Line ends stay line ends, letters stay letters.
class ControlEscapingBuffer final : public std::streambuf {
 public:
  explicit ControlEscapingBuffer(std::streambuf* target) : target_(target) {}
  ~ControlEscapingBuffer() override;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  void escape(const char* form, unsigned value);

  std::streambuf* target_;
  int continuations_ = 0;   // bytes still due of the UTF-8 sequence being written
  bool pendingC2_ = false;  // 0xC2 written last: a C1 character when 0x80-0x9F follows
};

}  // namespace obrazac::cli
