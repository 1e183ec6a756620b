// Amounts as people type them into a form's entry or give them to the command line: an optional
// sign, digits and at most the field's decimals after a point or a comma (the decimal comma of
// this locale), blanks around it. The entry of every form and every option of the tool read an
// amount with this one rule, so the same text gets the same verdict and the same message.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/decimal.h"

namespace obrazac {

struct TypedAmount {
  std::optional<Decimal> value;
  std::string refusal;  // UTF-8, quoting the text; empty when the value was read
};

// An amount for a field of `size` digits of which `places` are decimals: more decimals than
// `places` or more whole digits than `size - places` refuse the text ("'12,345' nije iznos s
// najviše dvije decimale", "'1234567890' je prevelik iznos (najviše 9 znamenaka prije
// decimala)"). An empty text is refused too; the caller decides whether empty means zero.
TypedAmount readTypedAmount(std::string_view text, int size, int places);

}  // namespace obrazac
