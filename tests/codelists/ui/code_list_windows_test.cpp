// The six code lists with their forms, walked as a user would: a new row, a duplicate refused, a
// change and a delete after confirmation; then the rules only some forms have.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "codelists/ui/code_list_browse.h"
#include "codelists/ui/update_tbopcine.h"
#include "frame/ui/print_preview.h"
#include "frame/ui/update_form.h"
#include "register/identifier_checks.h"
#include "support/table_rows.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::settle;
using testing::waitUntil;
using L = CodeListBrowse;

// Field values by the prompt of their control; a drop list takes the code it stores.
using Values = std::vector<std::pair<const char*, const char*>>;

// Rows added before the list opens: table prefix and field values.
struct Row {
  const char* prefix;
  Values fields;
};

// A valid municipality code starting with `head`.
std::string municipalityCode(const std::string& head) {
  for (char c = '0'; c <= '9'; ++c)
    if (ProvjeraSifreOpcine(head + c)) return head + c;
  return head + "?";
}

void add(Context& ctx, const Row& row) {
  ASSERT_TRUE(obrazac::testing::insertRow(ctx, row.prefix, row.fields).ok()) << row.prefix;
}

QWidget* byPrompt(QWidget* window, const char* prompt) {
  for (QWidget* w : window->findChildren<QWidget*>())
    if ((qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) &&
        w->accessibleName() == QString::fromUtf8(prompt))
      return w;
  return nullptr;
}

void fill(QWidget* form, const Values& values) {
  for (const auto& [prompt, value] : values) {
    QWidget* w = byPrompt(form, prompt);
    ASSERT_NE(w, nullptr) << prompt;
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      enter(edit, QString::fromUtf8(value));
    } else {
      auto* combo = qobject_cast<QComboBox*>(w);
      int i = combo->findData(QString::fromUtf8(value));
      if (i < 0) i = combo->findText(QString::fromUtf8(value));
      ASSERT_GE(i, 0) << prompt << " has no " << value;
      combo->setCurrentIndex(i);
      emit combo->activated(i);
    }
    settle();
  }
}

struct Pair {
  const char* menuItem;
  const char* caption;
  std::vector<Row> seed;   // two rows of the list's table come last
  Values added;            // a new row
  QStringList addedCells;  // the new row's first cells as the list shows it
  Values duplicate;        // a row colliding with the first seeded one
  const char* refusal;     // the title or text of the refusal
  bool asksOnClose;        // whether closing the changed form asks to save
  Values change;           // for the first row
  int changedColumn;
  const char* changedCell;
};

