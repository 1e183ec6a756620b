#include "codelists/ui/update_tbvrsupl.h"

#include "codelists/ui/form_buttons.h"
#include "data/fixed_width.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBVRSUPL;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "VRSTE OBRAČUNA/ISPRAVKA"},
    {.id = F::kSifra,
     .prompt = "Šifra",
     .field = "VUP:SIFRA",
     .picture = "s2",
     .tip = "Šifra vrste obračuna"},
    {.id = F::kSkrOpis, .prompt = "Skraćeni opis", .field = "VUP:SKROPIS", .picture = "s80"},
    {.id = F::kOpis, .prompt = "Opis pojma", .field = "VUP:OPIS", .picture = "s120"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateTBVRSUPL::UpdateTBVRSUPL(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : CodeListForm(desktop, std::move(thread), "UpdateTBVRSUPL", "VUP") {
  setWindowTitle(QString::fromUtf8("Ažuriranje šifarnika"));
  setCaptions(QString::fromUtf8("Vrste obračuna - Upis nove šifre"),
              QString::fromUtf8("Vrste obračuna - Promjena podataka"));
  setDialogSize(300, 112);
  describe(kControls);
}

// Whether another record has the entered value in the key; the entered values stay on screen.
bool UpdateTBVRSUPL::exists(const char* key) {
  Table& t = primary().table();
  return t.keyValueExists(t.decl().keyIndex(key), record(), Position{});
}

int UpdateTBVRSUPL::takeAccepted(int control) {
  if (control == kSifra) {
    if (clipRight(record().text(record().index("SIFRA"))).size() < 2)
      return refuse({"Greška. Šifra mora sadržavati 2 (dva) znaka", "VUP:SIFRA"});
  } else if (control == kSpremi && request() == request::kInsert) {
    if (exists("KEYSIFRA")) return refuse({"Greška. Dupla šifra", "VUP:SIFRA"});
    if (exists("KEYNAZIV")) return refuse({"Greška. Dupli naziv pojma", "VUP:OPIS"});
  }
  return UpdateForm::takeAccepted(control);
}

}  // namespace obrazac::ui
