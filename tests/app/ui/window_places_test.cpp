// Where the frame puts its windows: the size of a first start, places kept on screen, windows
// larger than the frame's area, Tile and Cascade, the Window list and Ctrl+F4.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "app/ui/about_program.h"
#include "app/ui/update_aplparam.h"
#include "check/ui/kontrola_izlaza.h"
#include "codelists/ui/browse_vrste_uplata.h"
#include "frame/ui/window_fit.h"
#include "submission/ui/new_form_obrazac.h"
#include "submission/ui/new_preuzmi_podatke.h"
#include "support/ui/desktop_fixture.h"
#include "transfer/ui/import_datoteka.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::settle;
using testing::waitUntil;

TEST(WindowFit, APlaceComesIntoTheAreaAndAResizableWindowShrinksToIt) {
  const QSize area(800, 500);
  const QSize minimum(200, 100);
  const struct {
    const char* what;
    QRect window;
    bool resizable;
    QRect fitted;
  } cases[] = {
      {"inside stays", {10, 20, 300, 200}, true, {10, 20, 300, 200}},
      {"saved off the left edge", {-262, 30, 600, 400}, true, {0, 30, 600, 400}},
      {"saved above the area", {40, -50, 600, 400}, false, {40, 0, 600, 400}},
      {"saved off the right edge", {700, 300, 300, 200}, true, {500, 300, 300, 200}},
      {"larger, resizable: the area's size", {-45, 10, 900, 700}, true, {0, 0, 800, 500}},
      {"larger, fixed: its own size from the corner", {-45, 10, 900, 700}, false, {0, 0, 900, 700}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fittedPlace(c.window, area, minimum, c.resizable), c.fitted) << c.what;
  EXPECT_EQ(fittedPlace({0, 0, 900, 700}, QSize(100, 50), minimum, true), QRect(0, 0, 200, 100))
      << "never below the window's least size";
}

class WindowPlacesTest : public DesktopTest {
 protected:
  QSize area() const { return frame_->mdiArea()->viewport()->size(); }
  // The frame resized so that its area has this size.
  void setArea(QSize size) {
    frame_->resize(frame_->size() + size - area());
    settle();
  }
  static QRect placeOf(ProcedureWindow* w) { return w->container()->geometry(); }
};

TEST_F(WindowPlacesTest, AFirstStartOpensLargeEnoughForTheLargestWindowOrMaximised) {
  SettingsManager fresh(QString::fromStdString((dir_ / "prvi.INI").string()));
  MainFrame first(prompter_, errors_, fresh, dir_.path());
  first.setShowLogo(false);
  first.show();
  settle();
  const QSize client = firstStartArea(first.font());
  const QRect screen = first.screen()->availableGeometry();
  if (first.isMaximized()) {
    EXPECT_TRUE(first.frameGeometry().width() > screen.width() || client.width() > screen.width() ||
                client.height() > screen.height());
  } else {
    EXPECT_GE(first.mdiArea()->viewport()->width(), client.width());
    EXPECT_GE(first.mdiArea()->viewport()->height(), client.height());
    EXPECT_TRUE(screen.contains(first.geometry()));
  }
  first.close();
  settle();

  // The largest windows open whole in an area of that size.
  setArea(client);
  const std::vector<ProcedureWindow*> largest = {start<NewFormObrazac>(),
                                                 start<NewPreuzmiPodatke>(),
                                                 start<KontrolaIzlaza>(), start<UpdateAPLPARAM>()};
  for (ProcedureWindow* w : largest) {
    const QSize wanted = w->container()->sizeHint();
    EXPECT_LE(wanted.width(), client.width()) << w->procedure().toStdString();
    EXPECT_LE(wanted.height(), client.height()) << w->procedure().toStdString();
  }
}

TEST_F(WindowPlacesTest, ASavedPlaceOffTheAreaComesBackOnScreen) {
  // The sending window once saved at x = -262 pixels of a frame too small for it.
  WindowPlace offLeft;
  offLeft.x = -175;
  offLeft.y = -8;
  settings_.write("NewFormObrazac", offLeft);
  settings_.write("BrowseVrsteUplata",
                  WindowPlace{.x = 2000, .y = 1500, .width = 200, .height = 120});
  auto* send = start<NewFormObrazac>();
  EXPECT_EQ(placeOf(send).topLeft(), QPoint(0, 0));
  auto* list = start<BrowseVrsteUplata>();
  EXPECT_TRUE(QRect(QPoint(0, 0), area()).contains(placeOf(list))) << "whole, at the far corner";
  EXPECT_GT(placeOf(list).x(), 0);
}

TEST_F(WindowPlacesTest, AWindowLargerThanTheAreaScrollsAndKeepsItsButtonRowInView) {
  setArea({360, 220});
  // A window of fixed size keeps it: the area scrolls.
  auto* import = start<ImportDatoteka>();
  ASSERT_GT(import->container()->width(), area().width());
  EXPECT_TRUE(frame_->mdiArea()->horizontalScrollBar()->isVisible());
  EXPECT_GT(frame_->mdiArea()->horizontalScrollBar()->maximum(), 0);
  import->container()->close();
  settle();

  // A resizable one takes the area's size; its controls scroll above its button row.
  auto* send = start<NewFormObrazac>();
  const QRect shown = placeOf(send);
  EXPECT_LE(shown.height(), area().height());
  QWidget* close = send->control(SendingWindow::kZatvori);
  const QRect button(close->mapTo(send, QPoint(0, 0)), close->size());
  EXPECT_TRUE(send->rect().contains(button)) << "Zatvori in view";
  auto* year = qobject_cast<QLineEdit*>(send->control(SendingWindow::kGodina));
  EXPECT_GE(year->height(), year->sizeHint().height()) << "entries are never squeezed";
  const auto bars = send->findChildren<QScrollBar*>();
  EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [](QScrollBar* b) { return b->isVisible(); }));
}