const std::vector<Pair>& pairs() {
  static const std::string opc1 = municipalityCode("100"), opc2 = municipalityCode("200");
  static const std::vector<Pair> all = {
      {"BrowseVrsteUplata",
       "Vrste obračuna/ispravka",
       {{"VUP", {{"SIFRA", "01"}, {"SKROPIS", "Plaća"}, {"OPIS", "Plaća"}}},
        {"VUP", {{"SIFRA", "02"}, {"SKROPIS", "Ispravak"}, {"OPIS", "Ispravak"}}}},
       {{"Šifra", "05"}, {"Skraćeni opis", "Nova"}, {"Opis pojma", "Nova vrsta"}},
       {"05", "Nova"},
       {{"Šifra", "01"}, {"Skraćeni opis", "Druga"}, {"Opis pojma", "Druga vrsta"}},
       "Greška. Dupla šifra",
       true,
       {{"Skraćeni opis", "Promijenjena"}},
       1,
       "Promijenjena"},
      {"BrowseVrsteObveznika",
       "Vrsta obveznika",
       {{"VOB", {{"SIFRA", "01"}, {"SKROPIS", "Pravna osoba"}, {"MB01", "DA"}, {"MBG", "NE"}}},
        {"VOB", {{"SIFRA", "02"}, {"SKROPIS", "Fizička osoba"}, {"MB01", "NE"}, {"MBG", "DA"}}}},
       {{"Šifra obveznika", "05"},
        {"Skraćeni opis", "Obrtnik"},
        {"Opis pojma", "Obrtnik"},
        {"MB obavezna podatak", "NE"},
        {"MB građana obavezan podatak", "DA"}},
       {"05", "Obrtnik"},
       {{"Šifra obveznika", "01"}, {"Skraćeni opis", "Udruga"}},
       "Duplicate Key Error",
       true,
       {{"MB građana obavezan podatak", "DA"}, {"Skraćeni opis", "Tvrtka"}},
       1,
       "Tvrtka"},
      {"BrowseOsnovObracuna",
       "Pregled osnova obračuna",
       {{"TBO", {{"SIFRA", "01"}, {"SKROPIS", "Radni odnos"}}},
        {"TBO", {{"SIFRA", "02"}, {"SKROPIS", "Dohodak"}}}},
       {{"Šifra osnove obračuna", "05"},
        {"Skraćeni opis", "Ugovor"},
        {"Opis osnove obračuna", "Ugovor o djelu"}},
       {"05", "Ugovor"},
       {{"Šifra osnove obračuna", "02"}},
       "Duplicate Key Error",
       true,
       {{"Skraćeni opis", "Radni odnos na neodređeno"}},
       1,
       "Radni odnos na neodređeno"},
      {"BrowseOznakaStaza",
       "Staž s uvećanim trajanjem",
       {{"STA", {{"SIFRA", "1"}, {"SKROPIS", "12/14"}, {"OPIS", "12 za 14"}}},
        {"STA", {{"SIFRA", "2"}, {"SKROPIS", "12/15"}, {"OPIS", "12 za 15"}}}},
       {{"Šifra staža", "4"}, {"Skraćeni opis", "12/18"}, {"Opis staža", "12 za 18"}},
       {"4", "12/18"},
       {{"Šifra staža", "1"}, {"Opis staža", "12 za 16"}},
       "Duplicate Key Error",
       true,
       {{"Skraćeni opis", "12 mjeseci za 14"}},
       1,
       "12 mjeseci za 14"},
      {"BrowseStope",
       "Stope doprinosa za mirovinsko osiguranje",
       {{"VUP", {{"SIFRA", "01"}, {"SKROPIS", "Plaća"}}},
        {"VOB", {{"SIFRA", "01"}, {"SKROPIS", "Pravna osoba"}}},
        {"TBO", {{"SIFRA", "01"}, {"SKROPIS", "Radni odnos"}}},
        {"STA", {{"SIFRA", "1"}, {"SKROPIS", "12/14"}}},
        {"STO1",
         {{"VRSTOBRACUNA", "01"},
          {"VRSTAOBVEZNIKA", "01"},
          {"OSNOVOBRA", "01"},
          {"STAZ", " "},
          {"CLANDN", "D"},
          {"PRVISTUP1", "15"}}},
        {"STO1",
         {{"VRSTOBRACUNA", "01"},
          {"VRSTAOBVEZNIKA", "01"},
          {"OSNOVOBRA", "01"},
          {"STAZ", " "},
          {"CLANDN", "N"},
          {"PRVISTUP1", "20"}}}},
       {{"Vrst obračuna", "01"},
        {"Osoba je član OMF (D/N)", "D"},
        {"Vrsta obveznika:", "01"},
        {"Osnov obračuna", "01"},
        {"Uvećani staž", "1"},
        {"'iz plaće'", "15,00"}},
       {"01", "01", "01", "1", "D", "15,00"},
       {{"Vrst obračuna", "01"},
        {"Osoba je član OMF (D/N)", "D"},
        {"Vrsta obveznika:", "01"},
        {"Osnov obračuna", "01"},
        {"'iz plaće'", "10"}},
       "Duplicate Key Error",
       false,
       {{"'iz plaće'", "17,5"}},
       5,
       "17,50"},
      {"BrowseOpcine",
       "Šifarnik - Općine i gradovi",
       {{"OPC", {{"REDBROJ", "1"}, {"SIFRA", opc1.c_str()}, {"NAZIV", "Prvo"}, {"GRAD", "D"}}},
        {"OPC", {{"REDBROJ", "2"}, {"SIFRA", opc2.c_str()}, {"NAZIV", "Drugo"}, {"GRAD", "N"}}}},
       {{"Šifra općine grada", "1236"}, {"Naziv općine", "Treće"}, {"Ozna grada D/N", "N"}},
       {"3", "1236", "Treće"},
       {{"Šifra općine grada", opc1.c_str()}, {"Naziv općine", "Četvrto"}},
       "Duplicate Key Error",
       true,
       {{"Naziv općine", "Prvi grad"}},
       2,
       "Prvi grad"},
  };
  return all;
}

