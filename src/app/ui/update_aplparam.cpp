#include "app/ui/update_aplparam.h"

#include <QComboBox>

#include "app/parameter_checks.h"
#include "app/parameter_folders.h"
#include "frame/ui/file_drop.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateAPLPARAM;

constexpr ControlDescription kControls[] = {
    {.kind = K::Group, .prompt = "  PODACI O OVLAŠTENOJ OSOBI"},
    {.id = F::kMB01,
     .prompt = "Matični broj",
     .field = "APL:MB01",
     .picture = "s8",
     .tip = "Matični broj servisa"},
    {.id = F::kMB02, .field = "APL:MB02", .picture = "s4", .tip = "Nastavak MB", .beside = true},
    {.id = F::kJMBG, .prompt = "MBG", .field = "APL:JMBG", .picture = "s13"},
    {.id = F::kNaziv,
     .prompt = "Naziv",
     .field = "APL:NAZIV",
     .picture = "s50",
     .tip = "Naziv servisa"},
    {.id = F::kAdresa,
     .prompt = "Adresa:",
     .field = "APL:ADRESA",
     .picture = "s50",
     .tip = "Adresa servisa"},
    {.id = F::kKonOso,
     .prompt = "Kontakt osoba",
     .field = "APL:KONOSO",
     .picture = "s50",
     .tip = "Kontak osoba"},
    {.id = F::kTelefon,
     .prompt = "Telefon:",
     .field = "APL:TELEFON",
     .picture = "s10",
     .tip = "Telefon"},
    {.id = F::kEmail,
     .prompt = "E-mail adresa",
     .field = "APL:EMAIL",
     .picture = "s30",
     .tip = "Email adresa"},
    {.kind = K::DropList,
     .id = F::kSjediste,
     .prompt = "Sjedište",
     .tip = "Naziv općine",
     .chars = 40},
    {.id = F::kSifSjed,
     .field = "APL:SIFSJED",
     .picture = "s4",
     .tip = "Sjedište firme",
     .beside = true},
    {.kind = K::Group, .prompt = "RADNO OKRUŽENJE (direktorij-pretinac)"},
    {.id = F::kRadDir,
     .prompt = "Radni pretinac",
     .field = "APL:RADDIR",
     .picture = "s128",
     .tip = "Radni direktorij"},
    {.id = F::kUlazDir,
     .prompt = "Ulazni podaci",
     .field = "APL:ULAZDIR",
     .picture = "s128",
     .tip = "Direktorij za ulazne datoteke"},
    {.id = F::kIzlazDir,
     .prompt = "Izlazni podaci",
     .field = "APL:IZLAZDIR",
     .picture = "s128",
     .tip = "Direktorj za izlazne datoteke"},
    {.kind = K::Button,
     .id = F::kSpremi,
     .prompt = "&Spremi",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button, .id = F::kPrekini, .prompt = "&Prekini", .role = ButtonRole::Cancel},
    {.kind = K::Button,
     .id = F::kUpute,
     .prompt = "Upu&te",
     .tip = "Upute za rad",
     .role = ButtonRole::Help},
};

}  // namespace

UpdateAPLPARAM::UpdateAPLPARAM(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateAPLPARAM", "APL") {
  setCaptions("Promjena aplikacijskih parametara", "Promjena aplikacijskih parametara");
  allowRequests(false, true, false);
  setWindowTitle("Promjena aplikacijskih parametara");
  setStatusTip("Upute za rad");
  setHelpTopic("~T5.0");
  setDialogSize(307, 202);
  seat_ = new FileDrop(*this, "OPC", "KEYNAZIV", "NAZIV", kSjediste);
  seat_->onChoose = [this](const Record& opc) {
    record().setText(record().index("NAZSJED"), opc.text(opc.index("NAZIV")));
    record().setText(record().index("SIFSJED"), opc.text(opc.index("SIFRA")));
    binder().show(kSifSjed);
  };
  describe(kControls, {{kSjediste, seat_->combo()}});
}

// Started from the menu without a request, the form changes record 1.
bool UpdateAPLPARAM::init() {
  if (thread().nextRequest == request::kNone) thread().nextRequest = request::kChange;
  return UpdateForm::init();
}

void UpdateAPLPARAM::declare() {
  firstField_ = kMB01;
  insertAction_ = 1;
  cancelAction_ = 0;
}

bool UpdateAPLPARAM::openTables() {
  return UpdateForm::openTables() && openTable("OPC");
}

int UpdateAPLPARAM::takeWindowEvent(const Event& e) {
  if (e.kind == EventKind::OpenWindow) {
    request_ = request::kChange;
    seat_->reset();
    Record& apl = record();
    apl.clear();
    apl.setInteger(apl.index("RB"), 1);
    if (primary().table().get("KEYRB") == 0) redisplay();
  }
  return UpdateForm::takeWindowEvent(e);
}

void UpdateAPLPARAM::redisplay() {
  UpdateForm::redisplay();
  if (seat_) seat_->setText(fieldText(record(), record().index("NAZSJED")));
}

// The authorised person's identifiers are judged when their fields are left and again, all
// together, before the standard save.
int UpdateAPLPARAM::takeAccepted(int control) {
  CheckResult failure;
  if (control == kMB01) failure = checkParameterField(record(), "APL:MB01");
  if (control == kJMBG) failure = checkParameterField(record(), "APL:JMBG");
  if (control == kSpremi) failure = checkParameterSave(record());
  if (failure) return refuse(*failure);
  warnOfMissingFolder(control);
  return UpdateForm::takeAccepted(control);
}

// A folder that does not exist is told, and made if the user wants it now; the field keeps the
// name either way.
void UpdateAPLPARAM::warnOfMissingFolder(int control) {
  const char* field = control == kRadDir     ? "RADDIR"
                      : control == kUlazDir  ? "ULAZDIR"
                      : control == kIzlazDir ? "IZLAZDIR"
                                             : nullptr;
  if (!field) return;
  const std::string warning = missingFolderWarning(record(), field, thread().context().workDir());
  if (warning.empty()) return;
  const QString question =
      QString::fromStdString(warning) + QString::fromUtf8(".\nNapraviti mapu?");
  if (desktop().prompter.show(QString::fromUtf8("Mapa"), question, Icon::Question, Buttons::YesNo,
                              Answer::Yes) != Answer::Yes)
    return;
  const std::string why = makeParameterFolder(record(), field, thread().context().workDir());
  if (!why.empty())
    desktop().prompter.message(QString::fromUtf8("Greška: ") + QString::fromStdString(why));
}

}  // namespace obrazac::ui
