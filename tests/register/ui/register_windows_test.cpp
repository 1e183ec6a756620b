// The register's windows walked as a user would: obligors saved and refused by the window's
// tests, the employee form with its proposed contribution and its save tests, "&Kopiraj", and
// deleting an obligor with its employees.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include "codelists/ui/stablo.h"
#include "frame/ui/print_preview.h"
#include "register/ui/browse_firme.h"
#include "register/ui/browse_zaposlenici.h"
#include "register/ui/update_new_zaposleni.h"
#include "support/cli_runner.h"
#include "support/table_rows.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::settle;
using testing::waitUntil;
using B = BrowseFirme;
using O = BrowseZaposlenici;
using E = UpdateNewZaposleni;
using obrazac::testing::FieldValues;

constexpr const char* kJmbg = "1503975123451";
constexpr const char* kTable = "Provjerite kontrolnu tablicu za VOB=01 VOI=01 OO=01";

// Values typed into controls, by control number; a drop list takes the code it stores.
using Typed = std::vector<std::pair<int, const char*>>;

class RegisterWindowsTest : public DesktopTest {
 protected:
  void SetUp() override {
    Context ctx(dir_.path());
    add(ctx, "VOB",
        {{"SIFRA", "01"},
         {"SKROPIS", "Pravna osoba"},
         {"OPIS", "Pravna osoba"},
         {"MB01", "DA"},
         {"MBG", "NE"}});
    add(ctx, "VOB",
        {{"SIFRA", "02"},
         {"SKROPIS", "Fizička osoba"},
         {"OPIS", "Fizička osoba"},
         {"MB01", "NE"},
         {"MBG", "DA"}});
    add(ctx, "VOB",
        {{"SIFRA", "17"},
         {"SKROPIS", "Ostali"},
         {"OPIS", "Ostali obveznici"},
         {"MB01", "NE"},
         {"MBG", "NE"}});
    add(ctx, "VUP", {{"SIFRA", "01"}, {"SKROPIS", "Plaća"}});
    add(ctx, "TBO", {{"SIFRA", "01"}, {"SKROPIS", "Radni odnos"}});
    add(ctx, "TBO", {{"SIFRA", "02"}, {"SKROPIS", "Bez kontrole"}});
    add(ctx, "STA", {{"SIFRA", "1"}, {"SKROPIS", "12/14"}});
    add(ctx, "OPC", {{"REDBROJ", "1"}, {"SIFRA", "1236"}, {"NAZIV", "Čakovec"}});
    add(ctx, "STO1",
        {{"VRSTOBRACUNA", "01"},
         {"VRSTAOBVEZNIKA", "01"},
         {"OSNOVOBRA", "01"},
         {"STAZ", " "},
         {"CLANDN", "D"},
         {"PRVISTUP1", "15"},
         {"PRVISTUP2", "0"}});
    FieldValues rules = {{"VOB", "01"}, {"VOI", "01"}, {"OO", "01"}};
    for (const char* f : {"GODINA", "PLAGOD", "PLAMJE", "IZNOS7", "IZNOS9", "IZNOS10", "IZNOS11"})
      rules.emplace_back(f, ">=0 ");
    for (const char* f : {"OBRMJE", "DANOD", "DANDO", "IZNOS8"}) rules.emplace_back(f, ">0  ");
    add(ctx, "VEZ", rules);
    add(ctx, "POS",
        {{"REDBROJ", "1"},
         {"NAZIV", "Prva d.o.o."},
         {"ADRESA", "Ilica 1"},
         {"KONTAKT", "Ana"},
         {"VRSTOBVEZNIKA", "01"},
         {"MB01", "12345679"},
         {"MB02", "0000"},
         {"JMBG", "0000000000000"}});
    DesktopTest::SetUp();
  }

