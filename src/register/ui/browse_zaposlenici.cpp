#include "register/ui/browse_zaposlenici.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTableView>

#include "codelists/code_lookup.h"
#include "codelists/ui/code_drop_list.h"
#include "frame/ui/process_report.h"
#include "prints/register_prints.h"
#include "register/obligor_checks.h"
#include "register/running_number.h"
#include "register/ui/update_new_zaposleni.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = BrowseZaposlenici;

constexpr ControlDescription kControls[] = {
    {.kind = K::DropList,
     .id = F::kVrsta,
     .prompt = "Vrsta obveznika",
     .field = "POS:VRSTOBVEZNIKA",
     .chars = 32},
    {.kind = K::Display,
     .id = F::kVrstaOpis,
     .field = "vrstaOpis",
     .tip = "Opis vrste obveznika",
     .chars = 60,
     .beside = true},
    {.id = F::kRedBroj, .prompt = "Redni broj fimre", .field = "POS:REDBROJ", .picture = "N03"},
    {.id = F::kMB01,
     .prompt = "Matični broj obveznika 1. dio",
     .field = "POS:MB01",
     .picture = "s8"},
    {.id = F::kMB02,
     .prompt = "Matični broj obveznika 2. dio",
     .field = "POS:MB02",
     .picture = "s4",
     .beside = true},
    {.id = F::kJMBG, .prompt = "MBG obveznika", .field = "POS:JMBG", .picture = "s13"},
    {.id = F::kNaziv, .prompt = "Naziv obveznika", .field = "POS:NAZIV", .picture = "s50"},
    {.id = F::kAdresa, .prompt = "Adresa obveznika", .field = "POS:ADRESA", .picture = "s50"},
    {.id = F::kKontakt, .prompt = "Kontakt osoba", .field = "POS:KONTAKT", .picture = "s50"},
    {.id = F::kTelefon, .prompt = "Broj telefona", .field = "POS:TELEFON", .picture = "s10"},
    {.id = F::kEmail, .prompt = "E-mail adresa", .field = "POS:EMAIL", .picture = "s30"},
    {.id = F::kIdentifikator,
     .prompt = "Zadnji identifikator:",
     .field = "POS:IDENTIFIKATOR",
     .picture = "N03",
     .tip = "Identifikator obrasca"},
    {.id = F::kObrGod, .prompt = "Obračunaska godina", .field = "POS:OBRGOD", .picture = "N04"},
    {.kind = K::List, .id = F::kList},
    {.kind = K::Button, .id = F::kDodaj, .prompt = "&Dodaj", .tip = "Upis novog zaposlenika"},
    {.kind = K::Button,
     .id = F::kOtvori,
     .prompt = "&Otvori",
     .tip = "Promjena podataka zaposlenika"},
    {.kind = K::Button, .id = F::kObrisi, .prompt = "&Obriši", .tip = "Obriši označeni redak"},
    {.kind = K::Button,
     .id = F::kIspisi,
     .prompt = "&Ispiši",
     .tip = "Ispiši poslodavca i njegove osiguranike"},
    {.kind = K::Button,
     .id = F::kKopiraj,
     .prompt = "&Kopiraj",
     .tip = "Novi redak s podacima označenog zaposlenika"},
    {.kind = K::Button,
     .id = F::kKopiraj2,
     .prompt = "&Kopiraj",
     .tip = "Novi redak s podacima označenog zaposlenika"},
    {.kind = K::Button,
     .id = F::kSpremi,
     .prompt = "&Spremi",
     .tip = "Spremi podatke poslodavca",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button,
     .id = F::kPrekini,
     .prompt = "&Prekini",
     .tip = "Zatvori prozor bez spremanja",
     .role = ButtonRole::Cancel},
    {.kind = K::Button,
     .id = F::kUpute,
     .prompt = "&Upute",
     .tip = "Upute za rad",
     .role = ButtonRole::Help},
};

// The buttons that work on the employee list.
constexpr int kEmployeeButtons[] = {F::kDodaj,  F::kOtvori,  F::kObrisi,
                                    F::kIspisi, F::kKopiraj, F::kKopiraj2};

}  // namespace

BrowseZaposlenici::BrowseZaposlenici(Desktop& desktop, std::shared_ptr<ProcedureThread> thread)
    : UpdateForm(desktop, std::move(thread), "BrowseZaposlenici", "POS"),
      vrsta_(new QComboBox(this)) {
  setWindowTitle(QString::fromUtf8("Poslodavac i zaposlenici"));
  setCaptions(QString::fromUtf8("Poslodavac i zaposlenici"),
              QString::fromUtf8("Poslodavac i zaposlenici"));
  setDialogSize(440, 350);
  list_ = new BrowseList(*this, "RAD", kList);
  describe(kControls, {{kVrsta, vrsta_}, {kList, list_->widget()}});
}

void BrowseZaposlenici::declare() {
  firstField_ = kVrsta;
  cancelAction_ = 0;  // "&Prekini" closes without saving
}

bool BrowseZaposlenici::openTables() {
  if (!UpdateForm::openTables() || !openTable("VOB") || !openTable("RAD")) return false;
  fillCodeDropList(*vrsta_, thread().table("VOB"));
  return true;
}

int BrowseZaposlenici::runningNumber() {
  return static_cast<int>(record().integer(record().index("REDBROJ")));
}

// A new obligor has neither identifier yet and the running number after the highest; the user
// may change both.
void BrowseZaposlenici::primeFields() {
  Record& pos = record();
  pos.setText(pos.index("JMBG"), "0000000000000");
  pos.setText(pos.index("MB02"), "0000");
  pos.setInteger(pos.index("REDBROJ"), nextRunningNumber(primary().table()));
}

