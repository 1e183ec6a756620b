#include "data/typed_amount.h"

namespace obrazac {
namespace {

std::string placesText(int places) {
  switch (places) {
    case 0:
      return "bez decimala";
    case 1:
      return "s najviše jednom decimalom";
    case 2:
      return "s najviše dvije decimale";
    default:
      return "s najviše " + std::to_string(places) + " decimala";
  }
}

}  // namespace

TypedAmount readTypedAmount(std::string_view text, int size, int places) {
  const std::string quoted = "'" + std::string(text) + "'";
  std::string plain(text);
  // A comma is the decimal mark where no point is one.
  if (plain.find('.') == std::string::npos)
    if (const auto comma = plain.find(','); comma != std::string::npos) plain[comma] = '.';
  const auto value = Decimal::parse(plain);
  if (!value || value->roundTo(places) != *value)
    return {std::nullopt, quoted + " nije iznos " + placesText(places)};
  Decimal largest(1);
  for (int i = 0; i < size - places; ++i) largest = largest * Decimal(10);
  if (value->abs() >= largest)
    return {std::nullopt, quoted + " je prevelik iznos (najviše " + std::to_string(size - places) +
                              " znamenaka prije decimala)"};
  return {value, {}};
}

}  // namespace obrazac
