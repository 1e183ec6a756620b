#include "frame/ui/update_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "frame/save_message.h"
#include "frame/standard_messages.h"

namespace obrazac::ui {
namespace {

// The busy cursor while a record is written.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

QString fieldText(const Record& record, int field) {
  if (isTextField(record.field(field)))
    return QString::fromStdString(utf8FromCp1250(clipRight(record.text(field))));
  return QString::fromStdString(record.display(field));
}

UpdateForm::UpdateForm(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
                       std::string primary)
    : ProcedureWindow(desktop, std::move(thread), std::move(procedure)),
      primary_(std::move(primary)) {}

bool UpdateForm::recordChanged() {
  return saved_ && !(record() == *saved_);
}

void UpdateForm::takeSaved() {
  saved_ = std::make_unique<Record>(record());
}

// --- declarations ----------------------------------------------------------------------------

void UpdateForm::setCaptions(const QString& insert, const QString& change, const QString& remove) {
  insertCaption_ = insert;
  changeCaption_ = change;
  deleteCaption_ = remove.isEmpty() ? change : remove;
}

void UpdateForm::allowRequests(bool insert, bool change, bool remove) {
  allowInsert_ = insert;
  allowChange_ = change;
  allowDelete_ = remove;
}

QLineEdit* UpdateForm::bindField(int control, QLineEdit* edit, const std::string& field) {
  registerField(control, edit);
  binder().bind(control, edit, FieldRef(record(), record().index(field), primary_ + ":" + field));
  historyKey_ = kHistoryKey;
  return edit;
}

void UpdateForm::setOkButton(int control, QAbstractButton* button) {
  registerControl(control, button);
  okControl_ = control;
  // A click on the button itself leaves no navigation behind; the toolbar's saves do.
  connect(button, &QAbstractButton::clicked, this, [this, control] {
    if (isDead() || inCall()) return;
    thread().navigation = 0;
    takeEvent({EventKind::Accepted, control});
  });
}

void UpdateForm::setCancelButton(int control, QAbstractButton* button) {
  registerButton(control, button);
  buttons_.emplace_back(control, response::kCancelled);
}

void UpdateForm::adopt(const ControlDescription& d, QWidget* widget) {
  if (d.kind == ControlKind::Button && d.role == ButtonRole::Ok) {
    setOkButton(d.id, qobject_cast<QAbstractButton*>(widget));
    if (auto* push = qobject_cast<QPushButton*>(widget)) push->setDefault(true);
    return;
  }
  ProcedureWindow::adopt(d, widget);
  if (d.field && std::string_view(d.field).starts_with(primary_ + ":")) historyKey_ = kHistoryKey;
}

// --- opening ---------------------------------------------------------------------------------

bool UpdateForm::openTables() {
  return openTable(primary_);
}

// The caption follows the request; a request the form does not serve is refused before the
// record is touched.
bool UpdateForm::prepareBeforeWindow() {
  int refused = 0;
  switch (request_) {
    case request::kInsert:
      refused = allowInsert_ ? 0 : 20;
      setWindowTitle(insertCaption_);
      break;
    case request::kChange:
      refused = allowChange_ ? 0 : 38;
      setWindowTitle(changeCaption_);
      break;
    case request::kDelete:
      refused = allowDelete_ ? 0 : 12;
      setWindowTitle(deleteCaption_);
      break;
    default:
      break;
  }
  if (refused) {
    errors().throwMessage(refused);
    response_ = response::kCancelled;
    return false;
  }
  if (toolbar_) {
    ToolbarTarget target;
    target.helpButton = helpControl_;
    target.history = historyKey_ != 0;
    toolbar_->addTarget(target);
  }
  return primeUpdate();
}

bool UpdateForm::primeUpdate() {
  Table& t = primary().table();
  if (!t.isOpen()) {
    MessageValues values;
    values.file = t.decl().file;
    errors().throwMessage(39, values);
    return false;
  }
  if (request_ == request::kInsert && insertAction_ != 0) {
    response_ = 0;
    primeFields();
    if (response_ == response::kCancelled) return false;
    response_ = response::kCancelled;
  }
  if (request_ == request::kDelete && deleteAction_ == 2) {
    response_ =
        removeRecord(true) == Removal::Deleted ? response::kCompleted : response::kCancelled;
    return false;
  }
  takeSaved();
  return true;
}

// --- completing ------------------------------------------------------------------------------

int UpdateForm::takeCompleted() {
  saveHistory();
  switch (request_) {
    case request::kInsert:
      return completeInsert();
    case request::kChange:
      return completeChange();
    case request::kDelete:
      return completeDelete();
    default:
      setResponse(response::kCompleted);
      return level::kNotify;
  }
}

void UpdateForm::saveHistory() {
  if (historyKey_) thread().history(procedure().toStdString(), primary_) = record();
}

int UpdateForm::completeInsert() {
  const SaveResult r = primary().insert();
  if (!r.ok()) {
    reportSaveFailure(r, 4);
    thread().navigation = 0;
    select(firstField_);
    return level::kNotify;
  }
  switch (insertAction_) {
    case 1:  // the form stays open on the record it added, which later saves change
      request_ = request::kChange;
      takeSaved();
      redisplay();
      updateToolbar();
      return level::kNotify;
    case 4:
      if (errors().throwMessage(3) != level::kBenign) {
        setResponse(response::kCompleted);
        return level::kNotify;
      }
      [[fallthrough]];
    case 3: {
      lastInsertedPosition_ = primary().table().position();
      primary().table().clear();
      primary().reserveAutoNumber();
      primeFields();
      response_ = response::kCancelled;
      takeSaved();
      redisplay();
      select(firstField_);
      return level::kNotify;
    }
    default:
      setResponse(response::kCompleted);
      return level::kNotify;
  }
}

int UpdateForm::completeChange() {
  for (;;) {
    response_ = response::kCancelled;
    const bool changed = recordChanged();
    SaveResult r;
    if (changed) {
      const BusyCursor busy;
      r = primary().update();
    }
    if (r.ok()) {
      // The form closes; a navigation code the user left it with stays for the list.
      if (changed || (toolbar_ && thread().navigation == 0)) response_ = response::kCompleted;
      takeSaved();
      postClose();
      return level::kNotify;
    }
    thread().navigation = 0;
    switch (r.outcome) {
      case SaveOutcome::RecordChanged:
        // The other station's version is in the buffer now; the user's own values stay in the
        // history for Ctrl+'.
        reportSaveFailure(r, 25);
        takeSaved();
        redisplay();
        return level::kNotify;
      case SaveOutcome::StoreError: {
        reportSaveFailure(r, 25);
        const Answer a = errors().ask(34, Buttons::YesNoCancel, Answer::Cancel);
        if (a == Answer::Yes) continue;
        if (a == Answer::No) {
          abandoned_ = true;  // the user gave up the change: closing asks no more
          setResponse(response::kCancelled);
        }
        return level::kNotify;
      }
      default:
        reportSaveFailure(r, 25);
        select(firstField_);
        return level::kNotify;
    }
  }
}

int UpdateForm::completeDelete() {
  response_ = response::kCancelled;
  switch (removeRecord(deleteAction_ == 2)) {
    case Removal::Deleted:
      setResponse(response::kCompleted);
      break;
    case Removal::Refused:
      setResponse(response::kCancelled);
      break;
    case Removal::Stay:
      break;
  }
  return level::kNotify;
}

UpdateForm::Removal UpdateForm::removeRecord(bool confirm) {
  if (const QString question = deleteQuestion(); !question.isEmpty()) {
    if (desktop().prompter.show(QString::fromStdString(showMessage(9, {}).title), question,
                                Icon::Question, Buttons::YesNo, Answer::No) != Answer::Yes)
      return Removal::Refused;
  } else if (confirm && errors().throwMessage(9) != level::kBenign) {
    return Removal::Refused;
  }
  for (;;) {
    const SaveResult r = primary().remove();
    if (r.ok()) return Removal::Deleted;
    reportSaveFailure(r, 11);
    switch (errors().ask(33, Buttons::YesNoCancel, Answer::Cancel)) {
      case Answer::Yes:
        continue;
      case Answer::No:
        return Removal::Refused;
      case Answer::Cancel:
        return Removal::Stay;
    }
  }
}

void UpdateForm::reportSaveFailure(const SaveResult& r, int storeMessage) {
  const StandardMessageCall m = saveMessage(r, storeMessage, historyKey_ != 0);
  if (m.id) errors().throwMessage(m.id, m.values);
}

// --- closing ---------------------------------------------------------------------------------

int UpdateForm::takeCloseEvent() {
  if (response_ == response::kCompleted) return level::kBenign;
  const bool editing = request_ == request::kInsert || request_ == request::kChange;
  if (cancelAction_ != 0 && editing && !abandoned_ && recordChanged()) {
    switch (cancelAction_) {
      case 1:
        post({EventKind::Accepted, okControl_});
        return level::kNotify;
      case 2:
        if (errors().throwMessage(8) != level::kBenign) return level::kNotify;
        break;
      default:
        switch (errors().ask(35, Buttons::YesNoCancel, Answer::Cancel)) {
          case Answer::Yes:  // saved as with OK: its checks run first
            post({EventKind::Accepted, okControl_});
            return level::kNotify;
          case Answer::Cancel:
            return level::kNotify;
          case Answer::No:
            break;
        }
    }
  }
  if (originalRequest_ == request::kInsert && primary().hasReservation() &&
      !primary().cancelReservation().ok())
    return level::kNotify;
  if (lastInsertedPosition_.row != 0) {
    response_ = response::kCompleted;
    primary().table().reget(lastInsertedPosition_);
  }
  return level::kBenign;
}

void UpdateForm::kill() {
  if (!isDead() && originalRequest_ == request::kInsert && response_ != response::kCompleted &&
      primary().hasReservation())
    primary().cancelReservation();
  ProcedureWindow::kill();
}

// --- fields ----------------------------------------------------------------------------------

void UpdateForm::restoreField(int control) {
  const std::string name = procedure().toStdString();
  if (!thread().hasHistory(name, primary_)) return;
  const Record& last = thread().history(name, primary_);
  for (const FieldBinder::Binding& b : binder().bindings()) {
    if (b.control != control || b.ref.record() != &record()) continue;
    const int f = b.ref.field();
    if (isTextField(record().field(f)))
      record().setText(f, last.text(f));
    else
      record().setUnits(f, last.units(f));
    binder().show(control);
  }
}

}  // namespace obrazac::ui
