#include "frame/ui/help_window.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include "app/ui/update_aplparam.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::settle;

class HelpWindowTest : public DesktopTest {};

TEST_F(HelpWindowTest, TheParametersFormOpensItsPageAndTheSearchFindsAWord) {
  frame_->action("UpdateAPLPARAM")->trigger();
  auto* form = waitForActive<UpdateAPLPARAM>();
  ASSERT_NE(form, nullptr);
  qobject_cast<QPushButton*>(form->control(UpdateAPLPARAM::kUpute))->click();
  HelpWindow* help = waitForActive<HelpWindow>();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->page(), "parametri.html");

  // Letter case aside, every word must be on the page; the first page found is shown.
  help->search("ZBIRNA datoteka");
  QStringList found;
  for (int i = 0; i < help->results()->count(); ++i) found << help->results()->item(i)->text();
  EXPECT_EQ(found, QStringList{"Mjesečno slanje: pojedinačno i zbirno"});
  EXPECT_EQ(help->page(), "slanje.html");

  help->search("ksilofon");
  EXPECT_EQ(help->results()->count(), 0);
  EXPECT_EQ(prompter_.texts(), QStringList{"Riječ \"ksilofon\" nije pronađena u uputama."});

  // One help window serves every button: the next topic comes up in it.
  frame_->action("HelpContents")->trigger();
  settle();
  EXPECT_EQ(HelpWindow::current(), help);
  EXPECT_EQ(help->page(), "index.html");
}

// The words of the buttons a user sees lead to the pages that explain them; the names of
// buttons the program does not have are nowhere.
TEST_F(HelpWindowTest, TheSearchFindsTheButtonsByTheirCaptions) {
  const HelpBook book(HelpBook::findFolder());
  const struct {
    const char* words;
    const char* page;
  } cases[] = {
      {"zbirni", "slanje.html"},
      {"Odredi zbirni HASH", "slanje.html"},
      {"hash", "kontrola.html"},
      {"Odredi SHA broj", "kontrola.html"},
      {"Prijepis u txt file", "kontrola.html"},
      {"Otvori sve", "sifarnici.html"},
      {"Dodaj Otvori Obriši", "sifarnici.html"},
      {"Spremi kao PDF", "ispis.html"},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(book.search(QString::fromUtf8(c.words)).contains(c.page)) << c.words;
  for (const char* gone : {"Upis, Promjena"})
    EXPECT_FALSE(book.search(QString::fromUtf8(gone)).contains("sifarnici.html")) << gone;
}

TEST_F(HelpWindowTest, EveryPageHasATitleAndEveryLinkAPage) {
  const HelpBook book(HelpBook::findFolder());
  ASSERT_FALSE(book.empty());
  EXPECT_EQ(book.pageOf("~T1.0"), "index.html");
  EXPECT_EQ(book.pageOf("~T5.0"), "parametri.html");
  EXPECT_EQ(book.pageOf("nepoznata tema"), "index.html");
  QStringList files;
  for (const HelpPage& p : book.pages()) files << p.file;
  for (const HelpPage& p : book.pages()) {
    EXPECT_FALSE(p.title.isEmpty()) << p.file.toStdString();
    const QRegularExpression link(R"re(href="([^"#]+))re");
    QFile f(book.folder() + "/" + p.file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    auto it = link.globalMatch(QString::fromUtf8(f.readAll()));
    while (it.hasNext()) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(files.contains(target)) << p.file.toStdString() << " -> " << target.toStdString();
    }
  }
  EXPECT_FALSE(book.index().empty());
}

}  // namespace
}  // namespace obrazac::ui
