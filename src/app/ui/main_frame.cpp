#include "app/ui/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/application_parameters.h"
#include "app/ui/about_program.h"
#include "app/ui/logo.h"
#include "app/ui/start_checks.h"
#include "app/ui/update_aplparam.h"
#include "check/ui/kontrola_izlaza.h"
#include "check/ui/kontrola_ulaza.h"
#include "check/ui/pregled_gresaka.h"
#include "codelists/ui/browse_opcine.h"
#include "codelists/ui/browse_osnov_obracuna.h"
#include "codelists/ui/browse_oznaka_staza.h"
#include "codelists/ui/browse_stope.h"
#include "codelists/ui/browse_vrste_obveznika.h"
#include "codelists/ui/browse_vrste_uplata.h"
#include "codelists/ui/stablo.h"
#include "frame/ui/dialog_units.h"
#include "frame/ui/help_window.h"
#include "frame/ui/report_printer.h"
#include "frame/ui/toolbar_icons.h"
#include "frame/ui/window_fit.h"
#include "register/ui/browse_firme.h"
#include "submission/ui/browse_arhiva.h"
#include "submission/ui/browse_tbobrazaca.h"
#include "submission/ui/new_form_obrazac.h"
#include "submission/ui/new_preuzmi_podatke.h"
#include "transfer/ui/export_datoteka.h"
#include "transfer/ui/import_datoteka.h"
#include "transfer/ui/preuzmi_zaposlene.h"

namespace obrazac::ui {
namespace {

const char* const kCaption = "VELOR - OBRAZAC R-Sm  ver. 2005.0.1";

// The toolbar from the left: navigation, find, select, insert, change, delete, ditto, help.
constexpr int kToolbarOrder[] = {
    toolbar::kTop,      toolbar::kPageUp,  toolbar::kUp,     toolbar::kLocate, toolbar::kDown,
    toolbar::kPageDown, toolbar::kBottom,  toolbar::kSelect, toolbar::kInsert, toolbar::kChange,
    toolbar::kDelete,   toolbar::kHistory, toolbar::kHelp};

template <class W>
MainFrame::Factory factoryOf() {
  return [](Desktop& d, std::shared_ptr<ProcedureThread> t) -> ProcedureWindow* {
    return new W(d, std::move(t));
  };
}

QString requestText(const ProcedureWindow* w) {
  if (!w) return {};
  switch (w->request()) {
    case request::kInsert:
      return QString::fromUtf8("Upis");
    case request::kChange:
      return QString::fromUtf8("Promjena");
    case request::kDelete:
      return QString::fromUtf8("Brisanje");
    case request::kSelect:
      return QString::fromUtf8("Odabir");
    default:
      return QString::fromUtf8("Pregled");
  }
}

}  // namespace

MainFrame::MainFrame(Prompter& prompter, ErrorManager& errors, SettingsManager& settings,
                     std::filesystem::path workDir)
    : desktop_{prompter, errors, settings, *this, this, std::move(workDir)},
      thread_(std::make_shared<ProcedureThread>(desktop_.workDir)) {
  setObjectName("Main");
  setWindowTitle(kCaption);
  setWindowIcon(programIcon());
  mdi_ = new QMdiArea(this);
  mdi_->setBackground(QColor(0x80, 0x80, 0x80));
  // A child larger than the area scrolls it, and Tile never grows the frame to fit its tiles.
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->viewport()->installEventFilter(this);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &MainFrame::subWindowActivated);
  buildMenus();
  buildToolbar();
  buildStatusBar();
  showToolbar(frameToolbarState());

  // Main's initialisation: a frame procedure starts with no request of its own.
  thread_->nextRequest = 0;
  thread_->lastResponse = 0;
  aplOpened_ = thread_->open("APL") == 0;
  restorePlace();
  auto* closeChild = new QAction(this);
  closeChild->setObjectName("CloseChild");
  closeChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  closeChild->setShortcutContext(Qt::WindowShortcut);
  connect(closeChild, &QAction::triggered, this, [this] {
    if (QMdiSubWindow* sub = mdi_->currentSubWindow()) sub->close();
  });
  addAction(closeChild);
}

