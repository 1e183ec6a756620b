#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/application_parameters.h"
#include "codelists/ui/browse_vrste_obveznika.h"
#include "data/codepage.h"
#include "data/context.h"
#include "data/fixed_width.h"
#include "frame/ui/folder_dialog.h"
#include "support/parameter_record.h"
#include "support/previous_year_folder.h"
#include "support/ui/desktop_fixture.h"
#include "transfer/ui/export_datoteka.h"
#include "transfer/ui/import_datoteka.h"
#include "transfer/ui/pitanje_da_ne.h"
#include "transfer/ui/preuzmi_zaposlene.h"

namespace obrazac::ui {
namespace {

namespace fs = std::filesystem;
using testing::DesktopTest;
using testing::enter;
using testing::press;
using testing::settle;
using testing::waitUntil;

class TransferWindowsTest : public DesktopTest {
 protected:
  void TearDown() override {
    setFolderChooser({});
    DesktopTest::TearDown();
  }

  // The obligor of number 1 under this name, written as another station would.
  void setObligorName(const char* name) {
    Context ctx(dir_.path());
    Table& pos = ctx.table("POS");
    ASSERT_EQ(pos.open(), 0);
    pos.clear();
    pos.record().setInteger(pos.record().index("REDBROJ"), 1);
    const bool present = pos.get("KEYREDBROJ") == 0;
    pos.record().setText(pos.record().index("NAZIV"), cp1250FromUtf8(name));
    ASSERT_EQ(present ? pos.put() : pos.add(), 0);
  }
  std::string obligorName() {
    Context ctx(dir_.path());
    Table& pos = ctx.table("POS");
    EXPECT_EQ(pos.open(AccessMode::ReadOnly), 0);
    pos.clear();
    pos.record().setInteger(pos.record().index("REDBROJ"), 1);
    if (pos.get("KEYREDBROJ") != 0) return "?";
    return utf8FromCp1250(clipRight(pos.record().text(pos.record().index("NAZIV"))));
  }

  template <class W>
  W* openFromMenu(const char* item) {
    frame_->action(item)->trigger();
    return waitForActive<W>();
  }
  static QLineEdit* edit(ProcedureWindow* w, int control) {
    return qobject_cast<QLineEdit*>(w->control(control));
  }
  // Starts the import from `source` and waits for its question window.
  PitanjeDaNe* importFrom(const fs::path& source) {
    auto* import = openFromMenu<ImportDatoteka>("ImportDatoteka");
    enter(edit(import, ImportDatoteka::kSource), QString::fromStdString(source.string()));
    press(import, ImportDatoteka::kPreuzmi);
    return waitForActive<PitanjeDaNe>();
  }
};

TEST_F(TransferWindowsTest, ExportThenImportBringsTheDataBackThroughTheWindows) {
  setObligorName("Čolak obrt");
  const fs::path backup = dir_ / "sigurnosna kopija";

  auto* exportWindow = openFromMenu<ExportDatoteka>("ExportDatoteka");
  ASSERT_NE(exportWindow, nullptr);
  EXPECT_EQ(exportWindow->windowTitle(), "Export datoteka");
  EXPECT_EQ(edit(exportWindow, ExportDatoteka::kTarget)->text().toStdString(),
            dir_.path().string());
  // "..." puts the chosen folder into the entry.
  setFolderChooser([&](QWidget*, const QString& start) {
    EXPECT_EQ(start.toStdString(), dir_.path().string());
    return QString::fromStdString(backup.string());
  });
  press(exportWindow, ExportDatoteka::kChoose);
  EXPECT_EQ(edit(exportWindow, ExportDatoteka::kTarget)->text().toStdString(), backup.string());
  QTest::keyClick(edit(exportWindow, ExportDatoteka::kTarget), Qt::Key_Return);  // the default
  settle();
  EXPECT_EQ(prompter_.texts(), QStringList{"Export je završen. Provjerite"});
  EXPECT_TRUE(fs::exists(backup / "TBPOSLOD.DAT"));
  QTest::keyClick(exportWindow, Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return active<ExportDatoteka>() == nullptr; }));

  setObligorName("Promijenjeno");
  prompter_.shown.clear();
  auto* import = openFromMenu<ImportDatoteka>("ImportDatoteka");
  EXPECT_EQ(import->windowTitle(), "Import podataka");
  EXPECT_EQ(edit(import, ImportDatoteka::kSource)->text().toStdString(),
            (dir_.path() / "export").string());
  enter(edit(import, ImportDatoteka::kSource), QString::fromStdString(backup.string()));
  press(import, ImportDatoteka::kPreuzmi);
  auto* question = waitForActive<PitanjeDaNe>();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->windowTitle(), "Upozorenje");
  press(question, PitanjeDaNe::kDa);
  ASSERT_TRUE(waitUntil([&] { return !prompter_.shown.empty(); }));
  // The parameters the frame holds open are replaced too: the frame lets them go meanwhile.
  EXPECT_EQ(prompter_.texts(), QStringList{"Podaci su importirani !"});
  EXPECT_EQ(obligorName(), "Čolak obrt");
}

