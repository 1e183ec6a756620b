// obrazac-cli archive: the archive of produced submission files. list shows the files made in
// the working folder (every version), show one of them with its forms, verify says whether a
// file (from a removable disk, a mail) is byte for byte one that was made here, and restore
// copies an archived file out again.
#include <ostream>

#include "cli/cli_reporter.h"
#include "cli/register_command.h"
#include "cli/table_output.h"
#include "data/codepage.h"
#include "data/picture.h"
#include "submission/archive.h"

namespace obrazac::cli {
namespace {

using submission::ArchiveEntry;

std::string obligorsOf(const ArchiveEntry& e) {
  std::string text;
  for (const auto& f : e.forms) text += (text.empty() ? "" : ",") + std::to_string(f.employer);
  return text;
}

std::string formsOf(const ArchiveEntry& e) {
  std::string text;
  for (const auto& f : e.forms) text += (text.empty() ? "" : ",") + utf8FromCp1250(f.identifier);
  return text;
}

ArchiveEntry entryOption(const Invocation& inv, Context& ctx, std::int64_t& id) {
  RegisterWords words;
  words.extra["ID"] = requireArg(inv, 1, "ID arhivirane datoteke");
  id = numberOption(words, "ID", 9);
  auto found = submission::findArchiveEntry(ctx, id);
  if (!found.status.ok()) {
    id = -1;
    inv.err << found.status.text() << "\n";
  }
  return found.entry;
}

int list(const Invocation& inv, Context& ctx) {
  RegisterWords words;
  words.extra = parseOptions(inv.args.subspan(1), {"--employer", "--year", "--month", "--format"});
  const OutputFormat format = outputFormat(words.extra);
  submission::ArchiveFilter filter;
  if (words.has("--employer")) filter.employer = numberOption(words, "--employer", 5);
  if (words.has("--year")) filter.year = numberOption(words, "--year", 4);
  if (words.has("--month")) filter.month = numberOption(words, "--month", 2);
  const auto archive = submission::readArchive(ctx, filter);
  if (!archive.status.ok()) return failed(inv, archive.status);

  static constexpr OutputColumn kColumns[] = {
      {"id", "ID", CellKind::Number},
      {"file", "Datoteka"},
      {"version", "Verzija", CellKind::Number},
      {"kind", "Vrsta"},
      {"obligors", "Obveznici"},
      {"forms", "Obrasci"},
      {"period", "Razdoblje"},
      {"type", "VOI"},
      {"sent", "Poslano"},
      {"control_number", "Kontrolni broj"},
      {"size", "Veličina", CellKind::Number},
      {"made", "Izrađeno"},
      {"station", "Računalo"},
  };
  std::vector<OutputRow> rows;
  for (const ArchiveEntry& e : archive.entries)
    rows.push_back({std::to_string(e.id), e.fileName, std::to_string(e.version),
                    submission::archiveKindText(e.kind), obligorsOf(e), formsOf(e),
                    submission::periodText(e.year(), e.month()),
                    e.forms.empty() ? "" : utf8FromCp1250(e.forms.front().paymentType),
                    formatDate(e.sent, "D6."), e.controlNumber, std::to_string(e.size), e.madeAt,
                    e.station});
  writeRows(inv.out, format, kColumns, rows);
  return 0;
}

int show(const Invocation& inv, Context& ctx) {
  requireArgCount(inv, 2, 2);
  std::int64_t id = 0;
  const ArchiveEntry e = entryOption(inv, ctx, id);
  if (id < 0) return 1;
  for (const auto& line : submission::entryDetails(e, ctx.workDir())) inv.out << line << "\n";
  return 0;
}

int verify(const Invocation& inv, Context& ctx) {
  requireArgCount(inv, 2, 2);
  const std::filesystem::path file = inv.args[1];
  const auto verdict = submission::verifyAgainstArchive(ctx, file);
  if (!verdict.status.ok()) {
    inv.err << verdict.status.text() << "\n";
    return 2;
  }
  for (const auto& line : submission::verdictLines(verdict, file)) inv.out << line << "\n";
  return verdict.match ? 0 : 1;
}

int restore(const Invocation& inv, Context& ctx) {
  requireArg(inv, 1, "ID arhivirane datoteke");
  const auto o = parseOptions(inv.args.subspan(2), {"--to"});
  if (!o.contains("--to")) throw UsageError("nedostaje --to");
  std::int64_t id = 0;
  const ArchiveEntry e = entryOption(inv, ctx, id);
  if (id < 0) return 1;
  const std::filesystem::path target = o.at("--to");
  if (const std::string why = submission::restoreArchived(ctx.workDir(), e, target); !why.empty()) {
    inv.err << "Greška kod vraćanja datoteke " << e.fileName << ": " << why << "\n";
    return 1;
  }
  inv.out << "Vraćena je " << submission::describedEntry(e) << " u " << target.string() << "\n";
  return 0;
}

}  // namespace

int runArchive(const Invocation& inv) {
  const std::string& action = requireArg(inv, 0, "radnja (list, show, verify, restore)");
  Context ctx(inv.workDir);
  if (action == "list") return list(inv, ctx);
  if (action == "show") return show(inv, ctx);
  if (action == "verify") return verify(inv, ctx);
  if (action == "restore") return restore(inv, ctx);
  throw UsageError("nepoznata radnja '" + action + "' (list, show, verify, restore)");
}

}  // namespace obrazac::cli