// The child windows go with the frame; nothing they do on the way reaches a frame half gone.
MainFrame::~MainFrame() {
  disconnect(mdi_, nullptr, this, nullptr);
  disconnect(qApp, nullptr, this, nullptr);
}

// --- menus -----------------------------------------------------------------------------------

QAction* MainFrame::item(QMenu* menu, const QString& text, const QString& status,
                         const QString& name, std::function<void()> run) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  a->setStatusTip(status);
  if (run) {
    connect(a, &QAction::triggered, this, [this, run = std::move(run)] {
      accepted();
      run();
    });
  } else {
    a->setEnabled(false);  // its window comes with a later part of the program
  }
  return a;
}

void MainFrame::buildMenus() {
  QMenu* records = menuBar()->addMenu("&Evidencije  ");
  item(records, "&1. Poslodavac i zaposlenici", {}, "BrowseFirme",
       [this] { start(factoryOf<BrowseFirme>()); });
  item(records, "&2. Slanje podataka u VELOR", {}, "NewFormObrazac",
       [this] { start(factoryOf<NewFormObrazac>()); });
  records->addSeparator();
  item(records, "&3. Preuzimanje podataka", {}, "NewPreuzmiPodatke",
       [this] { start(factoryOf<NewPreuzmiPodatke>()); });
  records->addSeparator();
  item(records, "&3. Vrste obveznika", "Upis, promjena i brisanje vrste obveznika",
       "BrowseVrsteObveznika", [this] { start(factoryOf<BrowseVrsteObveznika>()); });
  item(records, "&4. Vrste obračuna/ispravka",
       "Upis, promjena i brisanje pojmova u šifarniku Vrste obračuna/ispravkaa",
       "BrowseVrsteUplata", [this] { start(factoryOf<BrowseVrsteUplata>()); });
  item(records, "&5. Osnov obračuna", {}, "BrowseOsnovObracuna",
       [this] { start(factoryOf<BrowseOsnovObracuna>()); });
  item(records, "&6. Staž s uvećanim trajanjem",
       "Upis, promjena i brisanje oznaka s povečanim trajanjem  ", "BrowseOznakaStaza",
       [this] { start(factoryOf<BrowseOznakaStaza>()); });
  item(records, "&7. Stope doprinosa", "Pregled, upis, ažiriranje i brisanje obračunskih stopa",
       "BrowseStope", [this] { start(factoryOf<BrowseStope>()); });
  item(records, "&8. Gradovi i općine",
       "Upis, promjena i brisanje podataka iz šifarnika općina i gradova u RH ", "BrowseOpcine",
       [this] { start(factoryOf<BrowseOpcine>()); });
  records->addSeparator();
  item(records, "&9. Vezne kontrole", {}, "Stablo", [this] { start(factoryOf<Stablo>()); });
  records->addSeparator();
  item(records, "&X. IZLAZ IZ PROGRAMA", "Exit this application", "Exit", [this] { close(); });

  QMenu* services = menuBar()->addMenu("&Servisi  ");
  item(services, "&1. Aplikacijski parametri", {}, "UpdateAPLPARAM", [this] { openParameters(); });
  item(services, "&2. Pregled slanja u VELOR", {}, "BrowseTBOBRAZACA",
       [this] { start(factoryOf<BrowseTBOBRAZACA>()); });
  item(services, "&A. Arhiva poslanih datoteka",
       "Poslane datoteke: pregled, provjera datoteke s diska, kopija, ispis", "BrowseArhiva",
       [this] { start(factoryOf<BrowseArhiva>()); });
  services->addSeparator();
  item(services, "&3. Kontrola ulazne datoteke", {}, "kontrolaUlaza",
       [this] { start(factoryOf<KontrolaUlaza>()); });
  item(services, "&4. Pregled grešaka i upozorenja", {}, "PregledGresaka",
       [this] { start(factoryOf<PregledGresaka>()); });
  services->addSeparator();
  item(services, "&5. Formalna kontrola sloga za VELOR", {}, "KontrolaIzlaza",
       [this] { start(factoryOf<KontrolaIzlaza>()); });
  services->addSeparator();
  item(services, "&6. Export datoteka", {}, "ExportDatoteka",
       [this] { start(factoryOf<ExportDatoteka>()); });
  item(services, "&7. Import datoteka", {}, "ImportDatoteka",
       [this] { start(factoryOf<ImportDatoteka>()); });
  item(services, "&8. Preuzimanje podatka iz 2004", {}, "PreuzmiZaposlene",
       [this] { start(factoryOf<PreuzmiZaposlene>()); });
  services->addSeparator();
  item(services, "&9. Izbor i podešavanje pisača ...", "Setup printer", "PrintSetup",
       [this] { setUpPrinter(); });

  QMenu* edit = menuBar()->addMenu("&Edit  ");
  item(edit, "Cu&t", "Remove item to Windows Clipboard", "Cut", [this] { editAction("cut"); });
  item(edit, "&Copy", "Copy item to Windows Clipboard", "Copy", [this] { editAction("copy"); });
  item(edit, "&Paste", "Paste contents of Windows Clipboard", "Paste",
       [this] { editAction("paste"); });

  windowMenu_ = menuBar()->addMenu("&Window  ");
  windowMenu_->menuAction()->setStatusTip("Create and Arrange windows");
  item(windowMenu_, "T&ile", "Make all open windows visible", "Tile",
       [this] { mdi_->tileSubWindows(); });
  item(windowMenu_, "&Cascade", "Stack all open windows", "Cascade",
       [this] { mdi_->cascadeSubWindows(); });
  item(windowMenu_, "&Arrange Icons", "Align all window icons", "ArrangeIcons",
       [this] { arrangeIcons(); });
  connect(windowMenu_, &QMenu::aboutToShow, this, &MainFrame::fillWindowMenu);

  QMenu* help = menuBar()->addMenu("&Upute  ");
  help->menuAction()->setStatusTip("Windows Help");
  item(help, "&O programu", {}, "AboutProgram", [this] { start(factoryOf<AboutProgram>()); });
  item(help, "&Sadržaj", "View the contents of the help file", "HelpContents",
       [this] { HelpWindow::open(desktop_, "~T1.0"); });
  item(help, "&Pretraživanje Uputa...", "Search for help on a subject", "HelpSearch",
       [this] { HelpWindow::open(desktop_, "~T1.0", HelpWindow::Tab::Search); });
  item(help, "&Kako koristiti Upute", "How to use Windows Help", "HelpOnHelp",
       [this] { HelpWindow::open(desktop_, "HelpOnHelp"); });
}

