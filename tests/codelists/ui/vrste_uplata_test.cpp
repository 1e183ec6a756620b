// The list of kinds of calculation with its form, driven through the frame as a user would:
// the request protocol between a list and its form, the form's checks and the standard
// messages of saving and closing.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "codelists/ui/browse_vrste_uplata.h"
#include "codelists/ui/update_tbvrsupl.h"
#include "data/codepage.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::settle;
using testing::waitUntil;
using L = BrowseVrsteUplata;
using F = UpdateTBVRSUPL;

class VrsteUplataTest : public DesktopTest {
 protected:
  void SetUp() override {
    Context ctx(dir_.path());
    RecordManager vup(ctx, "VUP");
    ASSERT_EQ(vup.open(), 0);
    for (const char* code : {"01", "02", "03"}) {
      Record& r = vup.record();
      r.clear();
      r.setText(r.index("SIFRA"), code);
      r.setText(r.index("SKROPIS"), cp1250(std::string("Vrsta ") + code));
      r.setText(r.index("OPIS"), cp1250(std::string("Opis vrste ") + code));
      ASSERT_TRUE(vup.insert().ok());
    }
    DesktopTest::SetUp();
  }

  L* openList() {
    frame_->action("BrowseVrsteUplata")->trigger();
    return waitForActive<L>();
  }
  QLineEdit* edit(ProcedureWindow* w, int control) {
    return qobject_cast<QLineEdit*>(w->control(control));
  }
  QStringList codes(L* list) {
    QStringList c;
    for (int r = 0; r < list->list()->rowCount(); ++r) c << list->list()->cellText(r, 0);
    return c;
  }
  QString highlighted(L* list) { return list->list()->cellText(list->list()->currentRow(), 0); }
  // What the table holds for a code, read on a thread of its own.
  std::string stored(const char* code, const char* field) {
    Context ctx(dir_.path());
    Table& t = ctx.table("VUP");
    EXPECT_EQ(t.open(), 0);
    t.record().setText(t.record().index("SIFRA"), code);
    if (t.get("KEYSIFRA") != 0) return "(none)";
    return t.record().display(field);
  }
  F* waitForForm() { return waitForActive<F>(); }
  bool formClosed() {
    return waitUntil([&] { return active<F>() == nullptr; });
  }
};

TEST_F(VrsteUplataTest, InsertedRecordShowsHighlightedInTheList) {
  L* list = openList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(codes(list), (QStringList{"01", "02", "03"}));
  press(list, L::kDodaj);
  F* form = waitForForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Vrste obračuna - Upis nove šifre"));
  EXPECT_FALSE(list->isEnabled() && list->container()->isEnabled()) << "the list waits";
  enter(edit(form, F::kSifra), "00");
  enter(edit(form, F::kSkrOpis), QString::fromUtf8("Početna vrsta"));
  enter(edit(form, F::kOpis), QString::fromUtf8("Opis početne vrste"));
  press(form, F::kSpremi);
  ASSERT_TRUE(formClosed());
  ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
  EXPECT_EQ(codes(list), (QStringList{"00", "01", "02", "03"}));
  EXPECT_EQ(highlighted(list), "00");
  EXPECT_EQ(list->list()->cellText(0, 1), QString::fromUtf8("Početna vrsta"));
  EXPECT_EQ(stored("00", "OPIS"), "Opis početne vrste");
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
}

TEST_F(VrsteUplataTest, SaveAndGoToNextRecordReopensTheFormOnTheNextRow) {
  L* list = openList();
  press(list, L::kOtvori);
  F* form = waitForForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Vrste obračuna - Promjena podataka"));
  EXPECT_EQ(edit(form, F::kSifra)->text(), "01");
  QAction* next = frame_->toolbarAction(toolbar::kDown);
  EXPECT_TRUE(next->isEnabled());
  EXPECT_EQ(next->toolTip(), "Save changes and go to next record");
  enter(edit(form, F::kSkrOpis), "Promijenjena");
  next->trigger();
  ASSERT_TRUE(waitUntil([&] {
    F* f = active<F>();
    return f && f != form && f->isVisible();
  }));
  form = active<F>();
  settle();
  EXPECT_EQ(form->request(), request::kChange);
  EXPECT_EQ(edit(form, F::kSifra)->text(), "02");
  EXPECT_EQ(stored("01", "SKROPIS"), "Promijenjena");

  // On the last row the list cannot move: the form opens again on that same row.
  frame_->toolbarAction(toolbar::kBottom)->trigger();
  ASSERT_TRUE(waitUntil([&] {
    F* f = active<F>();
    return f && f != form && f->isVisible() && edit(f, F::kSifra)->text() == "03";
  }));
  form = active<F>();
  frame_->toolbarAction(toolbar::kDown)->trigger();
  ASSERT_TRUE(waitUntil([&] {
    F* f = active<F>();
    return f && f != form && f->isVisible();
  }));
  settle();
  EXPECT_EQ(edit(active<F>(), F::kSifra)->text(), "03");
  press(active<F>(), F::kOdustani);
  ASSERT_TRUE(formClosed());
  EXPECT_EQ(highlighted(list), "03");
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
}

