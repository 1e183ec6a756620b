#include "app/ui/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <iostream>

#include "app/application_parameters.h"
#include "app/ui/about_program.h"
#include "app/ui/logo.h"
#include "app/ui/main_frame.h"
#include "app/ui/update_aplparam.h"
#include "codelists/ui/browse_vrste_uplata.h"

namespace obrazac::ui {
namespace {

// Answers nothing: whatever would ask the user is written to stderr and declined.
class SilentPrompter final : public Prompter {
 public:
  Answer show(const QString& title, const QString& text, Icon, Buttons buttons, Answer) override {
    std::cerr << "obrazac: " << title.toStdString() << ": " << text.toStdString() << "\n";
    return buttons == Buttons::YesNoCancel ? Answer::Cancel
           : buttons == Buttons::YesNo     ? Answer::No
                                           : Answer::Yes;
  }
  void beep() override {}
};

void settle(int ms = 150) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(QWidget& w, const QString& dir, const QString& name) {
  const QString path = QDir(dir).filePath(name + ".png");
  const bool ok = w.grab().save(path);
  std::cout << (ok ? "" : "NOT WRITTEN: ") << path.toStdString() << "\n";
  return ok;
}

template <class W>
MainFrame::Factory factoryOf() {
  return [](Desktop& d, std::shared_ptr<ProcedureThread> t) -> ProcedureWindow* {
    return new W(d, std::move(t));
  };
}

// Forms first, then the lists that waited for them.
void closeAll(MainFrame& frame) {
  for (int pass = 0; pass < 3; ++pass) {
    const auto subs = frame.mdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) (*it)->close();
    settle();
  }
}

}  // namespace

int takeScreenshots(Prompter&, ErrorManager&, SettingsManager& settings,
                    const std::filesystem::path& workDir, const QString& outDir) {
  QDir().mkpath(outDir);
  SilentPrompter silent;
  ErrorManager quiet(silent, [](int) {});
  MainFrame frame(silent, quiet, settings, workDir);
  frame.setShowLogo(false);
  frame.resize(900, 620);
  frame.show();
  settle();
  bool ok = save(frame, outDir, "main_frame");
  const QList<QAction*> menus = frame.menuBar()->actions();
  for (int i : {0, 1}) {
    QMenu* menu = menus.at(i)->menu();
    menu->popup(frame.mapToGlobal(QPoint(0, 24)));
    settle();
    ok = save(*menu, outDir, i == 0 ? "menu_evidencije" : "menu_servisi") && ok;
    menu->hide();
  }

  auto* list = static_cast<BrowseVrsteUplata*>(frame.start(factoryOf<BrowseVrsteUplata>()));
  settle();
  list->container()->move(10, 10);
  list->container()->resize(560, 400);
  settle();
  list->list()->move(toolbar::kDown);
  settle();
  ok = save(frame, outDir, "browse_vrste_uplata") && ok;

  list->takeEvent({EventKind::Accepted, BrowseVrsteUplata::kOtvori});
  settle(300);
  if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(160, 160);
  settle();
  ok = save(frame, outDir, "update_tbvrsupl") && ok;
  closeAll(frame);

  ensureParameterRecord(frame.mainThread().context());
  frame.start(factoryOf<UpdateAPLPARAM>());
  settle(300);
  if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(20, 10);
  settle();
  ok = save(frame, outDir, "update_aplparam") && ok;
  closeAll(frame);

  auto* logo = static_cast<Logo*>(frame.start(factoryOf<Logo>()));
  logo->setTimeout(60000);
  settle();
  ok = save(*logo, outDir, "logo") && ok;
  closeAll(frame);

  frame.start(factoryOf<AboutProgram>());
  settle();
  if (auto* sub = frame.mdiArea()->currentSubWindow())
    ok = save(*sub, outDir, "about_program") && ok;
  closeAll(frame);
  frame.close();
  return ok ? 0 : 1;
}

}  // namespace obrazac::ui
