#include "codelists/ui/update_tbvrsupl.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "data/fixed_width.h"

namespace obrazac::ui {

UpdateTBVRSUPL::UpdateTBVRSUPL(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "UpdateTBVRSUPL", "VUP") {
  setWindowTitle(QString::fromUtf8("Ažuriranje šifarnika"));
  setCaptions(QString::fromUtf8("Vrste obračuna - Upis nove šifre"),
              QString::fromUtf8("Vrste obračuna - Promjena podataka"));
  setDialogSize(300, 112);
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QString::fromUtf8("VRSTE OBRAČUNA/ISPRAVKA"), this);
  auto* grid = new QGridLayout(group);
  auto row = [&](int r, const char* label, const char* tip, int control, const char* field) {
    auto* edit = new QLineEdit(group);
    bindField(control, edit, field);
    auto* prompt = new QLabel(QString::fromUtf8(label), group);
    prompt->setBuddy(edit);
    if (tip) edit->setToolTip(QString::fromUtf8(tip));
    grid->addWidget(prompt, r, 0);
    grid->addWidget(edit, r, 1);
    return edit;
  };
  QLineEdit* code = row(0, "Šifra", "Šifra vrste obračuna", kSifra, "SIFRA");
  code->setFixedWidth(code->fontMetrics().averageCharWidth() * 4 + 12);
  grid->setAlignment(code, Qt::AlignLeft);
  row(1, "Skraćeni opis", nullptr, kSkrOpis, "SKROPIS");
  row(2, "Opis pojma", nullptr, kOpis, "OPIS");
  layout->addWidget(group);

  addButtonRow(layout, {kSpremi, "Spremi", "Spremanje promjena u bazu "},
               {kOdustani, "Odustani", "Zatvori prozor bez promjena"},
               {kUpute, "Upute", "Upute za rad"});
}

void UpdateTBVRSUPL::declare() {
  firstField_ = kSifra;
}

int UpdateTBVRSUPL::refuse(const char* text, int control) {
  desktop().prompter.message(QString::fromUtf8(text));
  select(control);
  return level::kNotify;
}

// Whether another record has the entered value in the key; the entered values stay on screen.
bool UpdateTBVRSUPL::exists(const char* key) {
  Table& t = primary().table();
  return t.keyValueExists(t.decl().keyIndex(key), record(), Position{});
}

int UpdateTBVRSUPL::takeAccepted(int control) {
  if (control == kSifra) {
    if (clipRight(record().text(record().index("SIFRA"))).size() < 2)
      return refuse("Greška. Šifra mora sadržavati 2 (dva) znaka", kSifra);
  } else if (control == kSpremi && request() == request::kInsert) {
    if (exists("KEYSIFRA")) return refuse("Greška. Dupla šifra", kSifra);
    if (exists("KEYNAZIV")) return refuse("Greška. Dupli naziv pojma", kOpis);
  }
  return UpdateForm::takeAccepted(control);
}

}  // namespace obrazac::ui
