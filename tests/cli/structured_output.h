// Strict readers of the tool's JSON and CSV output for the tests: each accepts exactly one
// well-formed document and gives back its structure, so a test compares values, and a stray
// line of text on standard output fails the reading.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace obrazac::testing {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  std::string text;               // a number as written, a decoded string, "true" or "false"
  std::vector<JsonValue> items;   // the elements of an array or the member values of an object
  std::vector<std::string> keys;  // the member names of an object, in order

  const JsonValue& at(std::string_view key) const {
    for (std::size_t i = 0; i < keys.size(); ++i)
      if (keys[i] == key) return items[i];
    throw std::out_of_range("no member " + std::string(key));
  }
  bool isNull() const { return kind == Kind::Null; }
};

namespace detail {

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : s_(text) {}

  std::optional<JsonValue> document() {
    JsonValue v;
    if (!value(v)) return std::nullopt;
    space();
    if (pos_ != s_.size()) return std::nullopt;
    return v;
  }

 private:
  void space() {
    while (pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
      ++pos_;
  }
  bool eat(char c) {
    space();
    if (pos_ < s_.size() && s_[pos_] == c) return ++pos_, true;
    return false;
  }
  bool word(std::string_view w) {
    if (s_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  bool value(JsonValue& v) {
    space();
    if (pos_ >= s_.size()) return false;
    const char c = s_[pos_];
    if (c == '{') return object(v);
    if (c == '[') return array(v);
    if (c == '"') return v.kind = JsonValue::Kind::String, string(v.text);
    if (word("null")) return v.kind = JsonValue::Kind::Null, true;
    if (word("true") || word("false")) {
      v.kind = JsonValue::Kind::Bool;
      v.text = s_[pos_ - 1] == 'e' && s_[pos_ - 2] == 'u' ? "true" : "false";
      return true;
    }
    return number(v);
  }

  bool number(JsonValue& v) {
    const std::size_t start = pos_;
    if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
    const std::size_t digits = pos_;
    while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    if (pos_ == digits || (s_[digits] == '0' && pos_ - digits > 1)) return false;
    v.kind = JsonValue::Kind::Number;
    v.text = std::string(s_.substr(start, pos_ - start));
    return true;
  }

  bool object(JsonValue& v) {
    v.kind = JsonValue::Kind::Object;
    ++pos_;
    if (eat('}')) return true;
    do {
      space();
      std::string key;
      JsonValue member;
      if (pos_ >= s_.size() || s_[pos_] != '"' || !string(key) || !eat(':') || !value(member))
        return false;
      v.keys.push_back(key);
      v.items.push_back(member);
    } while (eat(','));
    return eat('}');
  }

  bool array(JsonValue& v) {
    v.kind = JsonValue::Kind::Array;
    ++pos_;
    if (eat(']')) return true;
    do {
      JsonValue item;
      if (!value(item)) return false;
      v.items.push_back(item);
    } while (eat(','));
    return eat(']');
  }

  // A string literal: no raw control characters, valid UTF-8, escapes decoded (\uXXXX of the
  // Basic Multilingual Plane without surrogates is all the tool writes).
  bool string(std::string& out) {
    ++pos_;
    while (pos_ < s_.size()) {
      const auto c = static_cast<unsigned char>(s_[pos_]);
      if (c == '"') return ++pos_, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (++pos_ >= s_.size()) return false;
        const char e = s_[pos_++];
        const std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
        if (const auto i = simple.find(e); i != std::string_view::npos) {
          out += meant[i];
        } else if (e == 'u' && pos_ + 4 <= s_.size()) {
          const unsigned long cp = std::stoul(std::string(s_.substr(pos_, 4)), nullptr, 16);
          pos_ += 4;
          if (cp >= 0xD800 && cp <= 0xDFFF) return false;
          appendUtf8(out, cp);
        } else {
          return false;
        }
        continue;
      }
      const std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
      if (length == 0 || c > 0xF4 || pos_ + length > s_.size()) return false;
      for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(s_[pos_ + i]) & 0xC0) != 0x80) return false;
      out.append(s_.substr(pos_, length));
      pos_ += length;
    }
    return false;
  }

  static void appendUtf8(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace detail

// The value of a JSON document, or nullopt when `text` is not exactly one valid document
// (white space around it aside).
inline std::optional<JsonValue> parseJson(std::string_view text) {
  return detail::JsonReader(text).document();
}

using CsvRows = std::vector<std::vector<std::string>>;

// The rows of CSV text, or nullopt unless every field is plain or quoted with doubled quotes,
// every row ends with a line break and all rows are as wide as the first.
inline std::optional<CsvRows> parseCsv(std::string_view text) {
  CsvRows rows;
  std::vector<std::string> row;
  std::string field;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      for (++pos;; ++pos) {
        if (pos >= text.size()) return std::nullopt;
        if (text[pos] == '"' && (pos + 1 >= text.size() || text[pos + 1] != '"')) break;
        if (text[pos] == '"') ++pos;
        field += text[pos];
      }
      ++pos;
    } else {
      while (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r') {
        if (text[pos] == '"') return std::nullopt;
        field += text[pos++];
      }
    }
    row.push_back(std::move(field));
    field.clear();
    if (pos < text.size() && text[pos] == ',') {
      ++pos;
      continue;
    }
    if (text.substr(pos, 2) == "\r\n") ++pos;
    if (pos >= text.size() || text[pos] != '\n') return std::nullopt;
    ++pos;
    if (!rows.empty() && row.size() != rows.front().size()) return std::nullopt;
    rows.push_back(std::move(row));
    row.clear();
  }
  return rows;
}

}  // namespace obrazac::testing
