#include "register/monthly_entry.h"

#include <array>
#include <string_view>

#include "register/obligor_lookup.h"

namespace obrazac {
namespace {

// The fields a proposed contribution is computed from: the rates' key and the base.
constexpr std::array<std::string_view, 6> kProposalInputs = {"VRSTAUPLA", "VRSOBV", "OSNOVA1",
                                                             "OSNOVA3",   "CLANDN", "IZNOS8"};

// The focus passes a pillar amount as the form's user tabs through it: the pillar's rates are
// copied into the row and the contribution proposed, and an amount the user typed then stands
// over the proposal. On a change the focus passes only an amount typed or computed from a value
// that was typed.
void passAmount(Context& ctx, Record& rad, const TypedFields& typed, EntryMode mode,
                Pillar pillar) {
  const std::string_view amount = pillar == Pillar::First ? "IZNOS9" : "IZNOS10";
  const bool typedAmount = typed.contains(amount);
  bool passes = mode == EntryMode::Insert || typedAmount;
  for (const auto input : kProposalInputs) passes = passes || typed.contains(input);
  if (!passes) return;
  const int field = rad.index(amount);
  const Decimal kept = rad.decimal(field);
  proposeContribution(ctx, rad, pillar);
  if (typedAmount) rad.setDecimal(field, kept);
}

// The fields with a test of their own, in screen order.
struct LeftField {
  std::string_view name;
  MonthlyField check;
};
constexpr std::array<LeftField, 5> kLeftBeforeAmounts = {{{"JMBG", MonthlyField::Jmbg},
                                                          {"GODOBRA", MonthlyField::Year},
                                                          {"MJEOBRA", MonthlyField::Month},
                                                          {"ODDANA", MonthlyField::FirstDay},
                                                          {"DODANA", MonthlyField::LastDay}}};

}  // namespace

Status newMonthlyRow(Context& ctx, int employer, Record& rad) {
  rad.clear();
  if (Status read = readObligor(ctx, employer); !read.ok()) return read;
  const Record& pos = ctx.table("POS").record();
  rad.setInteger(rad.index("REDBROJ"), employer);
  rad.setText(rad.index("VRSOBV"), pos.text(pos.index("VRSTOBVEZNIKA")));
  return {};
}

MonthlySaveCheck enterMonthlyRow(Context& ctx, const Clock& clock, Record& rad,
                                 const TypedFields& typed, EntryMode mode, Position stored,
                                 const ItemAmounts& unsaved) {
  for (const auto& field : kLeftBeforeAmounts) {
    if (!typed.contains(field.name)) continue;
    if (auto failure = checkMonthlyField(field.check, rad)) return {{}, std::move(failure)};
  }
  passAmount(ctx, rad, typed, mode, Pillar::First);
  passAmount(ctx, rad, typed, mode, Pillar::Second);
  if (typed.contains("IZNOS10"))
    if (auto failure = checkMonthlyField(MonthlyField::SecondPillar, rad))
      return {{}, std::move(failure)};
  return checkMonthlySave(ctx, clock, rad, stored, unsaved);
}

}  // namespace obrazac
