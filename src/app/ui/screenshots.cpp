#include "app/ui/screenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
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
#include "check/ui/browse_izlaz.h"
#include "check/ui/browse_izlaz_greske.h"
#include "check/ui/kontrola_izlaza.h"
#include "check/ui/kontrola_ulaza.h"
#include "check/ui/pregled_gresaka.h"
#include "submission/ui/win_izvjesce.h"

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
#include "register/ui/browse_firme.h"
#include "register/ui/browse_zaposlenici.h"
#include "register/ui/update_new_zaposleni.h"
#include "sample/sample_form_rows.h"
#include "sample/sample_installation.h"
#include "submission/ui/browse_tbobrazaca.h"
#include "submission/ui/copy_dialog.h"
#include "submission/ui/new_cit_obrazac_a.h"
#include "submission/ui/new_form_obrazac.h"
#include "submission/ui/new_preuzmi_podatke.h"
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

// The obligors, the first one's window with its employees, and its first employee's monthly
// data with the contributions proposed as the user tabs into both pillars (put back before the
// windows close, so closing asks nothing).
bool shootRegister(MainFrame& frame, const QString& outDir) {
  auto* list = static_cast<BrowseFirme*>(frame.start(factoryOf<BrowseFirme>()));
  settle();
  list->container()->move(10, 10);
  list->container()->resize(820, 380);
  settle();
  bool ok = save(frame, outDir, "browse_firme");
  const QSize usual = frame.size();
  frame.resize(usual.width(), 900);
  list->takeEvent({EventKind::Accepted, BrowseFirme::kOtvori});
  settle(300);
  auto* obligor = dynamic_cast<BrowseZaposlenici*>(frame.activeWindow());
  if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(20, 10);
  settle();
  ok = obligor && save(frame, outDir, "browse_zaposlenici") && ok;
  if (obligor) obligor->takeEvent({EventKind::Accepted, BrowseZaposlenici::kOtvori});
  settle(300);
  auto* form = dynamic_cast<UpdateNewZaposleni*>(frame.activeWindow());
  if (form) {
    if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(60, 10);
    const Record stored = form->record();
    for (int pillar : {UpdateNewZaposleni::kIznos9, UpdateNewZaposleni::kIznos10}) {
      form->control(pillar)->setFocus(Qt::TabFocusReason);
      settle();
    }
    ok = save(frame, outDir, "update_new_zaposleni") && ok;
    form->record() = stored;
  }
  ok = form && ok;
  closeAll(frame);
  frame.resize(usual);
  return ok;
}

// Replaces an entry's text as the user types it and leaves the entry.
void type(QWidget* control, const QString& text) {
  auto* edit = qobject_cast<QLineEdit*>(control);
  if (!edit) return;
  edit->setFocus();
  edit->selectAll();
  QKeyEvent erase(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(edit, &erase);
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
  }
  emit edit->editingFinished();
}

void place(MainFrame& frame, int x, int y) {
  if (auto* sub = frame.mdiArea()->currentSubWindow()) sub->move(x, y);
  settle();
}

