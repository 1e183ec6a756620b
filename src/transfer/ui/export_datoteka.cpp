#include "transfer/ui/export_datoteka.h"

#include "frame/ui/box_reporter.h"
#include "frame/ui/folder_dialog.h"
#include "transfer/export_import.h"
#include "transfer/ui/folder_text.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using W = ExportDatoteka;

constexpr ControlDescription kControls[] = {
    {.kind = K::Display, .id = W::kPrompt, .prompt = "Odredite lokaciju", .x = 7, .y = 10},
    {.id = W::kTarget,
     .prompt = "Odredite lokaciju",
     .field = "target",
     .picture = "s128",
     .x = 72,
     .y = 8,
     .width = 222,
     .height = 12},
    {.kind = K::Button,
     .id = W::kChoose,
     .prompt = "...",
     .tip = "Popis datoteka",
     .x = 298,
     .y = 8,
     .width = 22,
     .height = 12},
    {.kind = K::Display, .id = W::kNote, .prompt = "Napomena:", .x = 7, .y = 30},
    {.kind = K::Display,
     .id = W::kNoteText,
     .prompt = "Pomoću ove opcije exportiramo-kopiramo ključne datoteke u zaseban pretinac.",
     .x = 7,
     .y = 42,
     .width = 313,
     .height = 10},
    {.kind = K::Button,
     .id = W::kExport,
     .prompt = "&Export",
     .role = ButtonRole::Ok,
     .x = 204,
     .y = 66,
     .width = 54,
     .height = 14},
    {.kind = K::Button,
     .id = W::kOdustani,
     .prompt = "&Odustani",
     .role = ButtonRole::Cancel,
     .x = 264,
     .y = 66,
     .width = 56,
     .height = 14},
};

}  // namespace

ExportDatoteka::ExportDatoteka(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : ProcedureWindow(desktop, std::move(thread), "ExportDatoteka"),
      target_(folderField(desktop.workDir)) {
  setWindowTitle("Export datoteka");
  setResizable(false);
  setDialogSize(327, 87);
  describe(kControls);
}

void ExportDatoteka::declare() {
  firstField_ = kTarget;
}

std::optional<FieldRef> ExportDatoteka::stateField(std::string_view name) {
  if (name == "target") return FieldRef(target_, "target");
  return std::nullopt;
}

int ExportDatoteka::takeAccepted(int control) {
  if (control == kChoose) {
    const QString chosen = chooseFolder(this, folderText(target_));
    if (!chosen.isEmpty()) {
      target_ = folderField(chosen.toStdString());
      redisplay();
    }
    select(kTarget);
    return level::kNotify;
  }
  if (control == kExport) {
    BoxReporter reporter(desktop().prompter);
    exportData(desktop().workDir, folderPath(target_), reporter);
    select(kTarget);
    return level::kNotify;
  }
  return ProcedureWindow::takeAccepted(control);
}

}  // namespace obrazac::ui
