// obrazac-cli table: any table of the data dictionary from a shell, for support and scripting.
// Lists in key or insertion order, counts, adds through the record manager (auto-numbering, field
// rules, duplicate keys) and deletes through the relation manager (delete rules apply).
#include <ostream>
#include <vector>

#include "cli/command.h"
#include "cli/record_text.h"
#include "cli/register_command.h"
#include "data/dictionary.h"
#include "data/record_manager.h"
#include "data/status.h"

namespace obrazac::cli {
namespace {

const TableDecl& tableNamed(const std::string& name) {
  if (const TableDecl* t = tableByFile(name)) return *t;
  if (const TableDecl* t = tableByPrefix(name)) return *t;
  throw UsageError("nepoznata tablica '" + name + "' (ime datoteke, npr. TBPOSLOD.DAT)");
}

int storeError(const Invocation& inv, const Table& t, int code) {
  inv.err << Status::store(code, t.decl().file).text() << "\n";
  return 1;
}

struct Options {
  std::string key;
  std::vector<std::string> fields;
};

// --key NAME and FIELD=VALUE words after the action.
Options parseOptions(const Invocation& inv, std::size_t from, bool allowFrom) {
  Options o;
  for (std::size_t i = from; i < inv.args.size(); ++i) {
    const std::string& w = inv.args[i];
    if (w == "--key") {
      o.key = requireArg(inv, ++i, "ime ključa iza --key");
    } else if (w == "--from" && allowFrom) {
      o.fields.push_back(requireArg(inv, ++i, "POLJE=VRIJEDNOST iza --from"));
    } else if (!allowFrom && w.find('=') != std::string::npos) {
      o.fields.push_back(w);
    } else {
      throw UsageError("nepoznat argument '" + w + "'");
    }
  }
  return o;
}

int keyIndexOf(const TableDecl& t, const std::string& key) {
  const int k = t.findKey(key);
  if (k < 0) throw UsageError("tablica " + t.file + " nema ključ '" + key + "'");
  return k;
}

int list(const Invocation& inv, Table& t) {
  const Options o = parseOptions(inv, 2, true);
  if (!o.fields.empty() && o.key.empty()) throw UsageError("--from traži --key");
  if (const int rc = t.open(AccessMode::ReadOnly)) return storeError(inv, t, rc);
  t.clear();
  assignFields(t.record(), o.fields);
  const int rc = o.key.empty() ? t.setPhysical() : t.set(keyIndexOf(t.decl(), o.key));
  if (rc) return storeError(inv, t, rc);
  while (t.next() == 0) inv.out << recordLine(t.record()) << "\n";
  if (t.error() != err::kRecordNotAvailable) return storeError(inv, t, t.error());
  return 0;
}

int count(const Invocation& inv, Table& t) {
  requireArgCount(inv, 2, 2);
  if (const int rc = t.open(AccessMode::ReadOnly)) return storeError(inv, t, rc);
  const auto n = t.records();
  if (t.error()) return storeError(inv, t, t.error());
  inv.out << n << "\n";
  return 0;
}

int add(const Invocation& inv, Context& ctx, const TableDecl& decl) {
  const Options o = parseOptions(inv, 2, false);
  if (!o.key.empty()) throw UsageError("add ne prima --key");
  RecordManager m(ctx, decl.prefix);
  if (const int rc = m.open()) return storeError(inv, m.table(), rc);
  m.record().clear();
  assignFields(m.record(), o.fields);
  const SaveResult r = m.insert();
  if (!r.ok()) return refusedByStore(inv, r, 4);
  inv.out << "Dodano: " << recordLine(m.record()) << "\n";
  return 0;
}

int remove(const Invocation& inv, Context& ctx, const TableDecl& decl) {
  const Options o = parseOptions(inv, 2, false);
  if (o.key.empty()) throw UsageError("delete traži --key KLJUČ");
  const int key = keyIndexOf(decl, o.key);
  RecordManager m(ctx, decl.prefix);
  if (const int rc = m.open()) return storeError(inv, m.table(), rc);
  m.record().clear();
  assignFields(m.record(), o.fields);
  if (const int rc = m.table().get(key)) return storeError(inv, m.table(), rc);
  const std::string shown = recordLine(m.record());
  const SaveResult r = m.remove();
  if (!r.ok()) return refusedByStore(inv, r, 11);
  inv.out << "Obrisano: " << shown << "\n";
  return 0;
}

}  // namespace

int runTable(const Invocation& inv) {
  const TableDecl& decl = tableNamed(requireArg(inv, 0, "tablica"));
  const std::string& action = requireArg(inv, 1, "radnja (list, count, add, delete)");
  Context ctx(inv.workDir);
  Table& t = ctx.table(decl.prefix);
  if (action == "list") return list(inv, t);
  if (action == "count") return count(inv, t);
  if (action == "add") return add(inv, ctx, decl);
  if (action == "delete") return remove(inv, ctx, decl);
  throw UsageError("nepoznata radnja '" + action + "' (list, count, add, delete)");
}

}  // namespace obrazac::cli
