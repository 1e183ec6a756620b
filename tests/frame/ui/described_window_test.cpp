// Windows built from a description of their controls: layout, pictures, the binder to record
// and window-state fields, refusals and the keyboard every window gets from the frame.
#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "data/codepage.h"
#include "frame/ui/dialog_units.h"
#include "frame/ui/procedure_window.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::settle;
using testing::waitUntil;

enum Control { kRedBroj = 10, kNaziv, kPorez, kGrad, kGodina, kSlanje, kSpremi = 20, kOdustani };

constexpr ControlDescription kControls[] = {
    {.kind = ControlKind::Group, .prompt = "Osnovni podaci"},
    {.id = kRedBroj, .prompt = "Redni broj", .field = "OPC:REDBROJ", .picture = "N04"},
    {.id = kNaziv,
     .prompt = "Naziv općine",
     .field = "OPC:NAZIV",
     .picture = "s40",
     .tip = "Naziv općine ili grada"},
    {.id = kPorez, .prompt = "Porez", .field = "OPC:POREZ", .picture = "N-_15`2"},
    {.kind = ControlKind::CheckBox,
     .id = kGrad,
     .prompt = "Grad",
     .field = "OPC:GRAD",
     .choices = "D|N"},
    {.id = kGodina, .prompt = "Godina", .field = "year", .picture = "N04"},
    {.kind = ControlKind::OptionGroup,
     .id = kSlanje,
     .prompt = "Slanje",
     .field = "method",
     .choices = "Pojedinačno|Zbirno"},
    {.kind = ControlKind::Button,
     .id = kSpremi,
     .prompt = "&Spremi",
     .role = ButtonRole::Ok,
     .pushRight = true},
    {.kind = ControlKind::Button,
     .id = kOdustani,
     .prompt = "&Odustani",
     .role = ButtonRole::Cancel},
};

// A window over the municipality buffer and a little state of its own.
class DescribedWindow final : public ProcedureWindow {
 public:
  DescribedWindow(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "DescribedWindow") {
    describe(kControls);
  }
  Record& opc() { return thread().table("OPC").record(); }
  QLineEdit* entry(int id) { return qobject_cast<QLineEdit*>(control(id)); }

  struct {
    int year = 2004;
    std::string method;  // Windows-1250, like the records
  } state;
  int completed = 0;
  QString accepted;  // the controls whose accepted event came, in order

 protected:
  void declare() override { firstField_ = kRedBroj; }
  std::optional<FieldRef> stateField(std::string_view name) override {
    if (name == "year") return FieldRef(state.year, "year");
    if (name == "method") return FieldRef(state.method, "method");
    return std::nullopt;
  }
  int takeAccepted(int control) override {
    accepted += QString::number(control) + " ";
    return ProcedureWindow::takeAccepted(control);
  }
  int takeCompleted() override {
    ++completed;
    return level::kNotify;
  }
};

class DescribedWindowTest : public DesktopTest {
 protected:
  DescribedWindow* open() {
    auto* w = start<DescribedWindow>();
    waitUntil([&] { return w->focusedControl() == kRedBroj; });
    return w;
  }
  // Types as a person does: the keys go to the focused control.
  static void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
    settle();
  }
};

TEST_F(DescribedWindowTest, ControlsCarryTheirPromptTipAndWidthAndTabInDescribedOrder) {
  DescribedWindow* w = open();
  QLineEdit* naziv = w->entry(kNaziv);
  EXPECT_EQ(naziv->accessibleName(), QString::fromUtf8("Naziv općine"));
  EXPECT_EQ(naziv->toolTip(), QString::fromUtf8("Naziv općine ili grada"));
  EXPECT_EQ(naziv->maxLength(), 40);
  EXPECT_LT(w->entry(kRedBroj)->width(), naziv->width());
  const QList<QLabel*> labels = w->findChildren<QLabel*>();
  EXPECT_TRUE(
      std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->buddy() == naziv; }));
  for (int next : {kNaziv, kPorez, kGrad, kGodina}) {
    key(Qt::Key_Tab);
    EXPECT_EQ(w->focusedControl(), next);
  }
}