void BrowseZaposlenici::setUpLists() {
  // The employees are filed under the obligor's running number: it stays what it is once the
  // obligor is stored, and the employees wait until it is.
  const bool stored = request_ != request::kInsert;
  qobject_cast<QLineEdit*>(control(kRedBroj))->setReadOnly(stored);

  const auto ofThisObligor = [this](Record& r) {
    r.setInteger(r.index("REDBROJ"), runningNumber());
  };
  BrowseList::SortOrder byJmbg;
  byJmbg.tab = QString::fromUtf8("MBG osiguranika");
  byJmbg.key = "KEYRBRFIRME";
  byJmbg.locator = BrowseList::Locator::Step;
  byJmbg.rangeComponents = 1;
  byJmbg.primeRange = ofThisObligor;
  list_->addSortOrder(byJmbg);
  BrowseList::SortOrder byName;
  byName.tab = QString::fromUtf8("Prezime i ime");
  byName.key = "KEYPREZIME";
  byName.locator = BrowseList::Locator::Step;
  byName.filter = [this](const Record& r) {
    return r.integer(r.index("REDBROJ")) == runningNumber();
  };
  list_->addSortOrder(byName);

  list_->addColumn({"MBG", "JMBG", 14, {}});
  list_->addColumn({"Prezime i ime", "PREZIME", 35,
                    [](const Record& r) { return fieldText(r, r.index("PREZIME")).left(35); }});
  list_->addColumn({QString::fromUtf8("Općina"), "OPCINA", 6, {}});
  list_->addColumn({"OMF", "CLANDN", 4, {}});
  list_->addColumn({"OO", "OSNOVA1", 3, {}});
  list_->addColumn({" B", "OSNOVA3", 3, {}});
  list_->addColumn({"GGGG", "GODOBRA", 5, {}});
  list_->addColumn({"MM", "MJEOBRA", 3, {}});
  list_->addColumn({"DD", "ODDANA", 3, {}});
  list_->addColumn({"DD", "DODANA", 3, {}});
  if (stored) {
    list_->setButtons(kDodaj, kOtvori, kObrisi, 0);
  } else {
    // Said where the user looks: on the waiting buttons and in the status line.
    const QString why = QString::fromUtf8(
        "Zaposlenici se upisuju kad se poslodavac spremi: najprije Spremi, zatim Otvori");
    for (int id : kEmployeeButtons) {
      control(id)->setEnabled(false);
      control(id)->setToolTip(why);
    }
    list_->view()->setStatusTip(why);
  }
  list_->init();
  connect(list_->tabs(), &QTabBar::currentChanged, this, [this](int tab) { tabChanged(tab); });
  tabChanged(0);
}

// "&Ispiši" and the first "&Kopiraj" belong to the first tab, the second "&Kopiraj" to the
// second.
void BrowseZaposlenici::tabChanged(int tab) {
  control(kIspisi)->setVisible(tab == 0);
  control(kKopiraj)->setVisible(tab == 0);
  control(kKopiraj2)->setVisible(tab == 1);
}

int BrowseZaposlenici::takeAccepted(int control) {
  switch (control) {
    case kVrsta:
      showKind();
      break;
    case kDodaj:
      copying_ = false;
      break;
    case kKopiraj:
    case kKopiraj2:
      copyHighlighted();
      return level::kNotify;
    case kIspisi:
      print();
      return level::kNotify;
    case kSpremi:
      if (CheckResult failure = checkObligorSave(thread().context(), record()))
        return refuse(*failure);
      break;
    default:
      break;
  }
  return UpdateForm::takeAccepted(control);
}

void BrowseZaposlenici::copyHighlighted() {
  if (list_->rowCount() == 0) return;
  updateBrowses();
  copy_ = std::make_unique<Record>(list_->table().record());
  copying_ = true;
  list_->ask(request::kInsert);
}

void BrowseZaposlenici::callProcedure(int number, int request, Done then) {
  if (number != 1) return UpdateForm::callProcedure(number, request, std::move(then));
  const Record* copy = copying_ && request == request::kInsert ? copy_.get() : nullptr;
  callOnThread(new UpdateNewZaposleni(desktop(), threadHandle(), copy), request, std::move(then));
}

// The stored obligor with its stored employees, read on a thread of the report's own so that
// nothing typed into this window is disturbed; no employees, nothing to process.
void BrowseZaposlenici::print() {
  const int firma = runningNumber();
  auto ctx = std::make_shared<Context>(desktop().workDir);
  Table& rad = ctx->table("RAD");
  if (rad.open() != 0) return;
  std::shared_ptr<prints::RecordReport> report =
      prints::osiguraniciReport(*ctx, firma, SystemClock());
  if (!report) return;
  ReportJob job = recordReportJob(QString::fromUtf8("PrintOsiguranici"), rad, std::move(report));
  QPointer<BrowseZaposlenici> self(this);
  runReport(desktop(), this, std::move(job), [self, ctx](ReportEnd) {
    if (!self) return;
    self->list_->resetSort(true);
    self->list_->updateWindow();
  });
}

void BrowseZaposlenici::showKind() {
  const std::string opis = codeDescription(thread().context(), "VOB",
                                           record().text(record().index("VRSTOBVEZNIKA")), "OPIS");
  vrstaOpis_ = opis.substr(0, 60);
  binder().show(kVrstaOpis);
}

void BrowseZaposlenici::redisplay() {
  UpdateForm::redisplay();
  showKind();
}

std::optional<FieldRef> BrowseZaposlenici::stateField(std::string_view name) {
  if (name == "vrstaOpis") return FieldRef(vrstaOpis_, "vrstaOpis");
  return std::nullopt;
}

}  // namespace obrazac::ui
