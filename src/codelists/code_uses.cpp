#include "codelists/code_uses.h"

#include "data/codepage.h"
#include "data/fixed_width.h"

namespace obrazac {
namespace {

struct Holder {
  std::string_view codeList, table, field, rows;
};

constexpr Holder kHolders[] = {
    {"VOB", "POS", "VRSTOBVEZNIKA", "obveznika"},
    {"VOB", "RAD", "VRSOBV", "zaposlenika"},
    {"VOB", "STO1", "VRSTAOBVEZNIKA", "stopa doprinosa"},
    {"VOB", "VEZ", "VOB", "redaka kontrolne tablice"},
    {"VUP", "RAD", "VRSTAUPLA", "zaposlenika"},
    {"VUP", "STO1", "VRSTOBRACUNA", "stopa doprinosa"},
    {"VUP", "VEZ", "VOI", "redaka kontrolne tablice"},
    {"TBO", "RAD", "OSNOVA1", "zaposlenika"},
    {"TBO", "STO1", "OSNOVOBRA", "stopa doprinosa"},
    {"TBO", "VEZ", "OO", "redaka kontrolne tablice"},
    {"STA", "RAD", "OSNOVA3", "zaposlenika"},
    {"STA", "STO1", "STAZ", "stopa doprinosa"},
};

// Rows of the table whose field holds the code, read in physical order. A table this count
// opened is closed again, so a later run can take it for itself.
std::int64_t rowsHolding(Context& ctx, const Holder& h, std::string_view code) {
  Table& t = ctx.table(h.table);
  const bool opened = !t.isOpen();
  if (opened && t.open(AccessMode::ReadOnly) != 0) return 0;
  std::int64_t count = 0;
  const Record& r = t.record();
  const int field = r.index(h.field);
  if (t.setPhysical() == 0)
    while (t.next() == 0)
      if (clipRight(r.text(field)) == code) ++count;
  if (opened) t.close();
  return count;
}

}  // namespace

std::vector<CodeUse> codeUses(Context& ctx, std::string_view prefix, std::string_view code) {
  std::vector<CodeUse> uses;
  const std::string_view wanted = clipRight(code);
  for (const Holder& h : kHolders) {
    if (h.codeList != prefix) continue;
    if (const std::int64_t n = rowsHolding(ctx, h, wanted)) uses.push_back({h.rows, n});
  }
  return uses;
}

std::string codeInUseQuestion(std::string_view code, const std::vector<CodeUse>& uses) {
  if (uses.empty()) return {};
  std::int64_t total = 0;
  std::string parts;
  for (const CodeUse& u : uses) {
    total += u.count;
    if (!parts.empty()) parts += ", ";
    parts += std::string(u.rows) + ": " + std::to_string(u.count);
  }
  return "Šifru " + utf8FromCp1250(clipRight(code)) + " koristi " + std::to_string(total) +
         (total % 10 >= 2 && total % 10 <= 4 && (total % 100 < 12 || total % 100 > 14) ? " retka"
          : total % 10 == 1 && total % 100 != 11                                       ? " redak"
                                                 : " redaka") +
         " (" + parts +
         "). Ti redovi zadržavaju šifru koje više neće biti u šifarniku. Obrisati je ipak?";
}

}  // namespace obrazac
