#include "check/ui/check_run_window.h"

#include "data/codepage.h"
#include "data/fixed_width.h"
#include "frame/ui/background_run.h"

namespace obrazac::ui {

CheckRunWindow::CheckRunWindow(Desktop& desktop, std::shared_ptr<ProcedureThread> thread,
                               QString procedure, int progressControl,
                               std::span<const int> busyButtons, const char* stopQuestion)
    : ProcedureWindow(desktop, std::move(thread), std::move(procedure)),
      run_(new BackgroundRun(desktop.workDir, desktop.prompter, this)),
      progressControl_(progressControl),
      busyButtons_(busyButtons),
      stopQuestion_(stopQuestion) {
  connect(run_, &BackgroundRun::status, this, &CheckRunWindow::showProgress);
}

QString CheckRunWindow::progressText() const {
  return QString::fromStdString(utf8FromCp1250(clipRight(progress_)));
}

bool CheckRunWindow::running() const {
  return run_->running();
}

void CheckRunWindow::showProgress(const QString& text) {
  progress_ = cp1250FromUtf8(text.toStdString());
  binder().show(progressControl_);
}

void CheckRunWindow::setRunning(bool on) {
  for (int id : busyButtons_)
    if (QWidget* w = control(id)) w->setEnabled(!on);
  if (on)
    setCursor(Qt::WaitCursor);
  else
    unsetCursor();
}

int CheckRunWindow::takeCloseEvent() {
  if (!running()) return level::kBenign;
  if (!closeWhenStopped_) {
    const Answer a = desktop().prompter.show(QString(), QString::fromUtf8(stopQuestion_),
                                             Icon::Question, Buttons::YesNo, Answer::No);
    if (a != Answer::Yes) return level::kNotify;
    closeWhenStopped_ = true;
    run_->requestStop();
  }
  return level::kNotify;
}

}  // namespace obrazac::ui