  static void add(Context& ctx, const char* prefix, const FieldValues& fields) {
    ASSERT_TRUE(obrazac::testing::insertRow(ctx, prefix, fields).ok()) << prefix;
  }
  // A stored monthly row of obligor `firma` in November 2025.
  static void addEmployee(Context& ctx, const char* firma, const char* jmbg, const char* name,
                          const char* base = "1000") {
    add(ctx, "RAD",
        {{"REDBROJ", firma},
         {"JMBG", jmbg},
         {"PREZIME", name},
         {"OPCINA", "1236"},
         {"VRSOBV", "01"},
         {"VRSTAUPLA", "01"},
         {"CLANDN", "D"},
         {"OSNOVA1", "01"},
         {"OSNOVA3", "1"},
         {"GODOBRA", "2025"},
         {"MJEOBRA", "11"},
         {"ODDANA", "1"},
         {"DODANA", "30"},
         {"IZNOS7", "1200"},
         {"IZNOS8", base},
         {"IZNOS9", "150"},
         {"IZNOS10", "50"},
         {"IZNOS11", "900"}});
  }

  B* openObligors() {
    frame_->action("BrowseFirme")->trigger();
    return waitForActive<B>();
  }
  template <class W>
  W* pressAndWait(ProcedureWindow* w, int control) {
    press(w, control);
    return waitForActive<W>();
  }
  void type(ProcedureWindow* w, const Typed& values) {
    for (const auto& [control, value] : values) {
      QWidget* c = w->control(control);
      if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        enter(edit, QString::fromUtf8(value));
      } else {
        auto* combo = qobject_cast<QComboBox*>(c);
        ASSERT_NE(combo, nullptr) << control;
        const int i = combo->findData(QString::fromUtf8(value));
        ASSERT_GE(i, 0) << control << " has no " << value;
        combo->setCurrentIndex(i);
        emit combo->activated(i);
      }
      settle();
    }
  }
  QString text(ProcedureWindow* w, int control) {
    QWidget* c = w->control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
    return qobject_cast<QComboBox*>(c)->currentText();
  }
  // Presses a button that should close the window; true when it has closed.
  bool pressToClose(ProcedureWindow* w, int control) {
    QPointer<ProcedureWindow> p(w);
    press(w, control);
    return waitUntil([&] { return !p; });
  }
  std::int64_t count(const char* prefix) {
    Context ctx(dir_.path());
    Table& t = ctx.table(prefix);
    EXPECT_EQ(t.open(), 0);
    return t.records();
  }
  // Every entry and drop list carries its prompt as its accessible name.
  static void expectNamedControls(QWidget* w) {
    for (QWidget* c : w->findChildren<QWidget*>()) {
      const bool entry = (qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parent())) ||
                         qobject_cast<QComboBox*>(c);
      if (entry && c->isVisibleTo(w)) {
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->metaObject()->className();
      }
    }
  }
};

TEST_F(RegisterWindowsTest, ObligorSavedOrRefusedByTheWindowsTests) {
  struct Case {
    const char* what;
    Typed typed;
    const char* refusal;  // text or title; none: saved
    int focus;
  } cases[] = {
      {"kind 17 without identifiers",
       {{O::kVrsta, "17"}, {O::kJMBG, ""}, {O::kMB02, ""}},
       nullptr,
       0},
      {"kind 02 with an MB of 8 or 9 and an MBG",
       {{O::kVrsta, "02"}, {O::kMB01, "91234565"}, {O::kJMBG, kJmbg}},
       nullptr,
       0},
      {"a wrong MB check digit",
       {{O::kVrsta, "01"}, {O::kMB01, "12345678"}},
       "Pogrešan MB Firme",
       O::kMB01},
      {"running number 0",
       {{O::kVrsta, "01"}, {O::kMB01, "12345679"}, {O::kRedBroj, "0"}},
       "Redni broj firme mora biti veći od 0",
       O::kRedBroj},
      {"a running number that exists",
       {{O::kVrsta, "01"}, {O::kMB01, "12345679"}, {O::kRedBroj, "1"}},
       "Duplicate Key Error",
       O::kVrsta},
  };
  B* list = openObligors();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), "Popis obveznika - poslodavaca");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    prompter_.shown.clear();
    prompter_.beeps = 0;
    const std::int64_t before = count("POS");
    auto* form = pressAndWait<O>(list, B::kDodaj);
    ASSERT_NE(form, nullptr);
    expectNamedControls(form);
    EXPECT_EQ(text(form, O::kJMBG), "0000000000000");
    EXPECT_EQ(text(form, O::kMB02), "0000");
    EXPECT_EQ(text(form, O::kRedBroj).toInt(), before + 1) << "the next free number";
    EXPECT_FALSE(form->control(O::kDodaj)->isEnabled()) << "employees wait for the obligor";
    EXPECT_NE(form->control(O::kDodaj)->toolTip().indexOf("Spremi"), -1) << "and say so";
    type(form, {{O::kNaziv, "Novi obveznik"}, {O::kAdresa, "Vukovarska 2"}, {O::kKontakt, "Ivo"}});
    type(form, c.typed);
    if (!c.refusal) {
      EXPECT_EQ(text(form, O::kVrstaOpis).isEmpty(), false) << "the kind's description";
      ASSERT_TRUE(pressToClose(form, O::kSpremi)) << prompter_.texts().join("\n").toStdString();
      EXPECT_EQ(count("POS"), before + 1);
      continue;
    }
    prompter_.shown.clear();
    press(form, O::kSpremi);
    EXPECT_TRUE(prompter_.texts().contains(QString::fromUtf8(c.refusal)) ||
                prompter_.titles().contains(QString::fromUtf8(c.refusal)))
        << prompter_.texts().join("\n").toStdString();
    EXPECT_EQ(form->focusedControl(), c.focus);
    EXPECT_EQ(active<O>(), form) << "the window stays open";
    EXPECT_EQ(text(form, O::kNaziv), "Novi obveznik") << "with what was typed";
    EXPECT_EQ(count("POS"), before);
    ASSERT_TRUE(pressToClose(form, O::kPrekini));
  }
  EXPECT_EQ(list->list()->rowCount(), 3);
}