TEST_F(VrsteUplataTest, ClosingAChangedFormAsksWhetherToSaveTheRecord) {
  struct Case {
    Answer answer;
    bool closes;
    bool saves;
  } cases[] = {
      {Answer::Yes, true, true}, {Answer::No, true, false}, {Answer::Cancel, false, false}};
  L* list = openList();
  int n = 0;
  for (const Case& c : cases) {
    const std::string before = stored("02", "SKROPIS");
    const QString typed = QString("Nova %1").arg(++n);
    prompter_.shown.clear();
    list->list()->move(toolbar::kTop);
    list->list()->move(toolbar::kDown);
    press(list, L::kOtvori);
    F* form = waitForForm();
    ASSERT_NE(form, nullptr);
    enter(edit(form, F::kSkrOpis), typed);
    prompter_.answers = {c.answer};
    form->container()->close();
    settle();
    EXPECT_EQ(prompter_.titles(), QStringList{"Save Record"});
    EXPECT_EQ(prompter_.shown.front().buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompter_.texts(), QStringList{"Do you want to save the changes to this record?"});
    if (c.closes) {
      EXPECT_TRUE(formClosed());
    } else {
      settle();
      EXPECT_EQ(active<F>(), form);
      // Put back as it was, closing asks nothing.
      enter(edit(form, F::kSkrOpis), QString::fromStdString(before));
      prompter_.shown.clear();
      form->container()->close();
      EXPECT_TRUE(formClosed());
      EXPECT_TRUE(prompter_.shown.empty());
    }
    EXPECT_EQ(stored("02", "SKROPIS"), c.saves ? typed.toStdString() : before);
    ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
  }
}

TEST_F(VrsteUplataTest, InsertRefusesAShortCodeAndAnExistingCodeOrDescription) {
  struct Case {
    const char* code;
    const char* description;
    const char* message;
    int focus;
  } cases[] = {
      {"7", "Nova", "Greška. Šifra mora sadržavati 2 (dva) znaka", F::kSifra},
      {"02", "Nova", "Greška. Dupla šifra", F::kSifra},
      {"07", "OPIS VRSTE 01", "Greška. Dupli naziv pojma", F::kOpis},
  };
  L* list = openList();
  for (const Case& c : cases) {
    prompter_.shown.clear();
    press(list, L::kDodaj);
    F* form = waitForForm();
    ASSERT_NE(form, nullptr);
    enter(edit(form, F::kSifra), c.code);
    enter(edit(form, F::kSkrOpis), "Kratko");
    enter(edit(form, F::kOpis), c.description);
    prompter_.shown.clear();
    press(form, F::kSpremi);
    settle();
    EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)}) << c.code;
    EXPECT_EQ(active<F>(), form) << "the form stays open";
    EXPECT_EQ(form->focusedControl(), c.focus) << c.code;
    EXPECT_EQ(edit(form, F::kSifra)->text(), c.code) << "the entered values stay on screen";
    EXPECT_EQ(edit(form, F::kOpis)->text(), c.description);
    prompter_.answers = {Answer::No};
    form->container()->close();
    ASSERT_TRUE(formClosed());
    ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
  }
  EXPECT_EQ(stored("07", "SIFRA"), "(none)");
  EXPECT_EQ(stored("02", "SKROPIS"), "Vrsta 02");
}

