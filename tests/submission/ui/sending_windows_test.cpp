#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "register/ui/update_arhiva_tbosigur.h"
#include "submission/ui/browse_obrazac_b.h"
#include "submission/ui/browse_tbobrazaca.h"
#include "submission/ui/copy_dialog.h"
#include "submission/ui/month_summary.h"
#include "submission/ui/new_cit_obrazac_a.h"
#include "submission/ui/new_form_obrazac.h"
#include "submission/ui/new_preuzmi_podatke.h"
#include "submission/ui/sending_state.h"
#include "submission/ui/win_izvjesce.h"
#include "support/cli_runner.h"
#include "support/payment_fixture.h"
#include "support/register_fixture.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

namespace fs = std::filesystem;
using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::waitUntil;
using W = SendingWindow;

// The line types of a file, one character each.
std::string types(const fs::path& file) {
  const std::string bytes = obrazac::testing::readFile(file);
  std::string t;
  for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
       end = bytes.find("\r\n", end + 2))
    t += bytes[end - 1];
  return t;
}

// The sending windows on a working folder the test fills first.
class SendingWindows : public DesktopTest {
 protected:
  void SetUp() override { sendingState() = {}; }

  void openFrameOn(const fs::path& workDir) {
    frame_ = std::make_unique<MainFrame>(prompter_, errors_, settings_, workDir);
    frame_->setShowLogo(false);
    frame_->setWindowState(Qt::WindowNoState);
    frame_->resize(1000, 700);
    frame_->show();
    testing::settle();
  }

  static QLineEdit* entry(ProcedureWindow* w, int control) {
    return qobject_cast<QLineEdit*>(w->control(control));
  }
  void chooseObligor(SendingWindow* w, int row) {
    auto* combo = qobject_cast<QComboBox*>(w->control(W::kObveznik));
    ASSERT_LT(row, combo->count());
    combo->setCurrentIndex(row);
    emit combo->activated(row);
    testing::settle();
  }
  // The header of January 2025, days 1-31, kind "01", paid in February, sent 2.10.2025.
  void enterHeader(SendingWindow* w, const QString& month = "01", const QString& from = "1",
                   const QString& to = "31") {
    enter(entry(w, W::kVrstaUplate), "01");
    enter(entry(w, W::kGodina), "2025");
    enter(entry(w, W::kMjesec), month);
    enter(entry(w, W::kOdDana), from);
    enter(entry(w, W::kDoDana), to);
    enter(entry(w, W::kPlaMjesec), "02");
    enter(entry(w, W::kDatumSlanja), "02.10.2025");
    testing::settle();
  }
  void runAndWait(SendingWindow* w, int button) {
    press(w, button);
    ASSERT_TRUE(waitUntil([w] { return !w->busy(); }, 20000));
    testing::settle();
  }
  // The copy dialog the run opened, closed without copying.
  CopyDialog::Variant dismissCopy() {
    auto* copy = waitForActive<CopyDialog>();
    EXPECT_NE(copy, nullptr);
    if (!copy) return CopyDialog::Variant::Transcript;
    const auto variant = copy->variant();
    press(copy, CopyDialog::kOdustani);
    testing::settle();
    return variant;
  }
};

class SendingFromMonthlyData : public SendingWindows, protected obrazac::testing::RegisterFixture {
 protected:
  void SetUp() override {
    SendingWindows::SetUp();
    addParameters();
    addObligor(1);
    addObligor(2, "01", "23456789", "0000000000000", "DRUGI d.o.o.");
    addRow(1, {.jmbg = "1111111111111"});
    addRow(2, {.jmbg = "2222222222222"});
    ctx.closeAll();
    openFrameOn(dir.path());
  }
};

