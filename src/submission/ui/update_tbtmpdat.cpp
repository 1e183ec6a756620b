#include "submission/ui/update_tbtmpdat.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBTMPDAT;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "Osnovni podaci"},
    {.id = F::kFirma, .prompt = "Firma:", .field = "TBT:FIRMA", .picture = "N3"},
    {.id = F::kMB01, .prompt = "Mb 01:", .field = "TBT:MB01", .picture = "s12"},
    {.id = F::kMB02, .prompt = "MB 02:", .field = "TBT:MB02", .picture = "s13"},
    {.id = F::kImeFirme, .prompt = "Ime Firme:", .field = "TBT:IMEFIRME", .picture = "s50"},
    {.id = F::kIdentifikator,
     .prompt = "Identifikator:",
     .field = "TBT:IDENTIFIKATOR",
     .picture = "s9",
     .chars = 7},
    {.id = F::kImeFile, .prompt = "Ime File:", .field = "TBT:IMEFILE", .picture = "s60"},
    {.kind = K::Button,
     .id = F::kUredu,
     .prompt = "&U redu",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button, .id = F::kOdustani, .prompt = "&Prekini", .role = ButtonRole::Cancel},
};

}  // namespace

UpdateTBTMPDAT::UpdateTBTMPDAT(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBTMPDAT", "TBT") {
  setCaptions("Dodavanje podataka", "Promjena podataka");
  setDialogSize(300, 130);
  describe(kControls);
}

}  // namespace obrazac::ui
