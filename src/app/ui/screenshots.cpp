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

#include <QTreeWidget>
#include "app/application_parameters.h"
#include "app/ui/about_program.h"
#include "app/ui/logo.h"
#include "app/ui/main_frame.h"
#include "app/ui/update_aplparam.h"

#include "codelists/ui/browse_opcine.h"
#include "codelists/ui/browse_osnov_obracuna.h"
#include "codelists/ui/browse_oznaka_staza.h"
#include "codelists/ui/browse_stope.h"
#include "codelists/ui/browse_vrste_obveznika.h"
#include "codelists/ui/browse_vrste_uplata.h"
#include "codelists/ui/stablo.h"
#include "frame/ui/help_window.h"
#include "frame/ui/print_preview.h"
#include "frame/ui/progress_window.h"
#include "prints/page_a_print.h"
#include "prints/page_b_print.h"
#include "sample/sample_form_rows.h"
#include "transfer/ui/export_datoteka.h"
#include "transfer/ui/import_datoteka.h"
#include "transfer/ui/pitanje_da_ne.h"
#include "transfer/ui/preuzmi_zaposlene.h"

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

// A code list on its second row; with `form`, its form opened on that row as well.
template <class List>
bool shootList(MainFrame& frame, const QString& outDir, const QString& name,
               const QString& form = {}) {
  auto* list = static_cast<List*>(frame.start(factoryOf<List>()));
  settle();
  list->container()->move(10, 10);
  list->container()->resize(620, 400);
  settle();
  list->list()->move(toolbar::kDown);
  settle();
  bool ok = save(frame, outDir, name);
  if (!form.isEmpty()) {
    list->takeEvent({EventKind::Accepted, CodeListBrowse::kOtvori});
    settle(300);
    if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(160, 60);
    settle();
    ok = save(frame, outDir, form) && ok;
  }
  closeAll(frame);
  return ok;
}

// A window of fixed size as the user first sees it, alone in the frame.
template <class W>
bool shootWindow(MainFrame& frame, const QString& outDir, const QString& name) {
  frame.start(factoryOf<W>());
  settle();
  bool ok = false;
  if (auto* sub = frame.mdiArea()->currentSubWindow()) ok = save(*sub, outDir, name);
  closeAll(frame);
  return ok;
}

// The manual at the parameters' page, then its search for a word.
bool shootHelp(MainFrame& frame, const QString& outDir) {
  HelpWindow* help = HelpWindow::open(frame.desktop(), "~T5.0");
  if (!help) return false;
  settle();
  help->container()->move(10, 10);
  help->container()->resize(860, 540);
  settle();
  bool ok = save(frame, outDir, "help_window");
  help->search("zbirna");
  settle();
  ok = save(frame, outDir, "help_search") && ok;
  closeAll(frame);
  return ok;
}

// The tree with its first kind of obligor open down to the leaves, then the form of a leaf.
bool shootTree(MainFrame& frame, const QString& outDir) {
  auto* tree = static_cast<Stablo*>(frame.start(factoryOf<Stablo>()));
  settle();
  tree->container()->move(10, 10);
  tree->container()->resize(640, 460);
  QTreeWidgetItem* first = tree->tree()->topLevelItem(0);
  bool ok = first != nullptr;
  if (first) {
    first->setExpanded(true);
    for (int i = 0; i < first->childCount(); ++i) first->child(i)->setExpanded(true);
    if (first->childCount() > 0 && first->child(0)->childCount() > 0)
      tree->tree()->setCurrentItem(first->child(0)->child(0));
  }
  settle();
  ok = save(frame, outDir, "stablo") && ok;
  tree->takeEvent({EventKind::Accepted, Stablo::kPromijeni});
  settle(300);
  const QSize usual = frame.size();
  frame.resize(usual.width(), 900);  // the form of the rules is tall
  if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(40, 10);
  settle();
  ok = save(frame, outDir, "azur_veznatab") && ok;
  closeAll(frame);
  frame.resize(usual);
  return ok;
}

// The progress window of a report half-way, and the preview of page A at "Page Width" and of a
// long page B tiled 2 x 2. The script leaves a sample installation with its first obligor sent
// in OUT/demo; its form grows to 40 rows here, so page B runs over four pages.
bool reportScreenshots(Desktop& desktop, const QString& outDir) {
  ProgressWindow progress;
  progress.setPercent(37);
  progress.show();
  settle();
  bool ok = save(progress, outDir, "progress_window");
  progress.hide();

  const std::filesystem::path demo = QDir(outDir).filePath("demo").toStdString();
  if (!std::filesystem::exists(demo / "TBOBRAZA.DAT")) return ok;
  Context ctx(demo);
  constexpr std::string_view kLink = "001500101";
  addSampleFormRows(ctx, kLink, "0015001", 40);
  const struct {
    prints::Pages pages;
    int zoomRow, across, down;
    const char* name;
  } previews[] = {
      {prints::pageAPrint(ctx, kLink, prints::PrintFlag::ControlNumber), 2, 1, 1, "preview_page_a"},
      {prints::pageBPrintOfForm(ctx, kLink, prints::PageBOrder::Key), 1, 2, 2, "preview_page_b"},
  };
  for (const auto& p : previews) {
    PrintPreview preview(desktop, p.pages);
    preview.setAllowUserZoom(true);
    preview.display(p.zoomRow, 1, p.across, p.down);
    preview.resize(1000, 760);
    settle(400);
    ok = save(preview, outDir, p.name) && ok;
    preview.exitWithoutPrinting();
    settle();
  }
  return ok;
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

  ok = shootList<BrowseVrsteUplata>(frame, outDir, "browse_vrste_uplata", "update_tbvrsupl") && ok;
  ok = shootList<BrowseVrsteObveznika>(frame, outDir, "browse_vrste_obveznika") && ok;
  ok = shootList<BrowseOsnovObracuna>(frame, outDir, "browse_osnov_obracuna") && ok;
  ok = shootList<BrowseOznakaStaza>(frame, outDir, "browse_oznaka_staza") && ok;
  ok = shootList<BrowseStope>(frame, outDir, "browse_stope", "update_tbstope") && ok;
  ok = shootList<BrowseOpcine>(frame, outDir, "browse_opcine", "update_tbopcine") && ok;
  ok = shootTree(frame, outDir) && ok;

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
  ok = shootWindow<ExportDatoteka>(frame, outDir, "export_datoteka") && ok;
  ok = shootWindow<ImportDatoteka>(frame, outDir, "import_datoteka") && ok;
  ok = shootWindow<PitanjeDaNe>(frame, outDir, "pitanje_da_ne") && ok;
  ok = shootWindow<PreuzmiZaposlene>(frame, outDir, "preuzmi_zaposlene") && ok;
  ok = shootHelp(frame, outDir) && ok;
  ok = reportScreenshots(frame.desktop(), outDir) && ok;
  frame.close();
  return ok ? 0 : 1;
}

}  // namespace obrazac::ui