TEST_F(SendingFromMonthlyData, SingleSendingWritesTheFileOfTheCommandLine) {
  auto* w = start<NewFormObrazac>();
  ASSERT_NE(w, nullptr);
  chooseObligor(w, 0);
  EXPECT_EQ(entry(w, W::kBroj)->text(), "1");  // the obligor's last form number + 1
  EXPECT_FALSE(w->control(W::kPosao)->isEnabled());
  enterHeader(w);
  runAndWait(w, W::kObrada);
  const fs::path output = dir.path() / "izlaz" / "F0015001.TXT";
  EXPECT_EQ(w->statusText(),
            QString::fromStdString("OBVEZNIK JE USPJEŠNO OBRAĐEN-" + output.string()));
  EXPECT_EQ(dismissCopy(), CopyDialog::Variant::OneObligor);
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();

  const std::string fromWindow = obrazac::testing::readFile(output);
  EXPECT_EQ(types(output), "03579");
  closeFrame();
  const auto cli = obrazac::testing::runCli(
      "--dir " + dir.path().string() +
      " send --employer 1 --type 01 --year 2025 --month 01 --from 1 --to 31 --paid 2025-02"
      " --date 02.10.2025 --form 1");
  ASSERT_EQ(cli.exitCode, 0) << cli.output;
  EXPECT_EQ(obrazac::testing::readFile(output), fromWindow);
}

TEST_F(SendingFromMonthlyData, CollectiveSendingOfTwoObligorsJoinsBothForms) {
  auto* w = start<NewFormObrazac>();
  w->choice(W::kNacin, QString::fromUtf8("Zbirno slanje"))->click();
  testing::settle();
  EXPECT_TRUE(w->control(W::kPosao)->isEnabled());
  chooseObligor(w, 0);
  enterHeader(w);
  runAndWait(w, W::kObrada);
  EXPECT_EQ(dismissCopy(), CopyDialog::Variant::OneObligor);
  // The obligors processed next join the same list.
  EXPECT_TRUE(w->choice(W::kPosao, "Dodaj u file")->isChecked());
  EXPECT_FALSE(w->choice(W::kPosao, "Novi file")->isEnabled());
  EXPECT_FALSE(w->choice(W::kNacin, QString::fromUtf8("Pojedinačno slanje"))->isEnabled());

  chooseObligor(w, 1);
  runAndWait(w, W::kObrada);
  EXPECT_EQ(dismissCopy(), CopyDialog::Variant::OneObligor);

  runAndWait(w, W::kZbirniHash);
  auto* copy = waitForActive<CopyDialog>();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->variant(), CopyDialog::Variant::Collective);
  const fs::path collective = dir.path() / "izlaz" / "VELOR.RM0";
  EXPECT_EQ(copy->lines().mid(0, 3),
            QStringList({QString::fromUtf8("Završeno je spajanje datoteka"),
                         QString::fromUtf8("Određen je i zbirni HASH broj"),
                         QString::fromStdString("Formiran je file " + collective.string())}));
  EXPECT_EQ(types(collective), "03573579");

  // The copy goes to whatever writable place the user names, over an older file there.
  const fs::path disk = dir.path() / "disk";
  fs::create_directories(disk);
  obrazac::testing::writeFile(disk / "VELOR.RM0", "staro");
  enter(entry(copy, CopyDialog::kTarget), QString::fromStdString((disk / "VELOR.RM0").string()));
  press(copy, CopyDialog::kKopiraj);
  EXPECT_EQ(obrazac::testing::readFile(disk / "VELOR.RM0"), obrazac::testing::readFile(collective));
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
}

