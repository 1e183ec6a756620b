// UpdateNewZaposleni: the form of one employee's monthly row (TBZAPOSL.DAT) under the obligor of
// the calling window: the person with the birth date read from the personal number, the
// municipality chosen by name, the kinds of obligor and calculation, the basis, the period and
// the five amounts. Entering a pillar's amount proposes its contribution from the rates; leaving
// a field checks it, and "&Spremi" runs the save tests in their order (a combination missing from
// the control table is a warning). A new row may start from a copied one. The tab "RANIJE
// UPLATE" lists the person's page B rows of earlier forms; "Kontrola" opens the control-table
// tree.
#pragma once

#include <string>

#include "frame/ui/browse_list.h"
#include "frame/ui/update_form.h"

class QComboBox;
class QLineEdit;

namespace obrazac::ui {

class FileDrop;

class UpdateNewZaposleni final : public UpdateForm {
  Q_OBJECT

 public:
  enum Control {
    kRedBroj = 2,
    kNazivObveznika = 3,
    kJmbg = 4,
    kDatumRodjenja = 5,
    kPrezime = 6,
    kOpcina = 7,
    kOpcinaNaziv = 8,
    kClanDN = 9,
    kVrsObv = 10,
    kVrsObvOpis = 11,
    kVrstaUpla = 12,
    kOsnova1 = 13,
    kOsnova3 = 14,
    kGodina = 15,
    kMjesec = 16,
    kOd = 17,
    kDo = 18,
    kIznos7 = 19,
    kIznos8 = 20,
    kIznos9 = 21,
    kIznos10 = 22,
    kIznos11 = 23,
    kArhiva = 24,
    kArhivaDodaj = 25,
    kArhivaOtvori = 26,
    kArhivaObrisi = 27,
    kSpremi = 28,
    kOdustani = 29,
    kKontrola = 30,
    kUpute = 31,
  };

  // `copy`: the row "&Kopiraj" took, which a new row starts from; nullptr for none.
  UpdateNewZaposleni(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                     const Record* copy = nullptr);

  BrowseList* earlierPayments() const { return arhiva_; }
  void callProcedure(int number, int request, Done then) override;

 protected:
  void declare() override;
  bool openTables() override;
  void primeFields() override;
  void setUpLists() override;
  int takeAccepted(int control) override;
  void redisplay() override;
  std::optional<FieldRef> stateField(std::string_view name) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void lookUp();
  void propose(int control);
  void openTree();

  const Record* copy_;
  QComboBox* vrstaUpla_;
  QComboBox* osnova1_;
  QComboBox* osnova3_;
  FileDrop* opcina_ = nullptr;
  BrowseList* arhiva_ = nullptr;
  int firma_ = 0;
  std::string nazivObveznika_;
  std::string datumRodjenja_;
  std::string vrsObvOpis_;
};

}  // namespace obrazac::ui
