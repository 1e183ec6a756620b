#include "register/ui/update_arhiva_tbosigur.h"

#include "codelists/code_lookup.h"
#include "codelists/ui/form_buttons.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateArhivaTBOSIGUR;

constexpr const char* kAmount = "N-_15`2";

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "PODACI O OSIGURANIKU; PRIHODU I UPLATI"},
    {.id = F::kJmbg, .prompt = "MBG:", .field = "OSI:JMBG", .picture = "s13"},
    {.id = F::kPrezime, .prompt = "Prezime i ime", .field = "OSI:PREZIME", .picture = "s60"},
    {.id = F::kOpcina, .prompt = "Općina/grad", .field = "OSI:OPCINA", .picture = "s4"},
    {.kind = K::Display,
     .id = F::kOpcinaNaziv,
     .field = "opcinaNaziv",
     .tip = "Naziv općine/grada",
     .chars = 40,
     .beside = true},
    {.id = F::kClanDN, .prompt = "Osoba je član (OMF D/N)", .field = "OSI:CLANDN", .picture = "s1"},
    {.kind = K::Display,
     .id = F::kIdentifikator,
     .prompt = "Identifikator:",
     .field = "identifikator",
     .chars = 6},
    {.id = F::kOsnova1, .prompt = "Osnov obračuna", .field = "OSI:OSNOVA1", .picture = "s2"},
    {.kind = K::Display,
     .id = F::kOsnova1Opis,
     .field = "osnova1Opis",
     .tip = "Opis osnova obračuna",
     .chars = 40,
     .beside = true},
    {.id = F::kOsnova3, .prompt = "Uvećani staž", .field = "OSI:OSNOVA3", .picture = "s1"},
    {.kind = K::Display,
     .id = F::kOsnova3Opis,
     .field = "osnova3Opis",
     .tip = "Opis uvećanog staža",
     .chars = 40,
     .beside = true},
    {.id = F::kGodina, .prompt = "Obračunska godina", .field = "OSI:GODOBRA", .picture = "N04"},
    {.id = F::kMjesec, .prompt = "Obračunski mjesec", .field = "OSI:OBRMJE", .picture = "N02"},
    {.id = F::kOd, .prompt = "Razdoblje od", .field = "OSI:OBRRAZD1", .picture = "N02"},
    {.id = F::kDo, .prompt = "do", .field = "OSI:OBRRAZD2", .picture = "N02"},
    {.kind = K::Group, .prompt = "Obračun obaveznih doprinosa"},
    {.id = F::kIznos7,
     .prompt = "Iznos obračunane plaće/naknade/dohotka",
     .field = "OSI:IZNOS7",
     .picture = kAmount},
    {.id = F::kIznos8,
     .prompt = "Osnovica za obračun doprinosa za MO",
     .field = "OSI:IZNOS8",
     .picture = kAmount},
    {.id = F::kIznos9,
     .prompt = "Doprinosi za I. stup MO",
     .field = "OSI:IZNOS9",
     .picture = kAmount},
    {.id = F::kIznos10,
     .prompt = "Doprinosi za II. stup MO",
     .field = "OSI:IZNOS10",
     .picture = kAmount},
    {.id = F::kIznos11, .prompt = "Neto isplata", .field = "OSI:IZNOS11", .picture = kAmount},
    formSaveButton(F::kSpremi),
    formCancelButton(F::kOdustani),
    formHelpButton(F::kUpute),
};

}  // namespace

UpdateArhivaTBOSIGUR::UpdateArhivaTBOSIGUR(Desktop& desktop,
                                           std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateArhivaTBOSIGUR", "OSI") {
  setWindowTitle(QString::fromUtf8("Pregled podataka"));
  setCaptions(QString::fromUtf8("Dodavanje podataka"), QString::fromUtf8("Promjena podataka"),
              QString::fromUtf8("Brisanje podataka"));
  setDialogSize(330, 250);
  describe(kControls);
}

void UpdateArhivaTBOSIGUR::declare() {
  firstField_ = kJmbg;
  insertAction_ = 1;
  cancelAction_ = 0;
  deleteAction_ = 1;
}

bool UpdateArhivaTBOSIGUR::openTables() {
  return UpdateForm::openTables() && openTable("OPC") && openTable("TBO") && openTable("STA");
}

int UpdateArhivaTBOSIGUR::takeAccepted(int control) {
  if (control == kOpcina || control == kOsnova1 || control == kOsnova3) {
    lookUp();
    binder().show();
  }
  return UpdateForm::takeAccepted(control);
}

void UpdateArhivaTBOSIGUR::redisplay() {
  lookUp();
  UpdateForm::redisplay();
}

void UpdateArhivaTBOSIGUR::lookUp() {
  Context& ctx = thread().context();
  const Record& osi = record();
  auto code = [&osi](const char* field) { return osi.text(osi.index(field)); };
  opcinaNaziv_ = codeDescription(ctx, "OPC", code("OPCINA"), "NAZIV");
  osnova1Opis_ = codeDescription(ctx, "TBO", code("OSNOVA1"), "SKROPIS");
  osnova3Opis_ = codeDescription(ctx, "STA", code("OSNOVA3"), "SKROPIS");
  const std::string& identifier = code("IDENTIFIKATOR");
  identifikator_ = identifier.size() > 3 ? identifier.substr(3, 4) : std::string();
}

std::optional<FieldRef> UpdateArhivaTBOSIGUR::stateField(std::string_view name) {
  if (name == "opcinaNaziv") return FieldRef(opcinaNaziv_, "opcinaNaziv");
  if (name == "osnova1Opis") return FieldRef(osnova1Opis_, "osnova1Opis");
  if (name == "osnova3Opis") return FieldRef(osnova3Opis_, "osnova3Opis");
  if (name == "identifikator") return FieldRef(identifikator_, "identifikator");
  return std::nullopt;
}

}  // namespace obrazac::ui
