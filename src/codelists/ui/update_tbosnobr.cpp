#include "codelists/ui/update_tbosnobr.h"

#include "codelists/ui/form_buttons.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBOSNOBR;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "PODACI O OSNOVI OBRAČUNA"},
    {.id = F::kSifra, .prompt = "Šifra osnove obračuna", .field = "TBO:SIFRA", .picture = "s2"},
    {.id = F::kSkrOpis, .prompt = "Skraćeni opis", .field = "TBO:SKROPIS", .picture = "s80"},
    {.id = F::kOpis, .prompt = "Opis osnove obračuna", .field = "TBO:OPIS", .picture = "s240"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateTBOSNOBR::UpdateTBOSNOBR(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListForm(desktop, std::move(thread), "UpdateTBOSNOBR", "TBO") {
  setWindowTitle(QString::fromUtf8("Upis nove osnove obračuna"));
  setCaptions(QString::fromUtf8("Upis nove osnove obračuna"),
              QString::fromUtf8("Promjena podataka"));
  setDialogSize(300, 112);
  describe(kControls);
}

}  // namespace obrazac::ui