QAction* MainFrame::action(const QString& name) const {
  return findChild<QAction*>(name);
}

// The Window menu lists the open child windows under its three items.
void MainFrame::fillWindowMenu() {
  for (QAction* a : windowItems_) {
    windowMenu_->removeAction(a);
    a->deleteLater();
  }
  windowItems_.clear();
  const auto subs = mdi_->subWindowList();
  if (subs.isEmpty()) return;
  windowItems_.append(windowMenu_->addSeparator());
  int n = 0;
  for (QMdiSubWindow* sub : subs) {
    if (sub->windowTitle().isEmpty()) continue;
    ++n;
    const QString prefix = n < 10 ? QString("&%1 ").arg(n) : QString("%1 ").arg(n);
    QAction* a = windowMenu_->addAction(prefix + sub->windowTitle());
    a->setCheckable(true);
    a->setChecked(sub == mdi_->currentSubWindow());
    connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
      if (!sub) return;
      if (sub->isMinimized()) sub->showNormal();
      mdi_->setActiveSubWindow(sub);
    });
    windowItems_.append(a);
  }
}

// Minimised child windows line up along the bottom of the frame.
void MainFrame::arrangeIcons() {
  int x = 0;
  const int bottom = mdi_->viewport()->height();
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (!sub->isMinimized()) continue;
    sub->move(x, bottom - sub->height());
    x += sub->width();
  }
}

void MainFrame::editAction(const char* slot) {
  if (QWidget* w = QApplication::focusWidget())
    if (w->metaObject()->indexOfMethod(QByteArray(slot) + "()") >= 0)
      QMetaObject::invokeMethod(w, slot);
}

void MainFrame::setUpPrinter() {
  ui::setUpPrinter(desktop_.prompter, this);
}