// The controls Tab visits from the first one, a control met again at once counted once (the
// parts of a list).
std::vector<int> tabOrder(ProcedureWindow* w, int first, int steps) {
  w->select(first);
  std::vector<int> seen = {w->focusedControl()};
  for (int i = 0; i < steps; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    if (const int c = w->focusedControl(); c != seen.back()) seen.push_back(c);
  }
  return seen;
}

TEST_F(RegisterWindowsTest, TabFollowsTheScreenInTheObligorAndEmployeeForms) {
  {
    Context ctx(dir_.path());
    addEmployee(ctx, "1", kJmbg, "Horvat Ana");
  }
  auto* obligor = pressAndWait<O>(openObligors(), B::kOtvori);
  ASSERT_NE(obligor, nullptr);
  const std::vector<int> obligorOrder = {
      O::kVrsta,  O::kRedBroj, O::kMB01,    O::kMB02,   O::kJMBG,          O::kNaziv,
      O::kAdresa, O::kKontakt, O::kTelefon, O::kEmail,  O::kIdentifikator, O::kObrGod,
      0,  // the list's sort tabs
      O::kList,   O::kDodaj,   O::kOtvori,  O::kObrisi, O::kIspisi,        O::kKopiraj,
      O::kSpremi, O::kPrekini, O::kUpute,   O::kVrsta};
  std::vector<int> seen = tabOrder(obligor, O::kVrsta, 30);
  seen.resize(std::min(seen.size(), obligorOrder.size()));
  EXPECT_EQ(seen, obligorOrder);

  auto* employee = pressAndWait<E>(obligor, O::kOtvori);
  ASSERT_NE(employee, nullptr);
  const std::vector<int> employeeOrder = {
      E::kJmbg,      E::kPrezime, E::kOpcina,   E::kOpcinaNaziv, E::kClanDN,  E::kVrsObv,
      E::kVrstaUpla, E::kOsnova1, E::kOsnova3,  E::kGodina,      E::kMjesec,  E::kOd,
      E::kDo,        E::kIznos7,  E::kIznos8,   E::kIznos9,      E::kIznos10, E::kIznos11,
      E::kKontrola,  E::kSpremi,  E::kOdustani, E::kUpute};
  seen = tabOrder(employee, E::kJmbg, 30);
  seen.resize(std::min(seen.size(), employeeOrder.size()));
  EXPECT_EQ(seen, employeeOrder);
}

