#include "register/employee_import.h"

#include <map>
#include <tuple>

#include "data/record_manager.h"

namespace obrazac {
namespace {

Decimal amountOf(const Record& rad, int item) {
  return rad.decimal(rad.index("IZNOS" + std::to_string(item)));
}

// For each row, the positive amounts of items 7 to 11 in the other rows of the batch for the
// same person, year and month.
std::vector<ItemAmounts> batchAmounts(const std::vector<ImportRow>& rows) {
  using Month = std::tuple<std::string, std::int64_t, std::int64_t>;
  std::map<Month, std::vector<std::size_t>> byMonth;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Record& r = rows[i].rad;
    byMonth[{r.text(r.index("JMBG")), r.integer(r.index("GODOBRA")), r.integer(r.index("MJEOBRA"))}]
        .push_back(i);
  }
  std::vector<ItemAmounts> out(rows.size());
  for (const auto& [month, members] : byMonth)
    for (const std::size_t self : members)
      for (const std::size_t other : members) {
        if (other == self) continue;
        for (int item = 7; item <= 11; ++item) {
          const Decimal a = amountOf(rows[other].rad, item);
          if (a.sign() > 0) out[self][static_cast<std::size_t>(item - 7)] = a;
        }
      }
  return out;
}

Status store(Context& ctx, std::vector<ImportRow>& rows) {
  ctx.table("RAD1").close();  // the checks' reader of the person's other rows holds no lock now
  RecordManager m(ctx, "RAD");
  if (const int rc = m.open()) return Status::store(rc, "TBZAPOSL.DAT");
  Table& t = m.table();
  if (const int rc = t.begin()) return Status::store(rc, "TBZAPOSL.DAT");
  for (const auto& row : rows) {
    m.record() = row.rad;
    const SaveResult saved = m.insert();
    if (!saved.ok()) {
      t.rollback();
      return saved.status.ok() ? Status::store(err::kFileSystemError, "TBZAPOSL.DAT")
                               : saved.status;
    }
  }
  if (const int rc = t.commit()) {
    t.rollback();
    return Status::store(rc, "TBZAPOSL.DAT", t.driverError());
  }
  return {};
}

}  // namespace

ImportOutcome importMonthlyRows(Context& ctx, const Clock& clock, std::vector<ImportRow>& rows) {
  ImportOutcome out;
  const std::vector<ItemAmounts> unsaved = batchAmounts(rows);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ImportRow& row = rows[i];
    if (row.unreadable) {
      out.refusals.push_back({row.line, *row.unreadable});
      continue;
    }
    const MonthlySaveCheck check =
        enterMonthlyRow(ctx, clock, row.rad, row.typed, EntryMode::Insert, {}, unsaved[i]);
    if (!check.warning.empty()) out.warnings.push_back({row.line, {check.warning, ""}});
    if (check.failure) out.refusals.push_back({row.line, *check.failure});
  }
  if (!out.refusals.empty()) return out;
  out.status = store(ctx, rows);
  if (out.status.ok()) out.saved = static_cast<int>(rows.size());
  return out;
}

}  // namespace obrazac
