// A long run of the core on a thread of its own, with its own context on the working folder, so
// the program stays usable while it works: windows move, other windows answer, the status text
// advances. The run never touches a widget. Its status texts reach the window's thread as they
// come (only the latest one waits, however fast they come); its messages reach it in the order
// the run gave them, and are handed over once more, all together, when it has ended. A question
// of the run waits for the user's answer (the window's prompter asks it). A stop the user asks
// for is seen by the run at its next progress point. A work that throws ends the run with the
// error as its last message instead of ending the program.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include "data/context.h"
#include "frame/run_reporter.h"
#include "frame/ui/prompter.h"

namespace obrazac::ui {

class BackgroundRun final : public QObject {
  Q_OBJECT

 public:
  using Work = std::function<void(Context& ctx, RunReporter& reporter)>;

  BackgroundRun(std::filesystem::path workDir, Prompter& prompter, QObject* parent = nullptr);
  // Asks a run still going to stop and waits for it.
  ~BackgroundRun() override;

  // Answers a question of the run on the window's thread; unset, the prompter asks the user.
  std::function<Answer(const QString& text, bool withCancel)> onQuestion;

  // Starts the work; `done` follows on the window's thread after every status text and message
  // of the run, just before `finished`. False when a run is still going.
  bool start(Work work, std::function<void()> done = {});
  bool running() const { return running_; }
  // Whether the last run's work threw: what it was to give back was never made.
  bool failed() const { return failed_; }
  void requestStop() { stop_ = true; }
  // Waits until the run has ended and `finished` was emitted. The run's texts and questions
  // are still answered meanwhile, but no key or click reaches the windows.
  void wait();

  // The message of a work that threw (`what` of the exception, UTF-8).
  static QString failureMessage(const char* what);

 signals:
  void status(const QString& text);
  void progress(qint64 done, qint64 total);
  void message(const QString& text);
  // The run has ended; `messages` are all it asked to show, in order.
  void finished(const QStringList& messages);

 private:
  class Reporter;
  void postStatus(std::string_view text);
  void end(bool threw);
  Answer ask(const QString& text, bool withCancel);

  std::filesystem::path workDir_;
  Prompter& prompter_;
  bool failed_ = false;
  std::thread thread_;
  bool running_ = false;
  std::function<void()> done_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> statusPosted_{false};
  std::mutex mutex_;
  QString latestStatus_;
  QStringList messages_;
};

}  // namespace obrazac::ui