TEST_F(RegisterWindowsTest, EmployeeRowProposedRefusedBySaveTestsAndSaved) {
  {
    Context ctx(dir_.path());
    add(ctx, "POS",
        {{"REDBROJ", "2"},
         {"NAZIV", "Druga"},
         {"ADRESA", "A"},
         {"KONTAKT", "B"},
         {"VRSTOBVEZNIKA", "01"},
         {"MB01", "12345679"}});
  }
  B* list = openObligors();
  auto* obligor = pressAndWait<O>(list, B::kOtvori);
  ASSERT_NE(obligor, nullptr);
  EXPECT_EQ(text(obligor, O::kVrstaOpis), "Pravna osoba");
  EXPECT_TRUE(qobject_cast<QLineEdit*>(obligor->control(O::kRedBroj))->isReadOnly());
  auto* form = pressAndWait<E>(obligor, O::kDodaj);
  ASSERT_NE(form, nullptr);
  expectNamedControls(form);
  EXPECT_EQ(form->windowTitle(), "Dodavanje podataka");
  EXPECT_EQ(text(form, E::kRedBroj), "1");
  EXPECT_EQ(text(form, E::kNazivObveznika), "Prva d.o.o.");
  EXPECT_EQ(text(form, E::kVrsObv), "01") << "the obligor's kind";
  EXPECT_EQ(text(form, E::kVrsObvOpis), "Pravna osoba");

  const Typed valid = {{E::kJmbg, kJmbg},       {E::kPrezime, "Horvat Ivan"},
                       {E::kOpcina, "1236"},    {E::kClanDN, "D"},
                       {E::kVrstaUpla, "01"},   {E::kOsnova1, "01"},
                       {E::kOsnova3, ""},       {E::kGodina, "2025"},
                       {E::kMjesec, "11"},      {E::kOd, "1"},
                       {E::kDo, "30"},          {E::kIznos7, "1500"},
                       {E::kIznos8, "1234,57"}, {E::kIznos10, "61,73"},
                       {E::kIznos11, "1000"}};
  type(form, valid);
  EXPECT_EQ(text(form, E::kDatumRodjenja), "15.03.1975.");
  EXPECT_EQ(form->control(E::kOpcinaNaziv)->property("currentText").toString(),
            QString::fromUtf8("Čakovec"));
  form->control(E::kIznos9)->setFocus(Qt::TabFocusReason);
  settle();
  EXPECT_EQ(text(form, E::kIznos9), "185,19") << "15.00 + 0.00 per cent of 1234.57";

  struct Case {
    const char* what;
    Typed typed;
    QString refusal;
    int focus;
    QString warning = {};
  } cases[] = {
      {"year 2004",
       {{E::kGodina, "2004"}},
       "Godina mora biti veća od 2004 i manja ili jednaka tekućoj godini",
       E::kGodina},
      {"membership X",
       {{E::kClanDN, "X"}},
       "Obvezno odredite da li je osoba član OMF ili nije",
       E::kClanDN},
      {"month 13", {{E::kMjesec, "13"}}, "Pogrešna oznaka mjeseca", E::kMjesec},
      {"month 0 outside the control table",
       {{E::kMjesec, "0"}},
       QString::fromUtf8("Greška - obračunski mjesec mora biti >0 ") + kTable,
       E::kMjesec},
      {"base 0 without another row",
       {{E::kIznos8, "0"}, {E::kIznos10, "0"}},
       QString::fromUtf8("Greška - Osnovica za doprinose mora biti >0. ") + kTable,
       E::kIznos8},
      {"a member with a base and no second-pillar amount",
       {{E::kIznos10, "0"}},
       "Greška - Osoba je član II.stupa, osnovica veća od 0",
       E::kIznos10},
      {"a combination the control table lacks: a warning, then the other tests",
       {{E::kOsnova1, "02"}, {E::kIznos10, "0"}},
       "Greška - Osoba je član II.stupa, osnovica veća od 0",
       E::kIznos10,
       "Upozorenje. Navedena kombinacija VOB=01 VOI=01 OO=02 nije uvedena u kontrolnu tablicu"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    type(form, valid);
    type(form, c.typed);
    prompter_.shown.clear();
    press(form, E::kSpremi);
    const QStringList expected =
        c.warning.isEmpty() ? QStringList{c.refusal} : QStringList{c.warning, c.refusal};
    EXPECT_EQ(prompter_.texts(), expected);
    EXPECT_EQ(form->focusedControl(), c.focus);
    EXPECT_EQ(active<E>(), form);
  }
  EXPECT_EQ(count("RAD"), 0);

  // The same base of 0 passes once the person has a positive base in another row of the month,
  // under another obligor.
  {
    Context ctx(dir_.path());
    addEmployee(ctx, "2", kJmbg, "Horvat Ivan");
  }
  type(form, valid);
  type(form, {{E::kIznos8, "0"}, {E::kIznos10, "0"}});
  prompter_.shown.clear();
  ASSERT_TRUE(pressToClose(form, E::kSpremi)) << prompter_.texts().join("\n").toStdString();
  ASSERT_TRUE(waitUntil([&] { return obligor->isEnabled(); }));
  EXPECT_EQ(obligor->list()->rowCount(), 1) << "only the employees of this obligor";
  EXPECT_EQ(obligor->list()->cellText(0, 1).trimmed(), "Horvat Ivan");
  EXPECT_EQ(count("RAD"), 2);
}

// Still to be mended: the command-line side of this comparison is refused before it reaches
// the value, so the two verdicts differ for a reason of the test's own; kept disabled until
// the command line of the comparison is right.
TEST_F(RegisterWindowsTest, DISABLED_TheEmployeeFormAndTheCommandLineGiveAnAmountOneVerdict) {
  B* list = openObligors();
  auto* obligor = pressAndWait<O>(list, B::kOtvori);
  ASSERT_NE(obligor, nullptr);
  auto* form = pressAndWait<E>(obligor, O::kDodaj);
  ASSERT_NE(form, nullptr);
  // Item 7 holds 9 digits before its two decimals; the entry takes 15 characters.
  for (const char* typed : {"1500", "999999999,99", "-5,5", "1000000000", "123456789012"}) {
    prompter_.shown.clear();
    enter(qobject_cast<QLineEdit*>(form->control(E::kIznos7)), typed);
    settle();
    const auto cli = obrazac::testing::runCli("--dir '" + dir_.path().string() +
                                              "' employee add --employer 1 --iv7 '" + typed + "'");
    const std::string refusal = obrazac::testing::optionRefusal(cli.output, "--iv7");
    EXPECT_EQ(prompter_.texts().join("|").toStdString(), refusal) << typed;
    if (refusal.empty()) continue;
    EXPECT_EQ(form->focusedControl(), E::kIznos7) << typed;
    EXPECT_EQ(text(form, E::kIznos7), QString::fromUtf8(typed)) << "kept as typed";
  }
}

TEST_F(RegisterWindowsTest, KopirajStartsFromTheCopiedRow) {
  {
    Context ctx(dir_.path());
    addEmployee(ctx, "1", kJmbg, "Horvat Ivan");
  }
  B* list = openObligors();
  auto* obligor = pressAndWait<O>(list, B::kOtvori);
  ASSERT_EQ(obligor->list()->rowCount(), 1);
  EXPECT_TRUE(obligor->control(O::kKopiraj)->isVisible());
  EXPECT_FALSE(obligor->control(O::kKopiraj2)->isVisible());
  obligor->list()->tabs()->setCurrentIndex(1);
  settle();
  EXPECT_FALSE(obligor->control(O::kIspisi)->isVisible()) << "printing is on the first tab";
  ASSERT_TRUE(obligor->control(O::kKopiraj2)->isVisible());

  auto* form = pressAndWait<E>(obligor, O::kKopiraj2);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->request(), request::kInsert);
  const std::pair<int, const char*> expected[] = {{E::kJmbg, kJmbg},
                                                  {E::kPrezime, "Horvat Ivan"},
                                                  {E::kOpcina, "1236"},
                                                  {E::kGodina, "2025"},
                                                  {E::kMjesec, "11"},
                                                  {E::kOd, "00"},
                                                  {E::kDo, "00"},
                                                  {E::kIznos8, "1000,00"},
                                                  {E::kIznos10, "0,00"},
                                                  {E::kIznos11, "0,00"},
                                                  {E::kDatumRodjenja, "15.03.1975."}};
  for (const auto& [control, value] : expected)
    EXPECT_EQ(text(form, control), QString::fromUtf8(value)) << control;
  EXPECT_EQ(qobject_cast<QComboBox*>(form->control(E::kOsnova3))->currentData().toString(), "1");

  type(form, {{E::kOd, "1"}, {E::kDo, "15"}, {E::kIznos10, "50"}});
  ASSERT_TRUE(pressToClose(form, E::kSpremi)) << prompter_.texts().join("\n").toStdString();
  ASSERT_TRUE(waitUntil([&] { return obligor->isEnabled(); }));
  EXPECT_EQ(obligor->list()->rowCount(), 2);

  // "&Dodaj" starts from nothing again.
  obligor->list()->tabs()->setCurrentIndex(0);
  form = pressAndWait<E>(obligor, O::kDodaj);
  EXPECT_EQ(text(form, E::kJmbg), "");
  EXPECT_TRUE(pressToClose(form, E::kOdustani));
}