TEST_F(DescribedWindowTest, PicturesShapeWhatAnEntryTakesAndShows) {
  DescribedWindow* w = open();
  Record& opc = w->opc();
  opc.setInteger(opc.index("REDBROJ"), 7);
  opc.setDecimal(opc.index("POREZ"), *Decimal::parse("-12.5"));
  w->binder().show();
  EXPECT_EQ(w->entry(kRedBroj)->text(), "0007");
  EXPECT_EQ(w->entry(kPorez)->text(), "-12,50");
  EXPECT_EQ(w->entry(kGodina)->text(), "2004");

  w->select(kRedBroj);
  type("12a345");  // four digits, no letters
  EXPECT_EQ(w->entry(kRedBroj)->text(), "1234");
  key(Qt::Key_Tab);
  EXPECT_EQ(opc.integer(opc.index("REDBROJ")), 1234);

  w->select(kPorez);
  type("3,7");
  key(Qt::Key_Tab);
  EXPECT_EQ(opc.display("POREZ"), "3.70");
  EXPECT_EQ(w->entry(kPorez)->text(), "3,70");  // shown by the picture once left
}

TEST_F(DescribedWindowTest, TheBinderTiesRecordAndWindowStateBothWays) {
  DescribedWindow* w = open();
  Record& opc = w->opc();
  opc.setText(opc.index("GRAD"), "D");
  w->state.year = 2011;
  w->binder().show();
  auto* grad = qobject_cast<QCheckBox*>(w->control(kGrad));
  EXPECT_TRUE(grad->isChecked());
  EXPECT_EQ(w->entry(kGodina)->text(), "2011");

  grad->click();
  EXPECT_EQ(opc.display("GRAD"), "N");
  w->select(kGodina);
  type("2012");
  key(Qt::Key_Tab);
  EXPECT_EQ(w->state.year, 2012);
  const auto options = w->control(kSlanje)->findChildren<QRadioButton*>();
  ASSERT_EQ(options.size(), 2);
  options[1]->click();
  EXPECT_EQ(w->state.method, "Zbirno");
  EXPECT_EQ(w->accepted, QString("%1 %2 %3 ").arg(kGrad).arg(kGodina).arg(kSlanje));
}

TEST_F(DescribedWindowTest, ARefusalBeepsShowsItsMessageAndFocusesTheBoundControl) {
  DescribedWindow* w = open();
  const struct {
    CheckFailure failure;
    int focus;
  } cases[] = {
      {{"Pogrešan naziv", "OPC:NAZIV", true}, kNaziv},
      {{"Pogrešna godina", "year", false}, kGodina},
      {{"Bez polja", "", false}, kGodina},  // no field: the focus stays where it is
  };
  for (const auto& c : cases) {
    prompter_.shown.clear();
    prompter_.beeps = 0;
    EXPECT_EQ(w->refuse(c.failure), level::kNotify);
    EXPECT_EQ(prompter_.texts(), QStringList{QString::fromStdString(c.failure.message)});
    EXPECT_EQ(prompter_.beeps, c.failure.beep ? 1 : 0);
    EXPECT_EQ(w->focusedControl(), c.focus) << c.failure.message;
  }
}

// A character no record line may hold never reaches the buffer: the entry keeps its value and
// the user is told which field and which character.
TEST_F(DescribedWindowTest, AnEntryRefusesCharactersTheFieldCannotHold) {
  DescribedWindow* w = open();
  w->select(kNaziv);
  type("Zagreb");
  const struct {
    QString typed;
    const char* message;
  } cases[] = {
      {QString("Zagreb\tGrad"), "Polje OPC:NAZIV: nedopušten znak TAB (U+0009)"},
      {QString::fromUtf8("ZagrebЖ"),
       "Polje OPC:NAZIV: nedopušten znak 'Ж' (U+0416), nema ga u kodnoj stranici Windows-1250"},
  };
  for (const auto& c : cases) {
    prompter_.shown.clear();
    QLineEdit* edit = w->entry(kNaziv);
    edit->setText(c.typed);
    emit edit->textEdited(c.typed);
    settle();
    EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(edit->text(), "Zagreb");
    EXPECT_EQ(w->opc().display("NAZIV"), "Zagreb");
    EXPECT_EQ(w->focusedControl(), kNaziv);
  }
}

