// Dates as people type and read them. Every window, the command line and the imports read a
// typed date with readDate and write one with dateText, so the same text gets the same verdict
// and the same message everywhere. Two written forms: "02.10.2025" (day first, as the windows
// and the sending options show a date) and "2025-10-02" (year first, as table values and the
// lists for scripts carry one).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/date.h"

namespace obrazac {

enum class DateForm {
  DayFirst,   // DD.MM.GGGG: one or two digits for the day and the month, four for the year
  YearFirst,  // GGGG-MM-DD: two digits for the month and the day
};

// The date the text names, blanks around it allowed; nothing for anything else: a day the month
// does not have ("31.02.2025"), a year of other than four digits or before 1801 ("1.1.12345"),
// anything after the date ("02.10.2025xyz").
std::optional<Date> readDate(std::string_view text, DateForm form = DateForm::DayFirst);

// The date in that form with leading zeros ("02.10.2025"); empty for no date.
std::string dateText(Date date, DateForm form = DateForm::DayFirst);

// Why a text is refused as a date, quoting it: "'31.02.2025' nije datum DD.MM.GGGG".
std::string notADate(std::string_view text, DateForm form = DateForm::DayFirst);

}  // namespace obrazac