TEST_F(RegisterWindowsTest, DeletingAnObligorTakesItsEmployees) {
  {
    Context ctx(dir_.path());
    add(ctx, "POS",
        {{"REDBROJ", "2"},
         {"NAZIV", "Druga"},
         {"ADRESA", "A"},
         {"KONTAKT", "B"},
         {"VRSTOBVEZNIKA", "01"},
         {"MB01", "12345679"}});
    addEmployee(ctx, "1", kJmbg, "Horvat Ivan");
    addEmployee(ctx, "1", "0101990330000", "Kovač Ana");
    addEmployee(ctx, "2", kJmbg, "Horvat Ivan");
  }
  B* list = openObligors();
  ASSERT_EQ(list->list()->rowCount(), 2);
  prompter_.answers = {Answer::Yes};
  press(list, B::kObrisi);
  ASSERT_TRUE(waitUntil([&] { return list->list()->rowCount() == 1; }));
  EXPECT_EQ(prompter_.titles(), QStringList{"Confirm Delete"});
  EXPECT_EQ(count("POS"), 1);
  EXPECT_EQ(count("RAD"), 1) << "the other obligor's employee stays";

  // A new obligor given the freed number finds no employees of the old one.
  auto* form = pressAndWait<O>(list, B::kDodaj);
  EXPECT_EQ(text(form, O::kRedBroj), "003");
  type(form, {{O::kRedBroj, "1"}});
  EXPECT_EQ(form->list()->rowCount(), 0);
  EXPECT_TRUE(pressToClose(form, O::kPrekini));
}

