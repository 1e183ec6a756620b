// The tree of the control table with its form: which actions each level offers, the form for a
// kind of calculation and for a leaf, the tree read again with the highlight back where the
// user worked, and the print with its text copy.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <fstream>

#include "codelists/ui/azur_veznatab.h"
#include "codelists/ui/stablo.h"
#include "frame/ui/print_preview.h"
#include "support/table_rows.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::press;
using testing::settle;
using testing::waitUntil;
using S = Stablo;
using F = AzurVEZNATAB;

class StabloTest : public DesktopTest {
 protected:
  void SetUp() override {
    Context ctx(dir_.path());
    add(ctx, "VOB", {{"SIFRA", "01"}, {"SKROPIS", "Pravna osoba"}});
    add(ctx, "VOB", {{"SIFRA", "02"}, {"SKROPIS", "Fizička osoba"}});
    add(ctx, "VUP", {{"SIFRA", "01"}, {"SKROPIS", "Plaća"}});
    add(ctx, "VUP", {{"SIFRA", "05"}, {"SKROPIS", "Godišnji obračun"}});
    add(ctx, "TBO", {{"SIFRA", "01"}, {"SKROPIS", "Radni odnos"}});
    add(ctx, "TBO", {{"SIFRA", "02"}, {"SKROPIS", "Nepuno vrijeme"}});
    add(ctx, "STA2", {{"VOB", "01"}, {"VOI", "01"}, {"NAZIV", "Plaća"}});
    add(ctx, "STA2", {{"VOB", "01"}, {"VOI", "05"}, {"NAZIV", "Godišnji obračun"}});
    add(ctx, "STA3", {{"VOB", "01"}, {"VOI", "01"}, {"OO", "01"}, {"NAZIV", "Radni odnos"}});
    add(ctx, "STA3", {{"VOB", "01"}, {"VOI", "01"}, {"OO", "02"}, {"NAZIV", "Nepuno vrijeme"}});
    add(ctx, "VEZ", {{"VOB", "01"}, {"VOI", "01"}, {"OO", "01"}, {"IZNOS7", ">0  "}});
    DesktopTest::SetUp();
  }
  static void add(Context& ctx, const char* prefix,
                  std::vector<std::pair<const char*, const char*>> fields) {
    ASSERT_TRUE(obrazac::testing::insertRow(ctx, prefix, fields).ok()) << prefix;
  }
  S* openTree() {
    frame_->action("Stablo")->trigger();
    return waitForActive<S>();
  }
  // The item whose text starts with each of `path` in turn, opening the nodes on the way.
  QTreeWidgetItem* item(S* tree, QStringList path) {
    QTreeWidgetItem* found = nullptr;
    for (const QString& step : path) {
      if (found) found->setExpanded(true);
      const int n = found ? found->childCount() : tree->tree()->topLevelItemCount();
      QTreeWidgetItem* next = nullptr;
      for (int i = 0; i < n && !next; ++i) {
        QTreeWidgetItem* c = found ? found->child(i) : tree->tree()->topLevelItem(i);
        if (c->text(0).startsWith(step)) next = c;
      }
      if (!next) return nullptr;
      found = next;
    }
    return found;
  }
  bool enabled(S* tree, int control) { return tree->control(control)->isEnabled(); }
  QComboBox* combo(F* form, int control) {
    return qobject_cast<QComboBox*>(form->control(control));
  }
  void chooseRule(F* form, int control, const char* rule) {
    for (auto* option : form->control(control)->findChildren<QRadioButton*>())
      if (option->text() == rule) option->click();
    settle();
  }
  // The stored row of a combination, as "VOB|VOI|OO|IZNOS7", or "(none)".
  std::string stored(const char* vob, const char* voi, const char* oo) {
    Context ctx(dir_.path());
    Table& t = ctx.table("VEZ");
    EXPECT_EQ(t.open(), 0);
    Record& r = t.record();
    r.setText(r.index("VOB"), vob);
    r.setText(r.index("VOI"), voi);
    r.setText(r.index("OO"), oo);
    if (t.get("KEYVOB_VOI") != 0) return "(none)";
    return r.text(r.index("IZNOS7"));
  }
  std::int64_t controlRows() {
    Context ctx(dir_.path());
    Table& t = ctx.table("VEZ");
    EXPECT_EQ(t.open(), 0);
    return t.records();
  }
};

