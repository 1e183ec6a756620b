// Every item of the main menu, chosen as a user would: each one is enabled and opens its window
// or does its action.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "frame/ui/help_window.h"
#include "support/ui/desktop_fixture.h"

namespace obrazac::ui {
namespace {

using testing::DesktopTest;
using testing::settle;
using testing::waitUntil;

// Items that act without opening a window of their own.
const QStringList kActions = {"Exit",         "PrintSetup", "Cut",       "Copy",
                              "Paste",        "Tile",       "Cascade",   "ArrangeIcons",
                              "HelpContents", "HelpSearch", "HelpOnHelp"};

class MenuWalkTest : public DesktopTest {
 protected:
  std::vector<QAction*> items() {
    std::vector<QAction*> all;
    for (QAction* title : frame_->menuBar()->actions())
      for (QAction* a : title->menu()->actions())
        if (!a->isSeparator() && !a->objectName().isEmpty()) all.push_back(a);
    return all;
  }
  int windows() { return static_cast<int>(frame_->mdiArea()->subWindowList().size()); }
};

TEST_F(MenuWalkTest, EveryItemOpensItsWindowOrDoesItsAction) {
  prompter_.answers = {Answer::No};  // the empty municipality list offers to load the list
  for (QAction* a : items()) {
    const QString name = a->objectName();
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(a->isEnabled());
    if (name == "Exit") continue;  // chosen last, below
    if (name == "PrintSetup") {
      // The printer set-up is the platform's modal dialog: it shows, and is closed. Without a
      // printer installed it says so and points to the PDF instead.
      const std::size_t said = prompter_.shown.size();
      bool shown = false;
      QTimer::singleShot(200, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
          shown = true;
          dialog->close();
        }
      });
      a->trigger();
      settle();
      EXPECT_TRUE(shown || prompter_.shown.size() == said + 1);
      continue;
    }
    const int before = windows();
    a->trigger();
    settle();
    if (name.startsWith("Help")) {
      ASSERT_NE(HelpWindow::current(), nullptr);
      EXPECT_EQ(HelpWindow::current()->page(),
                name == "HelpOnHelp" ? "kako-koristiti.html" : "index.html");
    } else if (!kActions.contains(name)) {
      EXPECT_TRUE(waitUntil([&] { return windows() > before; })) << "no window opened";
      ProcedureWindow* w = frame_->activeWindow();
      ASSERT_NE(w, nullptr);
      EXPECT_EQ(w->procedure(), name == "Exit" ? "" : name);
    }
  }
  EXPECT_GT(windows(), 10);
  frame_->action("Exit")->trigger();
  EXPECT_TRUE(waitUntil([&] { return !frame_->isVisible(); }));
  EXPECT_EQ(windows(), 0);
}

}  // namespace
}  // namespace obrazac::ui
