// obrazac-cli picture SLIKA VRIJEDNOST: a value written through a picture, exactly as the
// submission file and the forms write it. Numbers are plain decimals (-1234.56), dates
// YYYY-MM-DD, times HH:MM.
#include <ostream>
#include <stdexcept>

#include "cli/command.h"
#include "data/date_text.h"
#include "data/picture.h"

namespace obrazac::cli {
namespace {

// The hours or minutes of "HH:MM", or -1 when not digits.
int number(std::string_view s) {
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return s.empty() ? -1 : v;
}

TimeOfDay parseTime(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon != std::string::npos && colon >= 1 && colon <= 2 && text.size() == colon + 3) {
    const std::string_view s = text;
    const int hours = number(s.substr(0, colon)), minutes = number(s.substr(colon + 1));
    if (hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59)
      return TimeOfDay::fromParts(hours, minutes);
  }
  throw UsageError("neispravno vrijeme '" + text + "' (očekuje se HH:MM)");
}

}  // namespace

int runPicture(const Invocation& inv) {
  requireArgCount(inv, 2, 2);
  const std::string& picture = inv.args[0];
  const std::string& value = inv.args[1];
  try {
    std::string text;
    if (picture.starts_with('N') || picture.starts_with('n')) {
      const NumberPicture numberPicture(picture);
      const std::optional<Decimal> amount = Decimal::parse(value);
      if (!amount) throw UsageError("neispravan broj '" + value + "'");
      text = numberPicture.format(*amount);
    } else if (picture.starts_with('D')) {
      formatDate(Date(), picture);  // rejects an unknown picture before the value is judged
      const auto date = readDate(value, DateForm::YearFirst);
      if (!date) throw UsageError(notADate(value, DateForm::YearFirst));
      text = formatDate(*date, picture);
    } else if (picture.starts_with('T')) {
      formatTime(TimeOfDay(), picture);
      text = formatTime(parseTime(value), picture);
    } else {
      throw UsageError("nepoznata slika '" + picture + "' (N..., D12, D6., T1)");
    }
    inv.out << text << "\n";
  } catch (const std::invalid_argument& e) {
    throw UsageError(e.what());
  }
  return 0;
}

}  // namespace obrazac::cli