// Record 1 of the parameters is made sure of on Main's own thread; the form reads it again on
// its thread. Neither a failed read nor a failed add is reported here.
void MainFrame::openParameters() {
  ensureParameterRecord(thread_->context());
  start(factoryOf<UpdateAPLPARAM>());
}

// --- toolbar ---------------------------------------------------------------------------------

void MainFrame::buildToolbar() {
  QToolBar* bar = addToolBar("Toolbar");
  bar->setObjectName("Toolbar");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(16, 16));
  for (int code : kToolbarOrder) {
    QAction* a = bar->addAction(toolbarIcon(code), QString());
    a->setObjectName(QString("tb%1").arg(code));
    a->setData(code);
    connect(a, &QAction::triggered, this, [this, code] { forwardToolbar(code); });
    toolbarActions_[code] = a;
    if (code == toolbar::kBottom || code == toolbar::kDelete) bar->addSeparator();
  }
}

QAction* MainFrame::toolbarAction(int code) const {
  auto it = toolbarActions_.find(code);
  return it == toolbarActions_.end() ? nullptr : it->second;
}

// The frame does not act on its toolbar: the active child window takes the code.
void MainFrame::forwardToolbar(int code) {
  accepted();
  if (ProcedureWindow* w = activeWindow()) w->post({EventKind::Accepted, code});
}

void MainFrame::showToolbar(const ToolbarState& state) {
  for (auto& [code, a] : toolbarActions_) {
    a->setEnabled(state.isEnabled(code));
    a->setToolTip(state.tip(code));
    a->setText(state.tip(code));
  }
}

// --- status bar ------------------------------------------------------------------------------

void MainFrame::buildStatusBar() {
  QStatusBar* bar = statusBar();
  const DialogUnits du(font());
  const int widths[] = {80, 120, 45};
  for (int i = 1; i < 4; ++i) {
    auto* label = new QLabel(bar);
    label->setFixedWidth(du.x(widths[i - 1]));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    bar->addPermanentWidget(label);
    zones_[static_cast<std::size_t>(i)] = label;
  }
  // The first zone: the text of the highlighted menu item or of the focused control.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!now || now->window() != this) return;
    const QString text = now->statusTip().isEmpty() ? now->toolTip() : now->statusTip();
    statusBar()->showMessage(text);
  });
  auto* clock = new QTimer(this);
  connect(clock, &QTimer::timeout, this, &MainFrame::updateStatusZones);
  clock->start(20000);
  updateStatusZones();
}

QLabel* MainFrame::statusZone(int zone) const {
  return zone >= 1 && zone <= 3 ? zones_[static_cast<std::size_t>(zone)] : nullptr;
}

// Zones 2 to 4: what the active window is doing, the date and the time.
void MainFrame::updateStatusZones() {
  const QLocale croatian(QLocale::Croatian, QLocale::Croatia);
  zones_[1]->setText(requestText(activeWindow()));
  zones_[2]->setText(croatian.toString(QDate::currentDate(), "dddd, dd.MM.yyyy."));
  zones_[3]->setText(QTime::currentTime().toString("HH:mm"));
}

// --- windows ---------------------------------------------------------------------------------

ProcedureWindow* MainFrame::start(const Factory& factory) {
  auto thread = std::make_shared<ProcedureThread>(desktop_.workDir);
  ProcedureWindow* w = factory(desktop_, thread);
  w->run();
  return w;
}

void MainFrame::attach(ProcedureWindow& w) {
  auto* sub = new QMdiSubWindow;
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWidget(&w);
  sub->setWindowIcon(w.windowIcon().isNull() ? programIcon() : w.windowIcon());
  if (w.windowFlags() & Qt::FramelessWindowHint) {
    sub->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
  } else if (!w.resizable()) {
    sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                        Qt::WindowCloseButtonHint);
  }
  mdi_->addSubWindow(sub);
  sub->resize(sub->sizeHint());
  if (!w.resizable()) sub->setFixedSize(sub->sizeHint());
}

void MainFrame::show(ProcedureWindow& w) {
  QWidget* c = w.container();
  c->show();
  auto* sub = qobject_cast<QMdiSubWindow*>(c);
  if (!sub) return;
  if (!sub->isMaximized() && !sub->isMinimized())
    sub->setGeometry(fittedPlace(sub->geometry(), mdi_->viewport()->size(), sub->minimumSizeHint(),
                                 w.resizable()));
  mdi_->setActiveSubWindow(sub);
}

