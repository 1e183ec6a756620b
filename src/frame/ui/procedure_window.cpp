#include "frame/ui/procedure_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "frame/ui/browse_list.h"
#include "frame/ui/dialog_units.h"
#include "frame/ui/help_window.h"
#include "frame/ui/window_keys.h"

namespace obrazac::ui {

ProcedureWindow::ProcedureWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                                 QString procedure)
    : desktop_(desktop),
      thread_(std::move(thread)),
      procedure_(std::move(procedure)),
      binder_(new FieldBinder(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(procedure_);
  binder_->accepted = [this](int control) { takeEvent({EventKind::Accepted, control}); };
  binder_->refused = [this](const CheckFailure& failure) { refuse(failure); };
  new WindowKeys(*this);
}

// A window deleted without closing down (the program ends) still releases its tables.
ProcedureWindow::~ProcedureWindow() {
  if (dead_) return;
  dead_ = true;
  for (const auto& prefix : openedTables_) thread_->close(prefix);
}

QWidget* ProcedureWindow::container() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
  return this;
}

// The window's size in dialog units, or more where its controls ask for more.
QSize ProcedureWindow::sizeHint() const {
  return dialogSize_.isValid() ? QWidget::sizeHint().expandedTo(dialogSize_) : QWidget::sizeHint();
}

void ProcedureWindow::setDialogSize(int width, int height) {
  dialogSize_ = DialogUnits(font()).size(width, height);
  resize(dialogSize_);
}

// --- running ---------------------------------------------------------------------------------

void ProcedureWindow::run(Done done) {
  done_ = std::move(done);
  if (!init()) {
    kill();
    finish();
    container()->deleteLater();
    return;
  }
  desktop_.host.show(*this);
}

// The initialisation of a generated procedure, in its order.
bool ProcedureWindow::init() {
  request_ = thread_->nextRequest;
  originalRequest_ = request_;
  insertAction_ = 2;
  deleteAction_ = 2;
  changeAction_ = 1;
  cancelAction_ = 3;
  autoToolbar_ = true;
  autoRefresh_ = true;
  firstField_ = 1;
  toolbar_ = std::make_unique<ToolbarDispatcher>(*this);
  thread_->nextRequest = 0;
  thread_->lastResponse = 0;
  declare();
  if (!openTables()) return false;
  if (!prepareBeforeWindow()) return false;
  desktop_.host.attach(*this);
  opened_ = true;
  setUpLists();
  restorePlace();
  setAlerts();
  return true;
}

void ProcedureWindow::kill() {
  if (dead_) return;
  for (BrowseList* b : browses_) b->kill();
  dead_ = true;
  closeTables();
  if (opened_) savePlace();
}

void ProcedureWindow::finish() {
  const int r = response_ ? response_ : response::kCancelled;
  thread_->lastResponse = static_cast<std::uint8_t>(r);
  emit closedDown(r);
  if (!done_) return;
  Done done = std::move(done_);
  done_ = nullptr;
  QTimer::singleShot(0, qApp, [done, r] { done(r); });
}

void ProcedureWindow::closeTables() {
  for (const auto& prefix : openedTables_) thread_->close(prefix);
  openedTables_.clear();
}

bool ProcedureWindow::openTable(const std::string& prefix) {
  int rc = thread_->open(prefix);
  Table& t = thread_->table(prefix);
  MessageValues values;
  values.file = t.decl().file;
  values.errorCode = rc;
  if (rc == err::kAccessDenied) {
    errors().throwMessage(2, values);
    rc = thread_->open(prefix, AccessMode::ReadOnly);
    values.errorCode = rc;
  }
  if (rc != 0) {
    values.driverError = t.driverError();
    errors().throwMessage(23, values);
    return false;
  }
  openedTables_.push_back(prefix);
  return true;
}

// --- window place ----------------------------------------------------------------------------

