#include "codelists/ui/azur_veznatab.h"

#include <QComboBox>
#include <QLabel>

#include "codelists/ui/code_drop_list.h"
#include "codelists/ui/form_buttons.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = AzurVEZNATAB;

constexpr const char* kRules = "= 0|>=0|>0";

// A rule's three choices in a frame captioned with the tested value; two rules share a row.
constexpr ControlDescription rule(int id, const char* prompt, const char* field,
                                  bool beside = false) {
  return {.kind = K::OptionGroup,
          .id = id,
          .prompt = prompt,
          .field = field,
          .beside = beside,
          .choices = kRules};
}

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "KONTROLA PODATAKA"},
    {.kind = K::DropList,
     .id = F::kVob,
     .prompt = "Vrsta obveznika",
     .field = "VEZ:VOB",
     .chars = 40},
    {.kind = K::DropList,
     .id = F::kVoi,
     .prompt = "Vrsta obračuna",
     .field = "VEZ:VOI",
     .chars = 40},
    {.kind = K::DropList, .id = F::kOo, .prompt = "Osnov obračuna", .field = "VEZ:OO", .chars = 40},
    {.kind = K::Group, .prompt = "I. OSNOVNI PODACI"},
    rule(F::kObrMje, "2.1 Obračunski mjesec", "VEZ:OBRMJE"),
    rule(F::kGodina, "2.2. Obračunska godina", "VEZ:GODINA", true),
    {.kind = K::Group, .prompt = "III. KONTROLNI PODACI PO OBVEZNIKU PODNOŠENJA PODATAKA"},
    rule(F::kPlaGod, "6.1. Godina isplate plaće", "VEZ:PLAGOD"),
    rule(F::kPlaMje, "6.2 Mjesec isplate plaće", "VEZ:PLAMJE", true),
    {.kind = K::Group, .prompt = "IV. PODACI PO OSIGURANICIMA"},
    rule(F::kDanOd, "6.1. Obračunsko razdoblje od", "VEZ:DANOD"),
    rule(F::kDanDo, "6.2. Obračunsko razdoblje do", "VEZ:DANDO", true),
    rule(F::kIznos7, "7.    Iznos obračunane plaće", "VEZ:IZNOS7"),
    rule(F::kIznos8, "8:    Osnovica za obračun", "VEZ:IZNOS8", true),
    rule(F::kIznos9, "9:    Iznos doprinosa za I. stup", "VEZ:IZNOS9"),
    rule(F::kIznos10, "10.   Iznos doprinosa za II. stup", "VEZ:IZNOS10", true),
    rule(F::kIznos11, "11.   Iznos isplaćene plaće", "VEZ:IZNOS11"),
    {.kind = K::Group, .prompt = "Napomena"},
    {.kind = K::Display, .id = F::kNapomena, .tip = "Napomena"},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
};

QLabel* legend(QWidget* parent) {
  return new QLabel(QString::fromUtf8("Za navednu kombinaciju VOB, VOI i OO potatak mora biti:\n"
                                      "= 0\t( jednak nuli)\n"
                                      ">= 0\t(nula ili veći od nule)\n"
                                      "> 0\t(veći od nule)"),
                    parent);
}

}  // namespace

AzurVEZNATAB::AzurVEZNATAB(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "AzurVEZNATAB", "VEZ"),
      vob_(new QComboBox(this)),
      voi_(new QComboBox(this)),
      oo_(new QComboBox(this)) {
  setWindowTitle(QString::fromUtf8("Upis nove kontrole"));
  setCaptions(QString::fromUtf8("Upis nove kontrole"), QString::fromUtf8("Promjena kontrole"));
  setDialogSize(340, 330);
  describe(kControls, {{kVob, vob_}, {kVoi, voi_}, {kOo, oo_}, {kNapomena, legend(this)}});
}

void AzurVEZNATAB::declare() {
  firstField_ = kVob;
}

bool AzurVEZNATAB::openTables() {
  if (!UpdateForm::openTables()) return false;
  for (const char* codes : {"VOB", "VUP", "TBO"})
    if (!openTable(codes)) return false;
  fillCodeDropList(*vob_, thread().table("VOB"));
  fillCodeDropList(*voi_, thread().table("VUP"));
  fillCodeDropList(*oo_, thread().table("TBO"), true);
  return true;
}

// A change or delete works on the row of the combination the caller left in the buffer, read
// again and watched for changes by another station.
bool AzurVEZNATAB::primeUpdate() {
  if (request() == request::kChange || request() == request::kDelete) {
    Table& t = primary().table();
    t.watch();
    if (t.get("KEYVOB_VOI") != 0) {
      const Record& r = record();
      desktop().prompter.message(QString::fromUtf8("Kontrola za VOB %1, VOI %2 i OO %3 ne postoji.")
                                     .arg(fieldText(r, r.index("VOB")),
                                          fieldText(r, r.index("VOI")),
                                          fieldText(r, r.index("OO"))));
      response_ = response::kCancelled;
      return false;
    }
  }
  return UpdateForm::primeUpdate();
}

}  // namespace obrazac::ui
