#include "cli/escaping.h"

#include <cstdio>
#include <cstring>

namespace obrazac::cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool isContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `pos`, or 0 when it is ill-formed (a stray
// continuation byte, a cut-off sequence, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (pos + length > text.size() || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!isContinuation(at(i))) return 0;
  return length;
}

}  // namespace

std::string csvField(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string jsonString(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = sequenceLength(utf8, pos);
    if (length == 0) {
      out += kReplacement;
      ++pos;
      continue;
    }
    const auto c = static_cast<unsigned char>(utf8[pos]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out.append(utf8.substr(pos, length));
    }
    pos += length;
  }
  return out + "\"";
}

ControlEscapingBuffer::~ControlEscapingBuffer() {
  if (pendingC2_) target_->sputc(static_cast<char>(0xC2));
  target_->pubsync();
}

void ControlEscapingBuffer::escape(const char* form, unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, form, value);
  target_->sputn(text, static_cast<std::streamsize>(std::strlen(text)));
}

ControlEscapingBuffer::int_type ControlEscapingBuffer::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  const auto c = static_cast<unsigned char>(traits_type::to_char_type(ch));
  const auto pass = [&] { return target_->sputc(static_cast<char>(c)); };
  if (pendingC2_) {
    pendingC2_ = false;
    if (c >= 0x80 && c <= 0x9F) {
      escape("\\u%04X", c);
      return ch;
    }
    target_->sputc(static_cast<char>(0xC2));
    continuations_ = 1;
  }
  if (continuations_ > 0 && isContinuation(c)) {
    --continuations_;
    pass();
    return ch;
  }
  continuations_ = 0;
  if (c < 0x80) {
    if ((c < 0x20 && c != '\n') || c == 0x7F)
      escape("\\x%02X", c);
    else
      pass();
  } else if (c == 0xC2) {
    pendingC2_ = true;
  } else if (c >= 0xC3 && c <= 0xF4) {
    continuations_ = c <= 0xDF ? 1 : c <= 0xEF ? 2 : 3;
    pass();
  } else {
    escape("\\x%02X", c);
  }
  return ch;
}

int ControlEscapingBuffer::sync() {
  return target_->pubsync();
}

}  // namespace obrazac::cli