TEST_F(StabloTest, LevelsOfferTheirActionsAndOpenAllReadsEveryNode) {
  S* tree = openTree();
  ASSERT_NE(tree, nullptr);
  ASSERT_EQ(tree->tree()->topLevelItemCount(), 2);
  EXPECT_EQ(tree->tree()->topLevelItem(0)->text(0), "01 Pravna osoba");
  EXPECT_EQ(tree->tree()->topLevelItem(0)->childCount(), 0) << "children wait for the first open";
  struct Case {
    QStringList path;
    bool insert, change;
  } cases[] = {
      {QStringList{"01 Pravna"}, true, false},
      {QStringList{"01 Pravna", "05 Godišnji"}, true, false},
      {QStringList{"01 Pravna", "01 Plaća", "02 Nepuno"}, true, true},
  };
  for (const Case& c : cases) {
    tree->tree()->setCurrentItem(item(tree, c.path));
    EXPECT_EQ(enabled(tree, S::kDodaj), c.insert) << c.path.join("/").toStdString();
    EXPECT_EQ(enabled(tree, S::kPromijeni), c.change);
    EXPECT_EQ(enabled(tree, S::kObrisi), c.change);
    EXPECT_EQ(tree->popup()->actions().at(1)->isEnabled(), c.change) << "the menu follows";
  }

  press(tree, S::kSkupiSve);
  press(tree, S::kOtvoriSve);
  int nodes = 0, closed = 0;
  for (QTreeWidgetItemIterator it(tree->tree()); *it; ++it) {
    ++nodes;
    if ((*it)->childCount() > 0 && !(*it)->isExpanded()) ++closed;
  }
  EXPECT_EQ(nodes, 6) << "two kinds of obligor, two kinds of calculation, two bases";
  EXPECT_EQ(closed, 0);
  press(tree, S::kSkupiSve);
  EXPECT_FALSE(tree->tree()->topLevelItem(0)->isExpanded());
}

TEST_F(StabloTest, InsertOnAKindOfCalculationLeavesTheBasisToChooseAndHighlightsItAgain) {
  S* tree = openTree();
  tree->tree()->setCurrentItem(item(tree, {"01 Pravna", "05 Godišnji"}));
  press(tree, S::kDodaj);
  F* form = waitForActive<F>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Upis nove kontrole");
  EXPECT_EQ(combo(form, F::kVob)->currentData().toString(), "01");
  EXPECT_EQ(combo(form, F::kVoi)->currentData().toString(), "05");
  EXPECT_EQ(combo(form, F::kOo)->currentText(), "") << "the basis is left blank";
  combo(form, F::kOo)->setCurrentIndex(combo(form, F::kOo)->findData("02"));
  emit combo(form, F::kOo)->activated(combo(form, F::kOo)->currentIndex());
  chooseRule(form, F::kIznos7, ">=0");
  press(form, F::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return active<F>() == nullptr; }))
      << prompter_.texts().join("\n").toStdString();
  EXPECT_EQ(stored("01", "05", "02"), ">=0 ");
  ASSERT_TRUE(waitUntil([&] { return tree->tree()->currentItem() != nullptr; }));
  EXPECT_TRUE(tree->tree()->currentItem()->text(0).startsWith(QString::fromUtf8("05 Godišnji")))
      << "the tree is read again with the highlight on the node worked on";
  EXPECT_TRUE(tree->tree()->topLevelItem(0)->isExpanded());

  // The same combination again is refused by the unique key.
  press(tree, S::kDodaj);
  form = waitForActive<F>();
  combo(form, F::kOo)->setCurrentIndex(combo(form, F::kOo)->findData("02"));
  emit combo(form, F::kOo)->activated(combo(form, F::kOo)->currentIndex());
  press(form, F::kSpremi);
  EXPECT_EQ(prompter_.titles(), QStringList{"Duplicate Key Error"});
  EXPECT_EQ(controlRows(), 2);
  prompter_.answers = {Answer::No};
  press(form, F::kOdustani);
  EXPECT_TRUE(waitUntil([&] { return active<F>() == nullptr; }));
}

