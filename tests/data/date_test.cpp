#include "data/date.h"

#include <gtest/gtest.h>

namespace obrazac {
namespace {

TEST(Date, DayNumbersCountFromTheEndOf1800) {
  EXPECT_EQ(Date::fromParts(1, 1, 1801).dayNumber(), 4);
  EXPECT_EQ(Date::fromParts(12, 28, 1800).dayNumber(), 0);
  const CivilDate c = Date::fromParts(1, 1, 1801).civil();
  EXPECT_EQ(c, (CivilDate{1801, 1, 1}));
}

TEST(Date, BuildingFromPartsNormalisesOverflow) {
  struct Case {
    int month, day, year;
    CivilDate expected;
  } cases[] = {
      {13, 1, 2004, {2005, 1, 1}},  {2, 30, 2004, {2004, 3, 1}},  {2, 29, 2100, {2100, 3, 1}},
      {2, 29, 2000, {2000, 2, 29}}, {3, 0, 2004, {2004, 2, 29}},  {0, 15, 2005, {2004, 12, 15}},
      {25, 1, 2004, {2006, 1, 1}},  {12, 32, 2004, {2005, 1, 1}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Date::fromParts(c.month, c.day, c.year).civil(), c.expected)
        << c.month << "/" << c.day << "/" << c.year;
}

TEST(Date, RoundTripsEveryDayOfTwoCenturies) {
  for (std::int32_t n = Date::fromParts(1, 1, 1900).dayNumber();
       n < Date::fromParts(1, 1, 2101).dayNumber(); ++n)
    ASSERT_EQ(Date::fromCivil(Date(n).civil()).dayNumber(), n);
}

TEST(TimeOfDay, MidnightIsOne) {
  EXPECT_EQ(TimeOfDay::fromParts(0, 0).value(), 1);
  const TimeOfDay t = TimeOfDay::fromParts(13, 5);
  EXPECT_EQ(t.hours(), 13);
  EXPECT_EQ(t.minutes(), 5);
}

}  // namespace
}  // namespace obrazac