// The sending window after the run of the sample's first obligor with the copy dialog it
// offers, then the window alone with its status line; the takeover window as it opens; the list
// of forms, the page A window of its first form and the form's page B rows.
bool shootSending(MainFrame& frame, const QString& outDir) {
  const QSize usual = frame.size();
  frame.resize(usual.width(), 760);
  auto* send = static_cast<SendingWindow*>(frame.start(factoryOf<NewFormObrazac>()));
  settle(300);
  send->container()->move(10, 10);
  if (auto* obligors = qobject_cast<QComboBox*>(send->control(SendingWindow::kObveznik))) {
    obligors->setCurrentIndex(0);
    emit obligors->activated(0);
  }
  type(send->control(SendingWindow::kVrstaUplate), "01");
  type(send->control(SendingWindow::kGodina), "2025");
  type(send->control(SendingWindow::kMjesec), "11");
  type(send->control(SendingWindow::kOdDana), "1");
  type(send->control(SendingWindow::kDoDana), "30");
  qobject_cast<QAbstractButton*>(send->control(SendingWindow::kObrada))->click();
  QElapsedTimer clock;
  clock.start();
  while ((send->busy() || !dynamic_cast<CopyDialog*>(frame.activeWindow())) &&
         clock.elapsed() < 20000)
    settle(50);
  place(frame, 160, 120);
  bool ok = save(frame, outDir, "kopiranje_datoteke");
  if (auto* copy = dynamic_cast<CopyDialog*>(frame.activeWindow()))
    qobject_cast<QAbstractButton*>(copy->control(CopyDialog::kOdustani))->click();
  settle(300);
  ok = save(frame, outDir, "new_form_obrazac") && ok;
  closeAll(frame);

  frame.resize(1040, 760);  // the takeover window has one button more
  frame.start(factoryOf<NewPreuzmiPodatke>());
  settle(300);
  place(frame, 10, 10);
  ok = save(frame, outDir, "new_preuzmi_podatke") && ok;
  closeAll(frame);
  frame.resize(usual);

  auto* forms = static_cast<BrowseTBOBRAZACA*>(frame.start(factoryOf<BrowseTBOBRAZACA>()));
  settle(300);
  forms->container()->move(10, 10);
  forms->container()->resize(860, 380);
  settle();
  ok = save(frame, outDir, "browse_tbobrazaca") && ok;
  forms->takeEvent({EventKind::Accepted, ListWindow::kOtvori});
  settle(300);
  frame.resize(usual.width(), 820);
  place(frame, 60, 10);
  ok = save(frame, outDir, "new_cit_obrazac_a") && ok;
  if (auto* pageA = frame.activeWindow()) {
    pageA->takeEvent({EventKind::Accepted, NewCitObrazacA::kPregled});
    settle(300);
    if (auto* rows = frame.activeWindow()) rows->container()->resize(860, 420);
    place(frame, 20, 20);
    ok = save(frame, outDir, "browse_obrazac_b") && ok;
  }
  closeAll(frame);
  frame.resize(usual);
  return ok;
}