TEST_F(DescribedWindowTest, EnterPressesTheDefaultButtonAndAltItsOwnMnemonicBeforeTheMenus) {
  DescribedWindow* w = open();
  type("5");
  key(Qt::Key_Return);
  EXPECT_EQ(w->completed, 1);

  // The frame's menu bar has "&Servisi"; in the window Alt+S is its own "&Spremi".
  w->select(kNaziv);
  key(Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(w->completed, 2);
  EXPECT_EQ(w->entry(kNaziv)->text(), "") << "the letter is no typing";
  EXPECT_EQ(w->focusedControl(), kSpremi);

  // On a focused button Enter presses that button.
  w->select(kOdustani);
  key(Qt::Key_Return);
  EXPECT_TRUE(waitUntil([&] { return active<DescribedWindow>() == nullptr; }));
}

TEST_F(DescribedWindowTest, EscapeActsAsTheCancelButton) {
  DescribedWindow* w = open();
  std::vector<int> pressed;
  for (int id : {kSpremi, kOdustani}) {
    QObject::connect(qobject_cast<QAbstractButton*>(w->control(id)), &QAbstractButton::clicked,
                     [&pressed, id] { pressed.push_back(id); });
  }
  key(Qt::Key_Escape);
  EXPECT_EQ(pressed, std::vector<int>{kOdustani});
  EXPECT_TRUE(waitUntil([&] { return active<DescribedWindow>() == nullptr; }));
}

// A window's own state changes, however they come (a screen reader's toggle, code), are the
// user's choice; a value the window shows is not.
TEST_F(DescribedWindowTest, AChoiceFollowsTheControlsStateNotItsClicks) {
  DescribedWindow* w = open();
  const auto options = w->control(kSlanje)->findChildren<QRadioButton*>();
  ASSERT_EQ(options.size(), 2);
  QAccessibleInterface* zbirno = QAccessible::queryAccessibleInterface(options[1]);
  ASSERT_NE(zbirno, nullptr);
  ASSERT_NE(zbirno->actionInterface(), nullptr);
  zbirno->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  settle();
  EXPECT_TRUE(options[1]->isChecked());
  EXPECT_EQ(w->state.method, "Zbirno");
  qobject_cast<QCheckBox*>(w->control(kGrad))->setChecked(true);
  EXPECT_EQ(w->opc().display("GRAD"), "D");
  EXPECT_EQ(w->accepted, QString("%1 %2 ").arg(kSlanje).arg(kGrad));

  w->state.method = cp1250FromUtf8("Pojedinačno");
  w->binder().show();
  EXPECT_TRUE(options[0]->isChecked());
  EXPECT_EQ(w->accepted, QString("%1 %2 ").arg(kSlanje).arg(kGrad)) << "showing chose nothing";
}

// Buttons and a prompt sharing letters, and entries behind displays that take no focus.
enum SharedControl { kOtvori = 1, kObrisi, kDodaj, kOpis, kOznaka, kOdgoda };

constexpr ControlDescription kShared[] = {
    {.kind = ControlKind::Display, .id = kOpis, .prompt = "Opis", .field = "opis", .chars = 20},
    {.id = kOznaka, .prompt = "&Oznaka", .field = "oznaka", .picture = "s4"},
    {.kind = ControlKind::Display, .id = 9, .field = "opis", .chars = 20, .beside = true},
    {.id = kOdgoda, .prompt = "Odgoda", .field = "odgoda", .picture = "s4"},
    {.kind = ControlKind::Button, .id = kOtvori, .prompt = "&Otvori"},
    {.kind = ControlKind::Button, .id = kObrisi, .prompt = "&Obriši"},
    {.kind = ControlKind::Button, .id = kDodaj, .prompt = "&Dodaj"},
};

class SharedLettersWindow final : public ProcedureWindow {
 public:
  SharedLettersWindow(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "SharedLettersWindow") {
    describe(kShared);
  }
  QString pressed;

 protected:
  void declare() override { firstField_ = kOznaka; }
  std::optional<FieldRef> stateField(std::string_view name) override {
    if (name == "opis") return FieldRef(opis_, "opis");
    if (name == "oznaka") return FieldRef(oznaka_, "oznaka");
    if (name == "odgoda") return FieldRef(odgoda_, "odgoda");
    return std::nullopt;
  }
  int takeAccepted(int control) override {
    if (control <= kDodaj) pressed += QString::number(control);
    return ProcedureWindow::takeAccepted(control);
  }

 private:
  std::string opis_, oznaka_, odgoda_;
};

TEST_F(DescribedWindowTest, ASharedLetterMovesTheFocusAndEnterPressesTheFocusedControl) {
  auto* w = start<SharedLettersWindow>();
  ASSERT_TRUE(waitUntil([&] { return w->focusedControl() == kOznaka; }));
  // Alt+O goes round the entry and the two buttons of that letter, pressing none.
  for (int next : {kOtvori, kObrisi, kOznaka, kOtvori, kObrisi}) {
    key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(w->focusedControl(), next);
  }
  EXPECT_EQ(w->pressed, "");
  key(Qt::Key_Return);
  EXPECT_EQ(w->pressed, QString::number(kObrisi));
  // A letter of one control alone still presses it.
  key(Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(w->pressed, QString("%1%2").arg(kObrisi).arg(kDodaj));

  // Tab passes the displays by, in the order of the description.
  w->select(kOznaka);
  for (int next : {kOdgoda, kOtvori, kObrisi, kDodaj, kOznaka}) {
    key(Qt::Key_Tab);
    EXPECT_EQ(w->focusedControl(), next);
  }
}

// Tab pages, a drop list of fixed choices, a spin box and a display field.
constexpr ControlDescription kPages[] = {
    {.kind = ControlKind::Tab, .prompt = "Općina"},
    {.kind = ControlKind::Display, .id = 10, .prompt = "Naziv", .field = "OPC:NAZIV", .chars = 40},
    {.kind = ControlKind::DropList,
     .id = 11,
     .prompt = "Grad",
     .field = "OPC:GRAD",
     .choices = "D|N"},
    {.kind = ControlKind::Tab, .prompt = "Razdoblje"},
    {.kind = ControlKind::SpinBox, .id = 12, .prompt = "Godina", .field = "year", .chars = 4},
};

class PagedWindow final : public ProcedureWindow {
 public:
  PagedWindow(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "PagedWindow") {
    describe(kPages);
  }
  int year = 2004;

 protected:
  std::optional<FieldRef> stateField(std::string_view name) override {
    if (name == "year") return FieldRef(year, "year");
    return std::nullopt;
  }
};

TEST_F(DescribedWindowTest, TabsHoldTheirControlsAndEveryKindShowsAndTakesItsValue) {
  auto* w = start<PagedWindow>();
  Record& opc = w->thread().table("OPC").record();
  opc.setText(opc.index("NAZIV"), "ZAGREB");
  opc.setText(opc.index("GRAD"), "D");
  w->binder().show();
  auto* tabs = w->findChild<QTabWidget*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(1), "Razdoblje");
  EXPECT_TRUE(tabs->widget(1)->isAncestorOf(w->control(12)));
  EXPECT_EQ(qobject_cast<QLabel*>(w->control(10))->text(), "ZAGREB");
  auto* grad = qobject_cast<QComboBox*>(w->control(11));
  EXPECT_EQ(grad->currentText(), "D");
  grad->setCurrentIndex(1);
  emit grad->activated(1);
  EXPECT_EQ(opc.display("GRAD"), "N");
  auto* godina = qobject_cast<QSpinBox*>(w->control(12));
  EXPECT_EQ(godina->value(), 2004);
  godina->setValue(2010);
  emit godina->editingFinished();
  EXPECT_EQ(w->year, 2010);
}

// Controls the window fixes in dialog units stand there, whatever the font.
constexpr ControlDescription kPlaced[] = {
    {.kind = ControlKind::Display, .id = 3, .prompt = "i plaćenim doprinosima", .x = 57, .y = 54},
    {.kind = ControlKind::Button,
     .id = 5,
     .prompt = "OK",
     .role = ButtonRole::Ok,
     .x = 158,
     .y = 76,
     .width = 35,
     .height = 14},
};

class PlacedWindow final : public ProcedureWindow {
 public:
  PlacedWindow(Desktop& d, std::shared_ptr<ProcedureThread> t)
      : ProcedureWindow(d, std::move(t), "PlacedWindow") {
    setDialogSize(197, 91);
    describe(kPlaced);
  }
};

TEST_F(DescribedWindowTest, PlacedControlsStandAtTheirDialogUnits) {
  auto* w = start<PlacedWindow>();
  const DialogUnits du(w->font());
  auto* text = qobject_cast<QLabel*>(w->control(3));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(), QString::fromUtf8("i plaćenim doprinosima"));
  EXPECT_EQ(text->pos(), du.point(57, 54));
  EXPECT_EQ(w->control(5)->geometry(), du.rect(158, 76, 35, 14));
  EXPECT_EQ(w->layout(), nullptr);
}

}  // namespace
}  // namespace obrazac::ui
