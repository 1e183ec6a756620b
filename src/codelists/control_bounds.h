// The control table VEZNATAB.DAT as bounds: its row for one combination of kind of obligor
// (VOB), kind of calculation (VOI) and basis (OO) holds, per tested value of a monthly row, a
// rule ("= 0 ", ">=0 " or ">0  ") standing for an inclusive range. A value whose field holds no
// known rule, and every value of a combination without a row, has no range and is not
// range-checked; bounds never carry over from another combination or an earlier lookup.
// Also here: the zero-amount exception, which lets an amount of 0 pass a "> 0" rule when the
// same person has a positive amount of that item elsewhere.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/context.h"
#include "data/date.h"
#include "data/decimal.h"

namespace obrazac {

enum class ControlRule {
  None,        // any other field text, blank in particular: no range
  Zero,        // "= 0 "
  ZeroOrMore,  // ">=0 "
  Positive,    // ">0  "
};

// The rule a control-table field holds (Windows-1250 text, trailing blanks ignored).
ControlRule parseControlRule(std::string_view field);
// The rule as messages quote it: "= 0", ">=0", ">0"; empty for None.
std::string_view ruleText(ControlRule rule);

// The tested values, in the field order of the control table.
enum class ControlValue {
  Month,         // VEZ:OBRMJE, accounting month
  Year,          // VEZ:GODINA, accounting year
  FirstDay,      // VEZ:DANOD
  LastDay,       // VEZ:DANDO
  PaymentYear,   // VEZ:PLAGOD
  PaymentMonth,  // VEZ:PLAMJE
  Amount7,       // VEZ:IZNOS7 .. VEZ:IZNOS11, form items 7 to 11
  Amount8,
  Amount9,
  Amount10,
  Amount11,
};
inline constexpr std::size_t kControlValueCount = 11;

// The value of form item 7..11.
ControlValue amountItem(int item);
// "OBRMJE", "GODINA", ... "IZNOS11": the field of the control table holding the value's rule.
std::string_view controlField(ControlValue value);

struct Range {
  Decimal low;
  Decimal high;
  bool contains(const Decimal& v) const { return low <= v && v <= high; }
  bool operator==(const Range&) const = default;
};

// The inclusive range a rule stands for: months 0..0, 0..12, 1..12; days 0..0, 0..31, 1..31;
// years 0..0 or 2004 to currentYear + 1; amounts 0..0, 0..999999999999999 or 0.01 upwards.
std::optional<Range> ruleRange(ControlRule rule, ControlValue value, int currentYear);

// How an amount fares against its rule.
enum class AmountVerdict {
  Unchecked,  // no rule of its own: not range-checked
  Within,
  Excepted,  // 0 under a rule above zero, accepted because the person has a positive amount
  Outside,
};

// The rules and ranges of one control-table row, evaluated on one day.
class ControlBounds {
 public:
  // No row: no value has a range.
  ControlBounds() = default;
  // From a VEZ record buffer; the years come from the clock's current year.
  ControlBounds(const Record& vez, const Clock& clock);

  ControlRule rule(ControlValue v) const { return rules_[index(v)]; }
  const std::optional<Range>& range(ControlValue v) const { return ranges_[index(v)]; }
  std::string_view ruleText(ControlValue v) const { return obrazac::ruleText(rule(v)); }

  // False only when the value has a range and lies outside it.
  bool permits(ControlValue v, const Decimal& value) const;
  bool permits(ControlValue v, std::int64_t value) const { return permits(v, Decimal(value)); }

  // An amount against its range, with the zero-amount exception: an amount of exactly 0 under
  // a range whose lower bound is above 0 passes when `elsewhere` (the person's positive amount
  // of the same item in another row) is above 0.
  AmountVerdict judgeAmount(ControlValue item, const Decimal& amount,
                            const Decimal& elsewhere) const;

 private:
  static std::size_t index(ControlValue v) { return static_cast<std::size_t>(v); }
  std::array<ControlRule, kControlValueCount> rules_{};
  std::array<std::optional<Range>, kControlValueCount> ranges_{};
};

// Reads the control-table row of a combination into the context's VEZ buffer (cleared first)
// by VEZ:KEYVOB_VOI, opening the table shared when needed. Codes are Windows-1250 as stored.
// Returns the store's error code: 0 found, 35 no row for the combination.
int findControlRow(Context& ctx, std::string_view vob, std::string_view voi, std::string_view oo);

// Amounts of form items 7 to 11, index 0 for item 7.
using ItemAmounts = std::array<Decimal, 5>;

// The zero-amount exception's memory while the rows of a file are read in order: the last
// positive amount of each item for the current insured person.
class PersonAmountMemory {
 public:
  // A new form begins: no person, nothing remembered.
  void forget();
  // Takes a row: a personal number other than the previous row's forgets the previous person's
  // amounts; then every amount of the row above 0 becomes the remembered one of its item.
  void take(std::string_view jmbg, const ItemAmounts& amounts);
  // The remembered amount of item 7..11 (0 when none).
  const Decimal& remembered(int item) const;

 private:
  std::string jmbg_;
  ItemAmounts amounts_{};
};

}  // namespace obrazac