// The sent file of the demo installation with the MBG of its first row damaged, written into
// the output folder of `workDir`; empty when the demo has no sent file.
QString faultySubmissionFile(const QString& outDir, const std::filesystem::path& workDir) {
  QDir sent(QDir(outDir).filePath("demo/izlaz"));
  const QStringList files = sent.entryList(QDir::Files);
  if (files.isEmpty()) return {};
  QFile in(sent.filePath(files.front()));
  if (!in.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = in.readAll().split('\n');
  for (QByteArray& line : lines)
    if (line.size() >= 250 && line.at(249) == '5') {
      line.replace(5, 13, "12345ABC90123");
      break;
    }
  const QString path = QString::fromStdString((workDir / "izlaz" / "KONTROLA.TXT").string());
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return {};
  out.write(lines.join('\n'));
  return path;
}

// A payment file of the sample's first obligor for November 2025: two good lines and one whose
// person's number has a wrong check digit and whose II. pillar is off.
QString paymentFile(const std::filesystem::path& workDir) {
  const auto line = [](const std::string& jmbg, const char* name, const char* second) {
    std::string l = "00001" + sampleMB(1234567) + "0000" + "0000000000000" + "01" + "01" + "0001" +
                    "2025" + "11" + "01" + "30" + jmbg;
    l += name + std::string(50 - std::string(name).size(), ' ');
    l += std::string("1333") + "D" + "01" + " " + "+00000000185000" + "+00000000185000" +
         "+00000000027750" + second + "+00000000125800";
    return l + "\r\n";
  };
  std::string wrong = sampleJmbg(17, 9, 1985, 33, 512);
  wrong.back() = wrong.back() == '9' ? '0' : '9';
  const std::string bytes =
      line(sampleJmbg(2, 5, 1980, 33, 11), "HORVAT MARKO", "+00000000009250") +
      line(sampleJmbg(3, 6, 1975, 33, 40), "BABIC IVA", "+00000000009250") +
      line(wrong, "KOVACEVIC ANA", "+00000000009246");
  const QString path = QString::fromStdString((workDir / "ulaz" / "PLACE.TXT").string());
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return {};
  out.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return path;
}

void placeActive(MainFrame& frame, int x, int y, int width, int height) {
  if (auto* sub = frame.mdiArea()->currentSubWindow()) {
    sub->move(x, y);
    if (width > 0) sub->resize(width, height);
  }
  settle();
}

// The formal control after a run with findings, the findings review on the damaged row, the
// record review; the input check with its selection, its summary and the findings list.
bool checkScreenshots(MainFrame& frame, const QString& outDir) {
  const std::filesystem::path work = frame.desktop().workDir;
  const QString submission = faultySubmissionFile(outDir, work);
  if (submission.isEmpty()) return true;
  bool ok = true;
  const QSize usual = frame.size();
  frame.resize(1260, usual.height());  // the formal control's buttons stand in one row
  auto* control = static_cast<KontrolaIzlaza*>(frame.start(factoryOf<KontrolaIzlaza>()));
  settle();
  control->setFile(submission);
  control->takeEvent({EventKind::Accepted, KontrolaIzlaza::kKontrola});
  QElapsedTimer waited;
  waited.start();
  while (control->running() && waited.elapsed() < 30000) settle(50);
  placeActive(frame, 10, 10, 0, 0);
  ok = save(frame, outDir, "kontrola_izlaza") && ok;
  frame.resize(usual);
  control->takeEvent({EventKind::Accepted, KontrolaIzlaza::kPregledGresaka});
  settle(300);
  placeActive(frame, 10, 10, 880, 530);
  ok = save(frame, outDir, "browse_izlaz_greske") && ok;
  if (auto* review = dynamic_cast<BrowseIzlazGreske*>(frame.activeWindow())) review->escape();
  settle(300);
  control->takeEvent({EventKind::Accepted, KontrolaIzlaza::kPregledDatoteke});
  settle(300);
  if (auto* records = dynamic_cast<BrowseIzlaz*>(frame.activeWindow()))
    for (int i = 0; i < 2; ++i) records->list()->move(toolbar::kDown);
  placeActive(frame, 10, 10, 880, 530);
  ok = save(frame, outDir, "browse_izlaz") && ok;
  closeAll(frame);

  const QString payments = paymentFile(work);
  auto* input = static_cast<KontrolaUlaza*>(frame.start(factoryOf<KontrolaUlaza>()));
  settle();
  input->employers()->setCurrentIndex(input->employers()->findData(1));
  emit input->employers()->activated(input->employers()->currentIndex());
  input->paymentTypes()->setCurrentIndex(input->paymentTypes()->findData("01"));
  emit input->paymentTypes()->activated(input->paymentTypes()->currentIndex());
  for (const auto& [id, text] : {std::pair{int(KontrolaUlaza::kGodina), QString("2025")},
                                 std::pair{int(KontrolaUlaza::kMjesec), QString("11")},
                                 std::pair{int(KontrolaUlaza::kOd), QString("1")},
                                 std::pair{int(KontrolaUlaza::kDo), QString("30")},
                                 std::pair{int(KontrolaUlaza::kDatoteka), payments}})
    if (auto* edit = qobject_cast<QLineEdit*>(input->control(id))) {
      edit->setText(text);
      emit edit->textEdited(text);
      emit edit->editingFinished();
    }
  settle();
  placeActive(frame, 10, 10, 0, 0);
  ok = save(frame, outDir, "kontrola_ulaza") && ok;
  input->takeEvent({EventKind::Accepted, KontrolaUlaza::kKontrola});
  waited.restart();
  while (!dynamic_cast<WinIzvjesce*>(frame.activeWindow()) && waited.elapsed() < 30000) settle(50);
  placeActive(frame, 200, 120, 0, 0);
  ok = save(frame, outDir, "win_izvjesce") && ok;
  if (auto* summary = dynamic_cast<WinIzvjesce*>(frame.activeWindow())) summary->escape();
  settle(300);
  input->takeEvent({EventKind::Accepted, KontrolaUlaza::kGreske});
  settle(300);
  placeActive(frame, 10, 10, 860, 420);
  ok = save(frame, outDir, "pregled_gresaka") && ok;
  closeAll(frame);
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
  // The frame of a first start (no saved place yet), with the sending window in it.
  frame.show();
  settle();
  bool ok = save(frame, outDir, "first_start");
  frame.start(factoryOf<NewFormObrazac>());
  settle(300);
  ok = save(frame, outDir, "first_start_sending") && ok;
  closeAll(frame);
  frame.setWindowState(Qt::WindowNoState);
  frame.resize(900, 620);
  settle();
  ok = save(frame, outDir, "main_frame") && ok;
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
  ok = shootRegister(frame, outDir) && ok;
  ok = shootSending(frame, outDir) && ok;

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
  ok = checkScreenshots(frame, outDir) && ok;
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
