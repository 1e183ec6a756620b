#include "app/ui/main_frame.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/ui/about_program.h"
#include "app/ui/logo.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::settle;
using testing::waitUntil;

class MainFrameTest : public DesktopTest {
 protected:
  QMenu* menu(int index) { return frame_->menuBar()->actions().at(index)->menu(); }
  // The items of a menu as "text|status text", separators as "-".
  QStringList items(int index) {
    QStringList out;
    for (QAction* a : menu(index)->actions())
      out << (a->isSeparator() ? QString("-") : a->text() + "|" + a->statusTip());
    return out;
  }
};

TEST_F(MainFrameTest, CaptionMenusAndStatusTextsAreThoseOfTheProgram) {
  EXPECT_EQ(frame_->windowTitle(), "VELOR - OBRAZAC R-Sm  ver. 2005.0.1");
  QStringList titles;
  for (QAction* a : frame_->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles,
            (QStringList{"&Evidencije  ", "&Servisi  ", "&Edit  ", "&Window  ", "&Upute  "}));
  EXPECT_EQ(items(0), (QStringList{
                          "&1. Poslodavac i zaposlenici|",
                          "&2. Slanje podataka u VELOR|",
                          "-",
                          "&3. Preuzimanje podataka|",
                          "-",
                          "&3. Vrste obveznika|Upis, promjena i brisanje vrste obveznika",
                          "&4. Vrste obračuna/ispravka|Upis, promjena i brisanje pojmova u "
                          "šifarniku Vrste obračuna/ispravkaa",
                          "&5. Osnov obračuna|",
                          "&6. Staž s uvećanim trajanjem|Upis, promjena i brisanje oznaka s "
                          "povečanim trajanjem  ",
                          "&7. Stope doprinosa|Pregled, upis, ažiriranje i brisanje obračunskih "
                          "stopa",
                          "&8. Gradovi i općine|Upis, promjena i brisanje podataka iz šifarnika "
                          "općina i gradova u RH ",
                          "-",
                          "&9. Vezne kontrole|",
                          "-",
                          "&X. IZLAZ IZ PROGRAMA|Exit this application",
                      }));
  EXPECT_EQ(items(1), (QStringList{
                          "&1. Aplikacijski parametri|",
                          "&2. Pregled slanja u VELOR|",
                          "&A. Arhiva poslanih datoteka|Poslane datoteke: pregled, provjera "
                          "datoteke s diska, kopija, ispis",
                          "-",
                          "&3. Kontrola ulazne datoteke|",
                          "&4. Pregled grešaka i upozorenja|",
                          "-",
                          "&5. Formalna kontrola sloga za VELOR|",
                          "-",
                          "&6. Export datoteka|",
                          "&7. Import datoteka|",
                          "&8. Preuzimanje podatka iz 2004|",
                          "-",
                          "&9. Izbor i podešavanje pisača ...|Setup printer",
                      }));
  EXPECT_EQ(items(2), (QStringList{"Cu&t|Remove item to Windows Clipboard",
                                   "&Copy|Copy item to Windows Clipboard",
                                   "&Paste|Paste contents of Windows Clipboard"}));
  EXPECT_EQ(items(3),
            (QStringList{"T&ile|Make all open windows visible", "&Cascade|Stack all open windows",
                         "&Arrange Icons|Align all window icons"}));
  EXPECT_EQ(menu(3)->menuAction()->statusTip(), "Create and Arrange windows");
  EXPECT_EQ(items(4), (QStringList{"&O programu|", "&Sadržaj|View the contents of the help file",
                                   "&Pretraživanje Uputa...|Search for help on a subject",
                                   "&Kako koristiti Upute|How to use Windows Help"}));
  EXPECT_EQ(menu(4)->menuAction()->statusTip(), "Windows Help");
  EXPECT_TRUE(frame_->action("BrowseFirme")->isEnabled());
  EXPECT_TRUE(frame_->action("BrowseVrsteUplata")->isEnabled());
}

TEST_F(MainFrameTest, ToolbarHasThirteenButtonsWithTheirCodesAndTips) {
  const std::pair<int, const char*> expected[] = {
      {2005, "Skok na prvu stranicu"}, {2007, "Povratak na prethodnu stranicu"},
      {2009, "Prethodni redak"},       {2010, "Traži podatak"},
      {2008, "Slijedeći redak "},      {2006, "Skon na slijedeću stranicu"},
      {2004, "Skok na kraj ispisa"},   {2003, "Select This Record"},
      {2000, "Upis novog podatka"},    {2001, "Promjena postojećih podataka"},
      {2002, "Brisanje podatka"},      {2011, "Prethodna vrijednost"},
      {2012, "Upute za rad"}};
  QList<int> codes;
  for (QAction* a : frame_->findChild<QToolBar*>("Toolbar")->actions())
    if (!a->isSeparator()) codes << a->data().toInt();
  QList<int> wanted;
  for (const auto& [code, tip] : expected) {
    wanted << code;
    EXPECT_EQ(frame_->toolbarAction(code)->toolTip(), QString::fromUtf8(tip)) << code;
    EXPECT_FALSE(frame_->toolbarAction(code)->isEnabled()) << "no window to act on";
  }
  EXPECT_EQ(codes, wanted);
}

TEST_F(MainFrameTest, LogoClosesAtTheFirstMenuChoiceOrByItself) {
  closeFrame();
  frame_ = std::make_unique<MainFrame>(prompter_, errors_, settings_, dir_.path());
  frame_->show();
  ASSERT_TRUE(waitUntil([&] { return frame_->logo() && frame_->logo()->isVisible(); }));
  QPointer<ProcedureWindow> logo = frame_->logo();
  frame_->action("AboutProgram")->trigger();
  ASSERT_TRUE(waitUntil([&] { return logo.isNull(); }));
  EXPECT_NE(waitForActive<AboutProgram>(), nullptr);

  // With nothing else happening it closes itself when its time is up.
  auto* alone = start<Logo>();
  QPointer<ProcedureWindow> guard = alone;
  alone->setTimeout(50);
  EXPECT_TRUE(waitUntil([&] { return guard.isNull(); }));

  // Another window taking the focus closes it too.
  guard = start<Logo>();
  start<AboutProgram>();
  EXPECT_TRUE(waitUntil([&] { return guard.isNull(); }));
}

TEST_F(MainFrameTest, EachAboutChoiceOpensAnotherWindowAndTheWindowMenuListsThem) {
  frame_->action("AboutProgram")->trigger();
  frame_->action("AboutProgram")->trigger();
  settle();
  EXPECT_EQ(frame_->mdiArea()->subWindowList().size(), 2);
  emit menu(3)->aboutToShow();
  QStringList listed;
  for (QAction* a : menu(3)->actions())
    if (!a->isSeparator() && a->isCheckable()) listed << a->text();
  EXPECT_EQ(listed, (QStringList{"&1 O programu", "&2 O programu"}));
  EXPECT_EQ(frame_->statusZone(1)->text(), "Pregled");
}

}  // namespace
}  // namespace obrazac::ui
