#include "codelists/ui/update_tbvrsupl.h"

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
    {.kind = K::Button,
     .id = F::kSpremi,
     .prompt = "Spremi",
     .tip = "Spremanje promjena u bazu ",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button,
     .id = F::kOdustani,
     .prompt = "Odustani",
     .tip = "Zatvori prozor bez promjena",
     .role = ButtonRole::Cancel},
    {.kind = K::Button,
     .id = F::kUpute,
     .prompt = "Upute",
     .tip = "Upute za rad",
     .role = ButtonRole::Help},
};

}  // namespace

UpdateTBVRSUPL::UpdateTBVRSUPL(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBVRSUPL", "VUP") {
  setWindowTitle(QString::fromUtf8("Ažuriranje šifarnika"));
  setCaptions(QString::fromUtf8("Vrste obračuna - Upis nove šifre"),
              QString::fromUtf8("Vrste obračuna - Promjena podataka"));
  setDialogSize(300, 112);
  describe(kControls);
}

void UpdateTBVRSUPL::declare() {
  firstField_ = kSifra;
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