// The whole month from the window: every obligor's form in one collective file, and the
// summary in a window of its own instead of a box per obligor.
TEST_F(SendingFromMonthlyData, TheWholeMonthGoesIntoOneCollectiveFileWithItsSummary) {
  auto* w = start<NewFormObrazac>();
  w->choice(W::kNacin, QString::fromUtf8("Zbirno slanje"))->click();
  chooseObligor(w, 0);
  enterHeader(w);
  runAndWait(w, W::kCijeliMjesec);
  auto* summary = waitForActive<MonthSummary>();
  ASSERT_NE(summary, nullptr);
  const QString text = summary->text();
  EXPECT_TRUE(text.contains("Obveznik 1 ")) << text.toStdString();
  EXPECT_TRUE(text.contains("Obveznik 2 DRUGI d.o.o.: obrazac ")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Obrađeno obveznika: 2, odbijeno: 0")))
      << text.toStdString();
  const fs::path collective = dir.path() / "izlaz" / "VELOR.RM0";
  EXPECT_EQ(types(collective), "03573579");
  EXPECT_EQ(sendingState().outputFile, collective);
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
  press(summary, MonthSummary::kZatvori);
}

// A screen reader's "Toggle" checks the radio without a click: the window follows the state.
TEST_F(SendingFromMonthlyData, TheCollectiveChosenByTheRadiosStateRunsAsACollective) {
  auto* w = start<NewFormObrazac>();
  QRadioButton* zbirno = w->choice(W::kNacin, QString::fromUtf8("Zbirno slanje"));
  QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(zbirno);
  ASSERT_NE(radio, nullptr);
  radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  testing::settle();
  ASSERT_TRUE(zbirno->isChecked());
  EXPECT_TRUE(w->control(W::kPosao)->isEnabled()) << "Novi file / Dodaj u file";
  chooseObligor(w, 0);
  enterHeader(w);
  runAndWait(w, W::kObrada);
  EXPECT_EQ(dismissCopy(), CopyDialog::Variant::OneObligor);
  // Only a collective goes on adding to its file.
  EXPECT_TRUE(w->choice(W::kPosao, "Dodaj u file")->isChecked());
  EXPECT_FALSE(w->choice(W::kNacin, QString::fromUtf8("Pojedinačno slanje"))->isEnabled());
}

TEST_F(SendingFromMonthlyData, EntriesAreRefusedWithTheirMessageAndKeepTheFocus) {
  struct Case {
    const char* paymentType;
    int control;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {"01", W::kGodina, "2004", "Greška. Godina mora biti veća od 2004"},
      {"05", W::kMjesec, "03", "Za uplate 03 05 i 06 mjesec mora biti = 00"},
      {"01", W::kDoDana, "32", "Pogrešan dan"},
  };
  auto* w = start<NewFormObrazac>();
  chooseObligor(w, 0);
  for (const Case& c : cases) {
    prompter_.shown.clear();
    enter(entry(w, W::kVrstaUplate), c.paymentType);
    enter(entry(w, W::kMjesec), "01");
    prompter_.shown.clear();
    enter(entry(w, c.control), c.value);
    testing::settle();
    EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)}) << c.value;
    EXPECT_EQ(w->focusedControl(), c.control) << c.value;
  }
}

// Still to be mended: the command-line side of this comparison is refused before it reaches
// the value, so the two verdicts differ for a reason of the test's own; kept disabled until
// the command line of the comparison is right.
TEST_F(SendingFromMonthlyData, DISABLED_TheWindowsAndTheCommandLineGiveADateOfSendingOneVerdict) {
  const char* dates[] = {"02.10.2025",    "2.1.2026", "31.02.2025", "1.1.12345",
                         "02.10.2025xyz", "02.10.25", "+2.10.2025"};
  struct Window {
    const char* command;
    std::function<SendingWindow*()> open;
  } windows[] = {
      {"send", [this] { return start<NewFormObrazac>(); }},
      {"takeover ulaz/nema.txt", [this] { return start<NewPreuzmiPodatke>(); }},
  };
  for (const Window& kind : windows) {
    SendingWindow* w = kind.open();
    ASSERT_NE(w, nullptr);
    chooseObligor(w, 0);
    for (const char* typed : dates) {
      prompter_.shown.clear();
      enter(entry(w, W::kDatumSlanja), typed);
      testing::settle();
      const QString window = prompter_.texts().join("|");
      const auto cli = obrazac::testing::runCli(
          "--dir " + dir.path().string() + " " + kind.command +
          " --employer 1 --type 01 --year 2025 --month 01 --from 1 --to 31 --date '" + typed + "'");
      EXPECT_EQ(window.toStdString(), obrazac::testing::optionRefusal(cli.output, "--date"))
          << kind.command << " " << typed;
      if (window.isEmpty()) continue;
      EXPECT_EQ(w->focusedControl(), W::kDatumSlanja) << typed;
      EXPECT_EQ(entry(w, W::kDatumSlanja)->text(), QString::fromUtf8(typed)) << "kept as typed";
    }
    press(w, W::kZatvori);
  }
}

TEST_F(SendingFromMonthlyData, ADateOfSendingThatIsNoDateStopsTheRunBeforeAnyFile) {
  auto* w = start<NewFormObrazac>();
  chooseObligor(w, 0);
  enterHeader(w);
  enter(entry(w, W::kDatumSlanja), "31.02.2025");
  prompter_.shown.clear();
  press(w, W::kObrada);
  ASSERT_TRUE(waitUntil([w] { return !w->busy(); }));
  EXPECT_EQ(prompter_.texts(), QStringList{"'31.02.2025' nije datum DD.MM.GGGG"});
  EXPECT_EQ(w->focusedControl(), W::kDatumSlanja);
  EXPECT_FALSE(fs::exists(dir.path() / "izlaz" / "F0015001.TXT"));
}

