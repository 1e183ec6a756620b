#include "transfer/ui/import_datoteka.h"

#include <QComboBox>

#include "frame/ui/box_reporter.h"
#include "frame/ui/table_holders.h"
#include "transfer/export_import.h"
#include "transfer/table_backup.h"
#include "transfer/table_files.h"
#include "transfer/ui/folder_text.h"
#include "transfer/ui/pitanje_da_ne.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = ImportDatoteka;

constexpr ControlDescription kControls[] = {
    {.kind = K::Display, .id = W::kPrompt, .prompt = "Ulazni pretinac", .x = 7, .y = 10},
    {.id = W::kSource,
     .prompt = "Ulazni pretinac",
     .field = "source",
     .picture = "s255",
     .x = 66,
     .y = 8,
     .width = 248,
     .height = 12},
    {.kind = K::Display, .id = W::kWarning, .prompt = "VAŽNA NAPOMENA:", .x = 7, .y = 32},
    {.kind = K::Display,
     .id = W::kWarningText,
     .prompt = "Postojeći podaci biti će zamijenjeni podacima iz ulaznog pretinca!",
     .x = 7,
     .y = 44,
     .width = 307,
     .height = 10},
    {.kind = K::Button,
     .id = W::kPreuzmi,
     .prompt = "&Preuzmi",
     .role = ButtonRole::Ok,
     .x = 198,
     .y = 90,
     .width = 54,
     .height = 14},
    {.kind = K::Button,
     .id = W::kOdustani,
     .prompt = "&Odustani",
     .role = ButtonRole::Cancel,
     .x = 258,
     .y = 90,
     .width = 56,
     .height = 14},
    {.kind = K::List,
     .id = W::kKopije,
     .prompt = "Sigurnosne kopije",
     .tip = "Tablice kakve su bile prije uvoza ili preuzimanja",
     .x = 7,
     .y = 66,
     .width = 240,
     .height = 14},
    {.kind = K::Button,
     .id = W::kVratiKopiju,
     .prompt = "&Vrati kopiju",
     .x = 254,
     .y = 66,
     .width = 60,
     .height = 14},
};

}  // namespace

ImportDatoteka::ImportDatoteka(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "ImportDatoteka"),
      source_(folderField(desktop.workDir / "export")) {
  setWindowTitle("Import podataka");
  setResizable(false);
  setDialogSize(321, 112);
  backups_ = new QComboBox(this);
  describe(kControls, {{kKopije, backups_}});
  fillBackups();
}

void ImportDatoteka::fillBackups() {
  backups_->clear();
  for (const TableBackup& b : listBackups(desktop().workDir))
    backups_->addItem(QString::fromStdString(b.madeAt + " - " + b.run),
                      QString::fromStdString(b.id));
  control(kVratiKopiju)->setEnabled(backups_->count() > 0);
}

void ImportDatoteka::declare() {
  firstField_ = kSource;
}

std::optional<FieldRef> ImportDatoteka::stateField(std::string_view name) {
  if (name == "source") return FieldRef(source_, "source");
  return std::nullopt;
}

int ImportDatoteka::takeAccepted(int control) {
  if (control == kVratiKopiju) {
    restoreChosenBackup();
    return level::kNotify;
  }
  if (control != kPreuzmi) return ProcedureWindow::takeAccepted(control);
  if (!findFileIgnoringCase(folderPath(source_), "TBPOSLOD.DAT")) {
    desktop().prompter.message(QString::fromUtf8("Greška. Pogrešan pretinac!"));
    select(kSource);
    return level::kNotify;
  }
  callOnThread(new PitanjeDaNe(desktop(), threadHandle()), request::kNone, [this](int answer) {
    if (answer == response::kCompleted) replaceData();
  });
  return level::kNotify;
}

// The user said yes: no window may keep a table open while its file is replaced, the frame's
// own included.
void ImportDatoteka::replaceData() {
  if (!closeWindowsHoldingTables(*this)) return;
  ConfirmedReporter reporter(desktop().prompter);
  desktop().host.holdTables(false);
  importData(desktop().workDir, folderPath(source_), reporter);
  desktop().host.holdTables(true);
  fillBackups();
}

}  // namespace obrazac::ui

namespace obrazac::ui {

// The chosen backup back in place of the tables, after the run's own question.
void ImportDatoteka::restoreChosenBackup() {
  const std::string id = backups_->currentData().toString().toStdString();
  if (id.empty() || !closeWindowsHoldingTables(*this)) return;
  BoxReporter reporter(desktop().prompter);
  desktop().host.holdTables(false);
  restoreBackup(desktop().workDir, id, reporter);
  desktop().host.holdTables(true);
  fillBackups();
}

}  // namespace obrazac::ui
