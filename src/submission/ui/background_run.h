// A processing run off the window's thread: the run works in a context of its own on a worker
// thread and never touches a widget; its status texts and messages reach the window through the
// event loop in the order the run gave them, so the window stays responsive and shows the run
// as it goes. When the run has ended, `done` runs on the window's thread.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "frame/run_reporter.h"

class QThread;

namespace obrazac::ui {

class BackgroundRun final : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundRun(QObject* parent);
  // Waits for a run still going: its changes stand or fall as a whole, never half.
  ~BackgroundRun() override;

  bool running() const { return worker_ != nullptr; }

  // Shown on the window's thread.
  std::function<void(const QString&)> onStatus;
  std::function<void(const QString&)> onMessage;
  std::function<Answer(const QString&, bool withCancel)> onQuestion;

  // Starts `work` on a worker thread; `done` follows on the window's thread after every status
  // and message of the run has been shown. Refused (false) while a run is going.
  bool start(std::function<void(RunReporter&)> work, std::function<void()> done);

  // Waits until the current run has ended and its `done` has run.
  void wait();

 private:
  class Reporter;
  void finish();

  QThread* worker_ = nullptr;
  std::function<void()> done_;
};

}  // namespace obrazac::ui
