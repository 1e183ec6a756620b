// The window procedure every window of the program builds on: it takes its request from its
// thread, opens its tables and its window, turns the window system's signals into the frame's
// events (accepted, new selection, opened, focus, resized, completed, close) and handles them in
// one fixed order, and ends with a response that its caller reads. A procedure called from
// another one runs on the caller's thread while the caller waits, disabled; the caller goes on
// when the callee's window has closed (a continuation, so no nested event loop is ever needed).
// Failures are shown through the standard messages; nothing here throws.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/procedure_thread.h"
#include "frame/ui/control_description.h"
#include "frame/ui/desktop.h"
#include "frame/ui/field_binder.h"
#include "frame/ui/toolbar_dispatcher.h"
#include "frame/ui/window_builder.h"
#include "register/check_failure.h"

class QAbstractButton;

namespace obrazac::ui {

class BrowseList;

enum class EventKind {
  Accepted,
  Rejected,
  Selected,
  NewSelection,
  AlertKey,
  Completed,
  CloseWindow,
  CloseDown,
  OpenWindow,
  LostFocus,
  GainFocus,
  Sized,
};

struct Event {
  EventKind kind;
  int control = 0;  // 0: an event of the window itself
  int key = 0;      // AlertKey: the key
};

// The previous-value key of every form: Ctrl and the apostrophe.
inline constexpr int kHistoryKey = (Qt::CTRL | Qt::Key_Apostrophe).toCombined();

class ProcedureWindow : public QWidget {
  Q_OBJECT

 public:
  using Done = std::function<void(int response)>;

  ProcedureWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure);
  ~ProcedureWindow() override;

  // Runs the procedure: initialises it, shows its window and, once the window has closed down,
  // leaves the response in the thread and hands it to `done` (from the event loop, never from
  // within run). A procedure whose initialisation fails never shows its window.
  void run(Done done = {});

  Desktop& desktop() { return desktop_; }
  ErrorManager& errors() { return desktop_.errors; }
  ProcedureThread& thread() { return *thread_; }
  const std::shared_ptr<ProcedureThread>& threadHandle() const { return thread_; }
  const QString& procedure() const { return procedure_; }
  int request() const { return request_; }
  int originalRequest() const { return originalRequest_; }
  int response() const { return response_; }
  int okControl() const { return okControl_; }
  bool isOpened() const { return opened_; }
  bool isDead() const { return dead_; }
  bool inCall() const { return inCall_; }
  // Whether the procedure has tables open (a run that replaces their files waits for it).
  bool holdsTables() const { return !dead_ && !openedTables_.empty(); }
  ToolbarDispatcher* toolbar() { return toolbar_.get(); }
  // The window the host put this one into (an MDI child window), or this one.
  QWidget* container();

  // Controls carry the numbers by which the frame's events name them.
  void registerControl(int id, QWidget* widget);
  // An entry whose value the completion of the window validates, in tab order.
  void registerField(int id, QWidget* widget);
  // A button that sends the accepted event of its number.
  void registerButton(int id, QAbstractButton* button);
  QWidget* control(int id) const;
  int controlId(const QWidget* widget) const;
  int focusedControl() const;
  bool controlEnabled(int id) const;
  void select(int id);

  // Takes a control the window's description made: registers it by its number, binds it to its
  // field and gives a button its role.
  virtual void adopt(const ControlDescription& d, QWidget* widget);
  FieldBinder& binder() { return *binder_; }
  // A check refused a value or a save: the beep where the rule has one, the message box, and the
  // focus back on the control bound to the failing field. Returns 5 (handled).
  int refuse(const CheckFailure& failure);
  // How many values and saves were refused so far (Enter presses no button after a refusal).
  int refusals() const { return refusals_; }
  // Escape: the cancel button of a form, with the form's cancel rule, or the close of a list.
  void escape();

  void addBrowse(BrowseList* browse);
  const std::vector<BrowseList*>& browses() const { return browses_; }