TEST_F(WindowPlacesTest, TileAndCascadeKeepTheFrameAndNeverSqueezeAWindow) {
  setArea({700, 450});
  const QSize frameSize = frame_->size();
  start<NewFormObrazac>();
  start<NewPreuzmiPodatke>();
  start<KontrolaIzlaza>();
  start<UpdateAPLPARAM>();
  start<BrowseVrsteUplata>();
  ASSERT_EQ(frame_->mdiArea()->subWindowList().size(), 5);
  for (const char* item : {"Tile", "Cascade", "Tile"}) {
    SCOPED_TRACE(item);
    frame_->action(item)->trigger();
    settle();
    EXPECT_EQ(frame_->size(), frameSize);
    for (QLineEdit* e : frame_->mdiArea()->findChildren<QLineEdit*>()) {
      if (!e->isVisibleTo(frame_.get()) || e->parentWidget()->inherits("QComboBox")) continue;
      EXPECT_GE(e->height(), e->sizeHint().height()) << e->accessibleName().toStdString();
    }
  }
}

TEST_F(WindowPlacesTest, TheWindowListRestoresAMinimisedWindowAndCtrlF4ClosesTheActiveOne) {
  auto* about = start<AboutProgram>();
  start<BrowseVrsteUplata>();
  about->container()->showMinimized();
  settle();
  QMenu* windows = frame_->menuBar()->actions().at(3)->menu();
  emit windows->aboutToShow();
  QAction* aboutItem = nullptr;
  for (QAction* a : windows->actions())
    if (a->text().endsWith("O programu")) aboutItem = a;
  ASSERT_NE(aboutItem, nullptr);
  aboutItem->trigger();
  settle();
  EXPECT_FALSE(about->container()->isMinimized());
  EXPECT_EQ(frame_->activeWindow(), about);

  start<BrowseVrsteUplata>();
  ASSERT_EQ(frame_->mdiArea()->subWindowList().size(), 3);
  QAction* closeChild = frame_->findChild<QAction*>("CloseChild");
  ASSERT_NE(closeChild, nullptr);
  EXPECT_EQ(closeChild->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
  closeChild->trigger();
  EXPECT_TRUE(waitUntil([&] { return frame_->mdiArea()->subWindowList().size() == 2; }));
}

}  // namespace
}  // namespace obrazac::ui
