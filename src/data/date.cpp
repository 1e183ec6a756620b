#include "data/date.h"

#include <ctime>

namespace obrazac {
namespace {

// Days since 1 March of year 0 of the proleptic Gregorian calendar, the usual civil algorithm.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

CivilDate civilFromDays(std::int64_t z) {
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

const std::int64_t kEpoch = daysFromCivil(1800, 12, 28);

}  // namespace

Date Date::fromParts(int month, int day, int year) {
  std::int64_t y = year;
  std::int64_t m0 = static_cast<std::int64_t>(month) - 1;
  y += m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  m0 -= (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12)) * 12;
  const std::int64_t first = daysFromCivil(y, static_cast<int>(m0) + 1, 1);
  return Date(static_cast<std::int32_t>(first + day - 1 - kEpoch));
}

CivilDate Date::civil() const {
  return civilFromDays(day_ + kEpoch);
}

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

TimeOfDay TimeOfDay::fromParts(int hours, int minutes, int seconds, int hundredths) {
  return TimeOfDay(((hours * 60 + minutes) * 60 + seconds) * 100 + hundredths + 1);
}

Date SystemClock::today() const {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return Date::fromParts(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
}

TimeOfDay SystemClock::now() const {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return TimeOfDay::fromParts(local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace obrazac
