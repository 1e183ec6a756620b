#include "check/ui/update_tbgreske.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBGRESKE;

constexpr ControlDescription field(int n, const char* prompt, const char* name, const char* picture,
                                   const char* tip = nullptr) {
  return {.id = F::kOpis + n, .prompt = prompt, .field = name, .picture = picture, .tip = tip};
}

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "PREUZETI PODACI I OPIS GREŠKE"},
    field(0, "Opis greške", "GRE:OPIS", "s80", "Opis greške"),
    field(1, "II.1 MB obveznika", "GRE:MB", "s12"),
    field(2, "II.2 MBG obveznika", "GRE:MB2", "s13"),
    field(3, "II.5 Vrsta obveznika", "GRE:VRSOBV", "s2", "Vrsta obveznika"),
    field(4, "IV.1 MBG osobe", "GRE:JMBG", "s13", "MBG osobe"),
    field(5, "IV.2 Prezime i ime", "GRE:PREZIME", "s50", "Prezime i ime osiguranika"),
    field(6, "Član OMF (D/N)", "GRE:CLANDN", "s1", "Član obveznom mirovinskog fonda"),
    field(7, "IV.3 Općina", "GRE:OPCINA", "s4", "Općina ili grad"),
    field(8, "IV.4 Osnov obračuna", "GRE:OSNOVA1", "s2", "Osnova za obračun"),
    field(9, "B- Uvećani staž", "GRE:OSNOVA3", "s1", "Oznaka staža s povećanim trajanjem"),
    field(10, "I.3 Vrsta uplate", "GRE:VRSTAUPLA", "s2"),
    field(11, "Obračunska godina", "GRE:GODOBRA", "N04", "Obračunska godina"),
    field(12, "I.2 Mjesec", "GRE:OBRMJE", "N02", "Obračunski mjesec"),
    field(13, "IV.5 Razdoblje od", "GRE:OBRRAZD1", "N02", "Obračunsmo razdoblje"),
    {.id = F::kOpis + 14,
     .prompt = "do",
     .field = "GRE:OBRRAZD2",
     .picture = "N02",
     .tip = "Obračunsko razdoblje 2",
     .beside = true},
    field(15, "IV.7.   Iznos obračunane plaće/naknade/drugog dohotka", "GRE:IZNOS7", "s15",
          "Dio iznosa za koji se vrši uplata"),
    field(16, "IV.8.   Iznos osnovice za obračun doprinosa za MO", "GRE:IZNOS8", "s15",
          "Osnovica za obračun doprinosa"),
    field(17, "IV.11. Iznos ispalećene plaće/naknade/drugog dohotka", "GRE:IZNOS11", "s15",
          "Neto plaća"),
    field(18, "VI.10. Iznos doprinosa za II. stup MO", "GRE:IZNOS10", "s15",
          "Doprinois za II. stup"),
    field(19, "IV.9.   Iznso doprinosa za I. stup MO", "GRE:IZNOS9", "s15", "Doprinosi za I. stup"),
    {.kind = K::Button,
     .id = F::kURedu,
     .prompt = "&U redu",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button, .id = F::kZatvori, .prompt = "&Zatvori", .role = ButtonRole::Cancel},
    {.kind = K::Button, .id = F::kUpute, .prompt = "Upu&te", .role = ButtonRole::Help},
};

}  // namespace

UpdateTBGRESKE::UpdateTBGRESKE(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBGRESKE", "GRE") {
  setWindowTitle("Update the TBGRESKE File");
  setCaptions("Dodavanje podataka", "Promjena podataka");
  describe(kControls);
}

}  // namespace obrazac::ui