class CodeListWindowsTest : public DesktopTest {
 protected:
  L* openList(const char* menuItem) {
    frame_->action(menuItem)->trigger();
    return waitForActive<L>();
  }
  UpdateForm* waitForForm() { return waitForActive<UpdateForm>(); }
  bool formClosed() {
    return waitUntil([&] { return active<UpdateForm>() == nullptr; });
  }
  QString cell(L* list, int row, int column) {
    return list->list()->cellText(row, column).trimmed();
  }
  QStringList rowCells(L* list, int row, int count) {
    QStringList cells;
    for (int c = 0; c < count; ++c) cells << cell(list, row, c);
    return cells;
  }
  // Every entry and drop list of a window carries its prompt as its accessible name.
  void expectNamedControls(QWidget* w) {
    for (QWidget* c : w->findChildren<QWidget*>()) {
      const bool entry =
          (qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parent())) ||
          qobject_cast<QComboBox*>(c) ||
          (qobject_cast<QGroupBox*>(c) && !c->findChildren<QAbstractButton*>().isEmpty());
      if (entry && c->isVisibleTo(w)) {
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->metaObject()->className();
      }
    }
  }
};

TEST_F(CodeListWindowsTest, EachListInsertsRefusesADuplicateChangesAndDeletes) {
  for (const Pair& p : pairs()) {
    SCOPED_TRACE(p.menuItem);
    {
      Context ctx(dir_.path());
      for (const Row& row : p.seed) add(ctx, row);
    }
    ASSERT_TRUE(frame_->action(p.menuItem)->isEnabled());
    L* list = openList(p.menuItem);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), QString::fromUtf8(p.caption));
    ASSERT_EQ(list->list()->rowCount(), 2);

    press(list, L::kDodaj);
    UpdateForm* form = waitForForm();
    ASSERT_NE(form, nullptr);
    expectNamedControls(form);
    fill(form, p.added);
    press(form, form->okControl());
    ASSERT_TRUE(formClosed()) << prompter_.texts().join("\n").toStdString();
    ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
    EXPECT_EQ(list->list()->rowCount(), 3);
    const int added = list->list()->currentRow();
    EXPECT_EQ(rowCells(list, added, static_cast<int>(p.addedCells.size())), p.addedCells);

    press(list, L::kDodaj);
    form = waitForForm();
    fill(form, p.duplicate);
    press(form, form->okControl());
    settle();
    EXPECT_TRUE(prompter_.titles().contains(p.refusal) ||
                prompter_.texts().contains(QString::fromUtf8(p.refusal)))
        << prompter_.texts().join("\n").toStdString();
    EXPECT_EQ(active<UpdateForm>(), form) << "the form stays open";
    if (p.asksOnClose) prompter_.answers = {Answer::No};
    press(form, form->okControl() + 1);  // Odustani
    ASSERT_TRUE(formClosed());
    ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
    EXPECT_EQ(list->list()->rowCount(), 3);

    list->list()->move(toolbar::kTop);
    press(list, L::kOtvori);
    form = waitForForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->request(), request::kChange);
    fill(form, p.change);
    press(form, form->okControl());
    ASSERT_TRUE(formClosed()) << prompter_.texts().join("\n").toStdString();
    ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
    EXPECT_EQ(cell(list, list->list()->currentRow(), p.changedColumn),
              QString::fromUtf8(p.changedCell));

    prompter_.shown.clear();
    prompter_.answers = {Answer::Yes};
    press(list, L::kObrisi);
    ASSERT_TRUE(waitUntil([&] { return list->list()->rowCount() == 2; }));
    EXPECT_EQ(prompter_.titles(), QStringList{"Confirm Delete"});
    press(list, L::kZatvori);
    ASSERT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));
    prompter_.shown.clear();
    prompter_.answers.clear();
  }
}

