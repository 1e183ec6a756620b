// obrazac-cli obligor: the obligors of the register from a shell, with the rules of the obligor
// form. add and change run the form's save tests in their order and print its messages; a new
// obligor starts as the form starts it and is offered the next running number; delete takes the
// obligor's employees with it through the relation manager; list prints the obligors in the
// order of their running numbers.
#include <ostream>
#include <vector>

#include "cli/register_command.h"
#include "cli/register_list.h"
#include "cli/terminal_reporter.h"
#include "register/obligor_checks.h"
#include "register/obligor_lookup.h"
#include "register/running_number.h"

namespace obrazac::cli {
namespace {

const std::span<const RegisterOption> kOptions = obligorOptions();

std::string described(const Record& pos) {
  return "obveznik " + pos.display("REDBROJ") + " (" + pos.display("NAZIV") + ")";
}

// The running number that chooses the obligor of change and delete; it is not changed.
int chosenNumber(RegisterWords& words) {
  for (auto it = words.typed.begin(); it != words.typed.end(); ++it) {
    if (it->first->name != "number") continue;
    words.extra["--number"] = it->second;
    words.typed.erase(it);
    return numberOption(words, "--number");
  }
  throw UsageError("nedostaje --number (redni broj obveznika)");
}

int saveChecked(const Invocation& inv, Context& ctx, RecordManager& m, bool insert) {
  if (const CheckResult refused = checkObligorSave(ctx, m.record()))
    return refusedByCheck(inv, *refused, kOptions);
  const SaveResult saved = insert ? m.insert() : m.update();
  if (!saved.ok()) return refusedByStore(inv, saved, insert ? 4 : 25);
  inv.out << (insert ? "Dodan " : "Spremljen ") << described(m.record()) << "\n";
  return 0;
}

int add(const Invocation& inv, Context& ctx, const RegisterWords& words) {
  RecordManager m(ctx, "POS");
  if (const int rc = m.open()) return failed(inv, Status::store(rc, "TBPOSLOD.DAT"));
  Record& pos = m.record();
  pos.clear();
  pos.setText(pos.index("JMBG"), "0000000000000");
  pos.setText(pos.index("MB02"), "0000");
  pos.setInteger(pos.index("REDBROJ"), nextRunningNumber(m.table()));
  enterTyped(pos, words);
  return saveChecked(inv, ctx, m, true);
}

int change(const Invocation& inv, Context& ctx, RegisterWords words) {
  const int number = chosenNumber(words);
  if (words.typed.empty()) throw UsageError("ništa za promijeniti");
  RecordManager m(ctx, "POS");
  m.table().watch();
  if (Status read = readObligor(ctx, number); !read.ok()) return failed(inv, read);
  enterTyped(m.record(), words);
  return saveChecked(inv, ctx, m, false);
}

// The employee rows of obligor `number`, counted for the question before the delete.
int employeeRows(Context& ctx, int number) {
  Table& rad = ctx.table("RAD");
  if (!rad.isOpen() && rad.open(AccessMode::ReadOnly) != 0) return 0;
  Record& r = rad.record();
  r.clear();
  r.setInteger(r.index("REDBROJ"), number);
  int rows = 0;
  if (rad.set("KEYRBRFIRME") == 0)
    while (rad.next() == 0 && r.integer(r.index("REDBROJ")) == number) ++rows;
  rad.close();  // the delete's transaction must not wait on this reader
  return rows;
}

int remove(const Invocation& inv, Context& ctx, RegisterWords words) {
  const int number = chosenNumber(words);
  if (!words.typed.empty()) throw UsageError("delete prima samo --number i --yes");
  RecordManager m(ctx, "POS");
  if (Status read = readObligor(ctx, number); !read.ok()) return failed(inv, read);
  const std::string who = described(m.record());
  const int rows = employeeRows(ctx, number);
  TerminalReporter terminal(inv.err, inv.in, words.has("--yes"));
  const std::string question = "Obrisati obveznika " + m.record().display("REDBROJ") + " (" +
                               m.record().display("NAZIV") +
                               ") i njegove zaposlene (redaka: " + std::to_string(rows) + ")?";
  if (terminal.ask(question) != Answer::Yes) {
    inv.err << "Ništa nije obrisano.\n";
    return 1;
  }
  const SaveResult deleted = m.remove();
  if (!deleted.ok()) return refusedByStore(inv, deleted, 11);
  inv.out << "Obrisan " << who << " i njegovi zaposleni (redaka: " << rows << ")\n";
  return 0;
}

int list(const Invocation& inv, Context& ctx, const RegisterWords& words) {
  if (!words.typed.empty()) throw UsageError("list prima samo --format");
  Table& t = ctx.table("POS");
  if (const int rc = t.open(AccessMode::ReadOnly))
    return failed(inv, Status::store(rc, "TBPOSLOD.DAT"));
  std::vector<Record> rows;
  t.clear();
  if (const int rc = t.set("KEYREDBROJ")) return failed(inv, Status::store(rc, "TBPOSLOD.DAT"));
  while (t.next() == 0) rows.push_back(t.record());
  if (t.error() != err::kRecordNotAvailable)
    return failed(inv, Status::store(t.error(), "TBPOSLOD.DAT"));
  writeRegisterList(inv.out, outputFormat(words.extra), kOptions, rows);
  return 0;
}

}  // namespace

int runObligor(const Invocation& inv) {
  const std::string& action = requireArg(inv, 0, "radnja (add, change, delete, list)");
  const auto rest = inv.args.subspan(1);
  Context ctx(inv.workDir);
  if (action == "add") return add(inv, ctx, parseRegisterWords(rest, kOptions, {}));
  if (action == "change") return change(inv, ctx, parseRegisterWords(rest, kOptions, {}));
  if (action == "delete")
    return remove(inv, ctx, parseRegisterWords(rest, kOptions, {}, {"--yes"}));
  if (action == "list") return list(inv, ctx, parseRegisterWords(rest, {}, {"--format"}));
  throw UsageError("nepoznata radnja '" + action + "' (add, change, delete, list)");
}

}  // namespace obrazac::cli
