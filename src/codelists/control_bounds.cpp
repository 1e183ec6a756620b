#include "codelists/control_bounds.h"

#include <stdexcept>

#include "data/fixed_width.h"

namespace obrazac {
namespace {

constexpr std::array<std::string_view, kControlValueCount> kFields = {
    "OBRMJE", "GODINA", "DANOD",  "DANDO",   "PLAGOD", "PLAMJE",
    "IZNOS7", "IZNOS8", "IZNOS9", "IZNOS10", "IZNOS11"};

constexpr std::int64_t kFirstYear = 2004;
constexpr std::int64_t kLargestAmount = 999'999'999'999'999;

enum class Kind { Month, Year, Day, Amount };

Kind kindOf(ControlValue v) {
  switch (v) {
    case ControlValue::Month:
    case ControlValue::PaymentMonth:
      return Kind::Month;
    case ControlValue::Year:
    case ControlValue::PaymentYear:
      return Kind::Year;
    case ControlValue::FirstDay:
    case ControlValue::LastDay:
      return Kind::Day;
    default:
      return Kind::Amount;
  }
}

Range whole(std::int64_t low, std::int64_t high) {
  return {Decimal(low), Decimal(high)};
}

const Decimal kOneCent = Decimal::fromUnits(1, 2);

}  // namespace

ControlRule parseControlRule(std::string_view field) {
  const std::string_view rule = clipRight(field);
  if (rule == "= 0") return ControlRule::Zero;
  if (rule == ">=0") return ControlRule::ZeroOrMore;
  if (rule == ">0") return ControlRule::Positive;
  return ControlRule::None;
}

std::string_view ruleText(ControlRule rule) {
  switch (rule) {
    case ControlRule::Zero:
      return "= 0";
    case ControlRule::ZeroOrMore:
      return ">=0";
    case ControlRule::Positive:
      return ">0";
    case ControlRule::None:
      break;
  }
  return {};
}

ControlValue amountItem(int item) {
  if (item < 7 || item > 11) throw std::invalid_argument("stavka iznosa mora biti 7 do 11");
  return static_cast<ControlValue>(static_cast<int>(ControlValue::Amount7) + item - 7);
}

std::string_view controlField(ControlValue value) {
  return kFields[static_cast<std::size_t>(value)];
}

std::optional<Range> ruleRange(ControlRule rule, ControlValue value, int currentYear) {
  if (rule == ControlRule::None) return std::nullopt;
  if (rule == ControlRule::Zero) return whole(0, 0);
  const bool positive = rule == ControlRule::Positive;
  switch (kindOf(value)) {
    case Kind::Month:
      return whole(positive ? 1 : 0, 12);
    case Kind::Day:
      return whole(positive ? 1 : 0, 31);
    case Kind::Year:
      return whole(kFirstYear, std::int64_t{currentYear} + 1);
    case Kind::Amount:
      return Range{positive ? kOneCent : Decimal(0), Decimal(kLargestAmount)};
  }
  return std::nullopt;
}

ControlBounds::ControlBounds(const Record& vez, const Clock& clock) {
  const int year = clock.currentYear();
  for (std::size_t i = 0; i < kControlValueCount; ++i) {
    const auto value = static_cast<ControlValue>(i);
    rules_[i] = parseControlRule(vez.text(vez.index(kFields[i])));
    ranges_[i] = ruleRange(rules_[i], value, year);
  }
}

bool ControlBounds::permits(ControlValue v, const Decimal& value) const {
  const auto& r = range(v);
  return !r || r->contains(value);
}

AmountVerdict ControlBounds::judgeAmount(ControlValue item, const Decimal& amount,
                                         const Decimal& elsewhere) const {
  const auto& r = range(item);
  if (!r) return AmountVerdict::Unchecked;
  if (r->contains(amount)) return AmountVerdict::Within;
  if (r->low.sign() > 0 && amount.isZero() && elsewhere.sign() > 0) return AmountVerdict::Excepted;
  return AmountVerdict::Outside;
}

int findControlRow(Context& ctx, std::string_view vob, std::string_view voi, std::string_view oo) {
  Table& vez = ctx.table("VEZ");
  if (!vez.isOpen()) {
    if (const int rc = vez.open()) return rc;
  }
  Record& r = vez.record();
  r.clear();
  r.setText(r.index("VOB"), vob);
  r.setText(r.index("VOI"), voi);
  r.setText(r.index("OO"), oo);
  return vez.get("KEYVOB_VOI");
}

void PersonAmountMemory::forget() {
  jmbg_.clear();
  amounts_ = {};
}

void PersonAmountMemory::take(std::string_view jmbg, const ItemAmounts& amounts) {
  jmbg = clipRight(jmbg);
  if (jmbg != jmbg_) {
    jmbg_ = jmbg;
    amounts_ = {};
  }
  for (std::size_t i = 0; i < amounts.size(); ++i)
    if (amounts[i].sign() > 0) amounts_[i] = amounts[i];
}

const Decimal& PersonAmountMemory::remembered(int item) const {
  if (item < 7 || item > 11) throw std::invalid_argument("stavka iznosa mora biti 7 do 11");
  return amounts_[static_cast<std::size_t>(item - 7)];
}

}  // namespace obrazac
