#include "codelists/ui/update_tbvrsobv.h"

#include "codelists/ui/form_buttons.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBVRSOBV;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "VRSTE OBVEZNIKA"},
    {.id = F::kSifra, .prompt = "Šifra obveznika", .field = "VOB:SIFRA", .picture = "s2"},
    {.id = F::kSkrOpis, .prompt = "Skraćeni opis", .field = "VOB:SKROPIS", .picture = "s80"},
    {.id = F::kOpis, .prompt = "Opis pojma", .field = "VOB:OPIS", .picture = "s240"},
    {.kind = K::DropList,
     .id = F::kMB01,
     .prompt = "MB obavezna podatak",
     .field = "VOB:MB01",
     .chars = 4,
     .choices = "DA|NE"},
    {.kind = K::DropList,
     .id = F::kMBG,
     .prompt = "MB građana obavezan podatak",
     .field = "VOB:MBG",
     .chars = 4,
     .choices = "DA|NE"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateTBVRSOBV::UpdateTBVRSOBV(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBVRSOBV", "VOB") {
  setWindowTitle(QString::fromUtf8("Upis nove vrste obveznika uplate"));
  setCaptions(QString::fromUtf8("Upis nove vrste obveznika uplate"),
              QString::fromUtf8("Vrste obveznika - Promjena podataka"));
  setDialogSize(300, 140);
  describe(kControls);
}

void UpdateTBVRSOBV::declare() {
  firstField_ = kSifra;
}

}  // namespace obrazac::ui