void ProcedureWindow::restorePlace() {
  QWidget* c = container();
  if (c != this && dialogSize_.isValid()) c->resize(c->sizeHint());
  const auto place = desktop_.settings.read(procedure_);
  if (!place || c->isMaximized()) return;
  const DialogUnits du(font());
  c->move(du.point(place->x, place->y));
  if (resizable_ && place->width && place->height) {
    const QSize frame = c == this ? QSize(0, 0) : c->sizeHint() - sizeHint();
    c->resize(du.size(*place->width, *place->height).expandedTo(minimumSize()) + frame);
  }
}

void ProcedureWindow::savePlace() {
  QWidget* c = container();
  if (c->isMaximized() || c->isMinimized()) return;
  const DialogUnits du(font());
  WindowPlace place;
  place.x = du.unitsX(c->x());
  place.y = du.unitsY(c->y());
  if (resizable_) {
    place.width = du.unitsX(width());
    place.height = du.unitsY(height());
  }
  desktop_.settings.write(procedure_, place);
}

// --- controls --------------------------------------------------------------------------------

void ProcedureWindow::registerControl(int id, QWidget* widget) {
  controls_.emplace_back(id, widget);
}

void ProcedureWindow::registerField(int id, QWidget* widget) {
  registerControl(id, widget);
  fields_.push_back(id);
}

void ProcedureWindow::registerButton(int id, QAbstractButton* button) {
  registerControl(id, button);
  connect(button, &QAbstractButton::clicked, this, [this, id] {
    takeEvent({EventKind::Accepted, id});
  });
}

QWidget* ProcedureWindow::control(int id) const {
  for (const auto& [cid, w] : controls_)
    if (cid == id) return w;
  return nullptr;
}

int ProcedureWindow::controlId(const QWidget* widget) const {
  for (const QWidget* w = widget; w && w != this; w = w->parentWidget())
    for (const auto& [cid, cw] : controls_)
      if (cw == w) return cid;
  return 0;
}

int ProcedureWindow::focusedControl() const {
  return controlId(QApplication::focusWidget());
}

bool ProcedureWindow::controlEnabled(int id) const {
  const QWidget* w = control(id);
  return w && w->isEnabled() && !w->isHidden();
}

void ProcedureWindow::select(int id) {
  if (completing_) selectedWhileCompleting_ = true;
  QWidget* w = control(id);
  if (!w) return;
  w->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
  if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
    combo->lineEdit()->selectAll();
}

// --- controls from a description --------------------------------------------------------------

void ProcedureWindow::describe(std::span<const ControlDescription> controls,
                               const MadeControls& made) {
  buildWindow(*this, controls, made);
}

void ProcedureWindow::adopt(const ControlDescription& d, QWidget* widget) {
  if (d.kind == ControlKind::Button) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    switch (d.role) {
      case ButtonRole::Help:
        registerControl(d.id, button);
        helpControl_ = d.id;
        connect(button, &QAbstractButton::clicked, this, [this] { showHelp(); });
        return;
      case ButtonRole::Cancel:
        buttons_.emplace_back(d.id, response::kCancelled);
        break;
      case ButtonRole::Ok:
        okControl_ = d.id;
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setDefault(true);
        break;
      case ButtonRole::Plain:
        break;
    }
    registerButton(d.id, button);
    return;
  }
  if (d.kind == ControlKind::Group || d.kind == ControlKind::Tab || d.kind == ControlKind::List)
    return;
  // A control the window made may have registered itself; a display is shown, never validated.
  if (!control(d.id)) {
    if (d.kind == ControlKind::Display)
      registerControl(d.id, widget);
    else
      registerField(d.id, widget);
  }
  if (!d.field) return;
  const std::string name = d.field;
  std::optional<FieldRef> ref;
  if (const auto colon = name.find(':'); colon != std::string::npos) {
    Record& r = thread_->table(name.substr(0, colon)).record();
    const int field = r.index(name.substr(colon + 1));
    if (field >= 0) ref.emplace(r, field, name);
  } else {
    ref = stateField(name);
  }
  if (!ref) qFatal("%s: no field %s", qPrintable(procedure_), d.field);
  binder_->bind(d.id, widget, *ref, EntryPicture(d.picture ? d.picture : ""),
                QString::fromUtf8(d.choices ? d.choices : ""));
}

