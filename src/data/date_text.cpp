#include "data/date_text.h"

#include <cstdio>

namespace obrazac {
namespace {

std::string_view withoutBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Reads from `minDigits` to `maxDigits` digits off the front of `text`; -1 when there are not so
// many.
int takeDigits(std::string_view& text, std::size_t minDigits, std::size_t maxDigits) {
  std::size_t n = 0;
  int value = 0;
  while (n < text.size() && n < maxDigits && text[n] >= '0' && text[n] <= '9')
    value = value * 10 + (text[n++] - '0');
  if (n < minDigits) return -1;
  text.remove_prefix(n);
  return value;
}

bool takeSeparator(std::string_view& text, char separator) {
  if (text.empty() || text.front() != separator) return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<Date> readDate(std::string_view text, DateForm form) {
  std::string_view rest = withoutBlanks(text);
  int day = -1, month = -1, year = -1;
  if (form == DateForm::DayFirst) {
    day = takeDigits(rest, 1, 2);
    if (day < 0 || !takeSeparator(rest, '.')) return std::nullopt;
    month = takeDigits(rest, 1, 2);
    if (month < 0 || !takeSeparator(rest, '.')) return std::nullopt;
    year = takeDigits(rest, 4, 4);
  } else {
    year = takeDigits(rest, 4, 4);
    if (year < 0 || !takeSeparator(rest, '-')) return std::nullopt;
    month = takeDigits(rest, 2, 2);
    if (month < 0 || !takeSeparator(rest, '-')) return std::nullopt;
    day = takeDigits(rest, 2, 2);
  }
  if (!rest.empty() || year < 1801 || month < 1 || month > 12 || day < 1 ||
      day > daysInMonth(year, month))
    return std::nullopt;
  return Date::fromParts(month, day, year);
}

std::string dateText(Date date, DateForm form) {
  if (date.isNull()) return {};
  const CivilDate c = date.civil();
  char text[16];
  if (form == DateForm::DayFirst)
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", c.day, c.month, c.year);
  else
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
  return text;
}

std::string notADate(std::string_view text, DateForm form) {
  return "'" + std::string(text) + "' nije datum " +
         (form == DateForm::DayFirst ? "DD.MM.GGGG" : "GGGG-MM-DD");
}

}  // namespace obrazac