TEST_F(SendingFromMonthlyData, TheFormOfARunOpensFromTheSendingWindowAndFromTheListOfForms) {
  auto* w = start<NewFormObrazac>();
  chooseObligor(w, 0);
  enterHeader(w);
  runAndWait(w, W::kObrada);
  dismissCopy();

  press(w, W::kProvjera);
  auto* pageA = waitForActive<NewCitObrazacA>();
  ASSERT_NE(pageA, nullptr);
  EXPECT_EQ(qobject_cast<QLabel*>(pageA->control(NewCitObrazacA::kIdentifikator))->text(), "5001");
  EXPECT_EQ(entry(pageA, NewCitObrazacA::kNaziv)->text(), "PRIMJER d.o.o.");
  press(pageA, NewCitObrazacA::kZatvori);
  ASSERT_TRUE(waitUntil([this, w] { return active<SendingWindow>() == w; }));

  // The header now names a form that was never built.
  enter(entry(w, W::kBroj), "9");
  press(w, W::kProvjera);
  EXPECT_EQ(prompter_.texts(), QStringList{"Nema obrasca broj 5009 za firmu 001"});
  EXPECT_EQ(active<NewCitObrazacA>(), nullptr);

  frame_->action("BrowseTBOBRAZACA")->trigger();
  auto* forms = waitForActive<BrowseTBOBRAZACA>();
  ASSERT_NE(forms, nullptr);
  ASSERT_EQ(forms->list()->rowCount(), 1);
  EXPECT_EQ(forms->list()->cellText(0, 1), "0015001");
  EXPECT_EQ(qobject_cast<QLabel*>(forms->control(BrowseTBOBRAZACA::kNazivPoslodavca))->text(),
            "PRIMJER d.o.o.");
  press(forms, ListWindow::kOtvori);
  pageA = waitForActive<NewCitObrazacA>();
  ASSERT_NE(pageA, nullptr);
  EXPECT_EQ(qobject_cast<QLabel*>(pageA->control(NewCitObrazacA::kIdentifikator))->text(), "5001");

  // Its page B rows, each opened in the row form.
  press(pageA, NewCitObrazacA::kPregled);
  auto* rows = waitForActive<BrowseObrazacB>();
  ASSERT_NE(rows, nullptr);
  ASSERT_EQ(rows->list()->rowCount(), 1);
  EXPECT_EQ(rows->list()->cellText(0, 0), "1111111111111");
  press(rows, ListWindow::kOtvori);
  EXPECT_NE(waitForActive<UpdateArhivaTBOSIGUR>(), nullptr);
}

TEST_F(SendingFromMonthlyData, CopyOfTheLastFileBeforeAnyRunSaysItIsNotFound) {
  auto* w = start<NewFormObrazac>();
  press(w, W::kPrijepis);
  EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8("File:  nije pronađen")});
  EXPECT_EQ(active<CopyDialog>(), nullptr);
}

// Every entry, list, choice and display a user reaches carries its prompt or caption as its name.
void expectNamedControls(QWidget* w) {
  for (QWidget* c : w->findChildren<QWidget*>()) {
    const bool control = (qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parent())) ||
                         qobject_cast<QComboBox*>(c) || qobject_cast<QRadioButton*>(c) ||
                         (qobject_cast<QLabel*>(c) && c->accessibleName() != QString() &&
                          qobject_cast<QLabel*>(c)->frameShape() != QFrame::NoFrame) ||
                         (qobject_cast<QGroupBox*>(c) &&
                          !c->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly).isEmpty());
    if (!control || !c->isVisibleTo(w)) continue;
    const auto* b = qobject_cast<QAbstractButton*>(c);
    EXPECT_TRUE(!c->accessibleName().isEmpty() || (b && !b->text().isEmpty()))
        << w->windowTitle().toStdString() << ": " << c->metaObject()->className();
  }
}

