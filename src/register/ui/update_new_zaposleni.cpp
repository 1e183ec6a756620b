#include "register/ui/update_new_zaposleni.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "codelists/code_lookup.h"
#include "codelists/ui/code_drop_list.h"
#include "codelists/ui/stablo.h"
#include "data/codepage.h"
#include "data/date_text.h"
#include "data/fixed_width.h"
#include "frame/ui/entry_picture.h"
#include "frame/ui/file_drop.h"
#include "register/entry_rules.h"
#include "register/identifier_checks.h"
#include "register/monthly_data_checks.h"
#include "register/ui/update_arhiva_tbosigur.h"

namespace obrazac::ui {
namespace {

using K = ControlKind;
using F = UpdateNewZaposleni;

constexpr const char* kAmount = "N-_15`2";

constexpr ControlDescription kControls[] = {
    {.kind = K::Tab, .prompt = "PODACI O OSIGURANIKU"},
    {.kind = K::Display,
     .id = F::kRedBroj,
     .prompt = "Red. broj poslodavca",
     .field = "firma",
     .chars = 5},
    {.kind = K::Display,
     .id = F::kNazivObveznika,
     .prompt = "Naziv obveznika",
     .field = "nazivObveznika",
     .chars = 50},
    {.id = F::kJmbg, .prompt = "MBG osiguranika", .field = "RAD:JMBG", .picture = "s13"},
    {.kind = K::Display,
     .id = F::kDatumRodjenja,
     .field = "datumRodjenja",
     .tip = "Datum rođenja",
     .chars = 11,
     .beside = true},
    {.id = F::kPrezime, .prompt = "Prezime i ime", .field = "RAD:PREZIME", .picture = "s60"},
    {.id = F::kOpcina, .prompt = "Općina/grad", .field = "RAD:OPCINA", .picture = "s4"},
    {.kind = K::DropList,
     .id = F::kOpcinaNaziv,
     .tip = "Naziv općine/grada",
     .chars = 32,
     .beside = true},
    {.id = F::kClanDN,
     .prompt = "Osoba član OMF",
     .field = "RAD:CLANDN",
     .picture = "s1",
     .tip = "Član obveznom mirovinskog fonda"},
    {.id = F::kVrsObv, .prompt = "Vrsta obveznika", .field = "RAD:VRSOBV", .picture = "s2"},
    {.kind = K::Display,
     .id = F::kVrsObvOpis,
     .field = "vrsObvOpis",
     .tip = "Opis vrste obveznika",
     .chars = 32,
     .beside = true},
    {.kind = K::DropList,
     .id = F::kVrstaUpla,
     .prompt = "Vrsta obračuna/ispravka",
     .field = "RAD:VRSTAUPLA",
     .chars = 36},
    {.kind = K::DropList,
     .id = F::kOsnova1,
     .prompt = "Osnov obračuna",
     .field = "RAD:OSNOVA1",
     .chars = 36},
    {.kind = K::DropList,
     .id = F::kOsnova3,
     .prompt = "Oznaka staža s povećanim trajanjem",
     .field = "RAD:OSNOVA3",
     .tip = "Uvećani staž",
     .chars = 36},
    {.id = F::kGodina, .prompt = "Godina obrade", .field = "RAD:GODOBRA", .picture = "N04"},
    {.id = F::kMjesec, .prompt = "Mjesec obračuna", .field = "RAD:MJEOBRA", .picture = "N02"},
    {.id = F::kOd, .prompt = "Za razdoblje od", .field = "RAD:ODDANA", .picture = "N02"},
    {.id = F::kDo, .prompt = "Do kojeg dana", .field = "RAD:DODANA", .picture = "N02"},
    {.id = F::kIznos7,
     .prompt = "Iznos obračunane plaće/naknade/dohotka",
     .field = "RAD:IZNOS7",
     .picture = kAmount},
    {.id = F::kIznos8,
     .prompt = "Iznos osnovice za obračun doprinosa",
     .field = "RAD:IZNOS8",
     .picture = kAmount},
    {.id = F::kIznos9,
     .prompt = "Mirovinsko osiguranje I. stup",
     .field = "RAD:IZNOS9",
     .picture = kAmount},
    {.id = F::kIznos10,
     .prompt = "Mirovinsko osiguranje II. stup",
     .field = "RAD:IZNOS10",
     .picture = kAmount},
    {.id = F::kIznos11, .prompt = "Neto iznos", .field = "RAD:IZNOS11", .picture = kAmount},
    {.kind = K::Tab, .prompt = "RANIJE UPLATE"},
    {.kind = K::List, .id = F::kArhiva},
    {.kind = K::Button,
     .id = F::kKontrola,
     .prompt = "Kontrola",
     .tip = "Kontrole podataka u zavisnosti od vrste obveznika, vrste obračuna i osnove obračuna"},
    {.kind = K::Button,
     .id = F::kSpremi,
     .prompt = "&Spremi",
     .tip = "Spremanje promjena u bazu",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = K::Button,
     .id = F::kOdustani,
     .prompt = "&Odustani",
     .tip = "Zatvori prozor bez promjena",
     .role = ButtonRole::Cancel},
    {.kind = K::Button,
     .id = F::kUpute,
     .prompt = "&Upute",
     .tip = "Upute za rad",
     .role = ButtonRole::Help},
};

// The fields with a check of their own when they are left.
std::optional<MonthlyField> checkedField(int control) {
  switch (control) {
    case F::kJmbg:
      return MonthlyField::Jmbg;
    case F::kGodina:
      return MonthlyField::Year;
    case F::kMjesec:
      return MonthlyField::Month;
    case F::kOd:
      return MonthlyField::FirstDay;
    case F::kDo:
      return MonthlyField::LastDay;
    case F::kIznos10:
      return MonthlyField::SecondPillar;
    default:
      return std::nullopt;
  }
}

BrowseList::Column amountColumn(const char* title, const char* field) {
  return {QString::fromUtf8(title), field, 13, [field = std::string(field)](const Record& r) {
            static const EntryPicture amount(kAmount);
            return amount.show(r.decimal(r.index(field)));
          }};
}

// The birth date of a personal number that has its 13 digits, as "15.03.1975.".
std::string birthDate(std::string_view jmbg) {
  jmbg = clipRight(jmbg);
  if (jmbg.size() != 13 || !isDigits(jmbg)) return {};
  return dateText(DatumIzJMBG(jmbg)) + ".";
}

}  // namespace

UpdateNewZaposleni::UpdateNewZaposleni(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                                       const Record* copy)
    : UpdateForm(desktop, std::move(thread), "UpdateNewZaposleni", "RAD"),
      copy_(copy),
      vrstaUpla_(new QComboBox(this)),
      osnova1_(new QComboBox(this)),
      osnova3_(new QComboBox(this)) {
  setWindowTitle(QString::fromUtf8("Dodavanje podataka"));
  setCaptions(QString::fromUtf8("Dodavanje podataka"), QString::fromUtf8("Promjena podataka"));
  setDialogSize(380, 330);
  opcina_ = new FileDrop(*this, "OPC", "KEYNAZIV", "NAZIV", kOpcinaNaziv);
  opcina_->onChoose = [this](const Record& opc) {
    record().setText(record().index("OPCINA"), opc.text(opc.index("SIFRA")));
    binder().show(kOpcina);
  };

  // The earlier payments: the list with its own buttons on its tab.
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  arhiva_ = new BrowseList(*this, "OSI", kArhiva);
  column->addWidget(arhiva_->widget(), 1);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  const std::tuple<int, const char*, const char*> buttons[] = {
      {kArhivaDodaj, "Dodaj", "Upis ranije uplate"},
      {kArhivaOtvori, "Otvori", "Promjena ranije uplate"},
      {kArhivaObrisi, "Obriši", "Obriši označeni redak"}};
  for (const auto& [id, text, tip] : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(text), page);
    button->setToolTip(QString::fromUtf8(tip));
    row->addWidget(button);
    registerButton(id, button);
  }
  row->addStretch(1);