int ProcedureWindow::refuse(const CheckFailure& failure) {
  ++refusals_;
  if (failure.beep) desktop_.prompter.beep();
  desktop_.prompter.message(QString::fromStdString(failure.message));
  if (const int control = binder_->controlOf(failure.field)) select(control);
  return level::kNotify;
}

void ProcedureWindow::escape() {
  for (const auto& [control, response] : buttons_) {
    auto* button = qobject_cast<QAbstractButton*>(this->control(control));
    if (response == response::kCancelled && button && controlEnabled(control))
      return button->click();
  }
  postClose();
}

void ProcedureWindow::addBrowse(BrowseList* browse) {
  browses_.push_back(browse);
}

// --- events ----------------------------------------------------------------------------------

int ProcedureWindow::takeEvent(const Event& e) {
  if (dead_) return level::kBenign;
  // While a procedure it called is open, the thread waits: the window takes no events.
  if (inCall_ && e.kind != EventKind::CloseDown) return level::kNotify;
  int result = level::kBenign;
  if (e.control == 0) {
    if ((result = takeWindowEvent(e)) != 0) return result;
  } else {
    switch (e.kind) {
      case EventKind::Accepted:
        result = takeAccepted(e.control);
        break;
      case EventKind::Rejected:
        result = takeRejected(e.control);
        break;
      case EventKind::NewSelection:
        result = takeNewSelection(e.control);
        break;
      case EventKind::AlertKey:
        if (historyKey_ && e.key == historyKey_) restoreField(e.control);
        break;
      default:
        break;
    }
    if (result != 0 || dead_) return result;
    if ((result = takeFieldEvent(e)) != 0) return result;
  }
  for (BrowseList* b : browses_) {
    if (dead_ || inCall_) return result;
    b->takeEvent(e);
  }
  if (autoRefresh_ && !dead_ && !inCall_)
    for (BrowseList* b : browses_)
      if (b->needsRefresh()) reset();
  return result;
}

void ProcedureWindow::post(const Event& e) {
  QTimer::singleShot(0, this, [this, e] { takeEvent(e); });
}

void ProcedureWindow::postClose() {
  QTimer::singleShot(0, this, [this] {
    if (!dead_) container()->close();
  });
}

void ProcedureWindow::setResponse(int response) {
  response_ = response;
  postClose();
  if (response == response::kCancelled && toolbar_) thread_->navigation = 0;
}

int ProcedureWindow::takeAccepted(int control) {
  if (control >= toolbar::kFirst && control <= toolbar::kLast) {
    if (toolbar_) toolbar_->takeEvent(control);
    if (control == toolbar::kHistory) restoreField(focusedControl());
    return level::kBenign;
  }
  for (const auto& [c, r] : buttons_) {
    if (c == control) {
      setResponse(r);
      return level::kNotify;
    }
  }
  if (okControl_ && control == okControl_) {
    if (originalRequest_ == request::kInsert || originalRequest_ == request::kChange)
      completeWindow();
    else
      post({EventKind::Completed});
  }
  return level::kBenign;
}

void ProcedureWindow::completeWindow() {
  completing_ = true;
  selectedWhileCompleting_ = false;
  const std::vector<int> fields = fields_;
  for (int id : fields) {
    if (!controlEnabled(id)) continue;
    takeEvent({EventKind::Accepted, id});
    if (selectedWhileCompleting_ || dead_) break;
  }
  const bool stopped = selectedWhileCompleting_ || dead_;
  completing_ = false;
  if (!stopped) post({EventKind::Completed});
}

int ProcedureWindow::takeNewSelection(int control) {
  for (BrowseList* b : browses_) {
    if (b->listControl() != control) continue;
    reset();
    if (autoToolbar_ && toolbar_) {
      toolbar_->setTarget(b);
      updateToolbar();
    }
  }
  return level::kBenign;
}

int ProcedureWindow::takeRejected(int control) {
  ++refusals_;
  desktop_.prompter.beep();
  redisplay();
  select(control);
  return level::kBenign;
}