// A new installation: kinds of obligor and no tree below them. The first combination is entered
// on a kind of obligor and shows under it, named from the code lists, ready to be changed.
TEST_F(StabloTest, AKindOfObligorWithoutATreeTakesItsFirstCombination) {
  S* tree = openTree();
  QTreeWidgetItem* kind = item(tree, {"02 Fizička"});
  ASSERT_NE(kind, nullptr);
  kind->setExpanded(true);
  EXPECT_EQ(kind->childCount(), 0);
  tree->tree()->setCurrentItem(kind);
  ASSERT_TRUE(enabled(tree, S::kDodaj));
  press(tree, S::kDodaj);
  F* form = waitForActive<F>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(combo(form, F::kVob)->currentData().toString(), "02");
  for (const auto& [control, code] : {std::pair{F::kVoi, "05"}, std::pair{F::kOo, "01"}}) {
    QComboBox* list = combo(form, control);
    list->setCurrentIndex(list->findData(code));
    emit list->activated(list->currentIndex());
  }
  chooseRule(form, F::kIznos7, ">0");
  press(form, F::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return active<F>() == nullptr; }))
      << prompter_.texts().join("\n").toStdString();
  EXPECT_EQ(stored("02", "05", "01"), ">0  ");

  QTreeWidgetItem* leaf = item(tree, {"02 Fizička", "05 Godišnji obračun", "01 Radni odnos"});
  ASSERT_NE(leaf, nullptr) << "the saved combination shows under its kind of obligor";
  tree->tree()->setCurrentItem(leaf);
  EXPECT_TRUE(enabled(tree, S::kPromijeni));
  prompter_.answers = {Answer::Yes};  // the standard delete confirmation
  press(tree, S::kObrisi);
  ASSERT_TRUE(waitUntil([&] { return stored("02", "05", "01") == "(none)"; }))
      << prompter_.texts().join("\n").toStdString();
  settle();
  EXPECT_EQ(item(tree, {"02 Fizička", "05 Godišnji"}), nullptr) << "deleted, it leaves the tree";
}

TEST_F(StabloTest, ChangeOnALeafReadsItsRowAndSavesTheChosenRules) {
  S* tree = openTree();
  tree->tree()->setCurrentItem(item(tree, {"01 Pravna", "01 Plaća", "01 Radni"}));
  press(tree, S::kPromijeni);
  F* form = waitForActive<F>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Promjena kontrole");
  auto checked = [&](int control) {
    for (auto* option : form->control(control)->findChildren<QRadioButton*>())
      if (option->isChecked()) return option->text();
    return QString();
  };
  EXPECT_EQ(checked(F::kIznos7), ">0");
  chooseRule(form, F::kIznos7, "= 0");
  press(form, F::kSpremi);
  ASSERT_TRUE(waitUntil([&] { return active<F>() == nullptr; }));
  EXPECT_EQ(stored("01", "01", "01"), "= 0 ");
  ASSERT_NE(tree->tree()->currentItem(), nullptr);
  EXPECT_TRUE(tree->tree()->currentItem()->text(0).startsWith("01 Radni"));
  EXPECT_EQ(tree->node(tree->tree()->currentItem()).level, 3);

  // A leaf without its row says so and opens no form.
  tree->tree()->setCurrentItem(item(tree, {"01 Pravna", "01 Plaća", "02 Nepuno"}));
  press(tree, S::kPromijeni);
  EXPECT_EQ(prompter_.texts(), QStringList{"Kontrola za VOB 01, VOI 01 i OO 02 ne postoji."});
  EXPECT_EQ(active<F>(), nullptr);
}

TEST_F(StabloTest, PrintWritesTheTextCopyIntoTheWorkingFolderAndSaysWhere) {
  S* tree = openTree();
  press(tree, S::kIspisi);
  // The report walks the control table, shows its preview and, closed, says where the copy went.
  PrintPreview* preview = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<PrintPreview*>(w); p && p->isVisible()) preview = p;
    return preview != nullptr;
  }));
  preview->exitWithoutPrinting();
  const auto file = dir_.path() / "TEXTSIF.TXT";
  ASSERT_TRUE(waitUntil([&] { return prompter_.texts().size() == 1; }));
  EXPECT_TRUE(prompter_.texts().front().contains(QString::fromStdString(file.string())));
  std::ifstream in(file);
  std::string line;
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line.substr(0, 15), "\"01\",\"01\",\"01\",");
  EXPECT_FALSE(std::getline(in, line));
}

}  // namespace
}  // namespace obrazac::ui