TEST_F(TransferWindowsTest, AWrongFolderIsRefusedBeforeTheQuestionAndOdustaniChangesNothing) {
  setObligorName("Čolak obrt");
  auto* import = openFromMenu<ImportDatoteka>("ImportDatoteka");
  enter(edit(import, ImportDatoteka::kSource), QString::fromStdString((dir_ / "nema").string()));
  press(import, ImportDatoteka::kPreuzmi);
  EXPECT_EQ(prompter_.texts(), QStringList{"Greška. Pogrešan pretinac!"});
  EXPECT_EQ(active<PitanjeDaNe>(), nullptr);
  EXPECT_EQ(import->focusedControl(), ImportDatoteka::kSource);
  QTest::keyClick(import, Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return active<ImportDatoteka>() == nullptr; }));

  const fs::path other = dir_ / "druga";
  fs::create_directories(other);
  {
    Context ctx(other);
    Table& pos = ctx.table("POS");
    ASSERT_EQ(pos.open(), 0);
    pos.record().setInteger(pos.record().index("REDBROJ"), 1);
    pos.record().setText(pos.record().index("NAZIV"), "Drugi");
    ASSERT_EQ(pos.add(), 0);
  }
  prompter_.shown.clear();
  PitanjeDaNe* question = importFrom(other);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->focusedControl(), PitanjeDaNe::kOdustani);
  press(question, PitanjeDaNe::kOdustani);
  settle();
  EXPECT_TRUE(prompter_.shown.empty()) << prompter_.texts().join("\n").toStdString();
  EXPECT_EQ(obligorName(), "Čolak obrt");
}

TEST_F(TransferWindowsTest, AnImportAsksTheWindowsHoldingTablesToCloseOrIsRefused) {
  setObligorName("Čolak obrt");
  const fs::path other = dir_ / "druga";
  fs::create_directories(other);
  fs::copy_file(dir_ / "TBPOSLOD.DAT", other / "TBPOSLOD.DAT");
  setObligorName("Prije importa");

  start<BrowseVrsteObveznika>();
  const QString question =
      "Prije zamjene podataka treba zatvoriti prozore: Vrsta obveznika. Zatvoriti ih sada?";
  prompter_.answers = {Answer::No};
  press(importFrom(other), PitanjeDaNe::kDa);
  EXPECT_EQ(prompter_.texts(),
            QStringList({question, "Podaci nisu zamijenjeni. Zatvorite prozore: Vrsta obveznika"}));
  EXPECT_EQ(obligorName(), "Prije importa");

  prompter_.shown.clear();
  prompter_.answers = {Answer::Yes};
  ProcedureWindow* import = active<ImportDatoteka>();
  ASSERT_NE(import, nullptr);
  press(import, ImportDatoteka::kPreuzmi);
  press(waitForActive<PitanjeDaNe>(), PitanjeDaNe::kDa);
  ASSERT_TRUE(waitUntil([&] { return prompter_.shown.size() == 2; }));
  EXPECT_EQ(prompter_.texts(), QStringList({question, "Podaci su importirani !"}));
  EXPECT_EQ(obligorName(), "Čolak obrt");
}

// The imported parameters name the other installation's folders: the frame asks, as at start,
// before any run could write there.
TEST_F(TransferWindowsTest, AnImportOfAnotherInstallationAsksToKeepThisFolder) {
  const fs::path other = dir_ / "druga";
  fs::create_directories(other);
  {
    Context ctx(other);
    ASSERT_EQ(ensureParameterRecord(ctx), 0);
    obrazac::testing::setParameter(ctx, "RADDIR", "/srv/druga/");
    obrazac::testing::setParameter(ctx, "IZLAZDIR", "/srv/druga/izlaz/");
    ASSERT_EQ(ctx.table("POS").open(), 0);
  }
  prompter_.answers = {Answer::Yes};
  auto* question = importFrom(other);
  ASSERT_NE(question, nullptr);
  press(question, PitanjeDaNe::kDa);
  ASSERT_TRUE(waitUntil([&] { return prompter_.shown.size() >= 2; }));
  EXPECT_EQ(prompter_.texts().at(0), "Podaci su importirani !");
  EXPECT_NE(prompter_.texts().at(1).indexOf("/srv/druga/"), -1);
  Context ctx(dir_.path());
  ASSERT_EQ(readParameters(ctx), 0);
  EXPECT_TRUE(parametersNameThisFolder(ctx.table("APL").record(), dir_.path()));
}

TEST_F(TransferWindowsTest, ThePreviousYearWindowConvertsAFolderAndCountsTheEmployees) {
  const fs::path old = dir_ / "obrazac 2004";
  ::obrazac::testing::buildPreviousYearFolder(old, ::obrazac::testing::EmployeeLayout::LastYear);
  auto* w = openFromMenu<PreuzmiZaposlene>("PreuzmiZaposlene");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), "Preuzimanje podataka iz 2004");
  enter(edit(w, PreuzmiZaposlene::kOldFolder), QString::fromStdString(old.string()));
  press(w, PreuzmiZaposlene::kPreuzmi);
  EXPECT_EQ(prompter_.texts(),
            QStringList({QString::fromStdString(dir_.path().string()), "Procitano:3 upisano:3"}));
  EXPECT_EQ(obligorName(), "Čolak obrt");
}

TEST_F(TransferWindowsTest, EveryControlCarriesItsPromptAsAccessibleName) {
  std::vector<ProcedureWindow*> windows = {openFromMenu<ExportDatoteka>("ExportDatoteka"),
                                           openFromMenu<ImportDatoteka>("ImportDatoteka"),
                                           openFromMenu<PreuzmiZaposlene>("PreuzmiZaposlene"),
                                           start<PitanjeDaNe>()};
  for (ProcedureWindow* w : windows) {
    ASSERT_NE(w, nullptr);
    for (int id = 1; id <= 10; ++id) {
      if (QWidget* c = w->control(id)) {
        EXPECT_FALSE(c->accessibleName().isEmpty()) << w->procedure().toStdString() << " " << id;
      }
    }
  }
}

}  // namespace
}  // namespace obrazac::ui