// "Ispiši" walks the list's table under the progress window and shows the print in the preview;
// a list without rows says there is nothing to process and shows no preview.
TEST_F(CodeListWindowsTest, EachListPrintsThroughThePreview) {
  auto openPreview = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<PrintPreview*>(w); p && p->isVisible()) return p;
    return static_cast<PrintPreview*>(nullptr);
  };
  for (const Pair& p : pairs()) {
    SCOPED_TRACE(p.menuItem);
    // The empty municipality list offers the official one first: not now.
    if (std::string_view(p.menuItem) == "BrowseOpcine") prompter_.answers = {Answer::No};
    L* list = openList(p.menuItem);
    ASSERT_NE(list, nullptr);
    if (list->list()->rowCount() == 0) {
      prompter_.shown.clear();
      press(list, L::kIspisi);
      ASSERT_TRUE(waitUntil([&] { return !prompter_.texts().isEmpty(); }));
      EXPECT_EQ(prompter_.texts().back(),
                QString::fromUtf8("There are no records available to process."));
      EXPECT_EQ(openPreview(), nullptr);
    }
    press(list, L::kZatvori);
    ASSERT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));
    {
      // The rates' code lists stand already from the lists printed before them.
      Context ctx(dir_.path());
      for (const Row& row : p.seed) {
        const SaveResult r = obrazac::testing::insertRow(ctx, row.prefix, row.fields);
        ASSERT_TRUE(r.ok() || r.outcome == SaveOutcome::DuplicateKey) << row.prefix;
      }
    }
    list = openList(p.menuItem);
    press(list, L::kIspisi);
    PrintPreview* preview = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (preview = openPreview()) != nullptr; }));
    EXPECT_GE(preview->pageLayout().pages(), 1);
    preview->exitWithoutPrinting();
    settle();
    press(list, L::kZatvori);
    ASSERT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));
    prompter_.shown.clear();
    prompter_.answers.clear();
  }
}

TEST_F(CodeListWindowsTest, MunicipalityCodeIsCheckedWhenLeft) {
  struct Case {
    const char* code;
    const char* message;  // none: accepted
    bool beep;
  } cases[] = {
      {"1236", nullptr, false},
      {"0000", nullptr, false},
      {"1235", "Pogrešan šifra općine/grada", true},
      {"12A6", "Pogrešna šifre općine/grada", true},
      {"123", "Greška. Šifra općine/grada ima 4 znaka", false},
  };
  {
    Context ctx(dir_.path());
    add(ctx, {"OPC", {{"REDBROJ", "1"}, {"SIFRA", "0000"}, {"NAZIV", "Nepoznata"}}});
  }
  L* list = openList("BrowseOpcine");
  press(list, L::kDodaj);
  auto* form = waitForActive<UpdateTBOPCINE>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(qobject_cast<QLabel*>(form->control(UpdateTBOPCINE::kRedBroj))->text(), "2")
      << "the running number is shown";
  auto* code = qobject_cast<QLineEdit*>(form->control(UpdateTBOPCINE::kSifra));
  for (const Case& c : cases) {
    prompter_.shown.clear();
    prompter_.beeps = 0;
    enter(code, c.code);
    settle();
    const QStringList expected =
        c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
    EXPECT_EQ(prompter_.texts(), expected) << c.code;
    EXPECT_EQ(prompter_.beeps, c.beep ? 1 : 0) << c.code;
    if (c.message) {
      EXPECT_EQ(form->focusedControl(), UpdateTBOPCINE::kSifra) << c.code;
    }
  }
  prompter_.answers = {Answer::No};
  press(form, UpdateTBOPCINE::kOdustani);
  EXPECT_TRUE(formClosed());
}

TEST_F(CodeListWindowsTest, EmptyMunicipalityListOffersTheOfficialList) {
  prompter_.answers = {Answer::No};
  L* list = openList("BrowseOpcine");
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(list->list()->rowCount(), 0);
  press(list, L::kZatvori);
  ASSERT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));

  prompter_.shown.clear();
  prompter_.answers = {Answer::Yes};
  list = openList("BrowseOpcine");
  ASSERT_EQ(prompter_.shown.size(), 1u) << "one question, no other message";
  EXPECT_GT(list->list()->rowCount(), 0);
  EXPECT_EQ(cell(list, 0, 0), "1");
  Context ctx(dir_.path());
  Table& opc = ctx.table("OPC");
  ASSERT_EQ(opc.open(), 0);
  EXPECT_GT(opc.records(), 500);
}

}  // namespace
}  // namespace obrazac::ui
