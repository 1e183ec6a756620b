#include "submission/ui/browse_arhiva.h"

#include <QPointer>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "data/picture.h"
#include "frame/count_walk.h"
#include "frame/ui/folder_dialog.h"
#include "frame/ui/input_file_dialog.h"
#include "frame/ui/process_report.h"
#include "prints/archive_prints.h"
#include "submission/archive.h"

namespace obrazac::ui {
namespace {

namespace fs = std::filesystem;
using K = ControlKind;
using W = BrowseArhiva;

constexpr ControlDescription kControls[] = {
    {.kind = K::List, .id = W::kList},
    {.id = W::kDatoteka,
     .prompt = "Datoteka za provjeru",
     .field = "file",
     .picture = "s255",
     .tip = "Datoteka s diska ili drugog medija koju treba usporediti s arhivom",
     .chars = 50},
    {.kind = K::Button,
     .id = W::kOdaberi,
     .prompt = "...",
     .tip = "Popis datoteka",
     .beside = true},
    {.kind = K::Button,
     .id = W::kProvjeri,
     .prompt = "Pro&vjeri",
     .tip = "Je li datoteka bajt po bajt jedna od arhiviranih",
     .beside = true},
    {.kind = K::Button, .id = W::kPregled, .prompt = "&Pregled", .tip = "Podaci označene datoteke"},
    {.kind = K::Button,
     .id = W::kKopiraj,
     .prompt = "&Kopiraj u mapu...",
     .tip = "Kopija označene datoteke u odabranu mapu"},
    {.kind = K::Button, .id = W::kIspis, .prompt = "&Ispis popisa"},
    {.kind = K::Button,
     .id = W::kZatvori,
     .prompt = "&Zatvori",
     .role = ButtonRole::Cancel,
     .pushRight = true},
};

QString joined(const std::vector<std::string>& lines) {
  QStringList all;
  for (const auto& l : lines) all << QString::fromStdString(l);
  return all.join("\n");
}

}  // namespace

BrowseArhiva::BrowseArhiva(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "BrowseArhiva") {
  setWindowTitle(QString::fromUtf8("Arhiva poslanih datoteka"));
  list_ = new BrowseList(*this, "ARH", kList);
  describe(kControls, {{kList, list_->widget()}});
  setDialogSize(460, 240);
}

void BrowseArhiva::declare() {
  firstField_ = kList;
}

bool BrowseArhiva::openTables() {
  return openTable("ARH");
}

void BrowseArhiva::setUpLists() {
  auto order = [&](const char* tab, const char* key) {
    BrowseList::SortOrder o;
    o.tab = QString::fromUtf8(tab);
    o.key = key;
    list_->addSortOrder(std::move(o));
  };
  order("REDOSLIJED: Redni broj", "KEYID");
  order("Ime datoteke", "KEYIMEFILE");
  order("Razdoblje", "KEYRAZDOBLJE");
  order("Kontrolni broj", "KEYKONZNAK");
  list_->addColumn({"Rbr", "ID", 6, {}});
  list_->addColumn({"Datoteka", "IMEFILE", 16, {}});
  list_->addColumn({"Ver.", "VERZIJA", 4, {}});
  list_->addColumn({"Vrsta", "VRSTA", 14, [](const Record& r) {
                      const std::string kind = r.text(r.index("VRSTA"));
                      return QString::fromUtf8(submission::archiveKindText(
                          static_cast<submission::ArchiveKind>(kind.empty() ? ' ' : kind[0])));
                    }});
  list_->addColumn({"Razdoblje", "OBRGOD", 9, [](const Record& r) {
                      return QString::fromStdString(
                          submission::periodText(static_cast<int>(r.integer(r.index("OBRGOD"))),
                                                 static_cast<int>(r.integer(r.index("OBRMJE")))));
                    }});
  list_->addColumn({"VOI", "VRSUPL", 4, {}});
  list_->addColumn({"Poslano", "DATSLANJA", 10, [](const Record& r) {
                      return QString::fromStdString(formatDate(
                          Date(static_cast<std::int32_t>(r.integer(r.index("DATSLANJA")))), "D6."));
                    }});
  list_->addColumn({"Kontrolni broj", "KONZNAK", 40, {}});
  list_->addColumn({"Izrađena", "VRIJEME", 19, {}});
  list_->addColumn({"Računalo", "STANICA", 16, {}});
  list_->setButtons(0, 0, 0, 0);
  list_->init();
}

std::optional<FieldRef> BrowseArhiva::stateField(std::string_view name) {
  if (name == "file") return FieldRef(file_, "file");
  return std::nullopt;
}

int BrowseArhiva::takeAccepted(int control) {
  switch (control) {
    case kPregled:
      showDetails();
      return level::kNotify;
    case kKopiraj:
      copyOut();
      return level::kNotify;
    case kIspis:
      printList();
      return level::kNotify;
    case kOdaberi: {
      QPointer<BrowseArhiva> self(this);
      chooseInputFile(this, QString::fromStdString(utf8FromCp1250(file_)),
                      [self](const QString& path) {
                        if (!self) return;
                        self->file_ = cp1250FromUtf8(path.toStdString());
                        self->binder().show(kDatoteka);
                      });
      return level::kNotify;
    }
    case kProvjeri:
      verifyFile();
      return level::kNotify;
    default:
      return ProcedureWindow::takeAccepted(control);
  }
}

// The number of the highlighted file; 0 when the list is empty.
std::int64_t BrowseArhiva::highlighted() {
  if (list_->rowCount() == 0) return 0;
  const Record& r = list_->table().record();
  return r.integer(r.index("ID"));
}

void BrowseArhiva::showDetails() {
  const std::int64_t id = highlighted();
  if (!id) return;
  Context ctx(desktop().workDir);
  const auto found = submission::findArchiveEntry(ctx, id);
  desktop().prompter.message(found.status.ok()
                                 ? joined(submission::entryDetails(found.entry, ctx.workDir()))
                                 : QString::fromStdString(found.status.text()));
}

void BrowseArhiva::copyOut() {
  const std::int64_t id = highlighted();
  if (!id) return;
  Context ctx(desktop().workDir);
  const auto found = submission::findArchiveEntry(ctx, id);
  if (!found.status.ok()) {
    desktop().prompter.message(QString::fromStdString(found.status.text()));
    return;
  }
  const QString folder = chooseFolder(this, QString());
  if (folder.isEmpty()) return;
  const fs::path target = folder.toStdString();
  const std::string why = submission::restoreArchived(ctx.workDir(), found.entry, target);
  desktop().prompter.message(QString::fromStdString(
      why.empty()
          ? "Kopirana je " + submission::describedEntry(found.entry) + " u " + target.string()
          : "Greška kod kopiranja datoteke " + found.entry.fileName + ": " + why));
}

void BrowseArhiva::verifyFile() {
  const fs::path file = utf8FromCp1250(clipRight(file_));
  Context ctx(desktop().workDir);
  const auto verdict = submission::verifyAgainstArchive(ctx, file);
  desktop().prompter.message(joined(submission::verdictLines(verdict, file)));
}

void BrowseArhiva::printList() {
  Context ctx(desktop().workDir);
  auto archive = std::make_shared<submission::ArchiveList>(submission::readArchive(ctx));
  ReportJob job;
  job.procedure = "ArhivaIspis";
  job.walk = std::make_unique<CountWalk>(static_cast<std::int64_t>(archive->entries.size()));
  job.pages = [archive] { return prints::printArchiveList(archive->entries, SystemClock()); };
  runReport(desktop(), this, std::move(job));
}

}  // namespace obrazac::ui
