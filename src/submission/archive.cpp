#include "submission/archive.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "data/codepage.h"
#include "data/file_replace.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "data/store_error.h"
#include "submission/control_number.h"
#include "submission/output_files.h"

namespace obrazac::submission {
namespace fs = std::filesystem;

namespace {

constexpr const char* kFiles = "ARH";
constexpr const char* kForms = "ARO";

std::string trimmed(const std::string& cp1250) {
  return std::string(clipRight(cp1250));
}

std::string timeText(const Clock& clock) {
  const CivilDate d = clock.today().civil();
  const TimeOfDay t = clock.now();
  const int seconds = t.value() > 0 ? (t.value() - 1) / 100 % 60 : 0;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %02d:%02d:%02d", d.day, d.month, d.year, t.hours(),
                t.minutes(), seconds);
  return buf;
}

// The tables open for the reading of the archive; a missing file is an empty archive.
Status openForReading(Context& ctx) {
  for (const char* prefix : {kFiles, kForms}) {
    Table& t = ctx.table(prefix);
    if (t.isOpen()) continue;
    if (const int rc = t.open(AccessMode::DenyNone))
      return Status::store(rc, "arhiva poslanih datoteka (" + t.file().filename().string() + ")");
  }
  return {};
}

ArchiveEntry entryOf(const Record& r) {
  ArchiveEntry e;
  auto text = [&](const char* name) { return r.display(r.index(name)); };
  auto number = [&](const char* name) { return r.integer(r.index(name)); };
  e.id = number("ID");
  e.kind = static_cast<ArchiveKind>(r.text(r.index("VRSTA")).front());
  e.fileName = text("IMEFILE");
  e.folder = text("IZLAZDIR");
  e.sent = Date(static_cast<std::int32_t>(number("DATSLANJA")));
  e.controlNumber = text("KONZNAK");
  e.size = number("VELICINA");
  e.madeAt = text("VRIJEME");
  e.station = text("STANICA");
  e.version = static_cast<int>(number("VERZIJA"));
  return e;
}

ArchivedForm formOf(const Record& r) {
  return {static_cast<int>(r.integer(r.index("FIRMA"))),
          trimmed(r.text(r.index("IMEFIRME"))),
          trimmed(r.text(r.index("IDENTIFIKATOR"))),
          trimmed(r.text(r.index("KONVEZA"))),
          static_cast<int>(r.integer(r.index("OBRGOD"))),
          static_cast<int>(r.integer(r.index("OBRMJE"))),
          trimmed(r.text(r.index("VRSUPL")))};
}

// The forms of the entry in the ARH buffer.
void readForms(Context& ctx, ArchiveEntry& e) {
  Table& forms = ctx.table(kForms);
  Record& f = forms.record();
  f.clear();
  f.setInteger(f.index("ID"), e.id);
  forms.set("KEYID");
  while (forms.next() == 0 && f.integer(f.index("ID")) == e.id) e.forms.push_back(formOf(f));
}

// The highest number given so far.
std::int64_t highestId(Table& files) {
  files.clear();
  if (files.setLast("KEYID") != 0 || files.previous() != 0) return 0;
  return files.record().integer(files.record().index("ID"));
}

// The entries of one file name, in the order they were made; the buffer is left cleared.
template <typename Each>
void forEachOfName(Table& files, std::string_view nameUtf8, Each each) {
  Record& r = files.record();
  const int name = r.index("IMEFILE");
  r.clear();
  r.setTextFromUtf8(name, nameUtf8);
  const std::string wanted = r.text(name);
  files.set("KEYIMEFILE");
  while (files.next() == 0 && r.text(name) == wanted) each(r);
  r.clear();
}

bool sameBytes(const fs::path& a, const fs::path& b) {
  std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
  if (!fa || !fb) return false;
  return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                    std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

}  // namespace

std::string stationName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

const char* archiveKindText(ArchiveKind kind) {
  switch (kind) {
    case ArchiveKind::Single:
      return "pojedinačna";
    case ArchiveKind::Collective:
      return "zbirna";
    case ArchiveKind::TakenOver:
      return "preuzeti podaci";
  }
  return "";
}

fs::path archiveFolder(const fs::path& workDir) {
  return workDir / "ARHIVA";
}

fs::path archivedCopyOf(const fs::path& workDir, const ArchiveEntry& entry) {
  char number[16];
  std::snprintf(number, sizeof number, "%06lld", static_cast<long long>(entry.id));
  return archiveFolder(workDir) / (std::string(number) + "-" + entry.fileName);
}

std::string addArchiveEntry(Context& ctx, ArchiveEntry& entry, const fs::path& made,
                            const Clock& clock) {
  Table& files = ctx.table(kFiles);
  Table& forms = ctx.table(kForms);
  for (Table* t : {&files, &forms}) {
    t->close();
    if (t->open() != 0) return t->file().filename().string() + ": " + std::string(t->errorText());
  }
  std::error_code ec;
  const auto size = fs::file_size(made, ec);
  if (ec) return made.string() + ": " + ec.message();
  entry.id = highestId(files) + 1;
  entry.version = 1;
  forEachOfName(files, entry.fileName, [&](const Record&) { ++entry.version; });
  entry.size = static_cast<std::int64_t>(size);
  entry.madeAt = timeText(clock);
  entry.station = stationName();

  Record& r = files.record();
  r.clear();
  r.setInteger(r.index("ID"), entry.id);
  r.setTextFromUtf8(r.index("IMEFILE"), entry.fileName);
  r.setTextFromUtf8(r.index("IZLAZDIR"), entry.folder);
  r.setText(r.index("VRSTA"), std::string(1, static_cast<char>(entry.kind)));
  r.setInteger(r.index("OBRGOD"), entry.year());
  r.setInteger(r.index("OBRMJE"), entry.month());
  r.setText(r.index("VRSUPL"), entry.forms.empty() ? "" : entry.forms.front().paymentType);
  r.setInteger(r.index("DATSLANJA"), entry.sent.dayNumber());
  r.setText(r.index("KONZNAK"), entry.controlNumber);
  r.setInteger(r.index("VELICINA"), entry.size);
  r.setText(r.index("VRIJEME"), entry.madeAt);
  r.setTextFromUtf8(r.index("STANICA"), entry.station);
  r.setInteger(r.index("VERZIJA"), entry.version);
  if (files.add() != 0) return "TBARHIVA.DAT: " + std::string(files.errorText());

  Record& f = forms.record();
  for (const ArchivedForm& form : entry.forms) {
    f.clear();
    f.setInteger(f.index("ID"), entry.id);
    f.setInteger(f.index("FIRMA"), form.employer);
    f.setText(f.index("IMEFIRME"), form.employerName);
    f.setText(f.index("IDENTIFIKATOR"), form.identifier);
    f.setText(f.index("KONVEZA"), form.link);
    f.setInteger(f.index("OBRGOD"), form.year);
    f.setInteger(f.index("OBRMJE"), form.month);
    f.setText(f.index("VRSUPL"), form.paymentType);
    if (forms.add() != 0) return "TBARHOBR.DAT: " + std::string(forms.errorText());
  }
  files.close();
  forms.close();
  return {};
}

ArchiveList readArchive(Context& ctx, const ArchiveFilter& filter) {
  ArchiveList list;
  if (list.status = openForReading(ctx); !list.status.ok()) return list;
  Table& files = ctx.table(kFiles);
  std::vector<ArchiveEntry> all;
  files.clear();
  files.set("KEYID");
  while (files.next() == 0) all.push_back(entryOf(files.record()));
  if (files.error() != err::kOk && files.error() != err::kRecordNotAvailable)
    list.status = Status::store(files.error(), "arhiva poslanih datoteka (TBARHIVA.DAT)");
  for (ArchiveEntry& e : all) {
    readForms(ctx, e);
    const bool matches = std::ranges::any_of(e.forms, [&](const ArchivedForm& f) {
      return (!filter.employer || f.employer == filter.employer) &&
             (!filter.year || f.year == filter.year) && (!filter.month || f.month == filter.month);
    });
    if (matches) list.entries.push_back(std::move(e));
  }
  return list;
}

ArchiveFind findArchiveEntry(Context& ctx, std::int64_t id) {
  ArchiveFind found;
  if (found.status = openForReading(ctx); !found.status.ok()) return found;
  Table& files = ctx.table(kFiles);
  Record& r = files.record();
  r.clear();
  r.setInteger(r.index("ID"), id);
  if (const int rc = files.get("KEYID")) {
    found.status = Status::store(rc, "arhivirana datoteka " + std::to_string(id) + " ne postoji");
    return found;
  }
  found.entry = entryOf(r);
  readForms(ctx, found.entry);
  return found;
}

ArchiveVerdict verifyAgainstArchive(Context& ctx, const fs::path& file) {
  ArchiveVerdict v;
  const ControlNumber hash = controlNumberOfFile(file);
  if (!hash.ok()) {
    v.status = Status::refused("Datoteka " + file.string() + " se ne može čitati: " + hash.error);
    return v;
  }
  if (v.status = openForReading(ctx); !v.status.ok()) return v;
  Table& files = ctx.table(kFiles);
  Record& r = files.record();
  const int number = r.index("KONZNAK");
  r.clear();
  r.setText(number, hash.digits);
  const std::string wanted = r.text(number);
  std::vector<ArchiveEntry> candidates;
  files.set("KEYKONZNAK");
  while (files.next() == 0 && r.text(number) == wanted) candidates.push_back(entryOf(r));
  // The same control number is the same bytes; the copy, where it is still there, confirms it.
  for (ArchiveEntry& e : candidates) {
    const fs::path copy = archivedCopyOf(ctx.workDir(), e);
    std::error_code ec;
    if (fs::exists(copy, ec) && !sameBytes(copy, file)) continue;
    readForms(ctx, e);
    v.match = std::move(e);
    return v;
  }
  std::vector<ArchiveEntry> named;
  forEachOfName(files, file.filename().string(),
                [&](const Record& row) { named.push_back(entryOf(row)); });
  for (ArchiveEntry& e : named) readForms(ctx, e);
  v.sameName = std::move(named);
  return v;
}

std::string periodText(int year, int month) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%04d", month % 100, year % 10000);
  return buf;
}