TEST_F(VrsteUplataTest, ChangedCodeThatCollidesIsRefusedByTheUniqueKey) {
  L* list = openList();
  press(list, L::kOtvori);
  F* form = waitForForm();
  enter(edit(form, F::kSifra), "02");
  press(form, F::kSpremi);
  settle();
  ASSERT_EQ(prompter_.titles(), QStringList{"Duplicate Key Error"});
  EXPECT_EQ(active<F>(), form);
  EXPECT_EQ(stored("01", "SKROPIS"), "Vrsta 01");

  // A description equal to another row's is accepted on change.
  prompter_.shown.clear();
  enter(edit(form, F::kSifra), "01");
  enter(edit(form, F::kOpis), "Opis vrste 02");
  press(form, F::kSpremi);
  ASSERT_TRUE(formClosed());
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(stored("01", "OPIS"), "Opis vrste 02");
}

TEST_F(VrsteUplataTest, CtrlApostropheBringsBackTheLastSavedValueOfTheFocusedField) {
  L* list = openList();
  press(list, L::kOtvori);
  F* form = waitForForm();
  enter(edit(form, F::kSkrOpis), "Zapamti me");
  press(form, F::kSpremi);
  ASSERT_TRUE(formClosed());

  list->list()->move(toolbar::kDown);
  press(list, L::kOtvori);
  form = waitForForm();
  ASSERT_EQ(edit(form, F::kSkrOpis)->text(), "Vrsta 02");
  edit(form, F::kSkrOpis)->setFocus();
  QTest::keyClick(edit(form, F::kSkrOpis), Qt::Key_Apostrophe, Qt::ControlModifier);
  EXPECT_EQ(edit(form, F::kSkrOpis)->text(), "Zapamti me");
  EXPECT_EQ(edit(form, F::kSifra)->text(), "02") << "other fields keep their values";
  EXPECT_EQ(form->record().display("SKROPIS"), "Zapamti me");
  // The toolbar's ditto button does the same for the field that has the focus.
  edit(form, F::kOpis)->setFocus();
  frame_->toolbarAction(toolbar::kHistory)->trigger();
  settle();
  EXPECT_EQ(edit(form, F::kOpis)->text(), "Opis vrste 01");
  prompter_.answers = {Answer::No};
  form->container()->close();
  EXPECT_TRUE(formClosed());
}

TEST_F(VrsteUplataTest, RecordChangedByAnotherStationShowsItsValuesAndDittoRecallsOwn) {
  L* list = openList();
  press(list, L::kOtvori);
  F* form = waitForForm();
  enter(edit(form, F::kSkrOpis), "Moja promjena");
  {
    Context other(dir_.path());
    Table& t = other.table("VUP");
    ASSERT_EQ(t.open(), 0);
    t.record().setText(0, "01");
    ASSERT_EQ(t.get("KEYSIFRA"), 0);
    t.record().setText(t.record().index("SKROPIS"), cp1250("Tuđa promjena"));
    ASSERT_EQ(t.put(), 0);
  }
  press(form, F::kSpremi);
  settle();
  ASSERT_EQ(prompter_.titles(), QStringList{"Record Was Not Updated"});
  EXPECT_TRUE(prompter_.texts().front().contains("Ctrl+'"));
  EXPECT_EQ(active<F>(), form);
  EXPECT_EQ(edit(form, F::kSkrOpis)->text(), QString::fromUtf8("Tuđa promjena"));
  edit(form, F::kSkrOpis)->setFocus();
  QTest::keyClick(edit(form, F::kSkrOpis), Qt::Key_Apostrophe, Qt::ControlModifier);
  EXPECT_EQ(edit(form, F::kSkrOpis)->text(), "Moja promjena");
  press(form, F::kSpremi);
  ASSERT_TRUE(formClosed());
  EXPECT_EQ(stored("01", "SKROPIS"), "Moja promjena");
}

TEST_F(VrsteUplataTest, DeleteAsksForConfirmationAndRemovesTheHighlightedRow) {
  L* list = openList();
  list->list()->move(toolbar::kDown);
  prompter_.answers = {Answer::No};
  press(list, L::kObrisi);
  settle();
  EXPECT_EQ(prompter_.titles(), QStringList{"Confirm Delete"});
  EXPECT_EQ(codes(list), (QStringList{"01", "02", "03"}));
  prompter_.answers = {Answer::Yes};
  press(list, L::kObrisi);
  ASSERT_TRUE(waitUntil([&] { return codes(list) == QStringList({"01", "03"}); }));
  EXPECT_EQ(highlighted(list), "03");
  EXPECT_EQ(stored("02", "SIFRA"), "(none)");
  EXPECT_EQ(active<F>(), nullptr) << "deleting shows no form";
}

