// Calendar dates as day numbers and times of day as hundredths, the way every table and record
// holds them. A Date is the count of days since 28 December 1800 (day 4 is 1 January 1801);
// 0 means "no date". Building a date from parts normalises overflowing months and days.
#pragma once

#include <cstdint>
#include <string>

namespace obrazac {

struct CivilDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  bool operator==(const CivilDate&) const = default;
};

class Date {
 public:
  constexpr Date() = default;
  constexpr explicit Date(std::int32_t dayNumber) : day_(dayNumber) {}

  // Month 13 of 2004 is January 2005; 30 February 2004 is 1 March 2004; day 0 is the last day
  // of the previous month.
  static Date fromParts(int month, int day, int year);
  static Date fromCivil(const CivilDate& c) { return fromParts(c.month, c.day, c.year); }

  std::int32_t dayNumber() const { return day_; }
  bool isNull() const { return day_ == 0; }
  CivilDate civil() const;
  int year() const { return civil().year; }
  int month() const { return civil().month; }
  int day() const { return civil().day; }

  Date addDays(int n) const { return Date(day_ + n); }
  auto operator<=>(const Date&) const = default;

 private:
  std::int32_t day_ = 0;
};

// Days of month m in year y by the calendar (Gregorian leap years).
int daysInMonth(int year, int month);

// Time of day: hundredths of a second since midnight plus one (midnight is 1); 0 means none.
class TimeOfDay {
 public:
  constexpr TimeOfDay() = default;
  constexpr explicit TimeOfDay(std::int32_t value) : value_(value) {}
  static TimeOfDay fromParts(int hours, int minutes, int seconds = 0, int hundredths = 0);

  std::int32_t value() const { return value_; }
  int hours() const { return (value_ - 1) / 360000; }
  int minutes() const { return (value_ - 1) / 6000 % 60; }
  auto operator<=>(const TimeOfDay&) const = default;

 private:
  std::int32_t value_ = 0;
};

// Where rules read "today" and "the current year" from, so tests can pin them.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date today() const = 0;
  virtual TimeOfDay now() const = 0;
  int currentYear() const { return today().year(); }
};

class SystemClock final : public Clock {
 public:
  Date today() const override;
  TimeOfDay now() const override;
};

class FixedClock final : public Clock {
 public:
  explicit FixedClock(Date today, TimeOfDay now = TimeOfDay::fromParts(12, 0))
      : today_(today), now_(now) {}
  Date today() const override { return today_; }
  TimeOfDay now() const override { return now_; }

 private:
  Date today_;
  TimeOfDay now_;
};

}  // namespace obrazac
