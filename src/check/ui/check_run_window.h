// What the two check windows share about their run over a whole file: the run on a thread of its
// own (`BackgroundRun`), the progress line ("Tijek") it writes, the buttons that wait while it
// goes, and the question when the window is closed during a run. A stop the user agrees to is
// seen by the run within a few lines; the window closes once the run has ended.
#pragma once

#include <span>
#include <string>

#include "frame/ui/procedure_window.h"

namespace obrazac::ui {

class BackgroundRun;

class CheckRunWindow : public ProcedureWindow {
  Q_OBJECT

 public:
  // The progress and result line (UTF-8).
  QString progressText() const;
  bool running() const;

 protected:
  CheckRunWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread, QString procedure,
                 int progressControl, std::span<const int> busyButtons, const char* stopQuestion);

  int takeCloseEvent() override;
  // The buttons that read the work tables wait while the run goes.
  void setRunning(bool on);
  // Whether the run ended because the user closed the window: it closes now.
  bool closingAfterStop() const { return closeWhenStopped_; }
  // Writes the progress line (a status text of the run, or a result).
  void showProgress(const QString& text);

  BackgroundRun* run_;
  std::string progress_;  // Windows-1250

 private:
  int progressControl_;
  std::span<const int> busyButtons_;
  const char* stopQuestion_;
  bool closeWhenStopped_ = false;
};

}  // namespace obrazac::ui