TEST_F(VrsteUplataTest, ListKeysAndTheLocatorMoveTheHighlight) {
  L* list = openList();
  QWidget* view = list->control(L::kList);
  QTest::keyClick(view, Qt::Key_End);
  EXPECT_EQ(highlighted(list), "03");
  QTest::keyClick(view, Qt::Key_Up);
  EXPECT_EQ(highlighted(list), "02");
  QTest::keyClick(view, Qt::Key_Home);
  EXPECT_EQ(highlighted(list), "01");
  QTest::keyClicks(view, "03");
  EXPECT_EQ(highlighted(list), "03");
  EXPECT_EQ(list->list()->locatorEntry()->text(), "03");
  QTest::keyClick(view, Qt::Key_Backspace);
  QTest::keyClick(view, Qt::Key_Backspace);
  QTest::keyClick(view, Qt::Key_Return, Qt::ControlModifier);
  F* form = waitForForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->request(), request::kChange);
  press(form, F::kOdustani);
  ASSERT_TRUE(formClosed());
  ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
  QTest::keyClick(view, Qt::Key_Insert);
  form = waitForForm();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->request(), request::kInsert);
  press(form, F::kOdustani);
  ASSERT_TRUE(formClosed());
}

TEST_F(VrsteUplataTest, FrameToolbarMovesTheActiveListAndDoesNothingWithoutOne) {
  EXPECT_FALSE(frame_->toolbarAction(toolbar::kDown)->isEnabled());
  frame_->toolbarAction(toolbar::kDown)->trigger();  // no child window: nothing happens
  settle();
  L* list = openList();
  EXPECT_EQ(highlighted(list), "01");
  QAction* next = frame_->toolbarAction(toolbar::kDown);
  EXPECT_TRUE(next->isEnabled());
  EXPECT_EQ(next->toolTip(), "Go to the Next Record");
  EXPECT_FALSE(frame_->toolbarAction(toolbar::kSelect)->isEnabled());
  EXPECT_FALSE(frame_->toolbarAction(toolbar::kHistory)->isEnabled());
  next->trigger();
  settle();
  EXPECT_EQ(highlighted(list), "02");
  frame_->toolbarAction(toolbar::kBottom)->trigger();
  settle();
  EXPECT_EQ(highlighted(list), "03");
}

// Places are kept in dialog units: a pixel or two of rounding is the same place.
void expectSamePlace(const QRect& actual, const QRect& expected) {
  EXPECT_NEAR(actual.x(), expected.x(), 2);
  EXPECT_NEAR(actual.y(), expected.y(), 2);
  EXPECT_NEAR(actual.width(), expected.width(), 4);
  EXPECT_NEAR(actual.height(), expected.height(), 4);
}

TEST_F(VrsteUplataTest, WindowReopensWhereItWasClosedUnlessItWasMaximised) {
  L* list = openList();
  list->container()->move(40, 30);
  list->container()->resize(500, 360);
  settle();
  const QRect place = list->container()->geometry();
  press(list, L::kZatvori);
  ASSERT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));
  list = openList();
  expectSamePlace(list->container()->geometry(), place);

  list->container()->showMaximized();
  settle();
  list->container()->close();
  ASSERT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));
  closeFrame();
  openFrame();  // the next run of the program
  list = openList();
  expectSamePlace(list->container()->geometry(), place);
}

