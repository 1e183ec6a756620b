// BrowseZaposlenici: the obligor window "Poslodavac i zaposlenici", the form of one obligor
// (TBPOSLOD.DAT) above the list of its employees' monthly rows (TBZAPOSL.DAT). BrowseFirme calls
// it with its request: a new obligor starts with a zero MBG, a zero second part of the MB and the
// next free running number; a changed one keeps its running number, under which its employees
// are filed; a deleted one goes after the standard confirmation, its employees with it. "&Spremi"
// runs the obligor's save tests in order and stores it. The employees (once the obligor is
// stored) are inserted, changed and deleted through UpdateNewZaposleni; "&Kopiraj" starts a new
// row from the highlighted one, "&Ispiši" prints the obligor with its employees.
#pragma once

#include <memory>
#include <string>

#include "frame/ui/browse_list.h"
#include "frame/ui/update_form.h"

class QComboBox;

namespace obrazac::ui {

class BrowseZaposlenici final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kVrsta = 2,
    kVrstaOpis = 3,
    kRedBroj = 4,
    kMB01 = 5,
    kMB02 = 6,
    kJMBG = 7,
    kNaziv = 8,
    kAdresa = 9,
    kKontakt = 10,
    kTelefon = 11,
    kEmail = 12,
    kIdentifikator = 13,
    kObrGod = 14,
    kList = 15,
    kDodaj = 16,
    kOtvori = 17,
    kObrisi = 18,
    kIspisi = 19,
    kKopiraj = 20,   // on the tab "MBG osiguranika"
    kKopiraj2 = 21,  // on the tab "Prezime i ime"
    kSpremi = 22,
    kPrekini = 23,
    kUpute = 24,
  };

  BrowseZaposlenici(Desktop& desktop, std::shared_ptr<ProcedureThread> thread);

  BrowseList* list() const { return list_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  void declare() override;
  bool openTables() override;
  void primeFields() override;
  void setUpLists() override;
  int takeAccepted(int control) override;
  void redisplay() override;
  std::optional<FieldRef> stateField(std::string_view name) override;

 private:
  int runningNumber();
  void showKind();
  void tabChanged(int tab);
  void copyHighlighted();
  void print();

  QComboBox* vrsta_;
  BrowseList* list_;
  std::string vrstaOpis_;
  // The highlighted employee row "&Kopiraj" took; the next new row starts from it. "&Dodaj"
  // starts from nothing.
  std::unique_ptr<Record> copy_;
  bool copying_ = false;
};

}  // namespace obrazac::ui
