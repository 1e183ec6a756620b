#include "codelists/ui/update_tbstope.h"

#include <QComboBox>

#include "codelists/ui/code_drop_list.h"
#include "codelists/ui/form_buttons.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateTBSTOPE;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "OBRAČUNSKI KOEFICIJENTI"},
    {.kind = K::DropList,
     .id = F::kVrstObracuna,
     .prompt = "Vrst obračuna",
     .field = "STO1:VRSTOBRACUNA",
     .chars = 40},
    {.id = F::kClanDN,
     .prompt = "Osoba je član OMF (D/N)",
     .field = "STO1:CLANDN",
     .picture = "s1"},
    {.kind = K::DropList,
     .id = F::kVrstaObveznika,
     .prompt = "Vrsta obveznika:",
     .field = "STO1:VRSTAOBVEZNIKA",
     .chars = 40},
    {.kind = K::DropList,
     .id = F::kOsnovObra,
     .prompt = "Osnov obračuna",
     .field = "STO1:OSNOVOBRA",
     .chars = 40},
    {.kind = K::DropList,
     .id = F::kStaz,
     .prompt = "Uvećani staž",
     .field = "STO1:STAZ",
     .tip = "Staž s uvećanim trajanjem",
     .chars = 40},
    {.kind = K::Group, .prompt = "Stope za MO I stup (%)"},
    {.id = F::kPrviIz, .prompt = "'iz plaće'", .field = "STO1:PRVISTUP1", .picture = "N6`2"},
    {.id = F::kPrviNa, .prompt = "'na plaću'", .field = "STO1:PRVISTUP2", .picture = "N6`2"},
    {.kind = K::Group, .prompt = "Stope za MO II. stup (%)"},
    {.id = F::kDrugiIz, .prompt = "'iz plaće'", .field = "STO1:DRUGISTUP1", .picture = "N6`2"},
    {.id = F::kDrugiNa, .prompt = "'na plaću'", .field = "STO1:DRUGISTUP2", .picture = "N6`2"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateTBSTOPE::UpdateTBSTOPE(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBSTOPE", "STO1"),
      vrstObracuna_(new QComboBox(this)),
      vrstaObveznika_(new QComboBox(this)),
      osnovObra_(new QComboBox(this)),
      staz_(new QComboBox(this)) {
  setWindowTitle(QString::fromUtf8("Dodavanje podataka"));
  setCaptions(QString::fromUtf8("Dodavanje podataka"), QString::fromUtf8("Promjena podataka"));
  setDialogSize(300, 190);
  describe(kControls, {{kVrstObracuna, vrstObracuna_},
                       {kVrstaObveznika, vrstaObveznika_},
                       {kOsnovObra, osnovObra_},
                       {kStaz, staz_}});
}

void UpdateTBSTOPE::declare() {
  firstField_ = kVrstObracuna;
  cancelAction_ = 0;
}

// The drop lists are filled before the record is shown, so each shows its row's code.
bool UpdateTBSTOPE::openTables() {
  if (!UpdateForm::openTables()) return false;
  for (const char* codes : {"VUP", "VOB", "TBO", "STA"})
    if (!openTable(codes)) return false;
  fillCodeDropList(*vrstObracuna_, thread().table("VUP"));
  fillCodeDropList(*vrstaObveznika_, thread().table("VOB"));
  fillCodeDropList(*osnovObra_, thread().table("TBO"));
  fillCodeDropList(*staz_, thread().table("STA"), true);
  return true;
}

}  // namespace obrazac::ui
