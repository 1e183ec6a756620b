#include "codelists/ui/update_tbopcine.h"

#include "codelists/ui/form_buttons.h"
#include "register/municipality_code_check.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBOPCINE;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "Osnovni podaci"},
    {.kind = K::Display,
     .id = F::kRedBroj,
     .prompt = "Redni broj",
     .field = "OPC:REDBROJ",
     .chars = 6},
    {.id = F::kSifra, .prompt = "Šifra općine grada", .field = "OPC:SIFRA", .picture = "s4"},
    {.id = F::kNaziv, .prompt = "Naziv općine", .field = "OPC:NAZIV", .picture = "s40"},
    {.kind = K::DropList,
     .id = F::kGrad,
     .prompt = "Ozna grada D/N",
     .field = "OPC:GRAD",
     .chars = 2,
     .choices = "D|N"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateTBOPCINE::UpdateTBOPCINE(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBOPCINE", "OPC") {
  setWindowTitle(QString::fromUtf8("Općine/gradovi - Upis nove općien/grada"));
  setCaptions(QString::fromUtf8("Općine/gradovi - Upis nove općien/grada"),
              QString::fromUtf8("Općine/gradovi - Promjena podataka"));
  setDialogSize(260, 100);
  describe(kControls);
}

void UpdateTBOPCINE::declare() {
  firstField_ = kSifra;
}

int UpdateTBOPCINE::takeAccepted(int control) {
  if (control == kSifra)
    if (const CheckResult refused = checkMunicipalityCode(record().text(record().index("SIFRA"))))
      return refuse(*refused);
  return UpdateForm::takeAccepted(control);
}

}  // namespace obrazac::ui
