#include "transfer/ui/preuzmi_zaposlene.h"

#include <QDir>

#include "frame/ui/box_reporter.h"
#include "frame/ui/table_holders.h"
#include "transfer/previous_year.h"
#include "transfer/ui/folder_text.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = PreuzmiZaposlene;

constexpr ControlDescription kControls[] = {
    {.kind = K::Display,
     .id = W::kPrompt,
     .prompt = "Gdje se nalaze podaci iz 2004. godine",
     .x = 7,
     .y = 8},
    {.id = W::kOldFolder,
     .prompt = "Gdje se nalaze podaci iz 2004. godine",
     .field = "oldFolder",
     .picture = "s120",
     .x = 7,
     .y = 20,
     .width = 305,
     .height = 12},
    {.kind = K::Display, .id = W::kNote, .prompt = "Napomena", .x = 7, .y = 40},
    {.kind = K::Display,
     .id = W::kNoteText,
     .prompt = "Pomoću ove opcije preuzimamo podatke o poslodavcima i zaposlenima ",
     .x = 7,
     .y = 51,
     .width = 305,
     .height = 10},
    {.kind = K::Display, .id = W::kNoteText2, .prompt = "iz 2004. godine.", .x = 7, .y = 61},
    {.kind = K::Button,
     .id = W::kPreuzmi,
     .prompt = "Preuzmi podatke",
     .role = ButtonRole::Ok,
     .x = 170,
     .y = 80,
     .width = 76,
     .height = 14},
    {.kind = K::Button,
     .id = W::kOdustani,
     .prompt = "Odustani",
     .role = ButtonRole::Cancel,
     .x = 252,
     .y = 80,
     .width = 60,
     .height = 14},
};

}  // namespace

// Last year's program kept its data in the folder "obrazac"; here it is looked for in the
// user's home folder.
PreuzmiZaposlene::PreuzmiZaposlene(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "PreuzmiZaposlene"),
      oldFolder_(folderField((QDir::homePath() + "/obrazac").toStdString())) {
  setWindowTitle("Preuzimanje podataka iz 2004");
  setResizable(false);
  setDialogSize(319, 102);
  describe(kControls);
}

void PreuzmiZaposlene::declare() {
  firstField_ = kOldFolder;
}

std::optional<FieldRef> PreuzmiZaposlene::stateField(std::string_view name) {
  if (name == "oldFolder") return FieldRef(oldFolder_, "oldFolder");
  return std::nullopt;
}

int PreuzmiZaposlene::takeAccepted(int control) {
  if (control != kPreuzmi) return ProcedureWindow::takeAccepted(control);
  if (closeWindowsHoldingTables(*this)) {
    BoxReporter reporter(desktop().prompter);
    // Like the import, the takeover replaces table files: the frame lets go of its own and
    // checks the parameters when it takes them again.
    desktop().host.holdTables(false);
    takeOverPreviousYear(desktop().workDir, folderPath(oldFolder_), reporter);
    desktop().host.holdTables(true);
  }
  select(kOldFolder);
  return level::kNotify;
}

}  // namespace obrazac::ui
