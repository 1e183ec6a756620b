#include "data/numeric_text.h"

#include "data/fixed_width.h"

namespace obrazac {
namespace {

constexpr bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool isNumeric(std::string_view field, std::size_t minLength) {
  const std::string_view text = clipRight(field);
  if (text.empty() || text.size() < minLength) return false;

  std::size_t i = 0;
  const auto skipDigits = [&] {
    const std::size_t from = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    return i - from;
  };
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = skipDigits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissaDigits += skipDigits();
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (skipDigits() == 0) return false;
  }
  return i == text.size();
}

}  // namespace obrazac