  // 16: takes one event in the frame's order and returns 0 (go on with the default), 5 (handled)
  // or 3 (end the window's event loop).
  int takeEvent(const Event& e);
  // Queues an event to be taken after the current one.
  void post(const Event& e);
  // 12: sets the response and posts the close of the window.
  void setResponse(int response);
  void postClose();
  // 22: each list reads its highlighted record again, watched for changes by other stations.
  void updateBrowses();
  // 10: calls another procedure by number on this thread with a request; `then` receives its
  // response when it has closed. Without an override there is no such procedure (response 2).
  virtual void callProcedure(int number, int request, Done then);
  // Runs a procedure on this thread with a request while this window waits.
  void callOnThread(ProcedureWindow* callee, int request, Done then);
  // Shows the frame's toolbar as this window's current target has it, when the window is active.
  void updateToolbar();
  // Brings up the manual at the window's help topic (its procedure name unless set).
  virtual void showHelp();
  void setHelpTopic(const QString& topic) { helpTopic_ = topic; }

  // Window size and place in dialog units of the window font.
  void setDialogSize(int width, int height);
  QSize sizeHint() const override;
  bool resizable() const { return resizable_; }
  void setResizable(bool on) { resizable_ = on; }

 signals:
  void closedDown(int response);

 protected:
  // The generated initialisation runs these in order; each returns false to stop.
  virtual bool init();
  virtual void declare() {}                            // buttons, primary table, history, options
  virtual bool openTables() { return true; }           // with openTable()
  virtual bool prepareBeforeWindow() { return true; }  // forms: the request and the record
  virtual void setUpLists() {}  // sort orders, fields and buttons of the lists
  virtual void closeTables();

  virtual void kill();                                       // 3: close down
  virtual void firstOpening();                               // 4
  virtual void primeFields() {}                              // 5
  virtual void reset(bool force = false);                    // 7
  virtual void restoreField(int control) { (void)control; }  // 8
  virtual void setAlerts();                                  // 11
  virtual int takeAccepted(int control);                     // 13
  virtual int takeCompleted() { return level::kBenign; }     // 14
  virtual int takeCloseEvent() { return level::kBenign; }    // 15
  virtual int takeFieldEvent(const Event& e) {
    (void)e;
    return level::kBenign;
  }                                             // 17
  virtual int takeNewSelection(int control);    // 18
  virtual int takeRejected(int control);        // 19
  virtual int takeWindowEvent(const Event& e);  // 21
  // Shows every control's value from its variable.
  virtual void redisplay() { binder_->show(); }
  // Builds the window's controls from their description, in tab order; `made` holds the controls
  // the window made itself.
  void describe(std::span<const ControlDescription> controls, const MadeControls& made = {});
  // A field of the window's own state by its name in the description; none by default.
  virtual std::optional<FieldRef> stateField(std::string_view name) {
    (void)name;
    return std::nullopt;
  }

  // Opens a table of the procedure through the thread; a table that refuses write access opens
  // read-only after message 2, any other failure is message 23. Remembered for closeTables().
  bool openTable(const std::string& prefix);
  // Validates every field in tab order and then posts the completed event; a check that
  // selects a control stops it.
  void completeWindow();

  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

  // Members of the frame, named as the system keeps them.
  bool autoRefresh_ = true;
  bool autoToolbar_ = true;
  std::vector<BrowseList*> browses_;
  std::vector<std::pair<int, int>> buttons_;  // control, response
  int cancelAction_ = 3;
  int changeAction_ = 1;
  bool dead_ = false;
  int deleteAction_ = 2;
  int firstField_ = 0;
  int helpControl_ = 0;
  bool forcedReset_ = false;
  bool resetOnGainFocus_ = false;
  int historyKey_ = 0;
  unsigned inited_ = 0;  // bit 0 opened once, bit 1 sized once
  int insertAction_ = 2;
  Position lastInsertedPosition_;
  int okControl_ = 0;
  bool opened_ = false;
  int originalRequest_ = 0;
  int request_ = 0;
  int response_ = 0;
  std::unique_ptr<ToolbarDispatcher> toolbar_;

 private:
  void finish();
  void restorePlace();
  void savePlace();

  Desktop& desktop_;
  std::shared_ptr<ProcedureThread> thread_;
  QString procedure_;
  QString helpTopic_;
  FieldBinder* binder_;
  int refusals_ = 0;
  Done done_;
  std::vector<std::pair<int, QPointer<QWidget>>> controls_;
  std::vector<int> fields_;
  std::vector<std::string> openedTables_;
  bool inCall_ = false;
  bool completing_ = false;
  bool selectedWhileCompleting_ = false;
  bool resizable_ = true;
  bool shown_ = false;
  QSize dialogSize_;
};

}  // namespace obrazac::ui