int ProcedureWindow::takeWindowEvent(const Event& e) {
  switch (e.kind) {
    case EventKind::OpenWindow:
      if (!(inited_ & 1u)) firstOpening();
      if (firstField_) select(firstField_);
      break;
    case EventKind::LostFocus:
      if (resetOnGainFocus_) forcedReset_ = true;
      break;
    case EventKind::GainFocus:
      if (inited_ & 1u)
        reset();
      else
        firstOpening();
      updateToolbar();
      break;
    case EventKind::Sized:
      if (!(inited_ & 2u))
        inited_ |= 2u;
      else
        reset();
      break;
    case EventKind::Completed:
      return takeCompleted();
    case EventKind::CloseWindow:
    case EventKind::CloseDown:
      return takeCloseEvent();
    default:
      break;
  }
  return level::kBenign;
}

void ProcedureWindow::firstOpening() {
  reset(true);
  inited_ |= 1u;
}

void ProcedureWindow::reset(bool force) {
  if (completing_) return;
  const bool forced = force || forcedReset_;
  forcedReset_ = false;
  for (BrowseList* b : browses_) b->resetSort(forced);
  for (BrowseList* b : browses_) b->updateWindow();
  redisplay();
}

void ProcedureWindow::setAlerts() {
  for (BrowseList* b : browses_) b->setAlerts();
  if (historyKey_) {
    auto* shortcut = new QShortcut(QKeySequence(historyKey_), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
      takeEvent({EventKind::AlertKey, focusedControl(), historyKey_});
    });
  }
}

void ProcedureWindow::updateBrowses() {
  for (BrowseList* b : browses_) b->refreshCurrent();
}

void ProcedureWindow::callProcedure(int number, int request, Done then) {
  (void)request;
  MessageValues values;
  values.message = std::to_string(number);
  errors().throwMessage(24, values);
  if (then) then(response::kCancelled);
}

void ProcedureWindow::callOnThread(ProcedureWindow* callee, int request, Done then) {
  thread_->nextRequest = static_cast<std::uint8_t>(request);
  inCall_ = true;
  container()->setEnabled(false);
  QPointer<ProcedureWindow> self(this);
  callee->run([self, then = std::move(then)](int response) {
    if (!self || self->dead_) return;
    self->inCall_ = false;
    self->container()->setEnabled(true);
    if (then) then(response);
    if (self && !self->inCall_ && !self->dead_) self->desktop_.host.activate(*self);
  });
}

void ProcedureWindow::updateToolbar() {
  if (!desktop_.toolbar || !toolbar_ || dead_) return;
  if (desktop_.host.activeWindow() != this) return;
  desktop_.toolbar->showToolbar(toolbar_->state());
}

void ProcedureWindow::showHelp() {
  HelpWindow::open(desktop_, helpTopic_.isEmpty() ? procedure_ : helpTopic_);
}

// --- window system events --------------------------------------------------------------------

void ProcedureWindow::closeEvent(QCloseEvent* e) {
  if (dead_) {
    e->accept();
    return;
  }
  if (inCall_ || takeEvent({EventKind::CloseWindow}) == level::kNotify) {
    e->ignore();
    return;
  }
  e->accept();
  kill();
  finish();
}

void ProcedureWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (shown_) return;
  shown_ = true;
  post({EventKind::OpenWindow});
}

void ProcedureWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (opened_ && isVisible()) takeEvent({EventKind::Sized});
}

// --- the host without a frame ----------------------------------------------------------------

void TopLevelHost::attach(ProcedureWindow& w) {
  w.setWindowFlag(Qt::Window);
}

void TopLevelHost::show(ProcedureWindow& w) {
  w.show();
  w.activateWindow();
}

ProcedureWindow* TopLevelHost::activeWindow() const {
  return qobject_cast<ProcedureWindow*>(QApplication::activeWindow());
}

void TopLevelHost::activate(ProcedureWindow& w) {
  w.activateWindow();
  w.raise();
}

}  // namespace obrazac::ui