  describe(kControls, {{kVrstaUpla, vrstaUpla_},
                       {kOsnova1, osnova1_},
                       {kOsnova3, osnova3_},
                       {kOpcinaNaziv, opcina_->combo()},
                       {kArhiva, page}});
  for (int pillar : {kIznos9, kIznos10}) control(pillar)->installEventFilter(this);
}

void UpdateNewZaposleni::declare() {
  firstField_ = kJmbg;
}

// The drop lists are filled before the row is shown, so each shows its row's code.
bool UpdateNewZaposleni::openTables() {
  if (!UpdateForm::openTables()) return false;
  for (const char* prefix : {"OPC", "VOB", "VUP", "TBO", "STA", "OSI"})
    if (!openTable(prefix)) return false;
  fillCodeDropList(*vrstaUpla_, thread().table("VUP"));
  fillCodeDropList(*osnova1_, thread().table("TBO"));
  fillCodeDropList(*osnova3_, thread().table("STA"), true);
  opcina_->reset();
  return true;
}

// A new row is filed under the obligor of the calling window and takes its kind. After
// "&Kopiraj" it starts from the copied row without its period and items 10 and 11.
void UpdateNewZaposleni::primeFields() {
  Record& rad = record();
  if (copy_) {
    rad = *copy_;
    for (const char* cleared : {"ODDANA", "DODANA"}) rad.setInteger(rad.index(cleared), 0);
    for (const char* cleared : {"IZNOS10", "IZNOS11"}) rad.setDecimal(rad.index(cleared), {});
  }
  const Record& pos = thread().table("POS").record();
  rad.setInteger(rad.index("REDBROJ"), pos.integer(pos.index("REDBROJ")));
  rad.setText(rad.index("VRSOBV"), pos.text(pos.index("VRSTOBVEZNIKA")));
}

