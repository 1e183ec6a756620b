#include "check/field_tests.h"

#include "data/fixed_width.h"
#include "data/numeric_text.h"
#include "data/picture.h"
#include "register/entry_rules.h"
#include "register/identifier_checks.h"

namespace obrazac::check {
namespace {

constexpr bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits of text[from, from + n) as a number; -1 when one of them is no digit.
int digitsAt(std::string_view text, std::size_t from, std::size_t n) {
  int value = 0;
  for (std::size_t i = from; i < from + n; ++i) {
    if (i >= text.size() || !isDigit(text[i])) return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool numericField(std::string_view field, std::size_t minLength) {
  return isNumeric(field, minLength);
}

bool numericAmount(std::string_view field) {
  return field.size() > 1 && isNumeric(field.substr(1), 14);
}

bool wrongMB(std::string_view field) {
  const std::string_view mb = field.substr(0, 8);
  if (mb == "00000000") return false;
  return !ProvjeraMB(mb);
}

bool wrongMBG(std::string_view field, bool zerosAbsent) {
  const std::string_view mbg = field.substr(0, 13);
  if (zerosAbsent && mbg == "0000000000000") return false;
  return !ProvjeraJMBG(mbg);
}

Decimal amountValue(std::string_view field) {
  if (const auto exact = readAmount(field)) return *exact;
  if (field.size() < 2) return Decimal();
  const auto written = Decimal::parse(field.substr(1));
  if (!written) return Decimal();
  const Decimal value = *written / Decimal(100);
  return field[0] == '-' ? -value : value;
}

std::optional<Decimal> countValue(std::string_view field) {
  return Decimal::parse(clipRight(field));
}

int leadingNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  int value = 0;
  for (; i < field.size() && isDigit(field[i]) && value < 100'000'000; ++i)
    value = value * 10 + (field[i] - '0');
  return value;
}

std::optional<Date> dateValue(std::string_view field) {
  if (field.size() != 8) return std::nullopt;
  const int day = digitsAt(field, 0, 2), month = digitsAt(field, 2, 2),
            year = digitsAt(field, 4, 4);
  if (day < 1 || month < 1 || month > 12 || year < 1801) return std::nullopt;
  if (dayBeyondMonth(day, month, year)) return std::nullopt;
  return Date::fromParts(month, day, year);
}

bool dateInRange(std::string_view field, const Clock& clock) {
  static const Date kFirst = Date::fromParts(1, 1, 2005);
  const auto date = dateValue(field);
  return date && *date >= kFirst && *date <= clock.today();
}

}  // namespace obrazac::check