TEST_F(VrsteUplataTest, ListOpenedToSelectReturnsTheHighlightedRecord) {
  int response = 0;
  std::shared_ptr<ProcedureThread> thread;
  auto* list = static_cast<L*>(frame_->start([&](Desktop& d, std::shared_ptr<ProcedureThread> t) {
    thread = t;
    t->table("VUP").record().setText(0, "xx");
    t->nextRequest = request::kSelect;
    auto* w = new L(d, t);
    QObject::connect(w, &ProcedureWindow::closedDown, [&](int r) { response = r; });
    return static_cast<ProcedureWindow*>(w);
  }));
  settle();
  auto* select = qobject_cast<QPushButton*>(list->control(L::kOdaberi));
  EXPECT_TRUE(select->isVisible());
  EXPECT_TRUE(select->isDefault());
  EXPECT_TRUE(frame_->toolbarAction(toolbar::kSelect)->isEnabled());
  list->list()->move(toolbar::kDown);
  frame_->toolbarAction(toolbar::kSelect)->trigger();
  ASSERT_TRUE(waitUntil([&] { return response != 0; }));
  EXPECT_EQ(response, response::kCompleted);
  EXPECT_EQ(thread->table("VUP").record().display("SIFRA"), "02");

  // Closed with its close button, the list puts the previous buffer back and cancels.
  response = 0;
  list = static_cast<L*>(frame_->start([&](Desktop& d, std::shared_ptr<ProcedureThread> t) {
    thread = t;
    t->table("VUP").record().setText(0, "xx");
    t->nextRequest = request::kSelect;
    auto* w = new L(d, t);
    QObject::connect(w, &ProcedureWindow::closedDown, [&](int r) { response = r; });
    return static_cast<ProcedureWindow*>(w);
  }));
  settle();
  list->list()->move(toolbar::kDown);
  press(list, L::kZatvori);
  ASSERT_TRUE(waitUntil([&] { return response != 0; }));
  EXPECT_EQ(response, response::kCancelled);
  EXPECT_EQ(thread->table("VUP").record().display("SIFRA"), "xx");
}

TEST_F(VrsteUplataTest, EmptyListOffersOnlyInsert) {
  {
    Context ctx(dir_.path());
    Table& t = ctx.table("VUP");
    ASSERT_EQ(t.open(AccessMode::DenyAll), 0);
    ASSERT_EQ(t.empty(), 0);
  }
  L* list = openList();
  EXPECT_EQ(list->list()->rowCount(), 0);
  EXPECT_FALSE(list->control(L::kOtvori)->isEnabled());
  EXPECT_FALSE(list->control(L::kObrisi)->isEnabled());
  EXPECT_TRUE(list->control(L::kDodaj)->isEnabled());
  QStringList offered;
  for (QAction* a : list->list()->popup()->actions())
    if (a->isVisible() && a->isEnabled()) offered << a->text();
  EXPECT_EQ(offered, QStringList{"&Insert"});
  QTest::keyClick(list->control(L::kList), Qt::Key_Delete);
  settle();
  EXPECT_TRUE(prompter_.shown.empty());
  QTest::keyClick(list->control(L::kList), Qt::Key_Insert);
  EXPECT_NE(waitForForm(), nullptr);
}

// The pair driven by the keyboard alone: Insert opens the form, Enter saves it, Escape in a
// changed form asks before it drops the changes, Escape closes the list.
TEST_F(VrsteUplataTest, TheKeyboardAloneDrivesTheListAndItsForm) {
  L* list = openList();
  auto key = [](Qt::Key k) {
    QTest::keyClick(QApplication::focusWidget(), k);
    settle();
  };
  auto type = [](const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); };
  key(Qt::Key_Insert);
  F* form = waitForForm();
  ASSERT_NE(form, nullptr);
  type("7");
  key(Qt::Key_Return);  // leaving the code refuses one character and keeps the user there
  EXPECT_EQ(prompter_.texts(),
            QStringList{QString::fromUtf8("Greška. Šifra mora sadržavati 2 (dva) znaka")});
  EXPECT_EQ(form->focusedControl(), F::kSifra);
  EXPECT_EQ(active<F>(), form);
  type("77");  // over the selected code
  key(Qt::Key_Tab);
  type("Sedma");
  key(Qt::Key_Tab);
  type("Opis sedme");
  key(Qt::Key_Return);
  ASSERT_TRUE(formClosed());
  EXPECT_EQ(stored("77", "SKROPIS"), "Sedma");

  ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
  QTest::keyClick(list->control(L::kList), Qt::Key_Return, Qt::ControlModifier);
  form = waitForForm();
  ASSERT_NE(form, nullptr);
  form->select(F::kSkrOpis);
  type(" izmijenjena");
  prompter_.shown.clear();
  prompter_.answers = {Answer::No};  // do not save the changes
  key(Qt::Key_Escape);
  ASSERT_TRUE(formClosed());
  EXPECT_EQ(prompter_.titles().size(), 1);
  EXPECT_EQ(stored("77", "SKROPIS"), "Sedma");

  ASSERT_TRUE(waitUntil([&] { return list->container()->isEnabled(); }));
  list->control(L::kList)->setFocus();
  key(Qt::Key_Escape);
  EXPECT_TRUE(waitUntil([&] { return active<L>() == nullptr; }));
}

}  // namespace
}  // namespace obrazac::ui
