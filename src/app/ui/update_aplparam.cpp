#include "app/ui/update_aplparam.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/parameter_checks.h"
#include "frame/ui/file_drop.h"

namespace obrazac::ui {

UpdateAPLPARAM::UpdateAPLPARAM(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateAPLPARAM", "APL") {
  setCaptions("Promjena aplikacijskih parametara", "Promjena aplikacijskih parametara");
  allowRequests(false, true, false);
  setWindowTitle("Promjena aplikacijskih parametara");
  setStatusTip("Upute za rad");
  setDialogSize(307, 202);
  auto* layout = new QVBoxLayout(this);

  auto entry = [this](int control, const std::string& field, const char* tip, int chars) {
    auto* e = new QLineEdit(this);
    bindField(control, e, field);
    if (tip) e->setToolTip(QString::fromUtf8(tip));
    const int width = e->fontMetrics().averageCharWidth() * (chars + 2) + 8;
    if (chars <= 13)
      e->setFixedWidth(width);
    else
      e->setMinimumWidth(std::min(width, e->fontMetrics().averageCharWidth() * 44));
    return e;
  };

  auto* person = new QGroupBox(QString::fromUtf8("  PODACI O OVLAŠTENOJ OSOBI"), this);
  auto* grid = new QGridLayout(person);
  int row = 0;
  auto prompt = [&](const char* text, QWidget* w) {
    auto* label = new QLabel(QString::fromUtf8(text), person);
    label->setBuddy(w);
    grid->addWidget(label, row, 0);
  };
  QLineEdit* mb01 = entry(kMB01, "MB01", "Matični broj servisa", 8);
  QLineEdit* mb02 = entry(kMB02, "MB02", "Nastavak MB", 4);
  prompt("Matični broj", mb01);
  auto* mbRow = new QHBoxLayout;
  mbRow->addWidget(mb01);
  mbRow->addWidget(mb02);
  mbRow->addStretch(1);
  grid->addLayout(mbRow, row++, 1);
  QLineEdit* jmbg = entry(kJMBG, "JMBG", nullptr, 13);
  prompt("MBG", jmbg);
  grid->addWidget(jmbg, row++, 1, Qt::AlignLeft);
  const struct {
    int control;
    const char* field;
    const char* label;
    const char* tip;
    int chars;
  } rows[] = {{kNaziv, "NAZIV", "Naziv", "Naziv servisa", 50},
              {kAdresa, "ADRESA", "Adresa:", "Adresa servisa", 50},
              {kKonOso, "KONOSO", "Kontakt osoba", "Kontak osoba", 50},
              {kTelefon, "TELEFON", "Telefon:", "Telefon", 10},
              {kEmail, "EMAIL", "E-mail adresa", "Email adresa", 30}};
  for (const auto& r : rows) {
    QLineEdit* e = entry(r.control, r.field, r.tip, r.chars);
    prompt(r.label, e);
    grid->addWidget(e, row++, 1, r.chars < 40 ? Qt::AlignLeft : Qt::Alignment());
  }
  seat_ = new FileDrop(*this, "OPC", "KEYNAZIV", "NAZIV", kSjediste);
  seat_->combo()->setToolTip(QString::fromUtf8("Naziv općine"));
  seat_->combo()->setMinimumWidth(seat_->combo()->fontMetrics().averageCharWidth() * 40);
  seat_->onChoose = [this](const Record& opc) {
    record().setText(record().index("NAZSJED"), opc.text(opc.index("NAZIV")));
    record().setText(record().index("SIFSJED"), opc.text(opc.index("SIFRA")));
    redisplayField(kSifSjed);
  };
  prompt("Sjedište", seat_->combo());
  QLineEdit* code = entry(kSifSjed, "SIFSJED", "Sjedište firme", 4);
  auto* seatRow = new QHBoxLayout;
  seatRow->addWidget(seat_->combo());
  seatRow->addWidget(code);
  seatRow->addStretch(1);
  grid->addLayout(seatRow, row++, 1);
  layout->addWidget(person);

  auto* folders = new QGroupBox(QString::fromUtf8("RADNO OKRUŽENJE (direktorij-pretinac)"), this);
  grid = new QGridLayout(folders);
  row = 0;
  auto folderPrompt = [&](const char* text, QWidget* w) {
    auto* label = new QLabel(QString::fromUtf8(text), folders);
    label->setBuddy(w);
    grid->addWidget(label, row, 0);
    grid->addWidget(w, row++, 1);
  };
  folderPrompt("Radni pretinac", entry(kRadDir, "RADDIR", "Radni direktorij", 128));
  folderPrompt("Ulazni podaci", entry(kUlazDir, "ULAZDIR", "Direktorij za ulazne datoteke", 128));
  folderPrompt("Izlazni podaci",
               entry(kIzlazDir, "IZLAZDIR", "Direktorj za izlazne datoteke", 128));
  layout->addWidget(folders);

  addButtonRow(layout, {kSpremi, "&Spremi", {}}, {kPrekini, "&Prekini", {}},
               {kUpute, "Upu&te", "Upute za rad"});
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

int UpdateAPLPARAM::refuse(const CheckFailure& failure) {
  if (failure.beep) desktop().prompter.beep();
  desktop().prompter.message(QString::fromUtf8(failure.message));
  select(failure.field == "APL:JMBG" ? kJMBG : kMB01);
  return level::kNotify;
}

// The authorised person's identifiers are judged when their fields are left and again, all
// together, before the standard save.
int UpdateAPLPARAM::takeAccepted(int control) {
  CheckResult failure;
  if (control == kMB01) failure = checkParameterField(record(), "APL:MB01");
  if (control == kJMBG) failure = checkParameterField(record(), "APL:JMBG");
  if (control == kSpremi) failure = checkParameterSave(record());
  if (failure) return refuse(*failure);
  return UpdateForm::takeAccepted(control);
}

}  // namespace obrazac::ui