std::string describedEntry(const ArchiveEntry& e) {
  return "arhivirana datoteka " + std::to_string(e.id) + " " + e.fileName + " (verzija " +
         std::to_string(e.version) + ", " + archiveKindText(e.kind) + ", poslana " +
         formatDate(e.sent, "D6.") + ")";
}

std::string describedForm(const ArchivedForm& f) {
  return "obrazac " + utf8FromCp1250(f.identifier) + " obveznika " + std::to_string(f.employer) +
         " (" + utf8FromCp1250(f.employerName) + "), razdoblje " + periodText(f.year, f.month) +
         ", VOI " + utf8FromCp1250(f.paymentType);
}

std::vector<std::string> entryDetails(const ArchiveEntry& e, const fs::path& workDir) {
  std::vector<std::string> lines = {"Arhivirana datoteka " + std::to_string(e.id) + ": " +
                                        e.fileName + " (verzija " + std::to_string(e.version) + ")",
                                    std::string("Vrsta: ") + archiveKindText(e.kind),
                                    "Izlazna mapa: " + e.folder,
                                    "Datum slanja: " + formatDate(e.sent, "D6."),
                                    "Kontrolni broj: " + groupedControlNumber(e.controlNumber),
                                    "Veličina: " + std::to_string(e.size) + " bajtova",
                                    "Izrađena: " + e.madeAt + " na računalu " + e.station,
                                    "Kopija: " + archivedCopyOf(workDir, e).string(),
                                    "Obrasci:"};
  for (const auto& f : e.forms) lines.push_back("  " + describedForm(f));
  return lines;
}

