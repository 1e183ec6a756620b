#include "data/date_text.h"

#include <gtest/gtest.h>

#include "data/typed_amount.h"

namespace obrazac {
namespace {

TEST(DateText, ReadsOnlyWholeCalendarDates) {
  struct Case {
    const char* text;
    DateForm form;
    std::optional<CivilDate> date;
  } cases[] = {
      {"02.10.2025", DateForm::DayFirst, CivilDate{2025, 10, 2}},
      {"2.1.2025", DateForm::DayFirst, CivilDate{2025, 1, 2}},
      {" 29.02.2024 ", DateForm::DayFirst, CivilDate{2024, 2, 29}},
      {"31.02.2025", DateForm::DayFirst, std::nullopt},
      {"29.02.2100", DateForm::DayFirst, std::nullopt},
      {"1.1.12345", DateForm::DayFirst, std::nullopt},
      {"02.10.2025xyz", DateForm::DayFirst, std::nullopt},
      {"02.10.2025.", DateForm::DayFirst, std::nullopt},
      {"02.10.25", DateForm::DayFirst, std::nullopt},
      {"+2.10.2025", DateForm::DayFirst, std::nullopt},
      {"0.10.2025", DateForm::DayFirst, std::nullopt},
      {"01.13.2025", DateForm::DayFirst, std::nullopt},
      {"31.12.1800", DateForm::DayFirst, std::nullopt},
      {"", DateForm::DayFirst, std::nullopt},
      {"2025-10-02", DateForm::YearFirst, CivilDate{2025, 10, 2}},
      {"2025-02-31", DateForm::YearFirst, std::nullopt},
      {"2025-2-3", DateForm::YearFirst, std::nullopt},
      {"2025-10-02T", DateForm::YearFirst, std::nullopt},
      {"02.10.2025", DateForm::YearFirst, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto date = readDate(c.text, c.form);
    ASSERT_EQ(date.has_value(), c.date.has_value()) << c.text;
    if (date) {
      EXPECT_EQ(date->civil(), *c.date) << c.text;
    }
  }
}

TEST(DateText, WritesWithLeadingZerosAndReadsBack) {
  const Date d = Date::fromParts(3, 5, 2026);
  EXPECT_EQ(dateText(d), "05.03.2026");
  EXPECT_EQ(dateText(d, DateForm::YearFirst), "2026-03-05");
  EXPECT_EQ(dateText(Date()), "");
  EXPECT_EQ(readDate(dateText(d)), d);
  EXPECT_EQ(readDate(dateText(d, DateForm::YearFirst), DateForm::YearFirst), d);
  EXPECT_EQ(notADate("31.02.2025"), "'31.02.2025' nije datum DD.MM.GGGG");
}

TEST(TypedAmount, TakesWhatTheFieldHoldsAndSaysWhyNot) {
  struct Case {
    const char* text;
    const char* value;  // nullptr: refused with `refusal`
    const char* refusal;
  } cases[] = {
      {"1234,56", "1234.56", ""},
      {"-1234.5", "-1234.5", ""},
      {" 999999999,99 ", "999999999.99", ""},
      {"1000000000", nullptr,
       "'1000000000' je prevelik iznos (najviše 9 znamenaka prije decimala)"},
      {"1,234", nullptr, "'1,234' nije iznos s najviše dvije decimale"},
      {"12a", nullptr, "'12a' nije iznos s najviše dvije decimale"},
      {"", nullptr, "'' nije iznos s najviše dvije decimale"},
  };
  for (const auto& c : cases) {
    const TypedAmount a = readTypedAmount(c.text, 11, 2);
    if (c.value) {
      ASSERT_TRUE(a.value) << c.text;
      EXPECT_EQ(*a.value, *Decimal::parse(c.value)) << c.text;
    } else {
      EXPECT_FALSE(a.value) << c.text;
      EXPECT_EQ(a.refusal, c.refusal) << c.text;
    }
  }
}

}  // namespace
}  // namespace obrazac