TEST_F(SendingFromMonthlyData, TheCopyOfTheLastFileTellsItsNameAndEveryControlIsNamed) {
  const fs::path last = dir.path() / "izlaz" / "F0015001.TXT";
  obrazac::testing::writeFile(last, "x");
  sendingState().outputFile = last;
  auto* w = start<NewFormObrazac>();
  expectNamedControls(w);
  press(w, W::kPrijepis);
  auto* copy = waitForActive<CopyDialog>();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->variant(), CopyDialog::Variant::Transcript);
  EXPECT_EQ(copy->lines().mid(0, 2),
            QStringList({QString::fromStdString("File: " + last.string()),
                         QString::fromUtf8("Želite li prepisati file na disketu")}));
  expectNamedControls(copy);
  press(copy, CopyDialog::kOdustani);
  expectNamedControls(start<NewPreuzmiPodatke>());
}

// The copy is the dialog's default: it has the focus, and Enter in the name copies.
TEST_F(SendingFromMonthlyData, TheCopyDialogOpensOnItsCopyButtonAndEnterCopies) {
  const fs::path last = dir.path() / "izlaz" / "F0015001.TXT";
  obrazac::testing::writeFile(last, "sadrzaj");
  sendingState().outputFile = last;
  auto* w = start<NewFormObrazac>();
  press(w, W::kPrijepis);
  auto* copy = waitForActive<CopyDialog>();
  ASSERT_NE(copy, nullptr);
  ASSERT_TRUE(waitUntil([&] { return copy->focusedControl() == CopyDialog::kKopiraj; }));
  for (int id : {CopyDialog::kKopiraj, CopyDialog::kOdustani}) {
    auto* button = qobject_cast<QAbstractButton*>(copy->control(id));
    EXPECT_FALSE(QKeySequence::mnemonic(button->text()).isEmpty()) << button->text().toStdString();
  }
  const fs::path disk = dir.path() / "disk";
  fs::create_directories(disk);
  QLineEdit* target = entry(copy, CopyDialog::kTarget);
  enter(target, QString::fromStdString((disk / "F0015001.TXT").string()));
  QTest::keyClick(target, Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return active<CopyDialog>() == nullptr; }));
  EXPECT_EQ(obrazac::testing::readFile(disk / "F0015001.TXT"), "sadrzaj");
}

class SendingFromPaymentFile : public SendingWindows, protected obrazac::testing::SampleFolder {
 protected:
  void SetUp() override {
    SendingWindows::SetUp();
    ctx.closeAll();
    openFrameOn(dir.path());
  }
};

TEST_F(SendingFromPaymentFile, ALineWithAnErrorShowsTheSummaryAndStopsTheRun) {
  obrazac::testing::TestLine good, bad;
  bad.jmbg = "1234567890123";
  const fs::path input = writeInput(obrazac::testing::paymentFile({good, bad}));
  auto* w = start<NewPreuzmiPodatke>();
  ASSERT_NE(w, nullptr);
  chooseObligor(w, 0);
  enterHeader(w, "11", "1", "30");
  w->setInputFile(QString::fromStdString(input.string()));
  press(w, W::kObrada);
  auto* summary = waitForActive<WinIzvjesce>();
  ASSERT_NE(summary, nullptr);
  const auto shown = [summary](int control) {
    return qobject_cast<QLabel*>(summary->control(control))->text().trimmed();
  };
  EXPECT_EQ(shown(WinIzvjesce::kObradeno), "2");
  EXPECT_EQ(shown(WinIzvjesce::kIspravni), "1");
  EXPECT_EQ(shown(WinIzvjesce::kNapomena),
            QString::fromUtf8("Nakon obrade pregledajte popis grešaka"));
  press(summary, WinIzvjesce::kZatvori);
  ASSERT_TRUE(waitUntil([this, w] { return !w->busy() && active<NewPreuzmiPodatke>() == w; }));
  EXPECT_EQ(w->statusText(),
            QString::fromUtf8("Obrada je prekinuta, provjerite popis grešaka i upozorenja."));
  EXPECT_EQ(w->focusedControl(), W::kGodina);
  EXPECT_EQ(active<CopyDialog>(), nullptr);
  EXPECT_TRUE(sendingState().outputFile.empty());
}

}  // namespace
}  // namespace obrazac::ui
