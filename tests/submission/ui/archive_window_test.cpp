#include <QLineEdit>

#include "frame/ui/folder_dialog.h"
#include "submission/ui/browse_arhiva.h"
#include "support/cli_runner.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

namespace fs = std::filesystem;
using testing::enter;
using testing::press;
using W = BrowseArhiva;

// The sample installation after two sendings of obligor 1 and one of obligor 2.
class ArchiveWindow : public testing::DesktopTest {
 protected:
  void SetUp() override {
    const std::string dir = "--dir '" + dir_.path().string() + "' ";
    ASSERT_EQ(obrazac::testing::runCli(dir + "init --demo").exitCode, 0);
    for (const char* send : {"--employer 1 --date 15.12.2025", "--employer 2 --date 15.12.2025",
                             "--employer 1 --date 16.12.2025 --form 1"})
      ASSERT_EQ(obrazac::testing::runCli(dir +
                                         "send --type 01 --year 2025 --month 11 --from 1"
                                         " --to 30 " +
                                         send)
                    .exitCode,
                0);
    openFrame();
  }
  void TearDown() override {
    setFolderChooser({});
    DesktopTest::TearDown();
  }
  QString lastBox() const {
    return prompter_.shown.empty() ? QString() : prompter_.shown.back().text;
  }
  fs::path output() const { return dir_ / "izlaz" / "F0015001.TXT"; }
};

TEST_F(ArchiveWindow, ListsEveryFileAndShowsTheHighlightedOne) {
  auto* w = start<W>();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->list()->rowCount(), 3);
  EXPECT_EQ(w->list()->cellText(0, 1), "F0015001.TXT");
  EXPECT_EQ(w->list()->cellText(2, 2), "2");  // the second version of the file
  press(w, W::kPregled);
  EXPECT_TRUE(lastBox().startsWith("Arhivirana datoteka 1: F0015001.TXT (verzija 1)"))
      << lastBox().toStdString();
  EXPECT_TRUE(lastBox().contains(QString::fromUtf8("Vrsta: pojedinačna")))
      << lastBox().toStdString();

  const fs::path usb = dir_ / "usb";
  fs::create_directories(usb);
  setFolderChooser([&](QWidget*, const QString&) { return QString::fromStdString(usb.string()); });
  press(w, W::kKopiraj);
  EXPECT_TRUE(lastBox().startsWith("Kopirana je arhivirana datoteka 1")) << lastBox().toStdString();
  EXPECT_TRUE(fs::exists(usb / "F0015001.TXT"));
}

TEST_F(ArchiveWindow, VerifiesAFileChosenFromDisk) {
  auto* w = start<W>();
  ASSERT_NE(w, nullptr);
  auto* file = qobject_cast<QLineEdit*>(w->control(W::kDatoteka));
  enter(file, QString::fromStdString(output().string()));
  press(w, W::kProvjeri);
  EXPECT_TRUE(lastBox().startsWith("Datoteka je jednaka: arhivirana datoteka 3 F0015001.TXT"))
      << lastBox().toStdString();

  std::string bytes = obrazac::testing::readFile(output());
  bytes[60] = bytes[60] == 'A' ? 'B' : 'A';
  const fs::path changed = dir_ / "F0015001.TXT";
  obrazac::testing::writeFile(changed, bytes);
  enter(file, QString::fromStdString(changed.string()));
  press(w, W::kProvjeri);
  EXPECT_TRUE(
      lastBox().startsWith("Datoteka se razlikuje od svih arhiviranih datoteka imena "
                           "F0015001.TXT:"))
      << lastBox().toStdString();
  EXPECT_EQ(lastBox().count("arhivirana datoteka"), 2) << lastBox().toStdString();
}

}  // namespace
}  // namespace obrazac::ui