std::vector<std::string> verdictLines(const ArchiveVerdict& v, const fs::path& file) {
  if (!v.status.ok()) return {v.status.text()};
  if (v.match) {
    std::vector<std::string> lines = {"Datoteka je jednaka: " + describedEntry(*v.match)};
    for (const auto& f : v.match->forms) lines.push_back("  " + describedForm(f));
    return lines;
  }
  const std::string name = file.filename().string();
  if (v.sameName.empty()) return {"Datoteka nije arhivirana: u arhivi nema datoteke imena " + name};
  std::vector<std::string> lines = {"Datoteka se razlikuje od svih arhiviranih datoteka imena " +
                                    name + ":"};
  for (const auto& e : v.sameName)
    lines.push_back("  " + describedEntry(e) + ", razdoblje " + periodText(e.year(), e.month()));
  return lines;
}

std::string restoreArchived(const fs::path& workDir, const ArchiveEntry& entry,
                            const fs::path& target) {
  std::error_code ec;
  const fs::path to = fs::is_directory(target, ec) ? target / entry.fileName : target;
  const fs::path copy = archivedCopyOf(workDir, entry);
  if (!fs::exists(copy, ec)) return "kopija " + copy.string() + " ne postoji";
  // A copy that is not the file the entry describes (tables imported from elsewhere) is refused.
  if (controlNumberOfFile(copy).digits != entry.controlNumber)
    return "kopija " + copy.string() + " nije datoteka s kontrolnim brojem " +
           groupedControlNumber(entry.controlNumber);
  return replaceFileByCopy(copy, to);
}

}  // namespace obrazac::submission