void UpdateNewZaposleni::setUpLists() {
  BrowseList::SortOrder byJmbg;
  byJmbg.key = "KEYJMBG";
  byJmbg.rangeComponents = 1;
  byJmbg.primeRange = [this](Record& r) {
    r.setText(r.index("JMBG"), record().text(record().index("JMBG")));
  };
  arhiva_->addSortOrder(byJmbg);
  arhiva_->addColumn({"Godina", "GODOBRA", 6, {}});
  arhiva_->addColumn({" Mjesec", "OBRMJE", 6, {}});
  arhiva_->addColumn({"Od", "OBRRAZD1", 3, {}});
  arhiva_->addColumn({"Do", "OBRRAZD2", 3, {}});
  arhiva_->addColumn({"OO", "OSNOVA1", 3, {}});
  arhiva_->addColumn({" B", "OSNOVA3", 3, {}});
  arhiva_->addColumn(amountColumn("Bruto iznos", "IZNOS7"));
  arhiva_->addColumn(amountColumn("Osnovica", "IZNOS8"));
  arhiva_->addColumn(amountColumn("Iznos I. stupa", "IZNOS9"));
  arhiva_->addColumn(amountColumn("Iznos II. stupa", "IZNOS10"));
  arhiva_->addColumn(amountColumn("Neto", "IZNOS11"));
  arhiva_->setButtons(kArhivaDodaj, kArhivaOtvori, kArhivaObrisi, 0);
  arhiva_->init();
}

int UpdateNewZaposleni::takeAccepted(int control) {
  if (const auto field = checkedField(control))
    if (const CheckResult failure = checkMonthlyField(*field, record())) return refuse(*failure);
  switch (control) {
    case kJmbg:
    case kOpcina:
    case kVrsObv:
      lookUp();
      binder().show();
      break;
    case kKontrola:
      openTree();
      return level::kNotify;
    case kSpremi: {
      const Position stored =
          request_ == request::kChange ? primary().table().position() : Position{};
      const MonthlySaveCheck check =
          checkMonthlySave(thread().context(), SystemClock(), record(), stored);
      if (!check.warning.empty()) desktop().prompter.message(QString::fromStdString(check.warning));
      if (check.failure) return refuse(*check.failure);
      break;
    }
    default:
      break;
  }
  return UpdateForm::takeAccepted(control);
}

// The user entering a pillar's amount gets the contribution its rates give; the focus coming
// back after a refused save leaves the amount as it is.
bool UpdateNewZaposleni::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    switch (static_cast<QFocusEvent*>(event)->reason()) {
      case Qt::TabFocusReason:
      case Qt::BacktabFocusReason:
      case Qt::MouseFocusReason:
      case Qt::ShortcutFocusReason:
        propose(controlId(qobject_cast<QWidget*>(watched)));
        break;
      default:
        break;
    }
  }
  return UpdateForm::eventFilter(watched, event);
}

void UpdateNewZaposleni::propose(int control) {
  const Pillar pillar = control == kIznos9 ? Pillar::First : Pillar::Second;
  if (!proposeContribution(thread().context(), record(), pillar)) return;
  binder().show(control);
  if (auto* edit = qobject_cast<QLineEdit*>(this->control(control))) edit->selectAll();
}

void UpdateNewZaposleni::openTree() {
  (new Stablo(desktop(), std::make_shared<ProcedureThread>(desktop().workDir)))->run();
}

void UpdateNewZaposleni::callProcedure(int number, int request, Done then) {
  if (number != 1) return UpdateForm::callProcedure(number, request, std::move(then));
  callOnThread(new UpdateArhivaTBOSIGUR(desktop(), threadHandle()), request, std::move(then));
}

void UpdateNewZaposleni::redisplay() {
  lookUp();
  UpdateForm::redisplay();
}

void UpdateNewZaposleni::lookUp() {
  Context& ctx = thread().context();
  const Record& rad = record();
  firma_ = static_cast<int>(rad.integer(rad.index("REDBROJ")));
  const Record& pos = thread().table("POS").record();
  nazivObveznika_ = pos.integer(pos.index("REDBROJ")) == firma_
                        ? std::string(clipRight(pos.text(pos.index("NAZIV"))))
                        : std::string();
  datumRodjenja_ = birthDate(rad.text(rad.index("JMBG")));
  vrsObvOpis_ = codeDescription(ctx, "VOB", rad.text(rad.index("VRSOBV")), "SKROPIS");
  if (opcina_)
    opcina_->setText(QString::fromStdString(
        utf8FromCp1250(codeDescription(ctx, "OPC", rad.text(rad.index("OPCINA")), "NAZIV"))));
}

std::optional<FieldRef> UpdateNewZaposleni::stateField(std::string_view name) {
  if (name == "firma") return FieldRef(firma_, "firma");
  if (name == "nazivObveznika") return FieldRef(nazivObveznika_, "nazivObveznika");
  if (name == "datumRodjenja") return FieldRef(datumRodjenja_, "datumRodjenja");
  if (name == "vrsObvOpis") return FieldRef(vrsObvOpis_, "vrsObvOpis");
  return std::nullopt;
}

}  // namespace obrazac::ui
