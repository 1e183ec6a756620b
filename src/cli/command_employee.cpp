// obrazac-cli employee: one obligor's employees and their monthly rows from a shell, with the
// rules of the monthly-data form. add and change take the given options as typed in the form's
// screen order (the tests of a field when it is left, the contributions proposed from the rates
// when the pillar amounts are not given) and then its save tests; delete removes one row; list
// prints the obligor's rows. The import of a file of rows is command_employee_import.cpp.
#include <ostream>
#include <vector>

#include "cli/register_command.h"
#include "cli/register_list.h"
#include "cli/terminal_reporter.h"
#include "register/monthly_entry.h"

namespace obrazac::cli {

int importEmployees(const Invocation& inv, Context& ctx, std::span<const std::string> args);

namespace {

const std::span<const RegisterOption> kOptions = employeeOptions();

std::string described(const Record& rad) {
  return "redak " + rad.display("JMBG") + " " + rad.display("PREZIME") + " " +
         rad.display("MJEOBRA") + "/" + rad.display("GODOBRA") + " (dani " + rad.display("ODDANA") +
         "-" + rad.display("DODANA") + "; IV.7-IV.11: " + rad.display("IZNOS7") + " " +
         rad.display("IZNOS8") + " " + rad.display("IZNOS9") + " " + rad.display("IZNOS10") + " " +
         rad.display("IZNOS11") + ")";
}

int saveChecked(const Invocation& inv, Context& ctx, RecordManager& m, const TypedFields& typed,
                EntryMode mode) {
  const SystemClock clock;
  const Position stored = mode == EntryMode::Change ? m.table().position() : Position{};
  const MonthlySaveCheck check = enterMonthlyRow(ctx, clock, m.record(), typed, mode, stored);
  if (!check.warning.empty()) inv.err << check.warning << "\n";
  if (check.failure) return refusedByCheck(inv, *check.failure, kOptions);
  const bool insert = mode == EntryMode::Insert;
  const SaveResult saved = insert ? m.insert() : m.update();
  if (!saved.ok()) return refusedByStore(inv, saved, insert ? 4 : 25);
  inv.out << (insert ? "Dodan " : "Spremljen ") << described(m.record()) << "\n";
  return 0;
}

int add(const Invocation& inv, Context& ctx, const RegisterWords& words) {
  const int employer = numberOption(words, "--employer");
  RecordManager m(ctx, "RAD");
  if (const int rc = m.open()) return failed(inv, Status::store(rc, "TBZAPOSL.DAT"));
  if (Status started = newMonthlyRow(ctx, employer, m.record()); !started.ok())
    return failed(inv, started);
  const TypedFields typed = enterTyped(m.record(), words);
  return saveChecked(inv, ctx, m, typed, EntryMode::Insert);
}

// The row that change and delete work on: the employee of the obligor by personal number and,
// where the person has several rows there, by the row's last day (--row-to). The personal
// number chooses the row and is not changed. Leaves the row in the RAD buffer, read under
// watch; returns an exit code other than 0 when there is no such single row.
int chooseRow(const Invocation& inv, Context& ctx, RegisterWords& words) {
  const int employer = numberOption(words, "--employer");
  std::string jmbg;
  for (auto it = words.typed.begin(); it != words.typed.end(); ++it) {
    if (it->first->name != "jmbg") continue;
    jmbg = it->second;
    words.typed.erase(it);
    break;
  }
  if (jmbg.empty()) throw UsageError("nedostaje --jmbg (MBG osiguranika)");
  const bool byDay = words.has("--row-to");
  const int day = byDay ? numberOption(words, "--row-to", 2) : 0;

  Table& rad = ctx.table("RAD");
  if (const int rc = rad.isOpen() ? 0 : rad.open())
    return failed(inv, Status::store(rc, "TBZAPOSL.DAT"));
  Record& r = rad.record();
  r.clear();
  r.setInteger(r.index("REDBROJ"), employer);
  if (auto error = r.assign(r.index("JMBG"), jmbg)) throw UsageError("--jmbg: " + *error);
  const std::string key = r.text(r.index("JMBG"));
  std::vector<Position> found;
  std::string days;
  if (rad.set("KEYRBRFIRME") == 0)
    while (rad.next() == 0 && r.integer(r.index("REDBROJ")) == employer &&
           r.text(r.index("JMBG")) == key) {
      if (byDay && r.integer(r.index("DODANA")) != day) continue;
      found.push_back(rad.position());
      days += (days.empty() ? "" : ", ") + r.display("DODANA");
    }
  if (found.empty()) {
    inv.err << "Obveznik " << employer << " nema zaposlenog s MBG " << jmbg
            << (byDay ? " i zadnjim danom " + std::to_string(day) : "") << "\n";
    return 1;
  }
  if (found.size() > 1)
    throw UsageError("MBG " + jmbg + " ima " + std::to_string(found.size()) +
                     " redaka (zadnji dani: " + days + "); odaberite jedan s --row-to DD");
  rad.watch();
  if (const int rc = rad.reget(found.front()))
    return failed(inv, Status::store(rc, "TBZAPOSL.DAT"));
  return 0;
}

int change(const Invocation& inv, Context& ctx, RegisterWords words) {
  if (const int rc = chooseRow(inv, ctx, words)) return rc;
  if (words.typed.empty()) throw UsageError("ništa za promijeniti");
  RecordManager m(ctx, "RAD");
  const TypedFields typed = enterTyped(m.record(), words);
  return saveChecked(inv, ctx, m, typed, EntryMode::Change);
}

int remove(const Invocation& inv, Context& ctx, RegisterWords words) {
  if (const int rc = chooseRow(inv, ctx, words)) return rc;
  if (!words.typed.empty())
    throw UsageError("delete prima samo --employer, --jmbg, --row-to i --yes");
  RecordManager m(ctx, "RAD");
  const std::string row = described(m.record());
  TerminalReporter terminal(inv.err, inv.in, words.has("--yes"));
  if (terminal.ask("Obrisati " + row + "?") != Answer::Yes) {
    inv.err << "Ništa nije obrisano.\n";
    return 1;
  }
  const SaveResult deleted = m.remove();
  if (!deleted.ok()) return refusedByStore(inv, deleted, 11);
  inv.out << "Obrisan " << row << "\n";
  return 0;
}

// The obligor's rows in the order of a tab of the obligor window: personal number and last day
// (jmbg, the default) or surname and name (name).
int list(const Invocation& inv, Context& ctx, const RegisterWords& words) {
  const int employer = numberOption(words, "--employer");
  const std::string order = words.has("--order") ? words.extra.at("--order") : "jmbg";
  if (order != "jmbg" && order != "name") throw UsageError("--order: jmbg ili name");
  const OutputFormat format = outputFormat(words.extra);
  Table& t = ctx.table("RAD");
  if (const int rc = t.open(AccessMode::ReadOnly))
    return failed(inv, Status::store(rc, "TBZAPOSL.DAT"));
  Record& r = t.record();
  const int number = r.index("REDBROJ");
  r.clear();
  r.setInteger(number, employer);
  const int rc = t.set(order == "jmbg" ? "KEYRBRFIRME" : "KEYPREZIME");
  if (rc) return failed(inv, Status::store(rc, "TBZAPOSL.DAT"));
  std::vector<Record> rows;
  while (t.next() == 0) {
    if (r.integer(number) == employer) rows.push_back(r);
    if (order == "jmbg" && r.integer(number) != employer) break;
  }
  if (t.error() != 0 && t.error() != err::kRecordNotAvailable)
    return failed(inv, Status::store(t.error(), "TBZAPOSL.DAT"));
  writeRegisterList(inv.out, format, kOptions, rows);
  return 0;
}

}  // namespace

int runEmployee(const Invocation& inv) {
  const std::string& action = requireArg(inv, 0, "radnja (add, change, delete, list, import)");
  const auto rest = inv.args.subspan(1);
  Context ctx(inv.workDir);
  if (action == "add") return add(inv, ctx, parseRegisterWords(rest, kOptions, {"--employer"}));
  if (action == "change")
    return change(inv, ctx, parseRegisterWords(rest, kOptions, {"--employer", "--row-to"}));
  if (action == "delete")
    return remove(inv, ctx,
                  parseRegisterWords(rest, kOptions, {"--employer", "--row-to"}, {"--yes"}));
  if (action == "list")
    return list(inv, ctx, parseRegisterWords(rest, {}, {"--employer", "--order", "--format"}));
  if (action == "import") return importEmployees(inv, ctx, rest);
  throw UsageError("nepoznata radnja '" + action + "' (add, change, delete, list, import)");
}

}  // namespace obrazac::cli