// The employee form lists the person's page B rows of earlier forms and opens the control-table
// tree; both windows print through the preview.
TEST_F(RegisterWindowsTest, EarlierPaymentsTreeAndPrints) {
  {
    Context ctx(dir_.path());
    addEmployee(ctx, "1", kJmbg, "Horvat Ivan");
    for (const char* jmbg : {kJmbg, "0101990330000"})
      add(ctx, "OSI",
          {{"JMBG", jmbg},
           {"PREZIME", "Osoba"},
           {"GODOBRA", "2025"},
           {"OBRMJE", "10"},
           {"IZNOS8", "1000"},
           {"KONVEZA", "001500101"}});
  }
  auto openPreview = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<PrintPreview*>(w); p && p->isVisible()) return p;
    return static_cast<PrintPreview*>(nullptr);
  };
  B* list = openObligors();
  press(list, B::kIspisi);
  PrintPreview* preview = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (preview = openPreview()) != nullptr; }));
  preview->exitWithoutPrinting();
  settle();

  auto* obligor = pressAndWait<O>(list, B::kOtvori);
  press(obligor, O::kIspisi);
  ASSERT_TRUE(waitUntil([&] { return (preview = openPreview()) != nullptr; }));
  EXPECT_GE(preview->pageLayout().pages(), 1);
  preview->exitWithoutPrinting();
  settle();

  auto* form = pressAndWait<E>(obligor, O::kOtvori);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Promjena podataka");
  EXPECT_EQ(form->earlierPayments()->rowCount(), 1) << "the rows of this person only";
  EXPECT_EQ(form->earlierPayments()->cellText(0, 7).trimmed(), "1000,00");
  press(form, E::kKontrola);
  auto* tree = waitForActive<Stablo>();
  ASSERT_NE(tree, nullptr);
  press(tree, Stablo::kZatvori);
  EXPECT_TRUE(waitUntil([&] { return active<Stablo>() == nullptr; }));
}

}  // namespace
}  // namespace obrazac::ui