ProcedureWindow* MainFrame::activeWindow() const {
  QMdiSubWindow* sub = mdi_->currentSubWindow();
  return sub ? qobject_cast<ProcedureWindow*>(sub->widget()) : nullptr;
}

void MainFrame::activate(ProcedureWindow& w) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(w.container())) mdi_->setActiveSubWindow(sub);
}

// The frame keeps the parameter table open for its whole life, except while a run replaces the
// table files (the import, the previous year's takeover). Taking it again, it checks the
// parameters as at start: imported ones may name another installation's folders, which no run
// may write into unasked.
void MainFrame::holdTables(bool hold) {
  if (!hold && aplOpened_) {
    thread_->close("APL");
    aplOpened_ = false;
  } else if (hold && !aplOpened_) {
    aplOpened_ = thread_->open("APL") == 0;
    offerOwnFolders(desktop_.prompter, desktop_.workDir);
  }
}

void MainFrame::subWindowActivated(QMdiSubWindow* sub) {
  ProcedureWindow* now = sub ? qobject_cast<ProcedureWindow*>(sub->widget()) : nullptr;
  if (active_ && active_ != now) active_->takeEvent({EventKind::LostFocus});
  active_ = now;
  if (now) {
    now->takeEvent({EventKind::GainFocus});
    now->updateToolbar();
  } else {
    showToolbar(frameToolbarState());
  }
  updateStatusZones();
}

void MainFrame::accepted() {
  if (!logo_) return;
  logo_->postClose();
  logo_ = nullptr;
}

// --- opening and closing ---------------------------------------------------------------------

void MainFrame::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (opened_) return;
  opened_ = true;
  if (showLogo_) logo_ = start(factoryOf<Logo>());
}

// A click into the frame's empty area takes the focus from the logo.
bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mdi_->viewport() && event->type() == QEvent::MouseButtonPress) accepted();
  return QMainWindow::eventFilter(watched, event);
}

void MainFrame::closeEvent(QCloseEvent* e) {
  // Forms first: they lie above the lists that wait for them.
  auto remaining = [this] {
    int n = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
      auto* w = qobject_cast<ProcedureWindow*>(sub->widget());
      if (w && !w->isDead()) ++n;
    }
    return n;
  };
  for (int pass = 0; pass < 8 && remaining() > 0; ++pass) {
    const auto subs = mdi_->subWindowList(QMdiArea::StackingOrder);
    bool closed = false;
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
      auto* w = qobject_cast<ProcedureWindow*>((*it)->widget());
      if (w && !w->isDead() && !w->inCall() && (*it)->close()) closed = true;
    }
    if (!closed) break;
    QCoreApplication::processEvents();
  }
  if (remaining() > 0) {
    e->ignore();
    return;
  }
  if (aplOpened_) thread_->close("APL");
  aplOpened_ = false;
  savePlace();
  e->accept();
}

// Without a saved place the frame opens with room for its largest window, in the middle of the
// screen, or maximised on a screen too small for that.
void MainFrame::restorePlace() {
  const DialogUnits du(font());
  const auto place = desktop_.settings.read("Main");
  if (!place) {
    const QSize wanted = firstStartArea(font()) + (sizeHint() - mdi_->sizeHint());
    const QRect screen = this->screen()->availableGeometry();
    if (wanted.width() > screen.width() || wanted.height() > screen.height()) {
      setWindowState(Qt::WindowMaximized);
      return;
    }
    resize(wanted);
    move(screen.center() - QPoint(wanted.width() / 2, wanted.height() / 2));
    return;
  }
  move(du.point(place->x, place->y));
  if (place->width && place->height) resize(du.size(*place->width, *place->height));
}

void MainFrame::savePlace() {
  if (isMaximized() || isMinimized()) return;
  const DialogUnits du(font());
  WindowPlace place;
  place.x = du.unitsX(x());
  place.y = du.unitsY(y());
  place.width = du.unitsX(width());
  place.height = du.unitsY(height());
  desktop_.settings.write("Main", place);
}

}  // namespace obrazac::ui
